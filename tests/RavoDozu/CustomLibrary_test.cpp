// The custom library's records, JSON form and lookups, and the templates a conversion is adopted
// from.
#include <regex>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/CustomTemplateLibrary.h"
#include "RavoDozu/ExpressionBinding.h"
#include "RavoDozu/ShareCleanUp.h"
#include "TempDirectory.h"

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

TEST(CustomLibraryJson, MissingIdsAreFreshEachTime) {
    const char* text = R"({"conversions":[{"name":"C","units":[{"name":"U"}]}],
                           "extras":[{"category":"length","reference":"m","unit":{"name":"V"}}]})";
    auto first = decoded(text);
    ASSERT_EQ(first.conversions.size(), 1u);
    for (const auto& id : {first.conversions[0].id, first.extras[0].unit.id})
        EXPECT_TRUE(std::regex_match(id, std::regex("[0-9a-f]{8}"))) << id;
    EXPECT_NE(first.conversions[0].id, decoded(text).conversions[0].id);
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

using zelvane::testing::TempDirectory;

CustomConversion variantNamed(std::string name) {
    CustomConversion conversion;
    conversion.id = "keepme00";
    conversion.name = std::move(name);
    conversion.units = {{"a", "One", "", std::nullopt},
                        {"b", "Ten", "", CustomRule{CustomRule::Ratio{10}}}};
    return conversion;
}

CustomTemplate withVariants(std::initializer_list<std::string> codes) {
    CustomTemplate result;
    for (const auto& code : codes)
        result.variants.emplace(code, variantNamed(code));
    return result;
}

Result<CustomTemplateLibrary, CatalogError> loadFrom(const TempDirectory& bundle,
                                                     std::string_view text) {
    bundle.write("templates/templates.json", text);
    return loadTemplates(ResourceBundle{bundle.path()});
}

TEST(TemplateAdoption, VariantFollowsTheUsersLanguages) {
    using Languages = std::vector<std::string>;
    EXPECT_EQ(instantiate(withVariants({"en", "zh-Hant"}), Languages{"zh-HK", "en"}).name,
              "zh-Hant");
    EXPECT_EQ(instantiate(withVariants({"de"}), Languages{"fr"}).name, "de");
}

TEST(TemplateAdoption, EachAdoptionIsCleanedAndIndependent) {
    const std::vector<std::string> en{"en"};
    auto item = withVariants({"en"});
    item.variants["en"].name = "  Padded  ";
    auto first = instantiate(item, en);
    EXPECT_NE(first.id, instantiate(item, en).id);
    EXPECT_EQ(first.name, "Padded");

    // A variant the clean-up refuses is returned as it is.
    item.variants["en"].units[1].name = "   ";
    EXPECT_EQ(instantiate(item, en), item.variants["en"]);
    EXPECT_TRUE(instantiate(CustomTemplate{}, en).units.empty());
}

TEST(TemplateLoading, TagsAreFixedAndOrderedAndAnyDefectFailsTheLoad) {
    TempDirectory bundle;
    auto library = loadFrom(bundle, R"({
        "tags": {"sport": {"en": "Sport"}, "travel": {"en": "Travel"}, "life": {"en": "Life"}},
        "templates": [
            {"id": "a", "glyph": "", "tag": "life", "title": {}, "summary": {}, "variants": {}},
            {"id": "b", "glyph": "", "tag": "sport", "title": {}, "summary": {}, "variants": {}},
            {"id": "a", "glyph": "", "tag": "life", "title": {"en": "second"}, "summary": {},
             "variants": {}}
        ]})");
    ASSERT_TRUE(library) << library.error().describe();
    ASSERT_EQ(library->tags.size(), 2u);
    EXPECT_EQ(library->tags[1].first, "sport") << "in the fixed order, unknown tags dropped";
    EXPECT_EQ(templatesWithTag(*library, "life").size(), 2u);
    ASSERT_TRUE(templateWithId(*library, "a"));
    EXPECT_TRUE(templateWithId(*library, "a")->title.values.empty()) << "the first one wins";

    // One broken variant fails the file, and the error says where.
    library = loadFrom(bundle, R"({"tags": {}, "templates": [{"id": "a", "glyph": "",
        "tag": "life", "title": {}, "summary": {}, "variants": {"en": {"name": "n"}}}]})");
    ASSERT_FALSE(library);
    EXPECT_EQ(library.error().kind, CatalogError::Kind::invalidData);
    EXPECT_TRUE(library.error().decoding.codingPath.starts_with("templates[0].variants.en"))
        << library.error().describe();

    // So does a tag of the wrong type, even one that would be dropped.
    library = loadFrom(bundle, R"({"tags": {"life": {"en": "Life"}, "travel": 5},
        "templates": []})");
    ASSERT_FALSE(library);
    EXPECT_EQ(library.error().kind, CatalogError::Kind::invalidData);
    EXPECT_EQ(library.error().decoding.codingPath, "tags.travel") << library.error().describe();
}

// What a translation may change: the texts a reader sees, nothing that converts.
CustomConversion withoutTexts(CustomConversion conversion) {
    conversion.name.clear();
    for (auto& parameter : conversion.parameters)
        parameter.note.clear();
    for (auto& unit : conversion.units)
        unit.name = unit.symbol = "";
    return conversion;
}

TEST(ShippedTemplates, EveryVariantCompilesInEveryLanguage) {
    auto library = loadTemplates();
    ASSERT_TRUE(library) << library.error().describe();
    auto catalog = UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog);
    auto lookup = ExpressionBinding::catalogUnits(*catalog);
    for (const auto& item : library->templates)
        for (const auto& [language, variant] : item.variants) {
            SCOPED_TRACE(item.id + " " + language);
            EXPECT_EQ(withoutTexts(variant), withoutTexts(item.variants.at("en")));
            auto kept = CustomShare::sanitizedConversion(variant);
            ASSERT_TRUE(kept) << "refused as an import";
            EXPECT_EQ(CustomShare::cleanUpChanges({variant}, {*kept}).size(), 0u)
                << "a text is cut on adoption";
            for (std::size_t i = 1; i < variant.units.size(); ++i) {
                const auto& unit = variant.units[i];
                auto compiled =
                    compile(*unit.rule, variant.parameters, LinearConversion{1}, lookup);
                ASSERT_TRUE(compiled) << unit.name << ": " << compiled.error().describe();
                EXPECT_NE(compiled->status, InverseStatus::needsFormula) << unit.name;
                EXPECT_NE(compiled->status, InverseStatus::mismatch) << unit.name;
            }
        }
}

} // namespace
} // namespace ravodozu
