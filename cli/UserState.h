// UserState: what the user has stored (rates, custom library), read once and resolved.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Command.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomResolver.h"
#include "RavoDozu/ExchangeRates.h"

namespace zelvane::cli {

/// The stored "rates" and "customLibrary" of the user-defaults store, decoded, and the library
/// resolved against the bundled catalog. A value that does not decode reads as absent (rates)
/// or empty (library); why it did not is kept for the commands that report it.
struct UserState {
    std::optional<ravodozu::ExchangeRates> rates;
    ravodozu::CustomLibrary library;
    ravodozu::ResolvedCustomLibrary resolved;
    std::string libraryProblem; ///< Why a stored library did not decode; empty when it did.

    /// Read from the store on first use, then the same for the rest of the process.
    static const UserState& load(const Session& session);

    /// A category by id as the converter sees it: a custom conversion ("custom.…"), the currency
    /// category of the stored rates, or a built-in one, with the user's extra units appended to
    /// the last two. None for an unknown id.
    std::optional<ravodozu::UnitCategory> category(const Session& session,
                                                   std::string_view id) const;
    /// The built-in category ids, then the custom ones in library order.
    std::vector<std::string> categoryIds(const Session& session) const;
};

} // namespace zelvane::cli
