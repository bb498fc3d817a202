#include "RavoDozu/Conversion.h"

#include <cmath>
#include <limits>

#include "CatalogReaders.h"
#include "RavoDozu/CustomMapping.h"
#include "RavoDozu/NumberText.h"
#include "TextPieces.h"

namespace ravodozu {

namespace {
constexpr double infinity = std::numeric_limits<double>::infinity();

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

double numberParameter(const detail::JsonReader& parameter) {
    if (parameter.json().is_number())
        return parameter.number();
    std::string expression = parameter.string();
    auto value = evaluateNumberExpression(expression);
    if (!value)
        parameter.fail("Invalid number expression " + expression);
    return *value;
}
} // namespace

bool operator==(const CustomMappingConversion& a, const CustomMappingConversion& b) {
    return a.mapping == b.mapping || (a.mapping && b.mapping && *a.mapping == *b.mapping);
}

double toBase(const Conversion& conversion, double value) {
    return std::visit(
        Overloaded{
            [&](const LinearConversion& c) { return value * c.factor; },
            [&](const AffineConversion& c) { return (value + c.offset) * c.factor; },
            [&](const ReciprocalConversion& c) { return value == 0 ? infinity : c.k / value; },
            [&](const CustomMappingConversion& c) { return c.mapping->toBase(value); },
        },
        conversion);
}

double fromBase(const Conversion& conversion, double base) {
    return std::visit(
        Overloaded{
            [&](const LinearConversion& c) { return base / c.factor; },
            [&](const AffineConversion& c) { return base / c.factor - c.offset; },
            [&](const ReciprocalConversion& c) { return base == 0 ? infinity : c.k / base; },
            [&](const CustomMappingConversion& c) { return c.mapping->fromBase(base); },
        },
        conversion);
}

std::optional<double> evaluateNumberExpression(std::string_view text) {
    std::optional<double> running;
    char pendingOperator = 0;
    std::size_t start = 0;
    while (true) {
        std::size_t end = text.find_first_of("*/", start);
        auto operand = readNumber(detail::trimmedBlanks(text.substr(start, end - start)));
        if (!operand)
            return std::nullopt;
        if (!running)
            running = *operand;
        else if (pendingOperator == '*')
            *running *= *operand;
        else
            *running /= *operand;
        if (end == std::string_view::npos)
            return running;
        pendingOperator = text[end];
        start = end + 1;
    }
}

namespace detail {
Conversion readConversion(const JsonReader& reader) {
    auto typeReader = reader["type"];
    std::string type = typeReader.string();
    if (type == "linear")
        return LinearConversion{numberParameter(reader["factor"])};
    if (type == "affine")
        return AffineConversion{numberParameter(reader["factor"]),
                                numberParameter(reader["offset"])};
    if (type == "reciprocal")
        return ReciprocalConversion{numberParameter(reader["k"])};
    typeReader.fail("Unknown conversion type " + type);
}
} // namespace detail

Result<Conversion, DecodingError> decodeConversion(const nlohmann::json& object) {
    return detail::decodeWith([&] { return detail::readConversion(object); });
}

nlohmann::json encodeConversion(const Conversion& conversion) {
    using nlohmann::json;
    return std::visit(
        Overloaded{
            [](const LinearConversion& c) {
                return json{{"type", "linear"}, {"factor", c.factor}};
            },
            [](const AffineConversion& c) {
                return json{{"type", "affine"}, {"factor", c.factor}, {"offset", c.offset}};
            },
            [](const ReciprocalConversion& c) {
                return json{{"type", "reciprocal"}, {"k", c.k}};
            },
            [](const CustomMappingConversion&) {
                return json{{"type", "custom"}};
            },
        },
        conversion);
}

} // namespace ravodozu
