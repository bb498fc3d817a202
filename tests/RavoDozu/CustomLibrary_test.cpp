// Tests of the custom library's records, JSON form and lookups.
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/CustomLibrary.h"

namespace ravodozu {
namespace {

using nlohmann::json;

CustomLibrary decoded(std::string_view text) {
    auto library = decodeCustomLibraryData(text);
    EXPECT_TRUE(library) << text;
    return library ? *library : CustomLibrary{};
}

bool isEightHexDigits(const std::string& id) {
    return std::regex_match(id, std::regex("[0-9a-f]{8}"));
}

CustomConversion fullConversion() {
    CustomConversion conversion;
    conversion.id = "ab12cd34";
    conversion.name = "Brewing";
    conversion.glyph = "🍺";
    conversion.decimals = 2;
    conversion.parameters = {{"k", 3, "strength"}, {"Größe", -0.5, ""}};
    conversion.units = {
        {"u1", "Litre", "L", std::nullopt},
        {"u2", "Pint", "", CustomRule{CustomRule::Ratio{0.568}}},
        {"u3", "Mash", "m",
         CustomRule{CustomRule::Steps{{
             {CustomStep::Op::mul, CustomOperand{2.0}, {}, {}, {}},
             {CustomStep::Op::add, CustomOperand{std::string("k")}, {}, {}, {}},
             {CustomStep::Op::ratioMul, std::nullopt, "length.ft", "length.m", {}},
             {CustomStep::Op::fn, CustomOperand{2.0}, {}, {}, "round"},
         }}}},
        {"u4", "Curve", "c", CustomRule{CustomRule::Formula{"x^2 * k", "sqrt(x / k)"}}},
        {"u5", "Half", "h", CustomRule{CustomRule::Formula{"x / 2", std::nullopt}}},
    };
    conversion.source = "template.brewing";
    return conversion;
}

TEST(CustomLibraryJson, RoundTripKeepsEveryField) {
    CustomLibrary library;
    library.version = 3;
    library.conversions = {fullConversion()};
    CustomExtraUnit extra{"ee001122",
                          "length",
                          "m",
                          {{"n", 2, "note"}},
                          {"x1", "Cubit", "", CustomRule{CustomRule::Ratio{0.4572}}},
                          "pack.old"};
    library.extras = {extra};

    auto reparsed = decodeCustomLibraryData(encodeCustomLibrary(library).dump());
    ASSERT_TRUE(reparsed);
    EXPECT_EQ(*reparsed, library);
}

TEST(CustomLibraryJson, EncodingUsesTheDocumentKeysAndLeavesAbsentOptionalsOut) {
    CustomConversion conversion = fullConversion();
    conversion.decimals.reset();
    conversion.source.reset();
    json encoded = encodeCustomConversion(conversion);

    EXPECT_FALSE(encoded.contains("decimals"));
    EXPECT_FALSE(encoded.contains("source"));
    EXPECT_FALSE(encoded.contains("parameters"));
    EXPECT_EQ(encoded["params"][0], (json{{"name", "k"}, {"value", 3.0}, {"note", "strength"}}));
    EXPECT_EQ(encoded["params"][1]["note"], "");
    EXPECT_EQ(encoded["units"][0], (json{{"id", "u1"}, {"name", "Litre"}, {"symbol", "L"}}));
    EXPECT_EQ(encoded["units"][1]["symbol"], "");
    EXPECT_EQ(encoded["units"][1]["rule"], (json{{"type", "ratio"}, {"value", 0.568}}));
    EXPECT_EQ(encoded["units"][2]["rule"]["steps"],
              json::parse(R"([{"op":"mul","number":2.0},{"op":"add","param":"k"},
                              {"op":"ratioMul","from":"length.ft","to":"length.m"},
                              {"op":"fn","number":2.0,"fn":"round"}])"));
    EXPECT_EQ(encoded["units"][4]["rule"], (json{{"type", "formula"}, {"forward", "x / 2"}}));

    auto back = decodeCustomConversion(encoded);
    ASSERT_TRUE(back);
    EXPECT_EQ(*back, conversion);

    CustomLibrary empty;
    EXPECT_EQ(encodeCustomLibrary(empty),
              json::parse(R"({"version":1,"conversions":[],"extras":[]})"));
    EXPECT_EQ(encodeCustomExtraUnit({"e1", "mass", "kg", {}, {"u", "Stone", "st", {}}, {}}),
              json::parse(R"({"id":"e1","category":"mass","reference":"kg","params":[],
                              "unit":{"id":"u","name":"Stone","symbol":"st"}})"));
}

TEST(CustomLibraryJson, LibraryLevelDefaultsForMissingOrMistypedKeys) {
    for (const char* text :
         {R"({})", R"({"version":"x"})", R"({"version":1.5})",
          R"({"conversions":{"a":1},"extras":"none"})", R"({"conversions":null,"extras":7})"}) {
        auto library = decoded(text);
        EXPECT_EQ(library, CustomLibrary::empty) << text;
        EXPECT_TRUE(library.isEmpty());
    }
    EXPECT_EQ(decoded(R"({"version":2})").version, 2);
}

TEST(CustomLibraryJson, DocumentThatIsNotAnObjectFails) {
    for (const char* text : {"[]", "3", "\"library\"", "null", "{", ""})
        EXPECT_FALSE(decodeCustomLibraryData(text)) << text;
}

TEST(CustomLibraryJson, BadElementsAreSkippedAndTheRestSurvive) {
    auto library = decoded(R"({
        "conversions": [
            {"id": "a", "name": "First", "units": [{"id": "u", "name": "U"}]},
            {"id": "b", "name": "No units"},
            {"id": "c", "name": "Bad rule", "units": [{"name": "U", "rule": {"type": "curve"}}]},
            {"id": "d", "name": "Bad param", "params": [{"name": "k"}], "units": []},
            {"id": "e", "name": "Bad step", "units": [{"name": "U", "rule":
                {"type": "steps", "steps": [{"op": "mod", "number": 2}]}}]},
            7,
            {"id": "f", "name": "Last", "units": []}
        ],
        "extras": [
            {"id": "x", "category": "length", "unit": {"name": "U"}},
            {"id": "y", "category": "length", "reference": "m", "unit": {"name": "Cubit"}}
        ]
    })");
    ASSERT_EQ(library.conversions.size(), 2u);
    EXPECT_EQ(library.conversions[0].id, "a");
    EXPECT_EQ(library.conversions[1].id, "f");
    ASSERT_EQ(library.extras.size(), 1u);
    EXPECT_EQ(library.extras[0].id, "y");
}

TEST(CustomLibraryJson, ElementErrorsNameTheirCause) {
    auto rule = decodeCustomRule(json::parse(R"({"type":"curve"})"));
    ASSERT_FALSE(rule);
    EXPECT_EQ(rule.error(), (DecodingError{"type", "Unknown rule type"}));

    auto unit = decodeCustomUnit(json::parse(R"({"name":"U","rule":{"type":"curve"}})"));
    ASSERT_FALSE(unit);
    EXPECT_EQ(unit.error(), (DecodingError{"rule.type", "Unknown rule type"}));

    auto untyped = decodeCustomRule(json::parse(R"({"value":2})"));
    ASSERT_FALSE(untyped);
    EXPECT_EQ(untyped.error().message, "No value associated with key \"type\".");

    EXPECT_FALSE(decodeCustomRule(json::parse(R"({"type":"ratio"})")));
    EXPECT_FALSE(decodeCustomRule(json::parse(R"({"type":"formula","inverse":"x"})")));
    EXPECT_FALSE(decodeCustomStep(json::parse(R"({"op":"Add"})")));
    EXPECT_FALSE(decodeCustomStep(json::parse(R"({"number":2})")));
    EXPECT_FALSE(decodeCustomParameter(json::parse(R"({"name":"k","value":"3"})")));
    EXPECT_FALSE(decodeCustomConversion(json::parse(R"({"name":"c","units":[],"decimals":"2"})")));
}

TEST(CustomLibraryJson, RulesAndStepsDecodeByCase) {
    auto ratio = decodeCustomRule(json::parse(R"({"type":"ratio","value":1000})"));
    ASSERT_TRUE(ratio);
    EXPECT_EQ(*ratio, CustomRule{CustomRule::Ratio{1000}});

    auto formula = decodeCustomRule(json::parse(R"({"type":"formula","forward":"x*2"})"));
    ASSERT_TRUE(formula);
    EXPECT_EQ(*formula, (CustomRule{CustomRule::Formula{"x*2", std::nullopt}}));

    auto both = decodeCustomStep(json::parse(R"({"op":"mul","number":2,"param":"k"})"));
    ASSERT_TRUE(both);
    ASSERT_TRUE(both->operand);
    EXPECT_EQ(both->operand->number() ? *both->operand->number() : 0, 2);

    auto parameter = decodeCustomStep(json::parse(R"({"op":"divInto","param":"k"})"));
    ASSERT_TRUE(parameter);
    EXPECT_EQ(parameter->op, CustomStep::Op::divInto);
    EXPECT_EQ(parameter->operand, CustomOperand{std::string("k")});

    auto bare = decodeCustomStep(json::parse(R"({"op":"fn"})"));
    ASSERT_TRUE(bare);
    EXPECT_FALSE(bare->operand);
    EXPECT_FALSE(bare->function);

    for (auto op : {CustomStep::Op::add, CustomStep::Op::divInto, CustomStep::Op::ratioDiv,
                    CustomStep::Op::fn})
        EXPECT_EQ(customStepOp(rawValue(op)), op);
    EXPECT_EQ(rawValue(CustomStep::Op::ratioMul), "ratioMul");
}

TEST(CustomLibraryJson, MissingIdsAreFreshEachTime) {
    const char* text = R"({"conversions":[{"name":"C","units":[{"name":"U"}]}],
                           "extras":[{"category":"length","reference":"m","unit":{"name":"V"}}]})";
    auto first = decoded(text);
    auto second = decoded(text);
    ASSERT_EQ(first.conversions.size(), 1u);
    ASSERT_EQ(second.conversions.size(), 1u);
    for (const auto& id : {first.conversions[0].id, first.conversions[0].units[0].id,
                           first.extras[0].id, first.extras[0].unit.id})
        EXPECT_TRUE(isEightHexDigits(id)) << id;
    EXPECT_NE(first.conversions[0].id, second.conversions[0].id);
    EXPECT_EQ(first.conversions[0].units[0].symbol, "");
    EXPECT_EQ(first.conversions[0].glyph, "");
}

TEST(CustomLibraryLookup, ConversionForCategoryId) {
    CustomLibrary library;
    library.conversions = {{"ab12cd34", "A", "", {}, {}, {}, {}},
                           {"ab12cd34", "Shadowed", "", {}, {}, {}, {}},
                           {"zz", "B", "", {}, {}, {}, {}}};
    ASSERT_NE(library.conversion("custom.ab12cd34"), nullptr);
    EXPECT_EQ(library.conversion("custom.ab12cd34")->name, "A");
    EXPECT_EQ(library.conversion("custom.zz")->name, "B");
    EXPECT_EQ(library.conversion("ab12cd34"), nullptr);
    EXPECT_EQ(library.conversion("custom."), nullptr);
    EXPECT_EQ(library.conversion("Custom.zz"), nullptr);

    EXPECT_TRUE(isCustomCategoryId("custom.x"));
    EXPECT_TRUE(isCustomCategoryId("custom."));
    EXPECT_FALSE(isCustomCategoryId("custom"));
    EXPECT_FALSE(isCustomCategoryId("length"));
}

TEST(CustomParameterNames, ValidityRules) {
    struct Case {
        const char* name;
        bool valid;
    };
    for (auto [name, valid] : std::initializer_list<Case>{
             {"k", true},
             {"rate_2", true},
             {"Größe", true},
             {"Rate", true},
             {"x1", true},
             {"速度", true},
             {"aⅫ", true},      // a letter number is numeric
             {"e\u0301", true}, // a combining accent belongs to its letter
             {"abcdefghijklmnopqrst", true},
             {"", false},
             {"2x", false},
             {"_a", false},
             {"π", false},
             {"Pi", false},
             {"SQRT", false},
             {"E", false},
             {"x", false},
             {"X", false},
             {"Convert", false},
             {"a-b", false},
             {"a b", false},
             {"abcdefghijklmnopqrstu", false},
         })
        EXPECT_EQ(isValidParameterName(name), valid) << name;

    // Twenty characters of two code points each are still twenty characters.
    std::string accented;
    for (int i = 0; i < 20; ++i)
        accented += "e\u0301";
    EXPECT_TRUE(isValidParameterName(accented));
    EXPECT_FALSE(isValidParameterName(accented + "e"));
}

} // namespace
} // namespace ravodozu
