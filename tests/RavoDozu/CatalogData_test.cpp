// The shipped catalog files, loaded the way the application loads them.
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"

#include <cmath>
#include <set>
#include <string>

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

TEST(CatalogData, HoldsEveryCategoryTheGroupsName) {
    // The catalog files and the display groups are kept apart; a category in one only would
    // either never show or show empty.
    const auto& catalog = shipped();
    std::set<std::string> ids{catalog.currency().id};
    for (const auto& category : catalog.categories())
        EXPECT_TRUE(ids.insert(category.id).second) << "duplicate category " << category.id;
    EXPECT_EQ(ids, std::set<std::string>(allCategoryIds().begin(), allCategoryIds().end()));
}

TEST(CatalogData, UnitsAreUniqueAndFiniteWithALinearBaseOfOne) {
    for (const auto& category : shipped().categories()) {
        SCOPED_TRACE(category.id);
        std::set<std::string> ids;
        for (const auto& unit : category.units) {
            EXPECT_TRUE(ids.insert(unit.id).second) << "duplicate id " << unit.id;
            double there = toBase(unit.conversion, 1);
            EXPECT_TRUE(std::isfinite(there) && std::isfinite(fromBase(unit.conversion, there)))
                << unit.id;
        }
        const auto* base = category.unit(category.base);
        ASSERT_NE(base, nullptr) << "base " << category.base;
        EXPECT_EQ(base->conversion, (Conversion{LinearConversion{1}}));
    }
}

TEST(CatalogData, CurrencyCodesAreUniqueAndIncludeTheDefaults) {
    const auto& currencies = shipped().currency();
    std::set<std::string> codes;
    for (const auto& currency : currencies.currencies)
        EXPECT_TRUE(codes.insert(currency.code).second) << "duplicate code " << currency.code;
    EXPECT_TRUE(codes.contains(currencies.base));
    for (const auto& code : currencies.defaultCurrencies)
        EXPECT_TRUE(codes.contains(code)) << code;
}

} // namespace
