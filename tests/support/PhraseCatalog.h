// A small hand-made catalog for the phrase, row, context and custom-unit tests: a few units per
// category, with the ids, symbols and names the phrases refer to, and currencies with fixed rates.
#pragma once

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/ExchangeRates.h"

namespace zelvane::testing {

using namespace ravodozu;

inline UnitDefinition phraseUnit(std::string id, std::string symbol, std::string english,
                                 Conversion conversion, std::string chinese = "",
                                 std::string german = "") {
    LocalizedText name{{{"en", english}}};
    if (!chinese.empty())
        name.values["zh-Hans"] = chinese;
    if (!german.empty())
        name.values["de"] = german;
    return {std::move(id), std::move(symbol), std::move(name), std::move(conversion)};
}

inline UnitCatalog phraseCatalog() {
    std::vector<UnitCategory> categories = {
        {"length",
         {{{"en", "Length"}, {"zh-Hans", "长度"}}},
         "m",
         {phraseUnit("m", "m", "metre", LinearConversion{1}, "米"),
          phraseUnit("km", "km", "kilometre", LinearConversion{1000}, "千米"),
          phraseUnit("cm", "cm", "centimetre", LinearConversion{0.01}),
          phraseUnit("in", "in", "inch", LinearConversion{0.0254}, "英寸"),
          phraseUnit("ft", "ft", "foot", LinearConversion{0.3048}, "英尺", "Fuß"),
          phraseUnit("mi", "mi", "mile", LinearConversion{1609.344}, "英里")}},
        {"mass",
         {{{"en", "Mass"}}},
         "kg",
         {phraseUnit("kg", "kg", "kilogram", LinearConversion{1}),
          phraseUnit("lb", "lb", "pound", LinearConversion{0.45359237}),
          phraseUnit("st", "st", "stone", LinearConversion{6.35029318})}},
        {"temperature",
         {{{"en", "Temperature"}}},
         "k",
         {phraseUnit("c", "°C", "Celsius", AffineConversion{1, 273.15}, "摄氏度"),
          phraseUnit("f", "°F", "Fahrenheit", AffineConversion{5.0 / 9, 459.67}, "华氏度"),
          phraseUnit("k", "K", "kelvin", LinearConversion{1})}},
        // "a" is both the are and the year: which one a phrase means depends on the search order.
        {"area",
         {{{"en", "Area"}}},
         "m2",
         {phraseUnit("m2", "m²", "square metre", LinearConversion{1}),
          phraseUnit("a", "a", "are", LinearConversion{100})}},
        {"time",
         {{{"en", "Time"}}},
         "s",
         {phraseUnit("s", "s", "second", LinearConversion{1}),
          phraseUnit("a", "a", "year", LinearConversion{31'557'600}),
          phraseUnit("min", "min", "minute", LinearConversion{60}),
          phraseUnit("h", "h", "hour", LinearConversion{3600})}},
        {"volume",
         {{{"en", "Volume"}}},
         "ml",
         {phraseUnit("ml", "mL", "millilitre", LinearConversion{1}),
          phraseUnit("cup", "cup", "US cup", LinearConversion{236.5882365})}},
    };
    CurrencyCatalog currency{"currency", {{{"en", "Currency"}}}, "USD", {"USD", "CNY", "EUR"}, {}};
    for (auto [code, symbol, english] :
         {std::tuple{"USD", "$", "US Dollar"}, {"CNY", "¥", "Chinese Yuan"}, {"EUR", "€", "Euro"}})
        currency.currencies.push_back({code, symbol, {{{"en", english}}}});
    return UnitCatalog(std::move(categories), std::move(currency));
}

inline ExchangeRates phraseRates() {
    return {"USD", {{"USD", 1}, {"CNY", 7.25}, {"EUR", 0.5}}, 0, "test", std::nullopt};
}

inline ConversionContext phraseContext(UserPreferences preferences = {}) {
    static const auto catalog = std::make_shared<const UnitCatalog>(phraseCatalog());
    return ConversionContext(catalog,
                             std::make_shared<const UserPreferences>(std::move(preferences)),
                             std::make_shared<const ExchangeRates>(phraseRates()),
                             std::make_shared<const CustomLibrary>());
}

} // namespace zelvane::testing
