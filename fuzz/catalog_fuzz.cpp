// The catalog's data files and the bundle's catalog index: any bytes decode to a category, a
// currency catalog, an index or an error, and the category finder stays inside the text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "CatalogIndex.h"
#include "RavoDozu/UnitCatalog.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    if (auto spans = ravodozu::detail::findCategorySpans(bytes))
        for (const auto& span : *spans)
            if (span.offset + span.length > size)
                __builtin_trap();
    (void)ravodozu::detail::CatalogIndex::decode(bytes);
    auto document = nlohmann::json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (document.is_discarded())
        return 0;
    (void)ravodozu::decodeUnitCategory(document);
    (void)ravodozu::decodeCurrencyCatalog(document);
    if (document.is_object() && document.contains("conversion"))
        (void)ravodozu::decodeConversion(document["conversion"]);
    return 0;
}
