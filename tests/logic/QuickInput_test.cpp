// Reading phrases against a catalog: which category and units a phrase names.
#include "QuickInput.h"

#include <gtest/gtest.h>

#include "PhraseCatalog.h"

namespace zelvane {

void PrintTo(const QuickInput& q, std::ostream* out) {
    *out << "{" << q.number << ", " << q.categoryId << ", " << q.fromUnitId << ", "
         << q.toUnitId.value_or("(none)") << "}";
}

namespace {

using namespace zelvane::testing;

QuickInput q(std::string number, std::string category, std::string from,
             std::optional<std::string> to = std::nullopt) {
    return {std::move(number), std::move(category), std::move(from), std::move(to)};
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
        EXPECT_EQ(QuickInput::parse(text, currentCategory, context), expected)
            << text << " in " << currentCategory;
}

TEST(ReadPhraseOrder, FavouritesComeFirstHiddenCategoriesAreSkippedHiddenUnitsAreNamed) {
    UserPreferences preferences;
    preferences.favoriteCategories = std::vector<std::string>{"time", "length"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", phraseContext(preferences)), q("5", "time", "a"));
    // A hidden category is not searched at all.
    preferences.hiddenCategories = {"time"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", phraseContext(preferences)), q("5", "area", "a"));
    // Hidden units are still named.
    preferences.hiddenUnits["length"] = {"mi", "km"};
    EXPECT_EQ(QuickInput::parse("5 km to mi", "mass", phraseContext(preferences)),
              q("5", "length", "km", "mi"));
}

} // namespace
} // namespace zelvane
