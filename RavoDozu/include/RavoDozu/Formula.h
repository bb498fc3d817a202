// Formula: the rule between two units of a category, stated directly for explanations.
#pragma once

#include <optional>
#include <span>
#include <string_view>
#include <variant>

#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

struct Formula {
    /// to = from × multiplier + offset
    struct Linear {
        double multiplier;
        double offset;
        bool operator==(const Linear&) const = default;
    };
    /// to = k ÷ from
    struct Reciprocal {
        double k;
        bool operator==(const Reciprocal&) const = default;
    };
    /// How a category's rules relate its units, which picks the explanation shown.
    enum class Kind { ratio, shifted, inverse };

    std::variant<Linear, Reciprocal> rule;

    /// `inverse` when any unit is reciprocal, else `shifted` when any has a non-zero offset.
    static Kind kind(std::span<const UnitDefinition> units);
    /// The exact algebra of the two units' rules; none for custom units and for combinations
    /// that are neither a line nor a reciprocal (an offset on the other side of a reciprocal).
    static std::optional<Formula> between(const UnitDefinition& from, const UnitDefinition& to);

    bool operator==(const Formula&) const = default;
};

std::string_view toString(Formula::Kind kind);

} // namespace ravodozu
