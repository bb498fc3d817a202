// CategoryTheme: the colours and icon each category is drawn with.
#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/ExtensionPack.h"

namespace zelvane {

/// An sRGB colour as a 24-bit number 0xRRGGBB, fully opaque.
using Rgb = std::uint32_t;

/// A colour with one value for the light appearance and one for the dark appearance.
struct AdaptiveColour {
    Rgb light = 0;
    Rgb dark = 0;

    Rgb in(bool darkAppearance) const { return darkAppearance ? dark : light; }
};

/// The panel's background tone, which the views lay under their own opacities.
inline constexpr AdaptiveColour panelSurface{0xF5F3EE, 0x0D0E12};

/// A category's gradient, accent and icon.
struct CategoryTheme {
    Rgb start = 0; ///< First colour of the gradient.
    Rgb end = 0;   ///< Second colour of the gradient.
    Rgb shade = 0; ///< The dark tone, the same in both appearances.
    std::string symbol;
    /// A short text (an emoji, say) drawn instead of the symbol; only custom and pack categories
    /// have one.
    std::optional<std::string> glyph;

    /// The accent for text and strokes: the dark tone on light panels, `end` on dark ones.
    AdaptiveColour deep() const { return {shade, end}; }

    /// The glyph of each custom or pack category, by category id ("custom." + conversion id,
    /// `packCategoryId`).
    using CustomGlyphs = std::map<std::string, std::string, std::less<>>;

    /// A custom or pack category ("custom." + id, `packCategoryId`) gets the custom theme with
    /// its glyph from `customGlyphs` (none when it has no entry); a built-in id gets its entry,
    /// and an id without one the "length" theme.
    static CategoryTheme forCategory(std::string_view categoryId, const CustomGlyphs& customGlyphs);

    /// The glyphs of the library's conversions, and the glyph of its pack for every pack
    /// category; of two conversions with one id the first counts, as it does everywhere else.
    static CustomGlyphs customGlyphs(const ravodozu::CustomLibrary& library,
                                     std::span<const ravodozu::ExtensionPack> packs = {});

    bool operator==(const CategoryTheme&) const = default;
};

} // namespace zelvane
