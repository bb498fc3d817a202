// StoredState: what the user has stored (preferences, rates, custom library), read once.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "Command.h"
#include "RavoDozu/ConversionContext.h"
#include "UserState.h"

namespace zelvane::cli {

/// The user's state in the standard settings file, for every command of this process.
zelvane::UserState& userState();

/// The stored "preferences", "rates", "customLibrary" and "packVariants", decoded as the panel
/// decodes them (see zelvane::UserState), with why a stored library did not decode kept for
/// the commands that must not write over it, and the bundle's extension packs.
struct StoredState {
    std::shared_ptr<const ravodozu::UserPreferences> preferences;
    std::shared_ptr<const ravodozu::ExchangeRates> rates; ///< Null when none are stored.
    std::shared_ptr<const ravodozu::CustomLibrary> library;
    std::string libraryProblem; ///< Why a stored library did not decode; empty when it did.
    std::shared_ptr<const std::vector<ravodozu::ExtensionPack>> packs; ///< Null when unreadable.
    std::shared_ptr<const ravodozu::PackVariants> packVariants;

    /// Read from the store on first use, then the same for the rest of the process.
    static const StoredState& load(const Session& session);

    /// The context every conversion question of this process is answered by.
    const ravodozu::ConversionContext& context() const { return *context_; }
    const std::shared_ptr<const ravodozu::ConversionContext>& sharedContext() const {
        return context_;
    }
    /// Every category id the converter knows: built-in in group order, then custom ones, then
    /// those of the enabled packs.
    std::vector<std::string> categoryIds() const;

  private:
    std::shared_ptr<const ravodozu::ConversionContext> context_;
};

/// The user's context for this session: a --lang choice stands for the chosen language.
std::shared_ptr<const ravodozu::ConversionContext> sessionContext(const Session& session);

} // namespace zelvane::cli
