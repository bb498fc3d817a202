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
const auto foot = unit("ft", "ft", {{"en", "foot"}});
const auto inch = unit("in", "in", {{"en", "inch"}});
const auto celsius = unit("c", "°C", {{"en", "Celsius"}, {"zh-Hans", "摄氏度"}});
const auto dollar = unit("USD", "US$", {{"en", "US Dollar"}});
const auto lowerUsd = unit("usd", "x", {});
const auto perHundred = unit("l_100km", "L/100km", {{"en", "litres per 100 km"}});
const auto nameless = unit("custom.x", "", {{"en", ""}});
const auto cup = unit("cup_us", "cup", {{"en", "US cup"}});
const auto squareFoot = unit("ft2", "ft²", {{"en", "Square foot"}});
const auto century = unit("century", "c", {{"en", "Century"}});
const auto metre = unit("m", "m", {{"en", "Meter"}});
const auto pound = unit("lb", "lb", {{"en", "pound"}, {"fr", "livre"}, {"ja", "ポンド"}});

TEST(UnitMatches, ComparesSymbolIdNamesPluralsAndAliases) {
    const std::tuple<const UnitDefinition&, const char*, bool> cases[] = {
        {kilometre, "Kilometres", true},
        {kilometre, "kilometress", false},
        {kilometre, "KILOMETERS", true},
        {metre, "metres", true},
        {metre, "ms", false}, // a symbol of one or two letters takes no plural
        {cup, "cups", true},
        {squareFoot, "square feet", true},
        {century, "centuries", true},
        {kilometre, "千米", true},
        {pound, "Livres", true}, // other languages' plurals in Latin letters
        {pound, "ポンドs", false},
        {kilometre, "   ", false},
        {foot, "feet", true},
        {inch, "inches", true},
        {celsius, "摄氏", true},
        {celsius, "°F", false},
        {dollar, "$", true},
        {perHundred, "l/100km", true},
        // Aliases are keyed by exact id: a unit "usd" does not get the dollar's forms.
        {lowerUsd, "$", false},
        // An empty English name must not turn "s" into a name of the unit.
        {nameless, "s", false},
        {nameless, "es", false}};
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
