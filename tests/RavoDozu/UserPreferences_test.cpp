// UserPreferences: tolerant decoding, the derived category lists and every edit.
#include <gtest/gtest.h>

#include "RavoDozu/UserPreferences.h"

namespace ravodozu {
namespace {

using nlohmann::json;
using Ids = std::vector<std::string>;

UserPreferences decoded(const json& document) {
    auto result = UserPreferences::decode(document);
    EXPECT_TRUE(result) << result.error().describe();
    return result.valueOr(UserPreferences{});
}

TEST(Decoding, BadValueTakesDefaultAndLeavesTheOtherKeysAlone) {
    const std::pair<const char*, json> cases[] = {
        {"region", "atlantis"},
        {"significantDigits", json(18446744073709551615ull)},
        {"pinnedOverrides", {{"length", {"m"}}, {"mass", 3}}},
        {"hiddenCategories", {"fuel", nullptr}},
        {"showsOtherUnits", "false"}};
    for (const auto& [badKey, value] : cases) {
        json document = {{"region", "japan"}, {"languageCode", "ja"}, {"showsOtherUnits", false}};
        document[badKey] = value;
        std::string_view key = badKey;
        UserPreferences expected;
        if (key != "region")
            expected.region = RegionProfile::japan;
        expected.languageCode = "ja";
        if (key != "showsOtherUnits")
            expected.showsOtherUnits = false;
        EXPECT_EQ(decoded(document), expected) << key << " = " << value.dump();
    }
}

TEST(Decoding, StoredValuesKeptAsStored) {
    EXPECT_EQ(decoded({{"significantDigits", INT64_MIN}}).significantDigits, INT64_MIN);
    EXPECT_EQ(decoded({{"favoriteCategories", json::array()}}).favoriteCategories, Ids{});
}

TEST(Decoding, AnythingButAnObjectFails) {
    EXPECT_EQ(UserPreferences::decode("[]").error().message, "not an object");
    EXPECT_FALSE(UserPreferences::decode("{\"region\": "));
}

TEST(Decoding, ARecordNestedPastTheLimitIsRefusedWithoutACrash) {
    std::string deep = std::string(100000, '[') + std::string(100000, ']');
    EXPECT_FALSE(UserPreferences::decode(deep));
    EXPECT_FALSE(UserPreferences::decode("{\"region\": \"korea\", \"unitOrder\": " + deep + "}"));
}

TEST(Categories, DerivedListsLeaveOutHiddenAndStopAtTen) {
    UserPreferences p;
    p.customCategoryIds = {"custom.x", "custom.x"};
    p.hiddenCategories = {"length", "temperature", "fuel"};
    auto visible = p.visibleCategoryIds();
    EXPECT_EQ(visible.size(), allCategoryIds().size() - 1);
    EXPECT_EQ(visible.back(), "custom.x");
    EXPECT_EQ(p.effectiveFavoriteCategories().size(), 10u);
    EXPECT_EQ(p.effectiveStarredCategories(), (Ids{"currency", "mass"}));

    p = {};
    p.starredCategories = Ids(allCategoryIds().begin(), allCategoryIds().begin() + 12);
    EXPECT_EQ(p.effectiveStarredCategories(),
              Ids(allCategoryIds().begin(), allCategoryIds().begin() + 10));
}

TEST(Edits, StarsAndFavourites) {
    UserPreferences p;
    p.starredCategories = Ids(allCategoryIds().begin(), allCategoryIds().begin() + 10);
    auto before = p;
    EXPECT_FALSE(p.toggleStar("angle")) << "an eleventh star is refused";
    EXPECT_EQ(p, before);
    EXPECT_TRUE(p.toggleStar("fuel"));
    EXPECT_TRUE(p.toggleStar("angle"));
    EXPECT_EQ(p.starredCategories->back(), "angle");
    p.moveStarred({9}, 0);
    EXPECT_EQ(p.starredCategories->front(), "angle");

    p.favoriteCategories = Ids{"mass", "length", "time"};
    p.addFavorite("time", "mass"); // an existing favourite moves before its anchor
    EXPECT_EQ(p.favoriteCategories, (Ids{"time", "mass", "length"}));
    p.moveFavorite("time", 2); // before the row that was at 2
    EXPECT_EQ(p.favoriteCategories, (Ids{"mass", "time", "length"}));
    p.favoriteCategories = Ids{"mass"};
    p.removeFavorite("mass");
    EXPECT_EQ(p.favoriteCategories, Ids{"mass"}) << "the last one stays";
}

TEST(Edits, ListMovesBeforeTheDestinationRow) {
    const Ids list{"a", "b", "c", "d"};
    EXPECT_EQ(moveElements(list, {0, 3}, 2), (Ids{"b", "a", "d", "c"}));
    EXPECT_EQ(moveElements(list, {2, 9}, 0), (Ids{"c", "a", "b", "d"})) << "stale offset";
    EXPECT_EQ(moveElements(list, {0}, 40), (Ids{"b", "c", "d", "a"})) << "clamped";
}

TEST(Edits, PinningUnhidesAndHidingUnpins) {
    UserPreferences p;
    p.pinnedOverrides["mass"] = {"kg", "lb"};
    p.hiddenUnits["mass"] = {"jin", "oz"};
    p.togglePinned("jin", "mass");
    EXPECT_EQ(p.pinnedOverrides["mass"], (Ids{"kg", "lb", "jin"}));
    EXPECT_EQ(p.hiddenUnits["mass"], Ids{"oz"});

    // Hiding a unit the region preset pins writes the preset's list without it.
    p.region = RegionProfile::unitedStates;
    auto presetPinned = p.pinnedUnits("length");
    ASSERT_GE(presetPinned.size(), 2u);
    p.toggleHidden(presetPinned[1], "length");
    EXPECT_TRUE(p.isHidden(presetPinned[1], "length"));
    presetPinned.erase(presetPinned.begin() + 1);
    EXPECT_EQ(p.pinnedOverrides["length"], presetPinned);
}

TEST(Edits, MovingShownPinnedKeepsTheUnshownAfterThem) {
    UserPreferences p;
    p.pinnedOverrides["length"] = {"m", "li", "km", "chi", "ft"};
    p.moveVisiblePinned("length", Ids{"m", "km", "ft"}, {2}, 0);
    EXPECT_EQ(p.pinnedOverrides["length"], (Ids{"ft", "m", "km", "li", "chi"}));
}

} // namespace
} // namespace ravodozu
