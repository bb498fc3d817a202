// ExpressionBinding: turns a parsed formula into one ready to evaluate, by giving its
// parameters their values and resolving its unit references.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RavoDozu/Conversion.h"
#include "RavoDozu/Expr.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

class UnitCatalog;

/// The two lookups a formula needs before it can be evaluated.
struct ExpressionBinding {
    /// A parameter's value by name (case-sensitive), or none.
    using ParameterLookup = std::function<std::optional<double>(std::string_view name)>;
    /// A unit's conversion by reference «category.unit», or none.
    using UnitLookup = std::function<std::optional<Conversion>(std::string_view reference)>;

    /// What could not be resolved: a parameter name or a unit reference, as written.
    struct Unresolved {
        enum class Kind { parameter, unit };
        Kind kind;
        std::string name;
        bool operator==(const Unresolved&) const = default;
    };

    ParameterLookup parameter;
    UnitLookup unit;

    /// The tree with every variable other than "x" replaced by its value and every
    /// `Convert` by a `ConvertResolved`. Operands are prepared left to right; a conversion
    /// looks up `from`, then `to`, then prepares its value. The first name that does not
    /// resolve is the failure. A missing lookup resolves nothing.
    Result<Expr, Unresolved> prepare(const Expr& expr) const;

    /// Looks names up in a list of (name, value); the first of equal names wins.
    static ParameterLookup parameters(std::vector<std::pair<std::string, double>> list);
    /// Looks «category.unit» up among the catalog's built-in units. The catalog must
    /// outlive the lookup.
    static UnitLookup catalogUnits(const UnitCatalog& catalog);
};

} // namespace ravodozu
