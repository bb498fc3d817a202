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

TEST(NormalizedUnitText, GivesTheComparisonForm) {
    const std::pair<const char*, const char*> cases[] = {
        {"°℉", "f"},     {"°°C", "°c"}, {"\u00A0m\u3000", "m"},
        {"m\n", "m\n"},    // line breaks are not blanks
        {"ΣΑΣ", "σασ"},    // full case folding: any sigma
        {"Fuß", "fuss"},   // ß folds to what people type without it
        {"İ", "i\u0307"}}; // one letter becomes two
    for (const auto& [text, normalized] : cases)
        EXPECT_EQ(normalizedUnitText(text), normalized) << text;
}

const auto kilometre = unit("km", "km", {{"en", "Kilometre"}, {"zh-Hans", "千米"}});
const auto pound = unit("lb", "lb", {{"en", "pound"}, {"fr", "livre"}, {"ja", "ポンド"}});

TEST(UnitMatches, ComparesSymbolIdNamesPluralsAndAliases) {
    const std::tuple<UnitDefinition, const char*, bool> cases[] = {
        {kilometre, "Kilometres", true},
        {kilometre, "KILOMETERS", true},
        {unit("m", "m", {{"en", "Meter"}}), "ms", false}, // one or two letters take no plural
        {unit("cup_us", "cup", {{"en", "US cup"}}), "cups", true},
        {unit("ft2", "ft²", {{"en", "Square foot"}}), "square feet", true},
        {unit("century", "c", {{"en", "Century"}}), "centuries", true},
        {kilometre, "千米", true},
        {pound, "Livres", true}, // other languages' plurals in Latin letters
        {pound, "ポンドs", false},
        {kilometre, "   ", false},
        {unit("in", "in", {{"en", "inch"}}), "inches", true},
        {unit("USD", "US$", {{"en", "US Dollar"}}), "$", true},
        {unit("l_100km", "L/100km", {{"en", "litres per 100 km"}}), "l/100km", true},
        // Aliases are keyed by exact id: a unit "usd" does not get the dollar's forms.
        {unit("usd", "x", {}), "$", false},
        // An empty English name must not turn "s" into a name of the unit.
        {unit("custom.x", "", {{"en", ""}}), "s", false}};
    for (const auto& [unit, text, matches] : cases)
        EXPECT_EQ(unitMatches(unit, text), matches) << unit.id << " / " << text;
}

TEST(UnitAliases, AreAlreadyNormalised) {
    for (const auto& [id, forms] : unitAliases())
        for (const auto& form : forms)
            EXPECT_EQ(normalizedUnitText(form), form) << id;
}

TEST(CategoryKeys, FollowUnitsThatChangeUnderTheSameCategoryOrSharedCategory) {
    UnitCategory first{"cache.test", {}, "a", {unit("a", "aa", {{"en", "alpha"}})}};
    UnitCategory renamed{"cache.test", {}, "a", {unit("a", "aa", {{"en", "beta"}})}};
    auto& keys = detail::categoryKeys("cache.test");
    EXPECT_TRUE(keys.at(first, 0).matches("alpha"));
    EXPECT_FALSE(keys.at(renamed, 0).matches("alpha"));
    EXPECT_TRUE(keys.at(renamed, 0).matches("betas"));

    UnitCategory longer{"cache.test", {}, "a", {unit("a", "aa", {}), unit("c", "cc", {})}};
    EXPECT_TRUE(keys.at(longer, 1).matches("cc"));

    // Following a shared category still notices its replacement.
    auto before = std::make_shared<const UnitCategory>(
        UnitCategory{"cache.shared", {}, "a", {unit("a", "aa", {{"en", "alpha"}})}});
    auto after = std::make_shared<const UnitCategory>(
        UnitCategory{"cache.shared", {}, "a", {unit("a", "aa", {{"en", "gamma"}})}});
    auto& shared = detail::categoryKeys("cache.shared");
    shared.follow(before);
    EXPECT_TRUE(shared.at(*before, 0).matches("alpha"));
    EXPECT_TRUE(shared.at(*before, 0).matches("alphas")); // served without a check
    shared.follow(after);
    EXPECT_TRUE(shared.at(*after, 0).matches("gamma"));
    // A category that is not the followed one is compared unit by unit.
    UnitCategory copy = *before;
    EXPECT_TRUE(shared.at(copy, 0).matches("alpha"));
}

} // namespace
} // namespace zelvane
