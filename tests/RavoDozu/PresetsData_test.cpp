// The bundled presets file: complete, consistent with the bundled catalog, and detectable.
#include <fstream>
#include <regex>
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

    // Every id an entry names must be a unit of its category; currencies are ISO 4217 codes,
    // since the currency category is built from whatever the exchange rates list.
    static void expectValid(const std::string& where, const std::string& categoryId,
                            const RegionProfile::Entry& entry) {
        static const std::regex currencyCode("[A-Z]{3}");
        static const std::regex plainNumber("[0-9]+(\\.[0-9]+)?");
        SCOPED_TRACE(where + " " + categoryId);
        EXPECT_TRUE(std::regex_match(entry.input, plainNumber)) << entry.input;
        std::vector<std::string> ids{entry.from};
        ids.insert(ids.end(), entry.pinned.begin(), entry.pinned.end());
        for (const auto& id : ids) {
            if (categoryId == "currency") {
                EXPECT_TRUE(std::regex_match(id, currencyCode)) << id;
                continue;
            }
            const auto* category = catalog->category(categoryId);
            ASSERT_NE(category, nullptr) << "not a built-in category";
            EXPECT_NE(category->unit(id), nullptr) << id << " is not a unit of " << categoryId;
        }
        EXPECT_EQ(std::set(entry.pinned.begin(), entry.pinned.end()).size(), entry.pinned.size())
            << "a unit pinned twice";
        EXPECT_FALSE(entry.pinned.empty());
    }

    static inline RegionProfile::File* file = nullptr;
    static inline UnitCatalog* catalog = nullptr;
};

TEST_F(PresetsData, UniversalCoversEveryBuiltInCategory) {
    for (const auto& categoryId : allCategoryIds())
        EXPECT_TRUE(file->universal.contains(categoryId)) << categoryId;
    EXPECT_EQ(file->universal.size(), allCategoryIds().size());
}

TEST_F(PresetsData, OneRecordPerRegionInDeclarationOrder) {
    ASSERT_EQ(file->regions.size(), RegionProfile::caseCount);
    for (std::size_t i = 0; i < file->regions.size(); ++i)
        EXPECT_EQ(file->regions[i].id, RegionProfile::allCases()[i].rawValue());
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

TEST_F(PresetsData, EachRegionIsDetectedByItsCountries) {
    std::set<std::string> countriesSeen;
    for (const auto& region : file->regions) {
        SCOPED_TRACE(region.id);
        ASSERT_FALSE(region.countries.empty());
        // A second region listing a country could never be detected by it.
        for (const auto& country : region.countries)
            EXPECT_TRUE(countriesSeen.insert(country).second) << country << " listed twice";
        EXPECT_EQ(RegionProfile::detect(region.countries.front(), {}),
                  RegionProfile::named(region.id));
        EXPECT_TRUE(region.presets.contains("currency")) << "every region has its own currency";
    }
}

} // namespace
} // namespace ravodozu
