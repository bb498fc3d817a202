// The catalog's data files: any bytes decode to a category, a currency catalog or an error.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "RavoDozu/UnitCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    auto document =
        nlohmann::json::parse(std::string_view(reinterpret_cast<const char*>(data), size), nullptr,
                              /*allow_exceptions=*/false);
    if (document.is_discarded())
        return 0;
    (void)ravodozu::decodeUnitCategory(document);
    (void)ravodozu::decodeCurrencyCatalog(document);
    if (document.is_object() && document.contains("conversion"))
        (void)ravodozu::decodeConversion(document["conversion"]);
    return 0;
}
