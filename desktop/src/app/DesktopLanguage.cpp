#include "DesktopLanguage.h"

#include <memory>

#include <unicode/locid.h>
#include <unicode/unistr.h>

#include "CategoryNames.h"
#include "DisplayLanguage.h"
#include "LibraryCache.h"
#include "UserState.h"

namespace zelvane {

std::string displayLocale(SettingsStore& store) {
    return zelvane::displayLocale(UserState(store).preferences());
}

std::vector<std::string> languageList(SettingsStore& store) {
    return zelvane::languageList(UserState(store).preferences());
}

std::string categoryDisplayName(std::string_view categoryId, const ravodozu::UnitCatalog& catalog,
                                SettingsStore& store) {
    UserState state(store);
    auto preferences = std::make_shared<const ravodozu::UserPreferences>(state.preferences());
    auto library = LibraryCache::shared().library(state.customLibraryData());
    // The names need no units: a non-owning view of the catalog is enough for the context.
    std::shared_ptr<const ravodozu::UnitCatalog> catalogView(std::shared_ptr<void>(), &catalog);
    ravodozu::ConversionContext context(catalogView, preferences, nullptr, library);
    return zelvane::categoryDisplayName(categoryId, context, zelvane::languageList(*preferences));
}

std::string languageDisplayName(const std::string& languageCode) {
    UErrorCode status = U_ZERO_ERROR;
    auto locale = icu::Locale::forLanguageTag(languageCode, status);
    if (U_FAILURE(status) || languageCode.empty())
        return languageCode;
    icu::UnicodeString name;
    locale.getDisplayName(locale, name);
    if (name.isEmpty())
        return languageCode;
    icu::UnicodeString first(name, 0, name.moveIndex32(0, 1));
    first.toUpper(locale);
    name.replace(0, name.moveIndex32(0, 1), first);
    std::string text;
    name.toUTF8String(text);
    return text;
}

} // namespace zelvane
