// CopyText: a shown value as other programs read it when it is copied.
#pragma once

#include <string>
#include <string_view>

namespace zelvane {

/// `shown` with every scientific value ("1.5 × 10²⁰", the form the panel shows) rewritten
/// without superscripts or "×": plain digits where the value is shown that way only for its
/// trailing zeros (10⁴ to 10¹⁴: «5 × 10⁵» → «500000»), else an E exponent («1.5E+20»,
/// «1.234E-07»). The mantissa keeps its decimal separator; the rest of the text (a unit) stays.
std::string copyableText(std::string_view shown);

} // namespace zelvane
