// The categories a context offers (built-in, currency, custom, pack; extra units join the currency
// category over stored rates in zelvane-cli's convert test), presets, shown units and formats.
#include "RavoDozu/ConversionContext.h"

#include <gtest/gtest.h>

#include "PhraseCatalog.h"
#include "RavoDozu/Converter.h"

using namespace ravodozu;

namespace {

CustomConversion pace(std::optional<std::int64_t> decimals, std::vector<CustomUnit> units) {
    return {"pace", "Pace", "", decimals, {}, std::move(units), std::nullopt};
}

CustomUnit customUnit(std::string id, std::optional<double> ratio) {
    std::optional<CustomRule> rule;
    if (ratio)
        rule = CustomRule{CustomRule::Ratio{*ratio}};
    return {std::move(id), "Unit", "", std::move(rule)};
}

struct ContextTest : ::testing::Test {
    std::shared_ptr<const UnitCatalog> catalog =
        std::make_shared<const UnitCatalog>(zelvane::testing::phraseCatalog());
    UserPreferences preferences;
    std::shared_ptr<const ExchangeRates> rates;
    CustomLibrary library;
    PackVariants variants;

    ConversionContext context() const {
        return {catalog, std::make_shared<const UserPreferences>(preferences),
                rates,   std::make_shared<const CustomLibrary>(library),
                packs(), std::make_shared<const PackVariants>(variants)};
    }
    // One pack, "china", whose length has two variants: 1 chi is 0.2 m, then 0.3 m.
    static std::shared_ptr<const std::vector<ExtensionPack>> packs() {
        static const auto loaded = [] {
            LocalizedText name{{{"en", "Length"}}};
            ExtensionPack::Category length{
                "length",
                name,
                "length",
                "chi",
                {"m"},
                {{"chi", "chi", name, 1}, {"zhang", "zhang", name, 10}},
                {{"early", name, name, 0.2, name}, {"late", name, name, 0.3, name}},
                {}};
            return std::make_shared<const std::vector<ExtensionPack>>(
                std::vector{ExtensionPack{"china", "", name, name, name, {length}}});
        }();
        return loaded;
    }
    static std::vector<std::string> ids(const std::vector<const UnitDefinition*>& units) {
        std::vector<std::string> result;
        for (const auto* unit : units)
            result.push_back(unit->id);
        return result;
    }
};

TEST_F(ContextTest, CategoriesAreBuiltInCurrencyOrCustom) {
    library.conversions.push_back(pace(std::nullopt, {customUnit("s", {}), customUnit("k", 1000)}));
    library.extras.push_back({"yard", "length", "m", {}, customUnit("y", 0.9144), std::nullopt});
    library.extras.push_back({"lost", "nowhere", "a", {}, customUnit("z", 2), std::nullopt});
    auto ctx = context();

    auto length = ctx.category("length");
    ASSERT_TRUE(length);
    ASSERT_EQ(length->units.size(), 7u);
    EXPECT_EQ(length->units.back().id, "custom.yard");
    EXPECT_EQ(catalog->category("length")->units.size(), 6u) << "the catalog itself is untouched";

    auto pace = ctx.category("custom.pace");
    ASSERT_TRUE(pace);
    EXPECT_EQ(pace->base, "s");
    EXPECT_FALSE(ctx.category("nowhere")) << "extra units do not make a category";
    EXPECT_TRUE(ctx.category("currency")->units.empty()) << "no rates, no currencies";
}

TEST_F(ContextTest, CurrencyCategoryFollowsTheRates) {
    rates = std::make_shared<const ExchangeRates>(
        ExchangeRates{"USD", {{"EUR", 0.5}, {"USD", 1}}, 0, "test", {}});
    auto currency = context().category("currency");
    EXPECT_DOUBLE_EQ(Converter::convert(10, *currency->unit("USD"), *currency->unit("EUR")), 5);

    rates = std::make_shared<const ExchangeRates>(
        ExchangeRates{"USD", {{"EUR", 0.25}, {"USD", 1}}, 1, "test", {}});
    auto newer = context().category("currency");
    EXPECT_DOUBLE_EQ(Converter::convert(10, *newer->unit("USD"), *newer->unit("EUR")), 2.5);
}

TEST_F(ContextTest, RepeatedIdsShowTheLaterConversionWithItsOwnDecimals) {
    library.conversions.push_back(pace(0, {customUnit("s", {})}));
    library.conversions.push_back(pace(3, {customUnit("m", {}), customUnit("k", 1000)}));
    auto ctx = context();
    EXPECT_EQ(ctx.category("custom.pace")->base, "m");
    EXPECT_EQ(ctx.customLibrary().conversion("custom.pace")->decimals, 3);
    EXPECT_EQ(ctx.formatValue(2.5, "custom.pace", "en_US"), "2.500");

    library.conversions = {pace(std::int64_t{1} << 40, {customUnit("s", {})})};
    EXPECT_EQ(context().formatValue(2.5, "custom.pace", "en_US").size(), 342u)
        << "decimals past 32 bits still show, as many as the formatter gives";
}

TEST_F(ContextTest, PresetsForCustomAndBuiltInCategories) {
    library.conversions.push_back(pace(std::nullopt, {customUnit("s", {}), customUnit("k", 1000)}));
    preferences.pinnedOverrides["custom.pace"] = {"k"};
    preferences.pinnedOverrides["mass"] = {};
    auto ctx = context();
    EXPECT_EQ(ctx.preset("custom.pace").pinned, std::vector<std::string>{"k"});
    EXPECT_TRUE(ctx.preset("mass").pinned.empty()) << "an empty override still overrides";
}

TEST_F(ContextTest, EnabledPacksAddTheirCategoriesUnderTheChosenVariant) {
    preferences.enabledPacks = {"china"};
    preferences.starredCategories = {"pack.china.length"};
    const std::vector<std::tuple<std::string, double>> cases = {
        {"", 2}, {"late", 3}, {"unknown", 2}};
    for (const auto& [variant, metres] : cases) {
        variants["pack.china.length"] = variant;
        auto ctx = context();
        EXPECT_EQ(ctx.visibleCategoryIds().back(), "pack.china.length");
        auto length = ctx.category("pack.china.length");
        ASSERT_TRUE(length) << variant;
        EXPECT_DOUBLE_EQ(Converter::convert(1, *length->unit("pack.zhang"), *length->unit("m")),
                         metres)
            << variant;
        EXPECT_EQ(ctx.preset("pack.china.length").from, "pack.chi");
        EXPECT_EQ(ids(ctx.shownUnits("pack.china.length", "pack.chi").others),
                  (std::vector<std::string>{"pack.zhang", "m"}));
        EXPECT_TRUE(ctx.preferences().isStarred("pack.china.length"));
    }

    preferences.enabledPacks.clear();
    auto ctx = context();
    EXPECT_FALSE(ctx.category("pack.china.length"));
    EXPECT_EQ(ctx.visibleCategoryIds(), preferences.visibleCategoryIds());
    EXPECT_FALSE(ctx.preferences().isStarred("pack.china.length"));
}

// Pinned rows first, hidden and source units left out: see ShownConversion's tests.
TEST_F(ContextTest, ShownUnitsSkipUnknownPinsAndFollowTheUnitOrder) {
    preferences.pinnedOverrides["length"] = {"km", "zz"};
    preferences.unitOrder["length"] = {"ft", "m"};
    auto shown = context().shownUnits("length", "none");
    EXPECT_EQ(ids(shown.pinned), std::vector<std::string>{"km"});
    EXPECT_EQ(ids(shown.others), (std::vector<std::string>{"ft", "m", "cm", "in", "mi"}));
}

TEST_F(ContextTest, FormatsByCategory) {
    preferences.significantDigits = 0;
    library.conversions.push_back(pace(0, {customUnit("s", {})}));
    auto ctx = context();
    EXPECT_EQ(ctx.formatValue(2.5, "custom.pace", "en_US"), "3");
    EXPECT_EQ(ctx.formatValue(1234.5, "currency", "en_US"), "1,234.50");
    EXPECT_EQ(ctx.formatValue(0.01234, "currency", "en_US"), "0.01");
    EXPECT_EQ(ctx.formatValue(1.5, "length", "en_US"), "2") << "digits below 1 count as 1";
}

} // namespace
