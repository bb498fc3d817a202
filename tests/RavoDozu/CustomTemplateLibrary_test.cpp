#include "RavoDozu/CustomTemplateLibrary.h"

#include <gtest/gtest.h>
#include <string>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/ExpressionBinding.h"
#include "TempDirectory.h"

using namespace ravodozu;
using zelvane::testing::TempDirectory;

namespace {

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

} // namespace

TEST(TemplateAdoption, VariantFollowsTheUsersLanguages) {
    struct Case {
        std::initializer_list<std::string> variants;
        std::vector<std::string> languages;
        std::string chosen;
    };
    const Case cases[] = {
        {{"en", "zh-Hant"}, {"zh-HK", "en"}, "zh-Hant"},
        {{"de"}, {"fr"}, "de"},
    };
    for (const auto& item : cases)
        EXPECT_EQ(instantiate(withVariants(item.variants), item.languages).name, item.chosen);
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

// The shipped templates: every variant of every template is adoptable and compiles.
TEST(ShippedTemplates, EveryVariantCompilesInEveryLanguage) {
    auto library = loadTemplates();
    ASSERT_TRUE(library) << library.error().describe();
    auto catalog = UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog);
    auto lookup = ExpressionBinding::catalogUnits(*catalog);
    for (const auto& item : library->templates)
        for (const auto& [language, variant] : item.variants) {
            SCOPED_TRACE(item.id + " " + language);
            EXPECT_TRUE(CustomShare::sanitizedConversion(variant)) << "refused as an import";
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
