// UserState: the user's stored state, typed and decoded as its owners read it.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/KeypadState.h"
#include "RavoDozu/UserPreferences.h"
#include "SettingsKeys.h"
#include "SettingsStore.h"

namespace zelvane {

/// The records of the settings store, shared by zelvane-cli and the panel. Reading decodes
/// tolerantly (a missing or undecodable record reads as its default); writing checks a record
/// first, so nothing its owner cannot read is ever stored. Holds a reference to the store.
class UserState {
  public:
    explicit UserState(SettingsStore& store);

    SettingsStore& store() const { return store_; }

    /// "preferences", or the default record when missing or undecodable.
    ravodozu::UserPreferences preferences() const;
    /// `preferences`, with the region detected from the platform while the first run is not
    /// through. Reading never writes.
    ravodozu::UserPreferences preferencesForRun() const;
    [[nodiscard]] StoreResult setPreferences(const ravodozu::UserPreferences& preferences);

    /// "rates"; none when missing or undecodable.
    std::optional<ravodozu::ExchangeRates> rates() const;
    [[nodiscard]] StoreResult setRates(const ravodozu::ExchangeRates& rates);

    /// The stored bytes of "customLibrary" (the panel decodes them through its cache).
    std::optional<std::string> customLibraryData() const;
    /// "customLibrary" decoded, the empty library when missing; why it did not decode as the
    /// error.
    ravodozu::Result<ravodozu::CustomLibrary, std::string> customLibrary() const;

    /// "categoryMemory": empty when missing or undecodable.
    std::map<std::string, ravodozu::KeypadState, std::less<>> categoryMemory() const;
    /// "keypad"; none when missing or undecodable.
    std::optional<ravodozu::KeypadState> keypad() const;
    /// Writes the converter's state under "keypad" and as its category's entry of
    /// "categoryMemory", in one write.
    [[nodiscard]] StoreResult rememberConverter(const ravodozu::KeypadState& state);

    /// The category the converter is in: the one it was left in while it still exists, else
    /// the first favourite, else "temperature".
    std::string currentCategory(const ravodozu::ConversionContext& context) const;
    /// Where a category starts: the unit and input last used there while that unit exists in
    /// the category, else the region preset's.
    ravodozu::KeypadState categoryStart(std::string_view categoryId,
                                        const ravodozu::ConversionContext& context) const;

    /// Removes keys no version reads any more ("recentCategories").
    [[nodiscard]] StoreResult forgetObsoleteKeys();

    /// Appends a shared conversion or extra unit to the stored library (and a conversion's
    /// category to the preferences' "customCategoryIds"), keeping every stored element as it is.
    ravodozu::Result<std::monostate, std::string>
    addCustomItem(const ravodozu::CustomShare::Payload& item);
    /// Removes the conversions and extra units with that id (or category id "custom." + id).
    ravodozu::Result<std::monostate, std::string> removeCustomItem(std::string_view id);

    /// Why the owner of `key` could not read `value`; none when it can, or when the key holds
    /// no record. Checked by every write of a record ("preferences", "rates", "customLibrary",
    /// "categoryMemory", "keypad", "mac.recents", "mac.hotKey", ...).
    static std::optional<std::string> recordProblem(std::string_view key,
                                                    const SettingValue& value);

  private:
    SettingsStore& store_;
};

} // namespace zelvane
