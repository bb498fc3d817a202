// The shipped catalog files, loaded the way the application loads them.
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"

#include <cmath>
#include <set>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "ShippedCatalog.h"

using namespace ravodozu;

namespace {

const UnitCatalog& shipped() {
    return zelvane::testing::shippedCatalog();
}

const std::vector<std::string> interfaceLanguages = {
    "zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja", "ko", "pt-BR", "it", "th", "ms", "id"};

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
    EXPECT_EQ(catalog.currency().id, "currency");
}

TEST(CatalogData, UnitIdsAreUniqueAndTheBaseIsOne) {
    std::size_t unitCount = 0;
    for (const auto& category : shipped().categories()) {
        SCOPED_TRACE(category.id);
        std::set<std::string> ids;
        for (const auto& unit : category.units) {
            EXPECT_FALSE(unit.id.empty());
            EXPECT_FALSE(unit.symbol.empty()) << unit.id;
            EXPECT_TRUE(ids.insert(unit.id).second) << "duplicate id " << unit.id;
        }
        unitCount += category.units.size();
        const auto* base = category.unit(category.base);
        ASSERT_NE(base, nullptr) << "base " << category.base;
        const auto* linear = std::get_if<LinearConversion>(&base->conversion);
        ASSERT_NE(linear, nullptr) << "the base unit must be linear";
        EXPECT_EQ(linear->factor, 1.0);
    }
    EXPECT_GE(unitCount, 500u);
}

TEST(CatalogData, EveryParameterIsFiniteAndUsable) {
    for (const auto& category : shipped().categories())
        for (const auto& unit : category.units) {
            SCOPED_TRACE(category.id + "." + unit.id);
            std::visit(
                [](const auto& rule) {
                    using Rule = std::decay_t<decltype(rule)>;
                    if constexpr (std::is_same_v<Rule, LinearConversion>) {
                        EXPECT_TRUE(std::isfinite(rule.factor) && rule.factor != 0);
                    } else if constexpr (std::is_same_v<Rule, AffineConversion>) {
                        EXPECT_TRUE(std::isfinite(rule.factor) && rule.factor != 0);
                        EXPECT_TRUE(std::isfinite(rule.offset));
                    } else if constexpr (std::is_same_v<Rule, ReciprocalConversion>) {
                        EXPECT_TRUE(std::isfinite(rule.k) && rule.k != 0);
                    } else {
                        ADD_FAILURE() << "the data files hold no custom conversions";
                    }
                },
                unit.conversion);
        }
}

TEST(CatalogData, UnitsOtherPartsReferToExistWhereExpected) {
    // Region flags, phrase aliases and presets name these ids.
    const std::vector<std::pair<std::string, std::vector<std::string>>> expected = {
        {"length", {"m", "km", "mi", "ft", "in", "chi", "cun", "li"}},
        {"temperature", {"k", "c", "f"}},
        {"mass", {"kg", "lb", "jin", "liang", "hk_jin", "hk_liang", "st", "tw_jin", "tw_liang"}},
        {"area", {"mu", "jo", "rai", "ngan", "sqwa", "ping"}},
        {"volume",
         {"tsp_us", "tbsp_us", "floz_us", "cup_us", "pt_us", "qt_us", "gal_us", "gal_uk"}},
        {"fuel", {"mpg_us", "mpg_uk"}},
        {"flow", {"galmin"}},
        {"density", {"lb_gal"}},
    };
    const auto& catalog = shipped();
    for (const auto& [categoryId, unitIds] : expected) {
        const auto* category = catalog.category(categoryId);
        ASSERT_NE(category, nullptr) << categoryId;
        for (const auto& unitId : unitIds)
            EXPECT_NE(category->unit(unitId), nullptr) << categoryId << "." << unitId;
    }
    EXPECT_EQ(catalog.category("temperature")->base, "k");
}

TEST(CatalogData, NamesAreThereInTheRequiredLanguages) {
    const auto& catalog = shipped();
    for (const auto& language : interfaceLanguages)
        EXPECT_TRUE(hasText(catalog.currency().name, language)) << "currency: " << language;
    for (const auto& category : catalog.categories()) {
        for (const auto& language : interfaceLanguages)
            EXPECT_TRUE(hasText(category.name, language)) << category.id << ": " << language;
        for (const auto& unit : category.units)
            for (const char* language : {"en", "zh-Hans", "zh-Hant"})
                EXPECT_TRUE(hasText(unit.name, language))
                    << category.id << "." << unit.id << ": " << language;
    }
}

TEST(CatalogData, CurrenciesCoverWhatRateServicesQuote) {
    const auto& currencies = shipped().currency();
    EXPECT_GE(currencies.currencies.size(), 150u);
    std::set<std::string> codes;
    for (const auto& currency : currencies.currencies) {
        SCOPED_TRACE(currency.code);
        EXPECT_EQ(currency.code.size(), 3u);
        for (char letter : currency.code)
            EXPECT_TRUE(letter >= 'A' && letter <= 'Z');
        EXPECT_TRUE(codes.insert(currency.code).second) << "duplicate code";
        EXPECT_FALSE(currency.symbol.empty());
        for (const char* language : {"en", "zh-Hans", "zh-Hant"})
            EXPECT_TRUE(hasText(currency.name, language)) << language;
    }
    for (const char* code : {"USD", "EUR", "CNY", "JPY", "GBP", "HKD", "TWD", "THB", "MYR"})
        EXPECT_TRUE(codes.contains(code)) << code;
    EXPECT_TRUE(codes.contains(currencies.base));
    EXPECT_FALSE(currencies.defaultCurrencies.empty());
    for (const auto& code : currencies.defaultCurrencies)
        EXPECT_TRUE(codes.contains(code)) << code;
}

TEST(CatalogData, PhraseSymbolsReachTheIntendedCurrency) {
    // A phrase such as "100 $" or "50 ¥" is read against symbols in catalog order, so the
    // first currency carrying a sign must be the one people mean by it.
    auto firstWithSymbol = [](const std::string& symbol) -> std::string {
        for (const auto& currency : shipped().currency().currencies)
            if (currency.symbol == symbol)
                return currency.code;
        return "";
    };
    EXPECT_EQ(firstWithSymbol("$"), "USD");
    EXPECT_EQ(firstWithSymbol("¥"), "CNY");
    EXPECT_EQ(firstWithSymbol("€"), "EUR");
    EXPECT_EQ(firstWithSymbol("£"), "GBP");
}

} // namespace
