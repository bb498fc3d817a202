// Reading phrases against a catalog: which category and units a phrase names.
#include "QuickInput.h"

#include <gtest/gtest.h>

#include "PhraseCatalog.h"

namespace zelvane {

namespace {

using namespace zelvane::testing;

QuickInput q(std::string number, std::string category, std::string from,
             std::optional<std::string> to = std::nullopt, std::vector<std::string> mixed = {}) {
    return {std::move(number), std::move(category), std::move(from), std::move(to),
            std::move(mixed)};
}

// No language chosen and nothing in the environment: English, "en_US_POSIX" numbers.
const Environment neutral{};

Environment in(const char* locale) {
    return Environment{.lcAll = locale};
}

TEST(ReadPhrase, FindsCategoryAndUnits) {
    const auto context = phraseContext();
    const std::tuple<const char*, const char*, std::optional<QuickInput>> cases[] = {
        {"5 km to mi", "temperature", q("5", "length", "km", "mi")},
        {"5'", "mass", q("5", "length", "ft")},
        {"20 摄氏度转成华氏度", "length", q("20", "temperature", "c", "f")},
        {"6 lbs = 公斤", "length", q("6", "mass", "lb", "kg")},
        {"100 $ to rmb", "length", q("100", "currency", "USD", "CNY")},
        {"9 € = £", "length", q("9", "currency", "EUR")}, // no pound rate
        {"5 km to km", "length", q("5", "length", "km")},
        {"5 km to kg", "length", q("5", "length", "km")},
        {"42", "length", std::nullopt},
        {"5 parsecs", "length", std::nullopt},
        // The current category wins; then favourites in order (area comes before time).
        {"5 a", "time", q("5", "time", "a")},
        {"5 a", "length", q("5", "area", "a")},
        {"5 a", "no.such.category", q("5", "area", "a")}};
    for (const auto& [text, currentCategory, expected] : cases)
        EXPECT_EQ(QuickInput::parse(text, currentCategory, context, neutral), expected)
            << text << " in " << currentCategory;
}

TEST(ReadPhrase, ReadsPhrasesAsPeopleTypeThem) {
    const auto context = phraseContext();
    const auto en = in("en_US.UTF-8");
    const auto de = in("de_DE.UTF-8");
    const auto fr = in("fr_FR.UTF-8");
    const std::vector<std::string> ftIn{"ft", "in"};
    const std::tuple<Environment, const char*, std::optional<QuickInput>> cases[] = {
        {en, "10 kg in lb", q("10", "mass", "kg", "lb")},
        {en, "10 KG as LBS", q("10", "mass", "kg", "lb")},
        {en, "5 in in cm", q("5", "length", "in", "cm")},
        {en, "5 in", q("5", "length", "in")},
        {en, "5 km in kg", std::nullopt}, // "in" splits only between units of one category
        {en, "5 ft 3 in in cm", q("5.25", "length", "ft", "cm")},
        {en, "5'3\" to cm", q("5.25", "length", "ft", "cm")},
        {en, "-5 ft 6 in", q("-5.5", "length", "ft")},
        {en, "5 ft 3 kg", std::nullopt},
        {en, "20 c 3 f", std::nullopt}, // temperatures do not add up
        {en, "1 1/2 cups to ml", q("1.5", "volume", "cup", "ml")},
        {en, "1e3 m to km", q("1000", "length", "m", "km")},
        {en, "5 kilometers to miles", q("5", "length", "km", "mi")},
        {en, "160 cm to ft in", q("160", "length", "cm", "ft", ftIn)},
        {en, "160 cm in ft+in", q("160", "length", "cm", "ft", ftIn)},
        {en, "5.5 ft to ft in", q("5.5", "length", "ft", "in", ftIn)},
        {en, "5 km to ft kg", q("5", "length", "km")},
        {en, "1,5 km to m", q("1.5", "length", "km", "m")},
        {de, "1,5 km in m", q("1,5", "length", "km", "m")},
        {de, "5 Fuß in m", q("5", "length", "ft", "m")},
        {en, "5 FUSS to m", q("5", "length", "ft", "m")},
        {fr, "10 kg en lb", q("10", "mass", "kg", "lb")}};
    for (const auto& [environment, text, expected] : cases)
        EXPECT_EQ(QuickInput::parse(text, "length", context, environment), expected)
            << text << " in " << environment.lcAll;
}

TEST(ReadPhraseOrder, FavouritesComeFirstHiddenCategoriesAreSkippedHiddenUnitsAreNamed) {
    UserPreferences preferences;
    preferences.favoriteCategories = std::vector<std::string>{"time", "length"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", phraseContext(preferences), neutral),
              q("5", "time", "a"));
    // A hidden category is not searched at all.
    preferences.hiddenCategories = {"time"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", phraseContext(preferences), neutral),
              q("5", "area", "a"));
    // Hidden units are still named.
    preferences.hiddenUnits["length"] = {"mi", "km"};
    EXPECT_EQ(QuickInput::parse("5 km to mi", "mass", phraseContext(preferences), neutral),
              q("5", "length", "km", "mi"));
}

} // namespace
} // namespace zelvane
