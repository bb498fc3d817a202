// The rows a conversion is listed in: order, formatting, target and magnitude words.
#include "ShownConversion.h"

#include <cmath>

#include <gtest/gtest.h>

#include "PhraseCatalog.h"

namespace zelvane {
namespace {

using namespace zelvane::testing;

// No language chosen and nothing in the environment: English, "en_US_POSIX" numbers.
const Environment neutral{"", "", "", "", ""};

UserPreferences lengthPinned(std::vector<std::string> pinned) {
    UserPreferences preferences;
    preferences.pinnedOverrides["length"] = std::move(pinned);
    return preferences;
}

std::vector<std::string> unitIds(const std::vector<ShownConversion::Row>& rows) {
    std::vector<std::string> ids;
    for (const auto& row : rows)
        ids.push_back(row.unit->id);
    return ids;
}

using Ids = std::vector<std::string>;

TEST(ShownConversion, ListsPinnedRowsThenTheOthersAndFindsTheTargetIfItHasARow) {
    auto context = phraseContext(lengthPinned({"mi", "m"}));
    auto shown = ShownConversion::build("length", "km", "5", "ft", context, neutral);
    EXPECT_EQ(unitIds(shown.pinned), (Ids{"mi", "m"}));
    EXPECT_EQ(unitIds(shown.others), (Ids{"cm", "in", "ft"}));
    ASSERT_EQ(shown.targetIndex, 4u);
    EXPECT_EQ(shown.row(4).unit->id, "ft");
    EXPECT_EQ(shown.pinned[0].text, "3.107");
    EXPECT_EQ(shown.pinned[1].identity(), "pinned.m");
    EXPECT_EQ(shown.others[0].identity(), "cm");

    auto preferences = lengthPinned({"mi"});
    preferences.hiddenUnits["length"] = {"ft"};
    context = phraseContext(preferences);
    // A hidden unit, and the source itself, have no row.
    for (std::string target : {"ft", "km"})
        EXPECT_FALSE(
            ShownConversion::build("length", "km", "5", target, context, neutral).targetIndex)
            << target;
}

TEST(ShownConversion, UnknownCategoryOrUnitHasNoRowsButKeepsTheValue) {
    auto context = phraseContext({});
    for (auto [category, unit] : {std::pair{"length", "parsec"}, {"nothing", "m"}}) {
        auto shown = ShownConversion::build(category, unit, "12.5", "m", context, neutral);
        EXPECT_FALSE(shown.fromUnit);
        EXPECT_EQ(shown.value, 12.5);
        EXPECT_EQ(shown.rowCount(), 0u);
        EXPECT_FALSE(shown.targetIndex);
    }
}

TEST(InputValue, ReadsTheDisplayLocaleThenAPlainNumberElseZero) {
    EXPECT_EQ(inputValue("1.234,5", "de_DE"), 1234.5);
    EXPECT_EQ(inputValue("inf", "en_US"), INFINITY);
    EXPECT_EQ(inputValue("5 km", "en_US"), 0);
}

// A mixed target: whole numbers in every unit but the last, the rest rounded as the category
// shows values, carried where it rounds up to a whole unit; its first unit's row is the target.
TEST(ShownConversion, TellsAMixedTargetInItsUnits) {
    const std::tuple<const char*, const char*, const char*, Ids, const char*,
                     std::optional<std::string>>
        cases[] = {{"length", "cm", "160", {"ft", "in"}, "en", "5 ft 2.992 in"},
                   {"length", "cm", "160", {"ft", "in"}, "de", "5 ft 2,992 in"},
                   {"length", "cm", "-160", {"ft", "in"}, "en", "-5 ft 2.992 in"},
                   {"length", "in", "71.99999", {"ft", "in"}, "en", "6 ft 0 in"},
                   {"time", "s", "3599.9999", {"h", "min", "s"}, "en", "1 h 0 min 0 s"},
                   {"mass", "lb", "10", {"st", "lb"}, "en", "0 st 10 lb"},
                   {"temperature", "c", "20", {"f", "k"}, "en", std::nullopt}};
    for (const auto& [category, from, input, units, language, text] : cases) {
        UserPreferences preferences;
        preferences.languageCode = language;
        const auto shown = ShownConversion::build(category, from, input, units,
                                                  phraseContext(preferences), neutral);
        EXPECT_EQ(shown.mixed ? std::optional(shown.mixed->text) : std::nullopt, text)
            << input << " " << from << " in " << language;
        if (shown.targetIndex) {
            EXPECT_EQ(shown.row(*shown.targetIndex).unit->id, units.front());
        }
    }
}

TEST(ShownConversion, ChineseDisplayLanguagesGetMagnitudeWords) {
    const std::tuple<std::optional<std::string>, Environment, std::optional<std::string>> cases[] =
        {{"zh-Hans", neutral, "万"},
         {std::nullopt, Environment{"zh_HK", "", "", "", ""}, "萬"},
         {std::nullopt, neutral, std::nullopt}};
    for (const auto& [language, environment, big] : cases) {
        auto preferences = lengthPinned({"m", "km"});
        preferences.languageCode = language;
        auto shown = ShownConversion::build("length", "mi", "10", std::nullopt,
                                            phraseContext(preferences), environment);
        ASSERT_EQ(shown.pinned.size(), 2u);
        EXPECT_EQ(shown.pinned[0].magnitude, big) << language.value_or("system"); // 16,093 m
        EXPECT_EQ(shown.pinned[1].magnitude, std::nullopt);                       // 16 km
    }
}

} // namespace
} // namespace zelvane
