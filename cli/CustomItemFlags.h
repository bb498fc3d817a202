// CustomItemFlags: a custom conversion or extra unit described by `custom add`'s flags.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "Command.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/Result.h"

namespace zelvane::cli {

/// --name NAME [--glyph G] --unit NAME[:SYMBOL] --unit NAME[:SYMBOL]=RATIO… describes a
/// conversion whose first unit is the reference; --extra CATEGORY.UNIT --unit
/// NAME[:SYMBOL]=RATIO one unit added to a built-in category. A RATIO says how many reference
/// units one of the unit is.
struct CustomItemFlags {
    std::optional<std::string> name;
    std::optional<std::string> glyph;
    std::optional<std::string> extra;
    std::vector<std::string> units;

    /// Takes the flags out of `arguments`; a repeated --name, --glyph or --extra is a usage
    /// problem of `arguments`.
    static CustomItemFlags take(Arguments& arguments);
    bool empty() const { return !name && !glyph && !extra && units.empty(); }

    /// The item, cleaned and checked as an imported one is (fresh ids, the same limits); why
    /// the flags describe none as the error.
    ravodozu::Result<ravodozu::CustomShare::Payload, std::string> payload() const;
};

} // namespace zelvane::cli
