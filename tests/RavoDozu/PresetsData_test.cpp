// The bundled presets file: complete, consistent with the bundled catalog, and detectable.
#include <fstream>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"

namespace ravodozu {
namespace {

class PresetsData : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        auto path = ResourceBundle::core().resource("presets", "json", "units");
        ASSERT_TRUE(path) << "units/presets.json is not in the bundle";
        std::ifstream stream(*path);
        auto document = nlohmann::json::parse(stream, nullptr, /*allow_exceptions=*/false);
        ASSERT_FALSE(document.is_discarded()) << "units/presets.json is not JSON";
        auto decoded = RegionProfile::File::decode(document);
        ASSERT_TRUE(decoded) << decoded.error().describe();
        file = new RegionProfile::File(std::move(decoded).value());

        auto loaded = UnitCatalog::loadBundled();
        ASSERT_TRUE(loaded) << loaded.error().describe();
        catalog = new UnitCatalog(std::move(loaded).value());
    }

    // Every id an entry names must be a unit of its category. Currencies are left out: that
    // category is built from whatever the exchange rates list.
    static void expectValid(const std::string& where, const std::string& categoryId,
                            const RegionProfile::Entry& entry) {
        if (categoryId == "currency")
            return;
        SCOPED_TRACE(where + " " + categoryId);
        const auto* category = catalog->category(categoryId);
        ASSERT_NE(category, nullptr) << "not a built-in category";
        std::vector<std::string> ids{entry.from};
        ids.insert(ids.end(), entry.pinned.begin(), entry.pinned.end());
        for (const auto& id : ids)
            EXPECT_NE(category->unit(id), nullptr) << id << " is not a unit of " << categoryId;
    }

    static inline RegionProfile::File* file = nullptr;
    static inline UnitCatalog* catalog = nullptr;
};

TEST_F(PresetsData, UniversalCoversEveryBuiltInCategory) {
    for (const auto& categoryId : allCategoryIds())
        EXPECT_TRUE(file->universal.contains(categoryId)) << categoryId;
    EXPECT_EQ(file->universal.size(), allCategoryIds().size());
}

TEST_F(PresetsData, EveryIdNamesAUnitOfItsCategory) {
    for (const auto& [categoryId, entry] : file->universal)
        expectValid("universal", categoryId, entry);
    for (const auto& region : file->regions)
        for (const auto& [categoryId, entry] : region.presets) {
            EXPECT_TRUE(std::ranges::find(allCategoryIds(), categoryId) != allCategoryIds().end())
                << region.id << ": " << categoryId;
            expectValid(region.id, categoryId, entry);
        }
}

// One record for each region, and no country claimed twice: a second region listing a country
// could never be detected by it.
TEST_F(PresetsData, OneRecordPerRegionAndCountriesUnique) {
    EXPECT_EQ(file->regions.size(), RegionProfile::caseCount);
    std::set<std::string> idsSeen, countriesSeen;
    for (const auto& region : file->regions) {
        SCOPED_TRACE(region.id);
        EXPECT_TRUE(RegionProfile::named(region.id) && idsSeen.insert(region.id).second);
        ASSERT_FALSE(region.countries.empty());
        for (const auto& country : region.countries)
            EXPECT_TRUE(countriesSeen.insert(country).second) << country << " listed twice";
    }
}

} // namespace
} // namespace ravodozu
