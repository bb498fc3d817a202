#include "StoredState.h"

#include <algorithm>
#include <iostream>

namespace zelvane::cli {

using namespace ravodozu;

zelvane::UserState& userState() {
    static zelvane::UserState state(SettingsStore::standard());
    return state;
}

const StoredState& StoredState::load(const Session& session) {
    static const StoredState state = [&] {
        StoredState loaded;
        const auto& user = userState();
        loaded.preferences = std::make_shared<const UserPreferences>(user.preferencesForRun());
        if (auto rates = user.rates())
            loaded.rates = std::make_shared<const ExchangeRates>(std::move(*rates));
        auto library = user.customLibrary();
        if (!library)
            loaded.libraryProblem = library.error();
        loaded.library = std::make_shared<const CustomLibrary>(library.valueOr(CustomLibrary{}));
        if (auto packs = loadPacks())
            loaded.packs = std::make_shared<const std::vector<ExtensionPack>>(std::move(*packs));
        loaded.packVariants = std::make_shared<const PackVariants>(user.packVariants());
        // Settings that exist but cannot be read in full: go on with what was read, but say so.
        if (auto problem = user.readProblem())
            std::cerr << "zelvane-cli: " << problem->message << "\n";
        loaded.context_ = std::make_shared<const ConversionContext>(
            session.sharedCatalog(), loaded.preferences, loaded.rates, loaded.library, loaded.packs,
            loaded.packVariants);
        return loaded;
    }();
    return state;
}

std::vector<std::string> StoredState::categoryIds() const {
    std::vector<std::string> ids = allCategoryIds();
    // In library order, which is the user's display order; a repeated id is listed once.
    for (const auto& conversion : library->conversions) {
        auto id = "custom." + conversion.id;
        if (std::ranges::find(ids, id) == ids.end())
            ids.push_back(id);
    }
    for (const auto& pack : context_->packCategories().entries())
        ids.push_back(pack.category.id);
    return ids;
}

std::shared_ptr<const ConversionContext> sessionContext(const Session& session) {
    const auto& state = StoredState::load(session);
    if (!session.languageOverride)
        return state.sharedContext();
    auto preferences = std::make_shared<UserPreferences>(*state.preferences);
    preferences->languageCode = session.languageOverride;
    return std::make_shared<const ConversionContext>(session.sharedCatalog(), preferences,
                                                     state.rates, state.library, state.packs,
                                                     state.packVariants);
}

} // namespace zelvane::cli
