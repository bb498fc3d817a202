// ExpressionError: why a formula did not parse, and where.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ravodozu {

/// The one failure of the formula parser. `position` counts user-perceived characters
/// (grapheme clusters) of the formula from 0; the end of the text is its character count.
struct ExpressionError {
    enum class Code {
        empty,
        unexpectedCharacter,
        unexpectedToken,
        missingClosingParenthesis,
        unknownFunction,
        wrongArgumentCount,
        badUnitReference,
        expectedNumberOrName,
    };

    Code code;
    int position = 0;
    /// Only for `wrongArgumentCount` (the lower-case function name, or "convert") and
    /// `unknownFunction` (the name as written).
    std::optional<std::string> detail;

    /// "code at position", or "code at position (detail)".
    std::string describe() const;
    bool operator==(const ExpressionError&) const = default;
};

/// The code's name, e.g. "missingClosingParenthesis": the text stored and shown for it.
std::string_view rawValue(ExpressionError::Code code);
/// The code whose name is exactly `raw`, or none.
std::optional<ExpressionError::Code> expressionErrorCode(std::string_view raw);

} // namespace ravodozu
