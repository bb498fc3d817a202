// Resolving the custom library into categories and extra units, and its cache. Of two
// conversions with one id the later wins: ConversionContext's test.
#include <cmath>
#include <thread>

#include <gtest/gtest.h>

#include "PhraseCatalog.h"
#include "RavoDozu/CustomResolver.h"

namespace ravodozu {
namespace {

ExchangeRates testRates(double updatedAt = 100) {
    return {"USD", {{"EUR", 0.5}, {"JPY", 150}}, updatedAt, "test", std::nullopt};
}

CustomUnit unit(std::string id, std::string name, std::optional<CustomRule> rule,
                std::string symbol = "") {
    return {std::move(id), std::move(name), std::move(symbol), std::move(rule)};
}
CustomRule ratio(double value) {
    return {CustomRule::Ratio{value}};
}
CustomRule formula(std::string forward) {
    return {CustomRule::Formula{std::move(forward), {}}};
}

CustomConversion conversion(std::string id, std::vector<CustomUnit> units,
                            std::vector<CustomParameter> parameters = {}) {
    auto name = id + " name";
    return {std::move(id), name, "", {}, std::move(parameters), std::move(units), {}};
}

CustomExtraUnit extra(std::string id, std::string category, std::string reference,
                      std::optional<CustomRule> rule) {
    return {std::move(id),
            std::move(category),
            std::move(reference),
            {},
            unit("u", "Extra", std::move(rule), "ex"),
            std::nullopt};
}

class CustomResolverTest : public ::testing::Test {
  protected:
    UnitCatalog catalog = zelvane::testing::phraseCatalog();
    CustomResolver resolver{catalog, testRates()};
};

TEST_F(CustomResolverTest, ReferenceLookupFindsBuiltInAndRatedCurrencyUnitsOnly) {
    EXPECT_EQ(resolver.conversion("length.ft"), (Conversion{LinearConversion{0.3048}}));
    EXPECT_EQ(resolver.conversion("currency.EUR"), (Conversion{LinearConversion{2}}));
    EXPECT_EQ(resolver.conversion("currency.USD"), (Conversion{LinearConversion{1}}));
    for (const char* missing : {"currency.CNY", "currency.JPY", "length.m.x"})
        EXPECT_FALSE(resolver.conversion(missing)) << missing;

    CustomResolver withoutRates{catalog, std::nullopt};
    EXPECT_FALSE(withoutRates.conversion("currency.EUR"));
}

TEST_F(CustomResolverTest, ConversionsBecomeCategoriesWithTheFirstUnitAsBase) {
    CustomLibrary library;
    library.conversions = {
        conversion("c1",
                   {unit("a", "A", ratio(1000)), unit("b", "B", ratio(0.001)),
                    unit("c", "C", std::nullopt), unit("d", "Pace", formula("x * k")),
                    unit("e", "E", formula("x * q"), "e!")},
                   {{"k", 3, ""}}),
    };
    auto resolved = resolver.resolve(library);

    ASSERT_EQ(resolved.categories.size(), 1u);
    const auto& things = resolved.categories.at("custom.c1");
    EXPECT_EQ(things.base, "a");
    ASSERT_EQ(things.units.size(), 5u);
    EXPECT_EQ(things.units[2].conversion, (Conversion{LinearConversion{1}}));
    EXPECT_DOUBLE_EQ(fromBase(things.units[1].conversion, 1), 1000);
    EXPECT_DOUBLE_EQ(fromBase(things.units[3].conversion, 2), 6);
    EXPECT_TRUE(std::isnan(fromBase(things.units[4].conversion, 2)));
    EXPECT_EQ(things.units[3].symbol, "Pace");

    EXPECT_EQ(resolved.statuses,
              (std::map<std::string, InverseStatus, std::less<>>{{"b", InverseStatus::exactLine},
                                                                 {"d", InverseStatus::exactLine}}));
    EXPECT_EQ(resolved.errors, (std::map<std::string, CustomError, std::less<>>{
                                   {"e", CustomError::unknownName("q")}}));
}

TEST_F(CustomResolverTest, ExtraUnitsAreAnchoredToTheirReferenceUnit) {
    CustomLibrary library;
    library.extras = {
        extra("yd", "length", "m", ratio(0.9144)),
        extra("bad", "length", "zz", ratio(0.9144)),
        extra("gas", "temperature", "c", formula("x * 2")),
        extra("ftx", "length", "ft", formula("convert(x, length.ft, length.m) * k")),
    };
    auto resolved = resolver.resolve(library);

    const auto& length = resolved.extraUnits.at("length");
    ASSERT_EQ(length.size(), 3u);
    EXPECT_EQ(length[0].id, "custom.yd");
    EXPECT_NEAR(fromBase(length[0].conversion, 0.9144), 1, 1e-12);
    EXPECT_EQ(resolved.statuses.at("custom.yd"), InverseStatus::exactLine);

    EXPECT_EQ(resolved.errors.at("custom.bad"), CustomError::unknownUnit("length.zz"));
    EXPECT_TRUE(std::isnan(fromBase(length[1].conversion, 1)));
    EXPECT_EQ(resolved.errors.at("custom.ftx"), CustomError::unknownName("k"));
    // The failed unit keeps its reference, so the front end can still say what it was tied to.
    const auto& failed = std::get<CustomMappingConversion>(length[2].conversion);
    EXPECT_EQ(failed.mapping->reference, (Conversion{LinearConversion{0.3048}}));

    // Twice the Celsius value: 10 °C is 20 of the extra unit, 283.15 K in the base.
    const auto& gas = resolved.extraUnits.at("temperature").at(0);
    EXPECT_NEAR(fromBase(gas.conversion, 283.15), 20, 1e-9);
}

// The cache is one per process; these tests use libraries no other test resolves.
class CustomResolveCacheTest : public ::testing::Test {
  protected:
    UnitCatalog catalog = zelvane::testing::phraseCatalog();

    static CustomLibrary library(std::string id) {
        return {1, {conversion(std::move(id), {unit("a", "A", {}), unit("b", "B", ratio(2))})}, {}};
    }
    /// The compiled mapping of unit b: the same object only when the result came from the cache.
    static const CustomMapping* mappingOf(const ResolvedLibraryRef& resolved) {
        const auto& category = resolved->categories.begin()->second;
        return std::get<CustomMappingConversion>(category.units[1].conversion).mapping.get();
    }
};

TEST_F(CustomResolveCacheTest, HitsOnlyForTheSameLibraryUnderTheSameStamp) {
    auto rates = testRates();
    auto first = resolvedLibrary(catalog, rates, library("cache1"));
    EXPECT_EQ(mappingOf(resolvedLibrary(catalog, rates, library("cache1"))), mappingOf(first));
    // The empty library is answered without touching the entry.
    EXPECT_EQ(*resolvedLibrary(catalog, rates, CustomLibrary{}), ResolvedCustomLibrary::empty);
    auto renamed = rates;
    renamed.source = "another name, same stamp";
    EXPECT_EQ(mappingOf(resolvedLibrary(catalog, renamed, library("cache1"))), mappingOf(first));

    // Newer rates, or another library, replace the single entry. `first` stays alive so that a
    // new mapping cannot reuse its address.
    auto newer = rates;
    newer.updatedAt += 1;
    EXPECT_NE(mappingOf(resolvedLibrary(catalog, newer, library("cache1"))), mappingOf(first));
    resolvedLibrary(catalog, rates, library("cache2"));
    EXPECT_NE(mappingOf(resolvedLibrary(catalog, rates, library("cache1"))), mappingOf(first));
}

TEST_F(CustomResolveCacheTest, ConcurrentCallersGetTheSameResolution) {
    auto rates = testRates(555);
    std::vector<const CustomMapping*> seen(8);
    std::vector<std::thread> threads;
    for (std::size_t i = 0; i < seen.size(); ++i)
        threads.emplace_back(
            [&, i] { seen[i] = mappingOf(resolvedLibrary(catalog, rates, library("threads"))); });
    for (auto& thread : threads)
        thread.join();
    for (auto* mapping : seen)
        EXPECT_EQ(mapping, seen.front());
}

} // namespace
} // namespace ravodozu
