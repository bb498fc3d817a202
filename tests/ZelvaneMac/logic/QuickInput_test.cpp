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

ConversionContext contextWith(UserPreferences preferences = {}) {
    return phraseContext(std::move(preferences));
}

struct PhraseCase {
    std::string text;
    std::string currentCategory;
    std::optional<QuickInput> expected;
};

class ReadPhrase : public ::testing::TestWithParam<PhraseCase> {};

TEST_P(ReadPhrase, FindsCategoryAndUnits) {
    static const auto context = contextWith();
    const auto& c = GetParam();
    EXPECT_EQ(QuickInput::parse(c.text, c.currentCategory, context), c.expected)
        << c.text << " in " << c.currentCategory;
}

QuickInput q(std::string number, std::string category, std::string from,
             std::optional<std::string> to = std::nullopt) {
    return {std::move(number), std::move(category), std::move(from), std::move(to)};
}

INSTANTIATE_TEST_SUITE_P(
    Phrases, ReadPhrase,
    ::testing::Values(
        PhraseCase{"5 km to mi", "temperature", q("5", "length", "km", "mi")},
        PhraseCase{"5'", "mass", q("5", "length", "ft")},
        PhraseCase{"20 摄氏度转成华氏度", "length", q("20", "temperature", "c", "f")},
        PhraseCase{"6 lbs = 公斤", "length", q("6", "mass", "lb", "kg")},
        PhraseCase{"100 $ to rmb", "length", q("100", "currency", "USD", "CNY")},
        PhraseCase{"9 € = £", "length", q("9", "currency", "EUR")}, // no pound rate
        PhraseCase{"5 km to km", "length", q("5", "length", "km")},
        PhraseCase{"5 km to kg", "length", q("5", "length", "km")},
        PhraseCase{"42", "length", std::nullopt}, PhraseCase{"5 parsecs", "length", std::nullopt},
        // The current category wins; then favourites in order (area comes before time).
        PhraseCase{"5 a", "time", q("5", "time", "a")},
        PhraseCase{"5 a", "length", q("5", "area", "a")},
        PhraseCase{"5 a", "no.such.category", q("5", "area", "a")}));

TEST(ReadPhraseOrder, FavouritesComeBeforeTheOtherVisibleCategories) {
    UserPreferences preferences;
    preferences.favoriteCategories = std::vector<std::string>{"time", "length"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", contextWith(preferences)), q("5", "time", "a"));
    // A hidden category is not searched at all.
    preferences.hiddenCategories = {"time"};
    EXPECT_EQ(QuickInput::parse("5 a", "length", contextWith(preferences)), q("5", "area", "a"));
}

TEST(ReadPhraseOrder, HiddenUnitsAreStillNamed) {
    UserPreferences preferences;
    preferences.hiddenUnits["length"] = {"mi", "km"};
    EXPECT_EQ(QuickInput::parse("5 km to mi", "mass", contextWith(preferences)),
              q("5", "length", "km", "mi"));
}

} // namespace
} // namespace zelvane
