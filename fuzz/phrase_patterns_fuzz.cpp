// Phrase readers against the patterns they stand for: on any short text, splitPhrase and
// isPlainNumber answer exactly as the regular expressions with backtracking do.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "PhrasePatterns.h"
#include "PhraseReference.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static PhraseReference reference;
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto parts = zelvane::splitPhrase(text);
    auto plain = zelvane::isPlainNumber(text);
    // Backtracking takes time cubic in a run of digits: only short texts are compared.
    if (size > 64)
        return 0;
    if (parts != reference.split(text) || plain != reference.plainNumber(text))
        std::abort();
    return 0;
}
