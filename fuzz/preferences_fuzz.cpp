// Stored preferences and presets files: any bytes give a record, empty tables or a failure.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UserPreferences.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto preferences = ravodozu::UserPreferences::decode(bytes);
    if (preferences) {
        // What decodes must survive its own encoding unchanged.
        auto again =
            ravodozu::UserPreferences::decode(std::string_view(preferences->encode().dump()));
        if (!again || !(*again == *preferences))
            __builtin_trap();
        (void)preferences->effectiveFavoriteCategories();
        (void)preferences->effectiveStarredCategories();
    }
    auto document = nlohmann::json::parse(bytes, nullptr, /*allow_exceptions=*/false);
    if (!document.is_discarded())
        if (auto file = ravodozu::RegionProfile::File::decode(document))
            (void)ravodozu::RegionProfile::Tables(std::move(file).value())
                .detect("us", std::vector<std::string>{"zh-HK"});
    return 0;
}
