// CustomMapping: a compiled custom rule, from the reference unit to the custom unit and back.
#pragma once

#include <functional>
#include <memory>
#include <variant>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/Expr.h"

namespace ravodozu {

/// Shared by reference and immutable once built (it is the payload of the custom case of
/// `Conversion`). Both directions never fail: impossibility is NaN or ±∞.
struct CustomMapping {
    /// How a value of the custom unit goes back to the reference unit.
    struct Inverse {
        /// inverse(y) = y × slope + intercept.
        struct Linear {
            double slope;
            double intercept;
            bool operator==(const Linear&) const = default;
        };
        /// inverse(y) = the expression's value with input y.
        struct Expression {
            Expr expr;
            bool operator==(const Expression&) const = default;
        };
        /// inverse(y) found by `numericInverse` of the forward expression.
        struct Numeric {
            bool operator==(const Numeric&) const = default;
        };
        /// inverse(y) is NaN.
        struct Unavailable {
            bool operator==(const Unavailable&) const = default;
        };

        std::variant<Linear, Expression, Numeric, Unavailable> value;
        bool operator==(const Inverse&) const = default;
    };

    /// Conversion of the unit the rule is written against; may itself be custom.
    Conversion reference;
    /// Reference value (input x) → custom value; parameters and unit references already bound.
    Expr forward;
    Inverse inverse;

    /// The mapping of a unit that could not be compiled: forward NaN, inverse unavailable, so
    /// every conversion through it is NaN.
    static std::shared_ptr<const CustomMapping> unavailable(Conversion reference);

    /// True unless the inverse is unavailable.
    bool hasInverse() const;

    /// A value of the custom unit → the value of the reference unit.
    double inverted(double value) const;
    /// A value of the custom unit → the value of the category's base unit.
    double toBase(double value) const;
    /// A value of the category's base unit → the value of the custom unit.
    double fromBase(double base) const;

    bool operator==(const CustomMapping&) const = default;
};

/// The function a forward expression computes, for the numeric machinery below.
using CustomFunction = std::function<double(double)>;

/// Solves F(t) = y by scanning the positive then the negative half of a fixed logarithmic
/// grid (10^-6 … just under 10^12, three points per decade) for a sign change and bisecting
/// the first one found. NaN when y is not finite or nothing brackets it; 0 and magnitudes off
/// the grid are never tried. Costs at most 110 grid and 200 bisection evaluations of F.
double numericInverse(const CustomFunction& forward, double y);
double numericInverse(const Expr& forward, double y);

} // namespace ravodozu
