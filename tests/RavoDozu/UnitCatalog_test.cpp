// The catalog: loading its files, their index and CLDR names, and the shipped data itself.
#include "RavoDozu/CatalogCheck.h"
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"

#include <cmath>
#include <set>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempDirectory.h"

using namespace ravodozu;
using zelvane::testing::readFile;
using zelvane::testing::TempDirectory;

namespace {

constexpr const char* coreFile = R"({"categories":[{"id":"length","name":{"en":"Length"},"base":"m",
  "units":[{"id":"m","symbol":"m","name":{"en":"Metre"},"conversion":{"type":"linear","factor":1}},
           {"id":"yd","symbol":"yd","name":{"en":"Yard"},"conversion":{"type":"linear","factor":"0.3048 * 3"}},
           {"id":"m","symbol":"m2","name":{"en":"Duplicate"},"conversion":{"type":"linear","factor":2}}]}]})";
constexpr const char* currencyFile = R"({"id":"currency","name":{"en":"Currency"},"base":"USD",
  "defaultCurrencies":["USD"],"currencies":[{"code":"USD","symbol":"$","name":{"en":"US Dollar"}}],
  "unknownKey":true})";

ResourceBundle bundleWith(const TempDirectory& dir, const char* core, const char* currency) {
    if (core)
        dir.write("units/core.json", core);
    if (currency)
        dir.write("units/currency.json", currency);
    return {dir.path()};
}

TEST(UnitCatalog, LoadsBothFilesAndLooksUpFirstMatches) {
    TempDirectory dir;
    auto catalog = UnitCatalog::load(bundleWith(dir, coreFile, currencyFile));
    ASSERT_TRUE(catalog) << catalog.error().describe();
    const auto* length = catalog->category("length");
    ASSERT_NE(length, nullptr);
    EXPECT_DOUBLE_EQ(std::get<LinearConversion>(length->unit("yd")->conversion).factor, 0.9144);
    EXPECT_EQ(length->unit("m")->name.resolve({"en"}), "Metre");
    EXPECT_EQ(length->unit("M"), nullptr);
    EXPECT_EQ(catalog->category("Length"), nullptr);
    EXPECT_EQ(catalog->currency().currency("USD")->symbol, "$");
    EXPECT_EQ(catalog->currency().currency("usd"), nullptr);
}

TEST(UnitCatalog, NamesTheMissingFile) {
    using Files = std::tuple<const char*, const char*, const char*>;
    for (auto [core, currency, missing] :
         {Files{nullptr, currencyFile, "core"}, Files{coreFile, nullptr, "currency"}}) {
        TempDirectory dir;
        auto catalog = UnitCatalog::load(bundleWith(dir, core, currency));
        ASSERT_FALSE(catalog);
        EXPECT_EQ(catalog.error().kind, CatalogError::Kind::missingResource);
        EXPECT_EQ(catalog.error().resource, missing);
    }
}

TEST(UnitCatalog, RejectsMalformedDataWithoutAPartialCatalog) {
    TempDirectory dir;
    auto catalog = UnitCatalog::load(bundleWith(dir, R"({"categories":[{"id":"x","name":{},
        "base":"a","units":[{"id":"a","symbol":"a","name":{},
        "conversion":{"type":"linear","factor":"2*"}}]}]})",
                                                currencyFile));
    ASSERT_FALSE(catalog);
    EXPECT_EQ(catalog.error().kind, CatalogError::Kind::invalidData);
    EXPECT_EQ(catalog.error().resource, "core");
    EXPECT_EQ(catalog.error().decoding.message, "Invalid number expression 2*");
    EXPECT_EQ(catalog.error().decoding.codingPath, "categories[0].units[0].conversion.factor");

    TempDirectory truncated;
    auto notJson = UnitCatalog::load(bundleWith(truncated, R"({"categories":[)", currencyFile));
    ASSERT_FALSE(notJson);
    EXPECT_EQ(notJson.error().kind, CatalogError::Kind::invalidData);
}

// The shipped bundle carries an index that lets categories decode on first use; it must give the
// same catalog as decoding in full, and must be ignored once the files no longer match it.
TEST(UnitCatalog, IndexedBundleMatchesFullDecodingAndIsIgnoredWhenFilesChange) {
    auto shipped = UnitCatalog::loadBundled();
    ASSERT_TRUE(shipped) << shipped.error().describe();
    auto units = ResourceBundle::core().root / "units";
    auto core = readFile(units / "core.json");
    auto currency = readFile(units / "currency.json");
    auto index = readFile(units / "catalog-index.json");
    ASSERT_FALSE(index.empty());

    TempDirectory full;
    auto decodedInFull = UnitCatalog::load(bundleWith(full, core.c_str(), currency.c_str()));
    ASSERT_TRUE(decodedInFull);
    EXPECT_EQ(*decodedInFull, *shipped);

    TempDirectory edited;
    edited.write("units/catalog-index.json", index);
    auto renamed = core;
    renamed.replace(renamed.find("\"Length\""), 8, "\"Distance\"");
    auto withEdit = UnitCatalog::load(bundleWith(edited, renamed.c_str(), currency.c_str()));
    ASSERT_TRUE(withEdit);
    EXPECT_EQ(withEdit->category("length")->name.resolve({"en"}), "Distance");

    auto broken = core;
    broken.replace(broken.find("\"linear\""), 8, "\"Linear\"");
    auto withBreak = UnitCatalog::load(bundleWith(edited, broken.c_str(), currency.c_str()));
    ASSERT_FALSE(withBreak);
    EXPECT_EQ(withBreak.error().kind, CatalogError::Kind::invalidData);
}

TEST(UnitCatalog, TakesNamesTheDataLacksFromCldr) {
    auto category = decodeUnitCategory(nlohmann::json::parse(R"({"id":"length","name":{"en":"L"},
      "base":"km","units":[{"id":"km","symbol":"km","name":{"en":"Kilometer","fr":"kilomètre [data]"},
      "cldrUnit":"kilometer","conversion":{"type":"linear","factor":1}}]})"));
    ASSERT_TRUE(category) << category.error().describe();
    const auto& kilometer = category->units.front().name.values;
    EXPECT_EQ(kilometer.at("fr"), "kilomètre [data]") << "the data's own name wins";
    EXPECT_EQ(kilometer.at("pt-BR"), "quilômetro");
    EXPECT_EQ(kilometer.at("ja"), "キロメートル");
    EXPECT_EQ(kilometer.size(), interfaceLanguages.size());

    auto currency = decodeCurrencyCatalog(nlohmann::json::parse(R"({"id":"currency",
      "name":{"en":"Currency"},"base":"BRL","defaultCurrencies":[],
      "currencies":[{"code":"BRL","symbol":"R$","name":{"en":"Brazilian Real"}}]})"));
    ASSERT_TRUE(currency) << currency.error().describe();
    EXPECT_EQ(currency->currencies.front().name.values.at("pt-BR"), "Real brasileiro");
    EXPECT_EQ(currency->currencies.front().name.values.at("de"), "Brasilianischer Real");
}

TEST(CatalogCheck, NamesEveryTextMissingAnInterfaceLanguage) {
    LocalizedText everywhere;
    for (auto language : interfaceLanguages)
        everywhere.values.emplace(language, "x");
    auto withoutThai = everywhere;
    withoutThai.values.erase("th");
    UnitCategory length{"length", everywhere, "m", {{"m", "m", withoutThai, LinearConversion{1}}}};
    CurrencyCatalog currency{"currency", everywhere, "USD", {}, {{"USD", "$", LocalizedText{}}}};
    ExtensionPack pack{"old", "", everywhere, everywhere, everywhere, {}};
    pack.categories.emplace_back().id = "mass";
    pack.categories.back().name = withoutThai;
    pack.categories.back().variants.push_back({"han", everywhere, withoutThai, 1, everywhere});

    EXPECT_EQ(missingNames(UnitCatalog{{length}, currency}, std::span(&pack, 1)),
              (std::vector<std::string>{
                  "length.m: th",
                  "currency.USD: zh-Hans, zh-Hant, en, es, de, fr, ja, ko, pt-BR, it, th, ms, id",
                  "old.mass: th", "old.mass.han.period: th"}));

    CustomTemplateLibrary templates{{{"life", withoutThai}},
                                    {{"eggs", "", "life", everywhere, everywhere, {{"en", {}}}}}};
    EXPECT_EQ(missingTexts(templates),
              (std::vector<std::string>{
                  "tags.life: th",
                  "eggs.variants: zh-Hans, zh-Hant, es, de, fr, ja, ko, pt-BR, it, th, ms, id"}));
}

// The catalog files and the display groups are kept apart; a category in one only would either
// never show or show empty.
TEST(CatalogData, HoldsEveryGroupedCategoryWithSoundUnitsAndUniqueCurrencyCodes) {
    const auto shipped = UnitCatalog::loadBundled();
    ASSERT_TRUE(shipped) << shipped.error().describe();
    std::set<std::string> categoryIds{shipped->currency().id};
    for (const auto& category : shipped->categories()) {
        SCOPED_TRACE(category.id);
        EXPECT_TRUE(categoryIds.insert(category.id).second) << "duplicate category";
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
    EXPECT_EQ(categoryIds, std::set<std::string>(allCategoryIds().begin(), allCategoryIds().end()));

    // Currency codes are unique and include the base and the defaults.
    const auto& currencies = shipped->currency();
    std::set<std::string> codes;
    for (const auto& currency : currencies.currencies)
        EXPECT_TRUE(codes.insert(currency.code).second) << "duplicate code " << currency.code;
    EXPECT_TRUE(codes.contains(currencies.base));
    for (const auto& code : currencies.defaultCurrencies)
        EXPECT_TRUE(codes.contains(code)) << code;
}

} // namespace
