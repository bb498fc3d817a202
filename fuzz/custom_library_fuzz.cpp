// The custom library: any bytes decode leniently, resolve, and convert without crashing or hanging.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "RavoDozu/CustomResolver.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const ravodozu::UnitCatalog catalog(
        {{"length",
          {},
          "m",
          {{"m", "m", {}, ravodozu::LinearConversion{1}},
           {"ft", "ft", {}, ravodozu::LinearConversion{0.3048}}}}},
        {"currency", {}, "USD", {}, {{"USD", "$", {}}, {"EUR", "€", {}}}});
    static const ravodozu::ExchangeRates rates{"USD", {{"EUR", 0.9}}, 0, "fuzz", std::nullopt};

    auto library = ravodozu::decodeCustomLibraryData(
        std::string_view(reinterpret_cast<const char*>(data), size));
    if (!library)
        return 0;
    (void)ravodozu::decodeCustomLibraryData(ravodozu::encodeCustomLibrary(*library).dump());
    auto resolved = ravodozu::CustomResolver(catalog, rates).resolve(*library);
    for (const auto& [id, category] : resolved.categories)
        for (const auto& unit : category.units)
            for (double value : {-2.5, 0.0, 1.0, 1e9})
                (void)ravodozu::toBase(unit.conversion, ravodozu::fromBase(unit.conversion, value));
    return 0;
}
