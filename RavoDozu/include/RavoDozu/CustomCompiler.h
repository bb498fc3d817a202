// CustomCompiler: turns a custom unit's rule into a CustomMapping with its inverse.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomMapping.h"
#include "RavoDozu/ExpressionBinding.h"
#include "RavoDozu/ExpressionError.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// How a compiled unit converts back, and whether that can be trusted.
enum class InverseStatus {
    exactLine,    ///< the forward mapping is a straight line, solved exactly
    searched,     ///< inverted by the numeric search, which passed the round-trip check
    written,      ///< the user's inverse formula passed the round-trip check
    needsFormula, ///< the numeric search failed; no way back until an inverse is written
    mismatch,     ///< the user's inverse formula failed the round-trip check; used anyway
};

/// The case name, e.g. "needsFormula".
std::string_view rawValue(InverseStatus status);

/// Why a rule could not be compiled.
struct CustomError {
    enum class Kind { expression, unknownName, unknownUnit, invalidNumber, emptyFormula };

    Kind kind;
    /// For `expression`: why the formula did not parse; positions count characters of the text
    /// as the user wrote it.
    std::optional<ExpressionError> expression;
    /// For `unknownName` the variable, for `unknownUnit` the unit reference; else empty.
    std::string name;

    static CustomError ofExpression(ExpressionError error);
    static CustomError unknownName(std::string name);
    static CustomError unknownUnit(std::string reference);
    static CustomError invalidNumber();
    static CustomError emptyFormula();

    /// The case and its payload: "unknownName k", "expression expectedNumberOrName at 3".
    std::string describe() const;
    bool operator==(const CustomError&) const = default;
};

/// The case name, e.g. "unknownUnit".
std::string_view rawValue(CustomError::Kind kind);

struct CustomCompilation {
    std::shared_ptr<const CustomMapping> mapping;
    InverseStatus status;
};

/// Resolves «category.unit» to that unit's conversion, or none.
using CustomReferenceLookup = ExpressionBinding::UnitLookup;

/// Compiles `rule` written against `reference`, with the owning item's parameters (the first
/// of equal names wins). Pure; may run on any thread.
Result<CustomCompilation, CustomError> compile(const CustomRule& rule,
                                               const std::vector<CustomParameter>& parameters,
                                               const Conversion& reference,
                                               const CustomReferenceLookup& lookup);

/// Parses formula text and binds it: every variable other than "x" becomes its parameter's
/// value, every conversion its resolved units.
Result<Expr, CustomError> compileFormula(std::string_view text,
                                         const ExpressionBinding::ParameterLookup& parameters,
                                         const CustomReferenceLookup& lookup);

/// The formula a step chain stands for, parenthesised only where binding requires.
std::string stepsText(const std::vector<CustomStep>& steps);

/// A whole number below 1e15 in magnitude as an integer («1000», «-3»), else "%.12g".
std::string numberText(double value);

struct LinearInverse {
    double slope;
    double intercept;
    bool operator==(const LinearInverse&) const = default;
};

/// The exact inverse when `forward` is a straight line on a fixed set of samples, else none.
std::optional<LinearInverse> linearInverse(const Expr& forward);

/// True when the mapping's inverse takes the forward values of a fixed set of samples back to
/// within 1e-6 (relative) of where they came from, for at least three finite samples.
bool roundTripCheck(const CustomMapping& mapping);

} // namespace ravodozu
