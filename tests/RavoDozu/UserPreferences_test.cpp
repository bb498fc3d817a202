// UserPreferences: tolerant decoding, encoding, the derived category lists and every edit.
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

// A record with every field away from its default.
UserPreferences everythingSet() {
    UserPreferences preferences;
    preferences.region = RegionProfile::unitedStates;
    preferences.significantDigits = 7;
    preferences.pinnedOverrides = {{"length", {"ft", "m"}}, {"mass", {}}};
    preferences.hiddenUnits = {{"length", {"li"}}};
    preferences.hiddenCategories = {"fuel"};
    preferences.customCategoryIds = {"custom.a", "custom.b"};
    preferences.favoriteCategories = Ids{"mass", "length"};
    preferences.starredCategories = Ids{};
    preferences.unitOrder = {{"time", {"h", "min"}}};
    preferences.showsOtherUnits = false;
    preferences.stepSizes = {{"temperature", "0.5"}};
    preferences.hapticsEnabled = false;
    preferences.appearance = Appearance::dark;
    preferences.autoUpdateRates = true;
    preferences.favoriteCurrencies = Ids{"USD", "TWD"};
    preferences.enabledPacks = {};
    preferences.languageCode = "zh-Hant";
    preferences.hasCompletedOnboarding = true;
    preferences.acceptedPrivacyVersion = 3;
    return preferences;
}

// --- Decoding -------------------------------------------------------------------------------

TEST(Decoding, EmptyObjectIsTheDefaultRecord) {
    EXPECT_EQ(decoded(json::object()), UserPreferences{});
    UserPreferences defaults;
    EXPECT_EQ(defaults.region, RegionProfile::mainlandChina);
    EXPECT_EQ(defaults.significantDigits, 4);
    EXPECT_EQ(defaults.enabledPacks, (Ids{"ancient_china", "biblical"}));
    EXPECT_TRUE(defaults.showsOtherUnits && defaults.hapticsEnabled);
    EXPECT_FALSE(defaults.autoUpdateRates || defaults.hasCompletedOnboarding);
    EXPECT_TRUE(defaults.needsPrivacyConsent());
}

struct BadValue {
    const char* key;
    json value;
};

class BadValueTakesDefault : public testing::TestWithParam<BadValue> {};

TEST_P(BadValueTakesDefault, AndLeavesTheOtherKeysAlone) {
    json document = {{"region", "japan"}, {"languageCode", "ja"}, {"showsOtherUnits", false}};
    document[GetParam().key] = GetParam().value;

    UserPreferences expected;
    if (std::string_view(GetParam().key) != "region")
        expected.region = RegionProfile::japan;
    if (std::string_view(GetParam().key) != "languageCode")
        expected.languageCode = "ja";
    if (std::string_view(GetParam().key) != "showsOtherUnits")
        expected.showsOtherUnits = false;
    EXPECT_EQ(decoded(document), expected) << GetParam().key << " = " << GetParam().value.dump();
}

const json deeplyNestedObject = [] {
    json value = "bottom";
    for (int depth = 0; depth < 200; ++depth)
        value = json{{"x", value}};
    return value;
}();

INSTANTIATE_TEST_SUITE_P(
    Keys, BadValueTakesDefault,
    testing::Values(
        BadValue{"region", "atlantis"}, BadValue{"region", "UnitedStates"}, BadValue{"region", 1},
        BadValue{"region", nullptr}, BadValue{"significantDigits", "6"},
        BadValue{"significantDigits", 6.5}, BadValue{"significantDigits", true},
        BadValue{"significantDigits", 1e19},
        BadValue{"significantDigits", json(18446744073709551615ull)},
        BadValue{"significantDigits", json::array({6})}, BadValue{"pinnedOverrides", json::array()},
        BadValue{"pinnedOverrides", {{"length", {"m"}}, {"mass", 3}}},
        BadValue{"pinnedOverrides", {{"length", {"m", 1}}}},
        BadValue{"pinnedOverrides", {{"length", "m"}}}, BadValue{"hiddenUnits", "m"},
        BadValue{"hiddenUnits", {{"length", nullptr}}},
        BadValue{"unitOrder", {{"time", {{"h", 1}}}}}, BadValue{"stepSizes", {{"length", 0.5}}},
        BadValue{"stepSizes", {{"length", {"0.5"}}}}, BadValue{"hiddenCategories", "fuel"},
        BadValue{"hiddenCategories", {"fuel", nullptr}},
        BadValue{"customCategoryIds", {{"a", "b"}}}, BadValue{"favoriteCategories", "length"},
        BadValue{"favoriteCategories", {1, 2}}, BadValue{"starredCategories", true},
        BadValue{"favoriteCurrencies", {"USD", {"EUR"}}}, BadValue{"showsOtherUnits", "false"},
        BadValue{"showsOtherUnits", 0}, BadValue{"hapticsEnabled", "no"},
        BadValue{"appearance", "Dark"}, BadValue{"appearance", "auto"}, BadValue{"appearance", 2},
        BadValue{"autoUpdateRates", 1}, BadValue{"enabledPacks", "biblical"},
        BadValue{"enabledPacks", {"biblical", 1}}, BadValue{"languageCode", 5},
        BadValue{"languageCode", json::array({"en"})}, BadValue{"hasCompletedOnboarding", "true"},
        BadValue{"acceptedPrivacyVersion", "3"}, BadValue{"acceptedPrivacyVersion", 2.5},
        BadValue{"acceptedPrivacyVersion", deeplyNestedObject},
        BadValue{"pinnedOverrides", deeplyNestedObject}),
    [](const auto& info) { return std::string(info.param.key) + std::to_string(info.index); });

TEST(Decoding, EveryValueOfTheWrongTypeGivesTheDefaultRecord) {
    json document = json::object();
    auto encoded = everythingSet().encode();
    for (const auto& item : encoded.items())
        document[item.key()] = json::array({0});
    EXPECT_EQ(decoded(document), UserPreferences{});
}

TEST(Decoding, IntegersAreKeptWithoutRangeCheck) {
    EXPECT_EQ(decoded({{"significantDigits", 0}}).significantDigits, 0);
    EXPECT_EQ(decoded({{"significantDigits", -12}}).significantDigits, -12);
    EXPECT_EQ(decoded({{"significantDigits", INT64_MAX}}).significantDigits, INT64_MAX);
    EXPECT_EQ(decoded({{"significantDigits", INT64_MIN}}).significantDigits, INT64_MIN);
    EXPECT_EQ(decoded({{"acceptedPrivacyVersion", 99}}).acceptedPrivacyVersion, 99);
    EXPECT_EQ(
        decoded(json::parse(R"({"significantDigits": 9223372036854775808})")).significantDigits, 4);
}

TEST(Decoding, EmptyListsStayEmpty) {
    auto preferences = decoded({{"enabledPacks", json::array()},
                                {"favoriteCategories", json::array()},
                                {"starredCategories", json::array()}});
    EXPECT_EQ(preferences.enabledPacks, Ids{});
    EXPECT_EQ(preferences.favoriteCategories, Ids{});
    EXPECT_EQ(preferences.starredCategories, Ids{});
    EXPECT_EQ(decoded(json::object()).favoriteCategories, std::nullopt);
}

TEST(Decoding, ValidMapsAndKeysInAnyOrder) {
    auto preferences = decoded(json::parse(R"({
        "stepSizes": {"length": "0.1"}, "region": "hongKong",
        "pinnedOverrides": {"length": [], "mass": ["jin", "kg"]},
        "appearance": "light", "unknownKey": [1, 2, 3]})"));
    EXPECT_EQ(preferences.region, RegionProfile::hongKong);
    EXPECT_EQ(preferences.appearance, Appearance::light);
    EXPECT_EQ(preferences.stepSizes.at("length"), "0.1");
    EXPECT_EQ(preferences.pinnedOverrides,
              (UserPreferences::UnitLists{{"length", {}}, {"mass", {"jin", "kg"}}}));
}

TEST(Decoding, AnythingButAnObjectFails) {
    for (const char* text : {"[]", "\"preferences\"", "42", "null", "true", "[{}]"}) {
        auto result = UserPreferences::decode(std::string_view(text));
        ASSERT_FALSE(result) << text;
        EXPECT_EQ(result.error().message, "not an object") << text;
    }
    EXPECT_FALSE(UserPreferences::decode(std::string_view("{\"region\": ")));
    EXPECT_FALSE(UserPreferences::decode(std::string_view("")));
}

TEST(Decoding, HugeAndDeepDocumentsDecodeWithoutCrashing) {
    std::string deep(100000, '[');
    deep.append(100000, ']');
    EXPECT_FALSE(UserPreferences::decode(std::string_view(deep)));

    std::string deepValue = "{\"region\": \"korea\", \"unitOrder\": " + std::string(100000, '[') +
                            std::string(100000, ']') + "}";
    auto fromDeep = UserPreferences::decode(std::string_view(deepValue));
    ASSERT_TRUE(fromDeep);
    EXPECT_EQ(fromDeep->region, RegionProfile::korea);
    EXPECT_TRUE(fromDeep->unitOrder.empty());

    std::string big = "{\"hiddenCategories\": [";
    for (int i = 0; i < 100'000; ++i)
        big += "\"category" + std::to_string(i) + "\",";
    big += "\"last\"], \"languageCode\": \"" + std::string(9'000'000, 'x') +
           "\", \"hiddenUnits\": {\"length\": [1]}}";
    auto fromBig = UserPreferences::decode(std::string_view(big));
    ASSERT_TRUE(fromBig);
    EXPECT_EQ(fromBig->hiddenCategories.size(), 100'001u);
    EXPECT_EQ(fromBig->languageCode->size(), 9'000'000u);
    EXPECT_TRUE(fromBig->hiddenUnits.empty());
}

// --- Encoding -------------------------------------------------------------------------------

TEST(Encoding, EveryKeyInDeclarationOrder) {
    Ids keys;
    auto encoded = everythingSet().encode();
    for (const auto& item : encoded.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (Ids{"region", "significantDigits", "pinnedOverrides", "hiddenUnits",
                         "hiddenCategories", "customCategoryIds", "favoriteCategories",
                         "starredCategories", "unitOrder", "showsOtherUnits", "stepSizes",
                         "hapticsEnabled", "appearance", "autoUpdateRates", "favoriteCurrencies",
                         "enabledPacks", "languageCode", "hasCompletedOnboarding",
                         "acceptedPrivacyVersion"}));
}

TEST(Encoding, AbsentOptionalsAreLeftOutNotNull) {
    auto encoded = UserPreferences{}.encode();
    for (const char* key :
         {"favoriteCategories", "starredCategories", "favoriteCurrencies", "languageCode"})
        EXPECT_FALSE(encoded.contains(key)) << key;
    EXPECT_EQ(encoded.size(), 15u);
    EXPECT_EQ(encoded.dump().find("null"), std::string::npos);
}

TEST(Encoding, ValuesInTheirStoredForm) {
    auto encoded = everythingSet().encode();
    EXPECT_EQ(encoded["region"], "unitedStates");
    EXPECT_EQ(encoded["appearance"], "dark");
    EXPECT_EQ(encoded["pinnedOverrides"]["mass"], nlohmann::ordered_json::array());
    EXPECT_EQ(encoded["starredCategories"], nlohmann::ordered_json::array());
    EXPECT_EQ(encoded["stepSizes"]["temperature"], "0.5");
}

TEST(Encoding, RoundTripsThroughText) {
    for (const auto& original : {UserPreferences{}, everythingSet()}) {
        auto again = UserPreferences::decode(std::string_view(original.encode().dump()));
        ASSERT_TRUE(again);
        EXPECT_EQ(*again, original);
    }
}

// --- Categories -----------------------------------------------------------------------------

TEST(CategoryGroups, FourGroupsOfBuiltInCategories) {
    Ids groupIds;
    for (const auto& group : categoryGroups())
        groupIds.push_back(group.id);
    EXPECT_EQ(groupIds, (Ids{"everyday", "science", "electric", "radiation"}));
    ASSERT_EQ(allCategoryIds().size(), 35u);
    EXPECT_EQ(allCategoryIds().front(), "temperature");
    EXPECT_EQ(allCategoryIds().back(), "equivalent_dose");
    EXPECT_EQ(defaultFavoriteCategories(), categoryGroups().front().categoryIds);
}

TEST(Categories, VisibleAreBuiltInThenCustomWithoutHidden) {
    UserPreferences preferences;
    preferences.customCategoryIds = {"custom.x", "custom.y", "custom.x"};
    preferences.hiddenCategories = {"length", "custom.y", "not_a_category"};
    auto visible = preferences.visibleCategoryIds();
    EXPECT_EQ(visible.size(), 35u - 1 + 2);
    EXPECT_EQ(std::ranges::count(visible, "length"), 0);
    EXPECT_EQ(Ids(visible.end() - 2, visible.end()), (Ids{"custom.x", "custom.x"}));
}

TEST(Categories, FavouritesDefaultToTheEverydayGroupWhenVisible) {
    UserPreferences preferences;
    preferences.hiddenCategories = {"fuel"};
    auto favorites = preferences.effectiveFavoriteCategories();
    EXPECT_EQ(favorites.size(), defaultFavoriteCategories().size() - 1);
    EXPECT_FALSE(preferences.isFavorite("fuel"));
    EXPECT_TRUE(preferences.isFavorite("data"));
}

TEST(Categories, NoVisibleFavouriteFallsBackToTheFirstVisibleCategory) {
    UserPreferences preferences;
    preferences.favoriteCategories = Ids{};
    EXPECT_EQ(preferences.effectiveFavoriteCategories(), Ids{"temperature"});
    preferences.favoriteCategories = Ids{"length"};
    preferences.hiddenCategories = {"length", "temperature"};
    EXPECT_EQ(preferences.effectiveFavoriteCategories(), Ids{"fuel"});
    preferences.hiddenCategories = allCategoryIds();
    EXPECT_EQ(preferences.effectiveFavoriteCategories(), Ids{});
}

TEST(Categories, StarredAreVisibleAndAtMostTen) {
    UserPreferences preferences;
    EXPECT_EQ(preferences.effectiveStarredCategories(),
              UserPreferences::defaultStarredCategories());
    preferences.hiddenCategories = {"temperature"};
    EXPECT_EQ(preferences.effectiveStarredCategories(), (Ids{"length", "currency", "mass"}));
    EXPECT_FALSE(preferences.isStarred("temperature"));

    preferences.starredCategories =
        Ids(allCategoryIds().begin() + 1, allCategoryIds().begin() + 13);
    EXPECT_EQ(preferences.effectiveStarredCategories(),
              Ids(allCategoryIds().begin() + 1, allCategoryIds().begin() + 11));
}

TEST(ToggleStar, RefusesAnEleventhAndRemovesOneOfTen) {
    UserPreferences preferences;
    preferences.starredCategories = Ids(allCategoryIds().begin(), allCategoryIds().begin() + 10);
    auto before = preferences;
    EXPECT_FALSE(preferences.toggleStar("angle"));
    EXPECT_EQ(preferences, before);

    EXPECT_TRUE(preferences.toggleStar("fuel"));
    EXPECT_EQ(preferences.starredCategories->size(), 9u);
    EXPECT_FALSE(preferences.isStarred("fuel"));
    EXPECT_TRUE(preferences.toggleStar("angle"));
    EXPECT_EQ(preferences.starredCategories->back(), "angle");
}

TEST(ToggleStar, MaterialisesTheDefaultList) {
    UserPreferences preferences;
    EXPECT_TRUE(preferences.toggleStar("length"));
    EXPECT_EQ(preferences.starredCategories, (Ids{"temperature", "currency", "mass"}));
}

TEST(AddFavorite, BeforeAnAnchorOrAtTheEnd) {
    UserPreferences preferences;
    preferences.favoriteCategories = Ids{"length", "mass", "time"};
    preferences.addFavorite("angle", "mass");
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"length", "angle", "mass", "time"}));
    preferences.addFavorite("time", "length"); // an existing favourite moves
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"time", "length", "angle", "mass"}));
    preferences.addFavorite("data", "not_a_favourite");
    EXPECT_EQ(preferences.favoriteCategories->back(), "data");
    preferences.addFavorite("force");
    EXPECT_EQ(preferences.favoriteCategories->back(), "force");

    auto before = preferences;
    preferences.addFavorite("mass", "mass");
    EXPECT_EQ(preferences, before);
}

TEST(MoveFavorite, AccountsForTheRemovedPositionAndClamps) {
    UserPreferences preferences;
    preferences.favoriteCategories = Ids{"a", "b", "c", "d"};
    preferences.customCategoryIds = {"a", "b", "c", "d", "e"};
    preferences.moveFavorite("a", 3);
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"b", "c", "a", "d"}));
    preferences.moveFavorite("d", 0);
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"d", "b", "c", "a"}));
    preferences.moveFavorite("b", 99);
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"d", "c", "a", "b"}));
    preferences.moveFavorite("e", -5); // not yet a favourite: added at the clamped position
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"e", "d", "c", "a", "b"}));
}

TEST(MoveFavorites, AppliesTheListMove) {
    UserPreferences preferences;
    preferences.customCategoryIds = {"a", "b", "c", "d"};
    preferences.favoriteCategories = Ids{"a", "b", "c", "d"};
    preferences.moveFavorites({0, 2}, 4);
    EXPECT_EQ(preferences.favoriteCategories, (Ids{"b", "d", "a", "c"}));
}

TEST(RemoveFavorite, NeverEmptiesTheList) {
    UserPreferences preferences;
    preferences.favoriteCategories = Ids{"mass", "length", "mass"};
    preferences.removeFavorite("mass");
    EXPECT_EQ(preferences.favoriteCategories, Ids{"length"});
    preferences.removeFavorite("length");
    EXPECT_EQ(preferences.favoriteCategories, Ids{"length"});
}

// --- List move ------------------------------------------------------------------------------

struct Move {
    const char* name;
    std::set<std::size_t> offsets;
    std::size_t destination;
    Ids expected;
};

class ListMove : public testing::TestWithParam<Move> {};

TEST_P(ListMove, MovesBeforeTheDestinationRow) {
    EXPECT_EQ(moveElements({"a", "b", "c", "d"}, GetParam().offsets, GetParam().destination),
              GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ListMove,
    testing::Values(Move{"FirstDown", {0}, 3, {"b", "c", "a", "d"}},
                    Move{"LastUp", {3}, 0, {"d", "a", "b", "c"}},
                    Move{"ToTheEnd", {1}, 4, {"a", "c", "d", "b"}},
                    Move{"OntoItself", {1}, 1, {"a", "b", "c", "d"}},
                    Move{"JustAfterItself", {1}, 2, {"a", "b", "c", "d"}},
                    Move{"TwoApartToTheFront", {1, 3}, 0, {"b", "d", "a", "c"}},
                    Move{"AroundTheDestination", {0, 3}, 2, {"b", "a", "d", "c"}},
                    Move{"NothingSelected", {}, 2, {"a", "b", "c", "d"}},
                    Move{"StaleOffsetIgnored", {2, 9}, 0, {"c", "a", "b", "d"}},
                    Move{"DestinationClamped", {0}, 40, {"b", "c", "d", "a"}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Units ----------------------------------------------------------------------------------

TEST(PinnedUnits, OverrideWinsEvenWhenEmpty) {
    UserPreferences preferences;
    preferences.region = RegionProfile::unitedStates;
    EXPECT_EQ(preferences.pinnedUnits("length"), preferences.region.preset("length").pinned);
    preferences.pinnedOverrides["length"] = {};
    EXPECT_EQ(preferences.pinnedUnits("length"), Ids{});
    EXPECT_EQ(preferences.pinnedUnits("no_such_category"), Ids{});

    auto preset = preferences.effectivePreset("length");
    EXPECT_EQ(preset.from, preferences.region.preset("length").from);
    EXPECT_EQ(preset.input, preferences.region.preset("length").input);
    EXPECT_EQ(preset.pinned, Ids{});
    EXPECT_EQ(preferences.effectivePreset("mass"), preferences.region.preset("mass"));
}

TEST(TogglePinned, PinningUnhidesAndUnpinningRemovesTheFirstOccurrence) {
    UserPreferences preferences;
    preferences.pinnedOverrides["length"] = {"m", "ft", "m"};
    preferences.hiddenUnits["length"] = {"li", "mi", "li"};
    preferences.togglePinned("li", "length");
    EXPECT_EQ(preferences.pinnedOverrides["length"], (Ids{"m", "ft", "m", "li"}));
    EXPECT_EQ(preferences.hiddenUnits["length"], Ids{"mi"});
    EXPECT_FALSE(preferences.isHidden("li", "length"));
    preferences.togglePinned("m", "length");
    EXPECT_EQ(preferences.pinnedOverrides["length"], (Ids{"ft", "m", "li"}));
    preferences.togglePinned("kg", "mass"); // no hidden entry: none is created
    EXPECT_FALSE(preferences.hiddenUnits.contains("mass"));
}

TEST(ToggleHidden, HidingUnpinsAndWritesThePresetsPinnedList) {
    UserPreferences preferences;
    preferences.region = RegionProfile::unitedStates;
    auto presetPinned = preferences.pinnedUnits("length");
    ASSERT_GE(presetPinned.size(), 2u) << "the bundled presets pin several lengths";
    auto hiddenUnit = presetPinned[1];

    preferences.toggleHidden(hiddenUnit, "length");
    EXPECT_TRUE(preferences.isHidden(hiddenUnit, "length"));
    auto expected = presetPinned;
    std::erase(expected, hiddenUnit);
    EXPECT_EQ(preferences.pinnedOverrides.at("length"), expected);

    preferences.toggleHidden(hiddenUnit, "length"); // unhiding does not pin it again
    EXPECT_EQ(preferences.hiddenUnits.at("length"), Ids{});
    EXPECT_EQ(preferences.pinnedOverrides.at("length"), expected);
    EXPECT_FALSE(preferences.isHidden(hiddenUnit, "length"));
}

TEST(ToggleHidden, UnhidingRemovesOnlyTheFirstOccurrence) {
    UserPreferences preferences;
    preferences.hiddenUnits["mass"] = {"jin", "lb", "jin"};
    preferences.toggleHidden("jin", "mass");
    EXPECT_EQ(preferences.hiddenUnits["mass"], (Ids{"lb", "jin"}));
    EXPECT_FALSE(preferences.pinnedOverrides.contains("mass"));
}

TEST(MovePinned, MovesWithinThePinnedList) {
    UserPreferences preferences;
    preferences.pinnedOverrides["length"] = {"m", "km", "ft"};
    preferences.movePinned("length", {2}, 0);
    EXPECT_EQ(preferences.pinnedOverrides["length"], (Ids{"ft", "m", "km"}));
}

TEST(MoveVisiblePinned, UnshownPinnedUnitsFollowInTheirOrder) {
    UserPreferences preferences;
    preferences.pinnedOverrides["length"] = {"m", "li", "km", "chi", "ft"};
    Ids shown{"m", "km", "ft"};
    preferences.moveVisiblePinned("length", shown, {2}, 0);
    EXPECT_EQ(preferences.pinnedOverrides["length"], (Ids{"ft", "m", "km", "li", "chi"}));
}

TEST(MoveUnits, KeepsTheShownOrder) {
    UserPreferences preferences;
    Ids shown{"s", "min", "h", "d"};
    preferences.moveUnits("time", shown, {3}, 1);
    EXPECT_EQ(preferences.unitOrder["time"], (Ids{"s", "d", "min", "h"}));
}

struct Unit {
    std::string id;
    int row;
};

TEST(OrderedUnits, NamedUnitsFirstThenTheRestInInputOrder) {
    std::vector<Unit> units{{"a", 0}, {"b", 1}, {"c", 2}, {"d", 3}};
    auto byReference = [](const Unit& unit) -> const std::string& { return unit.id; };
    auto byValue = [](const Unit& unit) { return unit.id; };
    auto rows = [](const std::vector<Unit>& list) {
        std::vector<int> result;
        for (const auto& unit : list)
            result.push_back(unit.row);
        return result;
    };

    UserPreferences preferences;
    EXPECT_EQ(rows(preferences.orderedUnits(units, "length", byReference)),
              (std::vector{0, 1, 2, 3}));
    preferences.unitOrder["length"] = {};
    EXPECT_EQ(rows(preferences.orderedUnits(units, "length", byReference)),
              (std::vector{0, 1, 2, 3}));
    preferences.unitOrder["length"] = {"c", "zz", "a"};
    EXPECT_EQ(rows(preferences.orderedUnits(units, "length", byReference)),
              (std::vector{2, 0, 1, 3}));
    EXPECT_EQ(rows(preferences.orderedUnits(units, "length", byValue)), (std::vector{2, 0, 1, 3}));
    EXPECT_EQ(rows(preferences.orderedUnits(units, "mass", byValue)), (std::vector{0, 1, 2, 3}));

    std::vector<Unit> repeated{{"d", 0}, {"c", 1}, {"d", 2}, {"b", 3}};
    preferences.unitOrder["length"] = {"d", "c"};
    EXPECT_EQ(rows(preferences.orderedUnits(repeated, "length", byReference)),
              (std::vector{0, 2, 1, 3}));
}

TEST(Privacy, ConsentNeededUntilTheCurrentVersion) {
    UserPreferences preferences;
    preferences.acceptedPrivacyVersion = 2;
    EXPECT_TRUE(preferences.needsPrivacyConsent());
    EXPECT_FALSE(preferences.hasAcceptedCurrentPrivacy());
    preferences.acceptedPrivacyVersion = 3;
    EXPECT_FALSE(preferences.needsPrivacyConsent());
    EXPECT_TRUE(preferences.hasAcceptedCurrentPrivacy());
}

} // namespace
} // namespace ravodozu
