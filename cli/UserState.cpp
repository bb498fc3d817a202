#include "UserState.h"

#include <algorithm>

#include "DefaultsStore.h"

namespace zelvane::cli {

const UserState& UserState::load(const Session& session) {
    static const UserState state = [&] {
        UserState loaded;
        auto& store = DefaultsStore::standard();
        if (auto bytes = store.data("rates")) {
            auto rates = ravodozu::parseExchangeRates(*bytes);
            if (rates)
                loaded.rates = std::move(*rates);
        }
        if (auto bytes = store.data("customLibrary")) {
            auto library = ravodozu::decodeCustomLibraryData(*bytes);
            if (library)
                loaded.library = std::move(*library);
            else
                loaded.libraryProblem = library.error().describe();
        }
        loaded.resolved =
            ravodozu::resolvedLibrary(session.catalog(), loaded.rates, loaded.library);
        return loaded;
    }();
    return state;
}

std::optional<ravodozu::UnitCategory> UserState::category(const Session& session,
                                                          std::string_view id) const {
    if (auto custom = resolved.categories.find(id); custom != resolved.categories.end())
        return custom->second;
    const auto& catalog = session.catalog();
    std::optional<ravodozu::UnitCategory> found;
    if (id == catalog.currency.id)
        found = ravodozu::currencyCategory(catalog.currency, rates);
    else if (const auto* builtIn = catalog.category(id))
        found = *builtIn;
    if (!found)
        return std::nullopt;
    if (auto extras = resolved.extraUnits.find(id); extras != resolved.extraUnits.end())
        found->units.insert(found->units.end(), extras->second.begin(), extras->second.end());
    return found;
}

std::vector<std::string> UserState::categoryIds(const Session& session) const {
    const auto& catalog = session.catalog();
    std::vector<std::string> ids;
    for (const auto& category : catalog.categories)
        ids.push_back(category.id);
    // In library order, which is the user's display order; a repeated id is listed once.
    for (const auto& conversion : library.conversions) {
        auto id = "custom." + conversion.id;
        if (std::find(ids.begin(), ids.end(), id) == ids.end())
            ids.push_back(id);
    }
    return ids;
}

} // namespace zelvane::cli
