// Tests of the custom library's records, JSON form and lookups.
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/CustomLibrary.h"

namespace ravodozu {
namespace {

using nlohmann::json;
using Op = CustomStep::Op;

CustomLibrary decoded(std::string_view text) {
    auto library = decodeCustomLibraryData(text);
    EXPECT_TRUE(library) << text;
    return library ? *library : CustomLibrary{};
}

CustomConversion fullConversion() {
    CustomRule steps{CustomRule::Steps{{{Op::mul, CustomOperand{2.0}, {}, {}, {}},
                                        {Op::add, CustomOperand{"k"}, {}, {}, {}},
                                        {Op::ratioMul, {}, "length.ft", "length.m", {}},
                                        {Op::fn, CustomOperand{2.0}, {}, {}, "round"}}}};
    return {"ab12cd34",
            "Brewing",
            "🍺",
            2,
            {{"k", 3, "strength"}, {"Größe", -0.5, ""}},
            {{"u1", "Litre", "L", std::nullopt},
             {"u2", "Pint", "", CustomRule{CustomRule::Ratio{0.568}}},
             {"u3", "Mash", "m", steps},
             {"u4", "Curve", "c", CustomRule{CustomRule::Formula{"x^2 * k", "sqrt(x / k)"}}},
             {"u5", "Half", "h", CustomRule{CustomRule::Formula{"x / 2", std::nullopt}}}},
            "template.brewing"};
}

TEST(CustomLibraryJson, RoundTripKeepsEveryField) {
    CustomLibrary library{3, {fullConversion()}, {}};
    library.extras = {{"ee001122",
                       "length",
                       "m",
                       {{"n", 2, "note"}},
                       {"x1", "Cubit", "", CustomRule{CustomRule::Ratio{0.4572}}},
                       "pack.old"}};
    EXPECT_EQ(decodeCustomLibraryData(encodeCustomLibrary(library).dump()).valueOr(CustomLibrary{}),
              library);
}

TEST(CustomLibraryJson, AbsentOptionalsStayAbsent) {
    CustomConversion conversion = fullConversion();
    conversion.decimals.reset();
    conversion.source.reset();
    json encoded = encodeCustomConversion(conversion);
    EXPECT_FALSE(encoded.contains("decimals") || encoded.contains("source"));
    EXPECT_EQ(decodeCustomConversion(encoded).valueOr(CustomConversion{}), conversion);
}

TEST(CustomLibraryJson, LibraryLevelKeysFallBackToTheirDefaults) {
    EXPECT_EQ(decoded(R"({"version":1.5,"conversions":{"a":1},"extras":"none"})"),
              CustomLibrary::empty);
    for (const char* text : {"[]", "{"})
        EXPECT_FALSE(decodeCustomLibraryData(text)) << text;
}

TEST(CustomLibraryJson, IntegersBeyond32BitsAreKept) {
    auto library = decoded(R"({"version": 4294967297,
        "conversions": [{"id": "c", "name": "C", "decimals": 4294967296, "units": []}]})");
    EXPECT_EQ(library.version, 4294967297);
    ASSERT_EQ(library.conversions.size(), 1u);
    EXPECT_EQ(library.conversions[0].decimals, 4294967296);
    EXPECT_EQ(encodeCustomLibrary(library)["conversions"][0]["decimals"], 4294967296);

    // Past 64 bits a version takes its default and a conversion is skipped as undecodable.
    library = decoded(R"({"version": 18446744073709551615,
        "conversions": [{"id": "c", "name": "C", "decimals": 1e19, "units": []}]})");
    EXPECT_EQ(library.version, 1);
    EXPECT_TRUE(library.conversions.empty());
}

TEST(CustomLibraryJson, BadElementsAreSkippedAndTheRestSurvive) {
    auto library = decoded(R"({
        "conversions": [
            {"id": "a", "name": "First", "units": [{"id": "u", "name": "U"}]},
            {"id": "c", "name": "Bad rule", "units": [{"name": "U", "rule": {"type": "curve"}}]},
            {"id": "e", "name": "Bad step", "units": [{"name": "U", "rule":
                {"type": "steps", "steps": [{"op": "mod", "number": 2}]}}]},
            {"id": "f", "name": "Last", "units": []}
        ],
        "extras": [
            {"id": "x", "category": "length", "unit": {"name": "U"}},
            {"id": "y", "category": "length", "reference": "m", "unit": {"name": "Cubit"}}
        ]
    })");
    ASSERT_EQ(library.conversions.size(), 2u);
    EXPECT_EQ(library.conversions[1].id, "f");
    ASSERT_EQ(library.extras.size(), 1u);
    EXPECT_EQ(library.extras[0].id, "y");
}

TEST(CustomLibraryJson, AStepWithBothOperandsTakesTheNumber) {
    auto both = decodeCustomStep(json::parse(R"({"op":"mul","number":2,"param":"k"})"));
    ASSERT_TRUE(both);
    EXPECT_EQ(both->operand, CustomOperand{2.0});
}

TEST(CustomLibraryJson, MissingIdsAreFreshEachTime) {
    const char* text = R"({"conversions":[{"name":"C","units":[{"name":"U"}]}],
                           "extras":[{"category":"length","reference":"m","unit":{"name":"V"}}]})";
    auto first = decoded(text);
    ASSERT_EQ(first.conversions.size(), 1u);
    for (const auto& id : {first.conversions[0].id, first.extras[0].unit.id})
        EXPECT_TRUE(std::regex_match(id, std::regex("[0-9a-f]{8}"))) << id;
    EXPECT_NE(first.conversions[0].id, decoded(text).conversions[0].id);
}

TEST(CustomLibraryLookup, ConversionForCategoryId) {
    CustomLibrary library{
        1,
        {{"ab12cd34", "Shadowed", "", {}, {}, {}, {}}, {"ab12cd34", "B", "", {}, {}, {}, {}}},
        {}};
    // The later of two equal ids, as in the resolved categories.
    ASSERT_NE(library.conversion("custom.ab12cd34"), nullptr);
    EXPECT_EQ(library.conversion("custom.ab12cd34")->name, "B");
    for (const char* id : {"ab12cd34", "Custom.ab12cd34"})
        EXPECT_EQ(library.conversion(id), nullptr) << id;
}

TEST(CustomParameterNames, ValidityRules) {
    std::string twentyAccented;
    for (int i = 0; i < 20; ++i)
        twentyAccented += "e\u0301"; // 20 characters, 40 code points
    std::string twentyOneAccented = twentyAccented + "e";
    for (const char* name : {"Größe", "速度", twentyAccented.c_str()})
        EXPECT_TRUE(isValidParameterName(name)) << name;
    for (const char* name : {"2x", "_a", "X", twentyOneAccented.c_str(), "a\xff"})
        EXPECT_FALSE(isValidParameterName(name)) << name;
}

} // namespace
} // namespace ravodozu
