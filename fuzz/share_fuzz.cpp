// Pasted share text: any bytes give a cleaned item within the import limits, or a refusal.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "RavoDozu/CustomShare.h"

namespace {

using namespace ravodozu;
namespace share = ravodozu::CustomShare;

bool isFreshId(const std::string& id) {
    return id.size() == 8 && id.find_first_not_of("0123456789abcdef") == std::string::npos;
}

// What every accepted import must satisfy, whatever arrived.
void checkLimits(const share::Payload& payload) {
    if (const auto* conversion = payload.conversion()) {
        if (!isFreshId(conversion->id) || conversion->source || conversion->name.empty() ||
            conversion->units.size() < 2 || conversion->units.size() > 12 ||
            conversion->parameters.size() > 10 || conversion->units[0].rule)
            __builtin_trap();
        if (conversion->decimals && (*conversion->decimals < 0 || *conversion->decimals > 10))
            __builtin_trap();
        for (std::size_t i = 0; i < conversion->units.size(); ++i)
            if (!isFreshId(conversion->units[i].id) || conversion->units[i].name.empty() ||
                (i > 0 && !conversion->units[i].rule))
                __builtin_trap();
    } else {
        const auto& extra = *payload.extra();
        if (!isFreshId(extra.id) || extra.source || !extra.unit.rule ||
            extra.parameters.size() > 10 || extra.unit.name.empty())
            __builtin_trap();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto payload = share::decodeShareText(text);
    (void)share::decodeShareData(text);
    if (!payload)
        return 0;
    checkLimits(*payload);
    (void)share::preview(*payload, {});

    // An accepted item shares again and comes back the same apart from its ids.
    auto link = share::shareLink(*payload);
    if (!link)
        return 0;
    auto again = share::decodeShareText(*link);
    if (!again)
        __builtin_trap();
    checkLimits(*again);
    if (payload->conversion() &&
        (again->conversion()->name != payload->conversion()->name ||
         again->conversion()->units.size() != payload->conversion()->units.size()))
        __builtin_trap();
    return 0;
}
