#include "DisplayLanguage.h"

namespace zelvane {

using ravodozu::UserPreferences;

std::string displayLocale(const UserPreferences& preferences, const Environment& environment) {
    if (preferences.languageCode)
        return *preferences.languageCode;
    return ravodozu::PlatformLocale::numberLocale(environment);
}

std::vector<std::string> languageList(const UserPreferences& preferences,
                                      const Environment& environment) {
    if (preferences.languageCode)
        return {*preferences.languageCode, "en"};
    return ravodozu::PlatformLocale::preferredLanguages(environment);
}

std::string displayLanguage(const UserPreferences& preferences, const Environment& environment) {
    if (preferences.languageCode)
        return *preferences.languageCode;
    auto preferred = ravodozu::PlatformLocale::preferredLanguages(environment);
    return preferred.empty() ? "en" : preferred.front();
}

bool isChinese(std::string_view language) {
    return language.starts_with("zh");
}

bool isTraditionalChinese(std::string_view language) {
    return language.find("Hant") != std::string_view::npos ||
           language.find("TW") != std::string_view::npos ||
           language.find("HK") != std::string_view::npos;
}

} // namespace zelvane
