// DesktopLanguage: the language and locale the panel speaks, read afresh from the stored
// preferences, and the names it shows for categories and languages.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/UnitCatalog.h"
#include "SettingsStore.h"

namespace zelvane {

/// The ICU id of the chosen language, else the platform's number locale.
std::string displayLocale(SettingsStore& store);
/// [languageCode, "en"] when a language is chosen, else the platform's preferred languages.
std::vector<std::string> languageList(SettingsStore& store);

/// A custom category's conversion name from the stored library ("" when there is none); for
/// any other id the category's name in the interface languages.
std::string categoryDisplayName(std::string_view categoryId, const ravodozu::UnitCatalog& catalog,
                                SettingsStore& store);

/// The language named in itself, capitalised as that language does ("Deutsch", "日本語"); the
/// code itself when there is no name for it.
std::string languageDisplayName(const std::string& languageCode);

} // namespace zelvane
