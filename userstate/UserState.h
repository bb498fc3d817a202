// UserState: the user's stored state, typed and decoded as its owners read it.
#pragma once

#include <filesystem>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/KeypadState.h"
#include "RavoDozu/PackCategories.h"
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

    const std::filesystem::path& path() const { return store_.path(); }
    /// Why the file could not be read, or was read only in part; none when it was fine.
    std::optional<StoreError> readProblem() const { return store_.readProblem(); }

    /// Any stored value by its key, as the file holds it: for tools that read and write keys
    /// by name. A write is refused when the key's owner could not read the value.
    std::optional<SettingValue> record(std::string_view key) const { return store_.value(key); }
    std::vector<std::string> recordKeys() const { return store_.keys(); }
    [[nodiscard]] ravodozu::Result<std::monostate, std::string> setRecord(std::string_view key,
                                                                          SettingValue value);
    [[nodiscard]] StoreResult removeRecord(std::string_view key) { return store_.remove(key); }

    /// "preferences", or the default record when missing or undecodable.
    ravodozu::UserPreferences preferences() const;
    /// `preferences`, with the region detected from the platform while the first run is not
    /// through. Reading never writes.
    ravodozu::UserPreferences preferencesForRun() const;
    [[nodiscard]] StoreResult setPreferences(const ravodozu::UserPreferences& preferences);
    /// Applies `edit` to the preferences as they are stored now (not to an older copy, which
    /// would undo what another process changed meanwhile) and gives the record written.
    [[nodiscard]] ravodozu::Result<ravodozu::UserPreferences, StoreError>
    editPreferences(const std::function<void(ravodozu::UserPreferences&)>& edit);

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

    /// "packVariants": empty when missing or undecodable.
    ravodozu::PackVariants packVariants() const;
    /// Chooses the variant of one pack category in the stored choices as they are now; the
    /// others stay as they are (all of them are dropped when the stored ones do not decode).
    [[nodiscard]] StoreResult choosePackVariant(std::string_view categoryId,
                                                std::string_view variantId);

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
    /// Puts `item` in the place of the stored conversion or extra unit with its id, keeping every
    /// other stored element as it is; fails when there is none.
    ravodozu::Result<std::monostate, std::string>
    replaceCustomItem(const ravodozu::CustomShare::Payload& item);
    /// Removes the conversions and extra units with that id (or category id "custom." + id).
    ravodozu::Result<std::monostate, std::string> removeCustomItem(std::string_view id);

    /// Why the owner of `key` could not read `value`; none when it can, or when the key holds
    /// no record. Checked by every write of a record ("preferences", "rates", "customLibrary",
    /// "categoryMemory", "keypad", "packVariants", "mac.recents", "mac.hotKey", ...).
    static std::optional<std::string> recordProblem(std::string_view key,
                                                    const SettingValue& value);

  private:
    SettingsStore& store_;
};

} // namespace zelvane
