#include "RavoDozu/ExtensionPack.h"

#include <cmath>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempDirectory.h"

using namespace ravodozu;
using nlohmann::json;
using zelvane::testing::TempDirectory;

namespace {

LocalizedText english(std::string text) {
    return {{{"en", std::move(text)}}};
}

ExtensionPack::Category chineseLength(std::string dimension = "length") {
    ExtensionPack::Category category;
    category.id = "length";
    category.name = english("Length");
    category.dimension = std::move(dimension);
    category.referenceUnit = "chi";
    category.modernUnits = {"cm", "parsec", "m"};
    category.units = {{"chi", "尺", english("Chi"), 1}, {"zhang", "丈", english("Zhang"), 10}};
    category.variants = {{"xin", english("Xin"), english("9–23"), 0.2304, english("Wu")}};
    return category;
}

UnitCatalog metricCatalog() {
    return UnitCatalog({{"length",
                         english("Length"),
                         "m",
                         {{"m", "m", english("Metre"), LinearConversion{1}},
                          {"cm", "cm", english("Centimetre"), LinearConversion{0.01}}}}},
                       {});
}

const json minimalPack = json::parse(R"({
    "id": "p", "glyph": "", "name": {}, "summary": {}, "disclaimer": {},
    "categories": [{"id": "c", "name": {}, "dimension": "mass", "referenceUnit": "u",
        "modernUnits": [], "units": [{"id": "u", "symbol": "", "name": {}, "multiple": 1}],
        "variants": [], "notes": [{"title": {}, "quote": {}, "body": {}}]}]})");

} // namespace

TEST(PackCategory, PackUnitsScaleByTheVariantThenModernUnitsFollow) {
    auto category = chineseLength();
    auto built = unitCategory(category, category.variants[0], metricCatalog());
    EXPECT_EQ(built.base, "m");
    ASSERT_EQ(built.units.size(), 4u) << "the unknown modern unit is skipped";
    EXPECT_EQ(built.units[1].id, "pack.zhang");
    EXPECT_EQ(built.units[3].id, "m");
    EXPECT_DOUBLE_EQ(toBase(built.units[1].conversion, 1), 2.304);

    // An unknown dimension keeps only the pack's units.
    auto distance = chineseLength("distance");
    EXPECT_EQ(unitCategory(distance, distance.variants[0], metricCatalog()).units.size(), 2u);
}

TEST(PackLoading, OneBadFileFailsTheWholeLoad) {
    TempDirectory bundle;
    auto good = minimalPack.dump();
    bundle.write("units/packs/ancient_china.json", good);
    auto missing = loadPacks(ResourceBundle{bundle.path()});
    ASSERT_FALSE(missing);
    EXPECT_EQ(missing.error().kind, CatalogError::Kind::missingResource);

    auto withoutDisclaimer = minimalPack;
    withoutDisclaimer.erase("disclaimer");
    bundle.write("units/packs/biblical.json", withoutDisclaimer.dump());
    auto invalid = loadPacks(ResourceBundle{bundle.path()});
    ASSERT_FALSE(invalid);
    EXPECT_EQ(invalid.error().kind, CatalogError::Kind::invalidData);
    EXPECT_EQ(invalid.error().resource, "biblical");

    bundle.write("units/packs/biblical.json", good);
    auto loaded = loadPacks(ResourceBundle{bundle.path()});
    ASSERT_TRUE(loaded);
    EXPECT_EQ(loaded->size(), 2u);
}

TEST(ShippedPacks, EveryCategoryBuildsWithEveryVariant) {
    auto packs = loadPacks();
    ASSERT_TRUE(packs) << packs.error().describe();
    auto catalog = UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog);
    ASSERT_EQ(packs->size(), builtInPackIds.size());
    for (const auto& pack : *packs)
        for (const auto& category : pack.categories) {
            SCOPED_TRACE(pack.id + "." + category.id);
            for (const auto& variant : category.variants) {
                for (const auto& unit : unitCategory(category, variant, *catalog).units)
                    EXPECT_TRUE(std::isfinite(toBase(unit.conversion, 1))) << unit.id;
            }
        }
}
