#include "ThemeIcon.h"

namespace zelvane {

ThemeIcon ThemeIcon::of(const CategoryTheme& theme) {
    if (theme.glyph && !theme.glyph->empty())
        return {Glyph{*theme.glyph}};
    if (theme.symbol.starts_with("ut."))
        return {Image{theme.symbol}};
    return {Symbol{theme.symbol}};
}

} // namespace zelvane
