// The shipped catalog files, loaded the way the application loads them.
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

using namespace ravodozu;

namespace {

const UnitCatalog& shipped() {
    static const UnitCatalog catalog = [] {
        auto loaded = UnitCatalog::loadBundled();
        if (!loaded) {
            ADD_FAILURE() << loaded.error().describe();
            return UnitCatalog{};
        }
        return std::move(loaded).value();
    }();
    return catalog;
}

bool hasText(const LocalizedText& text, const std::string& language) {
    auto found = text.values.find(language);
    return found != text.values.end() && !found->second.empty();
}

TEST(CatalogData, HoldsEveryCategoryTheGroupsName) {
    // The catalog files and the display groups are kept apart; a category in one only would
    // either never show or show empty.
    const auto& catalog = shipped();
    std::set<std::string> ids{catalog.currency().id};
    for (const auto& category : catalog.categories())
        EXPECT_TRUE(ids.insert(category.id).second) << "duplicate category " << category.id;
    EXPECT_EQ(ids, std::set<std::string>(allCategoryIds().begin(), allCategoryIds().end()));
}

TEST(CatalogData, UnitsAreUniqueNamedAndUsableWithALinearBaseOfOne) {
    const std::vector<std::string> interfaceLanguages = {
        "zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja", "ko", "pt-BR", "it", "th", "ms", "id"};
    for (const auto& category : shipped().categories()) {
        SCOPED_TRACE(category.id);
        for (const auto& language : interfaceLanguages)
            EXPECT_TRUE(hasText(category.name, language)) << language;
        std::set<std::string> ids;
        for (const auto& unit : category.units) {
            EXPECT_FALSE(unit.symbol.empty()) << unit.id;
            EXPECT_TRUE(ids.insert(unit.id).second) << "duplicate id " << unit.id;
            for (const char* language : {"en", "zh-Hans", "zh-Hant"})
                EXPECT_TRUE(hasText(unit.name, language)) << unit.id << ": " << language;
            double there = toBase(unit.conversion, 1);
            EXPECT_TRUE(std::isfinite(there) && std::isfinite(fromBase(unit.conversion, there)))
                << unit.id;
        }
        const auto* base = category.unit(category.base);
        ASSERT_NE(base, nullptr) << "base " << category.base;
        EXPECT_EQ(base->conversion, (Conversion{LinearConversion{1}}));
    }
}

TEST(CatalogData, CurrenciesAreUniqueCodesAndSymbolsReachTheIntendedOne) {
    const auto& currencies = shipped().currency();
    std::set<std::string> codes;
    for (const auto& currency : currencies.currencies) {
        EXPECT_EQ(currency.code.size(), 3u) << currency.code;
        EXPECT_TRUE(codes.insert(currency.code).second) << "duplicate code " << currency.code;
    }
    EXPECT_TRUE(codes.contains(currencies.base));
    for (const auto& code : currencies.defaultCurrencies)
        EXPECT_TRUE(codes.contains(code)) << code;

    // A phrase such as "100 $" or "50 ¥" is read against symbols in catalog order, so the
    // first currency carrying a sign must be the one people mean by it.
    auto firstWithSymbol = [&](const std::string& symbol) -> std::string {
        for (const auto& currency : currencies.currencies)
            if (currency.symbol == symbol)
                return currency.code;
        return "";
    };
    EXPECT_EQ(firstWithSymbol("$"), "USD");
    EXPECT_EQ(firstWithSymbol("¥"), "CNY");
    EXPECT_EQ(firstWithSymbol("£"), "GBP");
}

// Shipped factors against their defining values, one row per kind of rule: a factor written
// as an expression, a plain factor, affine rules both ways and reciprocal rules.
TEST(CatalogData, FactorsMatchTheirDefinitions) {
    struct Row {
        const char* category;
        const char* from;
        const char* to;
        double input;
        double expected;
    };
    const Row rows[] = {
        {"length", "ft_us", "m", 1, 0.3048006096012192}, // 1200/3937 m
        {"mass", "lb", "kg", 1, 0.45359237},
        {"volume", "sho", "l", 1, 1.8039068369646882}, // 2401/1331 L
        {"temperature", "f", "c", 212, 100},
        {"temperature", "k", "f", 0, -459.67},
        {"fuel", "l_100km", "km_l", 5, 20},
        {"fuel", "mpg_us", "l_100km", 1, 235.21458333333334},
    };
    for (const auto& row : rows) {
        const auto* category = shipped().category(row.category);
        ASSERT_NE(category, nullptr) << row.category;
        const auto* from = category->unit(row.from);
        const auto* to = category->unit(row.to);
        ASSERT_TRUE(from && to) << row.from << " → " << row.to;
        double actual = fromBase(to->conversion, toBase(from->conversion, row.input));
        EXPECT_LE(std::abs(actual - row.expected), 1e-12 * std::abs(row.expected))
            << row.from << " → " << row.to << ": " << actual;
    }
}

} // namespace
