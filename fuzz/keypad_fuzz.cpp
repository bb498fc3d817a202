// Stored keypad state and category memory: any bytes decode or fail, and any key sequence on a
// decoded state leaves a state whose input still reads.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include <nlohmann/json.hpp>

#include "BundledContext.h"
#include "RavoDozu/KeypadState.h"

using namespace ravodozu;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view bytes(reinterpret_cast<const char*>(data), size);
    auto split = bytes.find('\n');
    auto document = nlohmann::json::parse(bytes.substr(0, split), nullptr, false);
    if (document.is_discarded())
        return 0;
    if (document.is_object())
        for (const auto& [categoryId, entry] : document.items())
            (void)KeypadState::decode(entry);
    auto state = KeypadState::decode(document);
    if (!state || split == std::string_view::npos)
        return 0;
    // The bytes after the first line are key presses.
    for (char key : bytes.substr(split + 1)) {
        auto index = static_cast<unsigned char>(key) % KeypadState::allKeys.size();
        state->apply(KeypadState::allKeys[index], bundledContext());
        (void)state->keypadValue();
    }
    return 0;
}
