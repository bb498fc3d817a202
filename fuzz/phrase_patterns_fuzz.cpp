// The phrase reader against the old grammar: on any short text, in four display locales, a
// phrase the old grammar read keeps its meaning (the comma rule aside), and a text it took for a
// plain number still is one.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "BundledContext.h"
#include "PhrasePatterns.h"
#include "PhraseReference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    // Backtracking takes time cubic in a run of digits: only short texts are compared.
    if (size == 0 || size > 64)
        return 0;
    static PhraseReference reference;
    static const std::array<zelvane::Environment, 4> environments{
        zelvane::Environment{.lcAll = "en_US.UTF-8"}, zelvane::Environment{.lcAll = "de_DE.UTF-8"},
        zelvane::Environment{.lcAll = "fr_FR.UTF-8"}, zelvane::Environment{.lcAll = "zh_CN.UTF-8"}};
    const auto& environment = environments[data[0] % environments.size()];
    std::string_view text(reinterpret_cast<const char*>(data + 1), size - 1);
    if (!reference.difference(text, "length", bundledContext(), environment).empty())
        std::abort();
    if (reference.plainNumber(text) && !zelvane::isPlainNumber(text))
        std::abort();
    return 0;
}
