// ThemeIcon: what a category's icon is drawn as.
#pragma once

#include <string>
#include <variant>

#include "CategoryTheme.h"

namespace zelvane {

/// The icon of a category: a short bold text, one of the application's own images, or a
/// symbol of the shared symbol set (both images come from `IconAssets`).
struct ThemeIcon {
    struct Glyph {
        std::string text;
    };
    struct Image {
        std::string name;
    };
    struct Symbol {
        std::string name;
    };
    std::variant<Glyph, Image, Symbol> kind;

    /// A non-empty glyph wins; otherwise a "ut." symbol is an image of our own, any other a
    /// symbol.
    static ThemeIcon of(const CategoryTheme& theme);
};

} // namespace zelvane
