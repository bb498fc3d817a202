// Base64 (RFC 4648) in the standard and the URL-safe alphabet, for share links.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravodozu::detail {

enum class Base64Alphabet { standard, urlSafe };

/// The encoding of `bytes`; `padded` appends "=" up to a multiple of four characters.
std::string base64Encode(std::string_view bytes, Base64Alphabet alphabet, bool padded);

/// The bytes `text` encodes, with or without its "=" padding. None when a character lies
/// outside the alphabet, padding is misplaced or too long, the length cannot be a Base64
/// length (one character over a multiple of four), or unused trailing bits are not zero.
std::optional<std::string> base64Decode(std::string_view text, Base64Alphabet alphabet);

} // namespace ravodozu::detail
