// DisplayLanguage: which language and number locale the desktop module speaks, from the
// preferences and, when the user chose none, the platform's locale settings.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/PlatformLocale.h"
#include "RavoDozu/UserPreferences.h"

namespace zelvane {

using ravodozu::PlatformLocale::Environment;

/// The languages the interface is translated into, in the order the settings list them.
inline constexpr std::array<std::string_view, 13> interfaceLanguages{
    "zh-Hans", "zh-Hant", "en", "es", "de", "fr", "ja", "ko", "pt-BR", "it", "th", "ms", "id"};

/// The locale numbers are shown and read in, as an ICU id: the chosen `languageCode` when set,
/// else the platform's number locale (LC_ALL, LC_NUMERIC, LANG).
std::string displayLocale(const ravodozu::UserPreferences& preferences,
                          const Environment& environment = Environment::current());

/// The languages localized texts are picked by: [languageCode, "en"] when a language is chosen,
/// else the platform's preferred languages.
std::vector<std::string> languageList(const ravodozu::UserPreferences& preferences,
                                      const Environment& environment = Environment::current());

/// The one language the interface is shown in: `languageCode`, else the first preferred
/// language, else "en".
std::string displayLanguage(const ravodozu::UserPreferences& preferences,
                            const Environment& environment = Environment::current());

/// Chinese display languages get magnitude words (万, 亿) beside large values.
bool isChinese(std::string_view language);
/// Traditional script: the code names "Hant", "TW" or "HK".
bool isTraditionalChinese(std::string_view language);

} // namespace zelvane
