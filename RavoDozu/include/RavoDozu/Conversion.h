// Conversion: a unit's rule to and from its category's base unit.
#pragma once

#include <memory>
#include <optional>
#include <string_view>
#include <variant>

#include <nlohmann/json_fwd.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

struct CustomMapping;

struct LinearConversion {
    double factor;
    bool operator==(const LinearConversion&) const = default;
};

/// (v + offset) × factor: the offset is added before scaling, as for °C and °F over kelvin.
struct AffineConversion {
    double factor;
    double offset;
    bool operator==(const AffineConversion&) const = default;
};

/// k ÷ v, for quantities measured "the other way round" such as L/100 km against km/L.
struct ReciprocalConversion {
    double k;
    bool operator==(const ReciprocalConversion&) const = default;
};

/// A compiled custom rule (CustomMapping.h). Never comes from the data files. Equal when the
/// mappings are equal field by field.
struct CustomMappingConversion {
    std::shared_ptr<const CustomMapping> mapping;
    friend bool operator==(const CustomMappingConversion& a, const CustomMappingConversion& b);
};

using Conversion =
    std::variant<LinearConversion, AffineConversion, ReciprocalConversion, CustomMappingConversion>;

/// A value in the unit → the value in the base unit. Never fails: impossibility is NaN or ±∞.
double toBase(const Conversion& conversion, double value);
/// A value in the base unit → the value in the unit.
double fromBase(const Conversion& conversion, double base);

/// Reads a conversion object ({"type": "linear", "factor": …}); numeric parameters may be
/// number expressions such as "0.3048*3" or "5/9".
Result<Conversion, DecodingError> decodeConversion(const nlohmann::json& object);
/// The JSON form of a conversion; a custom conversion is {"type": "custom"}.
nlohmann::json encodeConversion(const Conversion& conversion);

/// A number expression: operands separated by "*" and "/", applied left to right, no
/// parentheses or precedence. Each operand is a C-locale floating-point literal.
std::optional<double> evaluateNumberExpression(std::string_view text);

} // namespace ravodozu
