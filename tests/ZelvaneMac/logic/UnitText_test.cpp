// Comparing written units with unit definitions.
#include "UnitText.h"

#include <gtest/gtest.h>

namespace zelvane {
namespace {

using ravodozu::LinearConversion;
using ravodozu::UnitCategory;
using ravodozu::UnitDefinition;

UnitDefinition unit(std::string id, std::string symbol,
                    std::map<std::string, std::string, std::less<>> names) {
    return {std::move(id), std::move(symbol), {std::move(names)}, LinearConversion{1}};
}

struct NormalizeCase {
    std::string text;
    std::string normalized;
};

class NormalizedUnitText : public ::testing::TestWithParam<NormalizeCase> {};

TEST_P(NormalizedUnitText, GivesTheComparisonForm) {
    EXPECT_EQ(normalizedUnitText(GetParam().text), GetParam().normalized) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NormalizedUnitText,
    ::testing::Values(NormalizeCase{"°℉", "f"}, NormalizeCase{"°°C", "°c"},
                      NormalizeCase{"\u00A0m\u3000", "m"},
                      NormalizeCase{"m\n", "m\n"},     // line breaks are not blanks
                      NormalizeCase{"ΣΑΣ", "σας"},     // full lower-casing: final sigma
                      NormalizeCase{"İ", "i\u0307"})); // one letter becomes two

struct MatchCase {
    UnitDefinition unit;
    std::string text;
    bool matches;
};

class UnitMatches : public ::testing::TestWithParam<MatchCase> {};

TEST_P(UnitMatches, ComparesSymbolIdNamesPluralsAndAliases) {
    EXPECT_EQ(unitMatches(GetParam().unit, GetParam().text), GetParam().matches)
        << GetParam().unit.id << " / " << GetParam().text;
}

const auto kilometre = unit("km", "km", {{"en", "Kilometre"}, {"zh-Hans", "千米"}});
const auto foot = unit("ft", "ft", {{"en", "foot"}});
const auto inch = unit("in", "in", {{"en", "inch"}});
const auto metre = unit("m", "m", {{"en", "metre"}});
const auto celsius = unit("c", "°C", {{"en", "Celsius"}, {"zh-Hans", "摄氏度"}});
const auto dollar = unit("USD", "US$", {{"en", "US Dollar"}});
const auto perHundred = unit("l_100km", "L/100km", {{"en", "litres per 100 km"}});
const auto nameless = unit("custom.x", "", {{"en", ""}});

INSTANTIATE_TEST_SUITE_P(
    Units, UnitMatches,
    ::testing::Values(MatchCase{kilometre, "Kilometres", true},
                      MatchCase{kilometre, "kilometress", false},
                      MatchCase{kilometre, "千米", true}, MatchCase{kilometre, "   ", false},
                      MatchCase{foot, "feet", true}, MatchCase{inch, "inches", true},
                      MatchCase{metre, "meters", true}, MatchCase{celsius, "摄氏", true},
                      MatchCase{celsius, "°F", false}, MatchCase{dollar, "$", true},
                      MatchCase{perHundred, "l/100km", true},
                      // An empty English name must not turn "s" into a name of the unit.
                      MatchCase{nameless, "s", false}, MatchCase{nameless, "es", false}));

TEST(UnitAliases, AreKeyedByExactIdAndAlreadyNormalised) {
    for (const auto& [id, forms] : unitAliases())
        for (const auto& form : forms)
            EXPECT_EQ(normalizedUnitText(form), form) << id;
    // Ids are case-sensitive: a unit "usd" does not get the dollar's forms.
    EXPECT_FALSE(unitMatches(unit("usd", "x", {}), "$"));
    EXPECT_TRUE(unitMatches(unit("USD", "x", {}), "$"));
}

TEST(CategoryKeys, FollowUnitsThatChangeUnderTheSameCategoryId) {
    UnitCategory first{"cache.test", {}, "a", {unit("a", "aa", {{"en", "alpha"}})}};
    UnitCategory renamed{"cache.test", {}, "a", {unit("a", "aa", {{"en", "beta"}})}};
    auto& keys = detail::categoryKeys("cache.test");
    EXPECT_TRUE(keys.at(first, 0).matches("alpha"));
    EXPECT_FALSE(keys.at(renamed, 0).matches("alpha"));
    EXPECT_TRUE(keys.at(renamed, 0).matches("betas"));

    UnitCategory longer{"cache.test", {}, "a", {unit("a", "aa", {}), unit("c", "cc", {})}};
    EXPECT_TRUE(keys.at(longer, 1).matches("cc"));
}

TEST(CategoryKeys, FollowingASharedCategoryStillNoticesItsReplacement) {
    auto first = std::make_shared<const UnitCategory>(
        UnitCategory{"cache.shared", {}, "a", {unit("a", "aa", {{"en", "alpha"}})}});
    auto second = std::make_shared<const UnitCategory>(
        UnitCategory{"cache.shared", {}, "a", {unit("a", "aa", {{"en", "gamma"}})}});
    auto& keys = detail::categoryKeys("cache.shared");
    keys.follow(first);
    EXPECT_TRUE(keys.at(*first, 0).matches("alpha"));
    EXPECT_TRUE(keys.at(*first, 0).matches("alphas")); // served without a check
    keys.follow(second);
    EXPECT_TRUE(keys.at(*second, 0).matches("gamma"));
    // A category that is not the followed one is compared unit by unit.
    UnitCategory copy = *first;
    EXPECT_TRUE(keys.at(copy, 0).matches("alpha"));
}

} // namespace
} // namespace zelvane
