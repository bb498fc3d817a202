// CustomLibrary: the user's own conversions and extra units, and their JSON form.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// A named number that the rules of one conversion or extra unit may use.
struct CustomParameter {
    std::string name;
    double value = 0;
    std::string note; ///< Free comment; may be empty.
    bool operator==(const CustomParameter&) const = default;
};

/// What a step works with: a number, or the name of a parameter.
struct CustomOperand {
    std::variant<double, std::string> value;

    /// The number, or nullptr for a parameter operand.
    const double* number() const { return std::get_if<double>(&value); }
    /// The parameter name, or nullptr for a number operand.
    const std::string* parameter() const { return std::get_if<std::string>(&value); }
    bool operator==(const CustomOperand&) const = default;
};

/// One link of an arithmetic chain applied to the reference value.
struct CustomStep {
    /// Raw values are the case names ("add", "divInto", "ratioMul", …).
    enum class Op { add, sub, mul, div, pow, divInto, convert, ratioMul, ratioDiv, fn };

    Op op = Op::add;
    std::optional<CustomOperand> operand;
    std::optional<std::string> from;     ///< Unit reference, for convert, ratioMul and ratioDiv.
    std::optional<std::string> to;       ///< Unit reference, for convert, ratioMul and ratioDiv.
    std::optional<std::string> function; ///< Built-in function name, for fn.
    bool operator==(const CustomStep&) const = default;
};

std::string_view rawValue(CustomStep::Op op);
/// The op whose raw value is `text` exactly; none for any other text.
std::optional<CustomStep::Op> customStepOp(std::string_view text);

/// How a value of the reference unit becomes a value of a custom unit.
struct CustomRule {
    /// One custom unit equals `value` reference units: a reference value x becomes x ÷ value.
    struct Ratio {
        double value = 1;
        bool operator==(const Ratio&) const = default;
    };
    /// A chain applied to the reference value, in order.
    struct Steps {
        std::vector<CustomStep> steps;
        bool operator==(const Steps&) const = default;
    };
    /// Expressions in x: forward maps a reference value to this unit, inverse the other way.
    struct Formula {
        std::string forward;
        std::optional<std::string> inverse;
        bool operator==(const Formula&) const = default;
    };

    std::variant<Ratio, Steps, Formula> value;
    bool operator==(const CustomRule&) const = default;
};

struct CustomUnit {
    std::string id; ///< Unique within its conversion.
    std::string name;
    std::string symbol; ///< May be empty.
    /// None for a unit equal to the reference unit (an extra unit needs a rule).
    std::optional<CustomRule> rule;
    bool operator==(const CustomUnit&) const = default;
};

/// A whole user-defined category. Its category id is "custom." + id; the first unit is the
/// reference (base) unit of the others.
struct CustomConversion {
    std::string id;
    std::string name;
    std::string glyph; ///< May be empty.
    std::optional<std::int64_t>
        decimals; ///< When set, values are shown with exactly this many digits.
    std::vector<CustomParameter> parameters;
    std::vector<CustomUnit> units;
    std::optional<std::string> source; ///< Where the item came from; cleared on import.
    bool operator==(const CustomConversion&) const = default;
};

/// One unit added to a built-in category, defined against one built-in unit of it.
struct CustomExtraUnit {
    std::string id; ///< Its unit id in the category is "custom." + id.
    std::string categoryId;
    std::string referenceUnitId;
    std::vector<CustomParameter> parameters;
    CustomUnit unit;
    std::optional<std::string> source;
    bool operator==(const CustomExtraUnit&) const = default;
};

/// The user's library; lists keep their order, which is the display order.
struct CustomLibrary {
    std::int64_t version = 1;
    std::vector<CustomConversion> conversions;
    std::vector<CustomExtraUnit> extras;

    /// Version 1 with both lists empty.
    static const CustomLibrary empty;

    bool isEmpty() const { return conversions.empty() && extras.empty(); }
    /// The last conversion whose "custom." + id equals `categoryId` (the one whose category is
    /// shown when ids repeat), or nullptr.
    const CustomConversion* conversion(std::string_view categoryId) const;
    bool operator==(const CustomLibrary&) const = default;
};

/// True when `categoryId` names a custom conversion's category (begins with "custom.").
bool isCustomCategoryId(std::string_view categoryId);

/// True for a name that formulas and steps may use for a parameter: a letter first (not "π"),
/// at most 20 characters, only letters, numeric characters and "_", and not a reserved name
/// of the expression language in any letter case.
bool isValidParameterName(std::string_view name);

/// A fresh identifier: the first 8 lower-case hexadecimal digits of a random UUID.
std::string freshCustomId();

/// Decodes a library leniently: a conversion or extra that fails to decode is skipped, a
/// missing or mistyped "version", "conversions" or "extras" takes its default. Fails only when
/// the document is not an object.
Result<CustomLibrary, DecodingError> decodeCustomLibrary(const nlohmann::json& document);
/// `decodeCustomLibrary` on stored bytes; bytes that are not JSON fail too.
Result<CustomLibrary, DecodingError> decodeCustomLibraryData(std::string_view bytes);

// Strict decoders of the elements: any bad key or member fails the whole element. A missing
// "id" gets a fresh one.
Result<CustomConversion, DecodingError> decodeCustomConversion(const nlohmann::json& object);
Result<CustomExtraUnit, DecodingError> decodeCustomExtraUnit(const nlohmann::json& object);
Result<CustomUnit, DecodingError> decodeCustomUnit(const nlohmann::json& object);
Result<CustomRule, DecodingError> decodeCustomRule(const nlohmann::json& object);
Result<CustomStep, DecodingError> decodeCustomStep(const nlohmann::json& object);
Result<CustomParameter, DecodingError> decodeCustomParameter(const nlohmann::json& object);

// Encoders: every key is written except absent optionals.
nlohmann::json encodeCustomLibrary(const CustomLibrary& library);
nlohmann::json encodeCustomConversion(const CustomConversion& conversion);
nlohmann::json encodeCustomExtraUnit(const CustomExtraUnit& extra);
nlohmann::json encodeCustomUnit(const CustomUnit& unit);
nlohmann::json encodeCustomRule(const CustomRule& rule);
nlohmann::json encodeCustomStep(const CustomStep& step);
nlohmann::json encodeCustomParameter(const CustomParameter& parameter);

} // namespace ravodozu
