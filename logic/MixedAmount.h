// MixedAmount: a value told in several units of one category, whole numbers in every unit but
// the last ("5 ft 2.992 in", "1 h 30 min").
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "RavoDozu/ConversionContext.h"

namespace zelvane {

struct MixedAmount {
    struct Part {
        std::string unitId;
        std::string symbol;
        double value; ///< A whole number in every part but the last.
        std::string text;
        bool operator==(const Part&) const = default;
    };
    std::vector<Part> parts;
    std::string text; ///< The parts with their symbols: "5 ft 2.992 in".

    /// `value` in `from`, told in `units` (two or more, in the order given, all of the category
    /// of `from`): each unit but the last takes the whole number that fits, the last the rest,
    /// formatted as `display` formats the category. A last part that rounds up to a whole unit
    /// before it carries over ("6 ft 0 in", not "5 ft 12 in"); the sign goes in front. None for
    /// fewer than two units, a unit with an offset (a temperature scale) or a value that is not
    /// finite.
    static std::optional<MixedAmount> of(double value, const ravodozu::UnitDefinition& from,
                                         const std::vector<const ravodozu::UnitDefinition*>& units,
                                         const ravodozu::ValueDisplay& display);

    bool operator==(const MixedAmount&) const = default;
};

/// Whether a unit converts into `other` by a factor alone, so that amounts in both may be added.
bool isProportional(const ravodozu::UnitDefinition& unit, const ravodozu::UnitDefinition& other);

} // namespace zelvane
