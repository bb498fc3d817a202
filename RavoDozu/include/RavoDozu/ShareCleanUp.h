// ShareCleanUp: what the clean-up of an import changed, for showing it to the receiver.
#pragma once

#include <string>
#include <vector>

#include "RavoDozu/CustomShare.h"

namespace ravodozu::CustomShare {

/// One change the clean-up made. Fresh ids are made for every import and are not listed.
struct CleanUpChange {
    enum class Kind {
        nameCut,         ///< A conversion's or unit's name trimmed or cut.
        symbolCut,       ///< A unit's symbol trimmed or cut.
        glyphCut,        ///< The conversion's glyph cut.
        noteCut,         ///< A parameter's note cut.
        ruleRemoved,     ///< The reference unit's rule; `before` is the unit's name.
        decimalsRemoved, ///< Decimals out of range; `before` is the number that arrived.
        sourceRemoved,   ///< Where the item came from; `before` is what it said.
    };
    Kind kind;
    std::string before; ///< What arrived.
    std::string after;  ///< What is kept; empty for removals.
    bool operator==(const CleanUpChange&) const = default;
};

/// The changes from `arrived` to `kept` (its `sanitized` form), in the item's order.
std::vector<CleanUpChange> cleanUpChanges(const Payload& arrived, const Payload& kept);

} // namespace ravodozu::CustomShare
