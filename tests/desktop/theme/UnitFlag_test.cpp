// Unit flags: regional units, currencies, the Taiwan units and the region-to-emoji rule.
#include <set>

#include <gtest/gtest.h>

#include "RavoDozu/UnitCatalog.h"
#include "UnitFlag.h"

namespace zelvane {
namespace {

std::string flagOf(const char* region) {
    return regionFlag(region).value();
}

TEST(FlagEmoji, CurrenciesTakeTheirCodesRegion) {
    EXPECT_EQ(flagEmoji("currency", "USD"), "🇺🇸");
    EXPECT_EQ(flagEmoji("currency", "EUR"), "🇪🇺");
    EXPECT_EQ(flagEmoji("currency", "XAU"), "\U0001F1FD\U0001F1E6"); // no real region, still XA
    EXPECT_EQ(flagEmoji("currency", "USDT"), std::nullopt);
    EXPECT_EQ(flagEmoji("currency", "US"), std::nullopt);
    EXPECT_EQ(flagEmoji("currency", "TWD"), std::nullopt);
}

TEST(FlagEmoji, RegionalUnitsBelongToTheirCategory) {
    EXPECT_EQ(flagEmoji("mass", "jin"), flagOf("CN"));
    EXPECT_EQ(flagEmoji("length", "jin"), std::nullopt);
    EXPECT_EQ(flagEmoji("mass", "hk_liang"), flagOf("HK"));
    EXPECT_EQ(flagEmoji("volume", "gal_uk"), flagOf("GB"));
    EXPECT_EQ(flagEmoji("area", "jo"), flagOf("JP"));
    EXPECT_EQ(flagEmoji("mass", "tw_jin"), std::nullopt);
    EXPECT_EQ(flagEmoji("mass", "kg"), std::nullopt);
    EXPECT_EQ(flagEmoji("length", "USD"), std::nullopt);
}

TEST(RegionFlag, NeedsExactlyTwoScalarsAfterSkippingThoseBeyondUnicode) {
    EXPECT_EQ(regionFlag("A"), std::nullopt);
    EXPECT_EQ(regionFlag("ABC"), std::nullopt);
    EXPECT_EQ(regionFlag(""), std::nullopt);
    // U+FFFFD plus the offset lies beyond U+10FFFF: skipped, so two letters remain.
    EXPECT_EQ(regionFlag("A\U000FFFFDB"), flagOf("AB"));
    EXPECT_EQ(regionFlag("A\U000FFFFD"), std::nullopt);
    // Any scalar within range is shifted, letters or not.
    EXPECT_EQ(regionFlag("é1"), "\U0001F28E\U0001F1D6");
}

TEST(UnitFlag, TaiwanUnitsAreDrawnWithTheImageOnlyInTheirCategory) {
    EXPECT_TRUE(isTaiwanUnit("currency", "TWD"));
    EXPECT_TRUE(isTaiwanUnit("area", "ping"));
    EXPECT_FALSE(isTaiwanUnit("length", "tw_jin"));
    EXPECT_TRUE(std::holds_alternative<UnitFlag::TaiwanImage>(UnitFlag::of("mass", "tw_jin").kind));
    EXPECT_TRUE(std::holds_alternative<UnitFlag::None>(UnitFlag::of("length", "tw_jin").kind));
}

TEST(UnitFlag, CurrencyWithoutFlagShowsABanknoteOtherUnitsNothing) {
    EXPECT_TRUE(std::holds_alternative<UnitFlag::Banknote>(UnitFlag::of("currency", "USDT").kind));
    EXPECT_TRUE(std::holds_alternative<UnitFlag::None>(UnitFlag::of("length", "m").kind));
    auto dollar = UnitFlag::of("currency", "USD");
    EXPECT_EQ(std::get<UnitFlag::Emoji>(dollar.kind).text, "🇺🇸");
}

// Every entry of the tables names a unit that exists: a mistyped id would silently lose a flag.
TEST(UnitFlag, EveryTabledUnitExistsInTheBundledCatalog) {
    auto catalog = ravodozu::UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog) << catalog.error().describe();
    int regional = 0;
    std::set<std::pair<std::string, std::string>> taiwan;
    for (const auto& category : catalog->categories())
        for (const auto& unit : category.units) {
            regional += flagEmoji(category.id, unit.id).has_value();
            if (isTaiwanUnit(category.id, unit.id))
                taiwan.emplace(category.id, unit.id);
        }
    EXPECT_EQ(regional, 25);
    EXPECT_EQ(taiwan, (std::set<std::pair<std::string, std::string>>{
                          {"mass", "tw_jin"}, {"mass", "tw_liang"}, {"area", "ping"}}));
    EXPECT_NE(catalog->currency().currency("TWD"), nullptr);
}

} // namespace
} // namespace zelvane
