// UnitFlag: the small national flag drawn beside a unit's name.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

namespace zelvane {

/// The flag emoji of a unit: the region of a regional unit (a Chinese "jin", a US cup), or for
/// a currency the first two letters of its three-letter code ("EUR" is the European Union's).
/// None for units drawn with the Taiwan image, units without a region and malformed codes.
std::optional<std::string> flagEmoji(std::string_view categoryId, std::string_view unitId);

/// The two regional-indicator characters of a two-character region code; none when the code
/// does not give exactly two. Real regions are not checked: "XA" gives its two letters.
std::optional<std::string> regionFlag(std::string_view region);

/// True when the unit is drawn with the Taiwan flag image rather than an emoji.
bool isTaiwanUnit(std::string_view categoryId, std::string_view unitId);

/// What the flag view beside a unit shows.
struct UnitFlag {
    struct None {};
    struct TaiwanImage {};
    struct Emoji {
        std::string text;
    };
    /// The neutral money symbol of a currency without a flag.
    struct Banknote {};
    std::variant<None, TaiwanImage, Emoji, Banknote> kind;

    static UnitFlag of(std::string_view categoryId, std::string_view unitId);
};

} // namespace zelvane
