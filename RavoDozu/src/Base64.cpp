#include "Base64.h"

#include <array>

namespace ravodozu::detail {

namespace {

constexpr std::string_view standardDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
constexpr std::string_view urlSafeDigits =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

std::string_view digits(Base64Alphabet alphabet) {
    return alphabet == Base64Alphabet::standard ? standardDigits : urlSafeDigits;
}

// Character → 6-bit value, or -1; built once per alphabet.
using ReverseTable = std::array<signed char, 256>;

constexpr ReverseTable reverseTable(std::string_view alphabet) {
    ReverseTable table{};
    for (auto& entry : table)
        entry = -1;
    for (std::size_t i = 0; i < alphabet.size(); ++i)
        table[static_cast<unsigned char>(alphabet[i])] = static_cast<signed char>(i);
    return table;
}

constexpr ReverseTable standardReverse = reverseTable(standardDigits);
constexpr ReverseTable urlSafeReverse = reverseTable(urlSafeDigits);

} // namespace

std::string base64Encode(std::string_view bytes, Base64Alphabet alphabet, bool padded) {
    auto table = digits(alphabet);
    std::string text;
    text.reserve((bytes.size() + 2) / 3 * 4);
    std::size_t i = 0;
    for (; i + 3 <= bytes.size(); i += 3) {
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16 |
                         static_cast<unsigned char>(bytes[i + 1]) << 8 |
                         static_cast<unsigned char>(bytes[i + 2]);
        for (int shift = 18; shift >= 0; shift -= 6)
            text += table[group >> shift & 63];
    }
    std::size_t rest = bytes.size() - i;
    if (rest > 0) {
        unsigned group = static_cast<unsigned char>(bytes[i]) << 16;
        if (rest == 2)
            group |= static_cast<unsigned char>(bytes[i + 1]) << 8;
        text += table[group >> 18 & 63];
        text += table[group >> 12 & 63];
        if (rest == 2)
            text += table[group >> 6 & 63];
        if (padded)
            text.append(rest == 1 ? 2 : 1, '=');
    }
    return text;
}

std::optional<std::string> base64Decode(std::string_view text, Base64Alphabet alphabet) {
    const auto& table = alphabet == Base64Alphabet::standard ? standardReverse : urlSafeReverse;
    // Padding may only close a complete group, and only as much as the group needs.
    std::size_t padding = 0;
    while (padding < text.size() && text[text.size() - 1 - padding] == '=')
        ++padding;
    if (padding > 2 || (padding > 0 && text.size() % 4 != 0))
        return std::nullopt;
    text.remove_suffix(padding);
    if (text.size() % 4 == 1)
        return std::nullopt;
    if (padding > 0 && (text.size() + padding) % 4 != 0)
        return std::nullopt;

    std::string bytes;
    bytes.reserve(text.size() / 4 * 3 + 2);
    unsigned buffer = 0;
    int bits = 0;
    for (char c : text) {
        int value = table[static_cast<unsigned char>(c)];
        if (value < 0)
            return std::nullopt;
        buffer = (buffer << 6 | static_cast<unsigned>(value)) & 0xFFFFFF;
        bits += 6;
        if (bits >= 8) {
            bits -= 8;
            bytes += static_cast<char>(buffer >> bits & 0xFF);
        }
    }
    // Leftover bits must be zero, so that each text has exactly one decoding.
    if (bits > 0 && (buffer & ((1u << bits) - 1)) != 0)
        return std::nullopt;
    return bytes;
}

} // namespace ravodozu::detail
