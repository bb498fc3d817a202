// ExpressionError: the codes' names and the one-line description.
#include "RavoDozu/ExpressionError.h"

#include <array>

namespace ravodozu {
namespace {

using Code = ExpressionError::Code;

constexpr std::array<std::pair<Code, std::string_view>, 8> names{{
    {Code::empty, "empty"},
    {Code::unexpectedCharacter, "unexpectedCharacter"},
    {Code::unexpectedToken, "unexpectedToken"},
    {Code::missingClosingParenthesis, "missingClosingParenthesis"},
    {Code::unknownFunction, "unknownFunction"},
    {Code::wrongArgumentCount, "wrongArgumentCount"},
    {Code::badUnitReference, "badUnitReference"},
    {Code::expectedNumberOrName, "expectedNumberOrName"},
}};

} // namespace

std::string_view rawValue(ExpressionError::Code code) {
    for (const auto& [candidate, name] : names)
        if (candidate == code)
            return name;
    return "";
}

std::optional<ExpressionError::Code> expressionErrorCode(std::string_view raw) {
    for (const auto& [code, name] : names)
        if (name == raw)
            return code;
    return std::nullopt;
}

std::string ExpressionError::describe() const {
    std::string text(rawValue(code));
    text += " at " + std::to_string(position);
    if (detail)
        text += " (" + *detail + ")";
    return text;
}

} // namespace ravodozu
