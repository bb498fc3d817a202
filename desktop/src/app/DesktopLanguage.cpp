#include "DesktopLanguage.h"

#include <unicode/locid.h>
#include <unicode/unistr.h>

namespace zelvane {

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
