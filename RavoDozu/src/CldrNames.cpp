#include "CldrNames.h"

#include <unicode/measunit.h>
#include <unicode/numberformatter.h>
#include <unicode/ucurr.h>

namespace ravodozu::detail {

namespace {
icu::Locale localeFor(std::string_view language) {
    UErrorCode status = U_ZERO_ERROR;
    return icu::Locale::forLanguageTag(icu::StringPiece(language.data(), language.size()), status);
}

std::string utf8(const icu::UnicodeString& text) {
    std::string bytes;
    return text.toUTF8String(bytes);
}

// The unit's text in "1 <unit>" when it is one piece; none when ICU splits or lacks it.
std::optional<std::string> unitPiece(const icu::MeasureUnit& unit, const icu::Locale& locale) {
    UErrorCode status = U_ZERO_ERROR;
    auto formatted = icu::number::NumberFormatter::withLocale(locale)
                         .unit(unit)
                         .unitWidth(UNUM_UNIT_WIDTH_FULL_NAME)
                         .formatInt(1, status);
    auto text = formatted.toString(status);
    icu::ConstrainedFieldPosition position;
    position.constrainField(UFIELD_CATEGORY_NUMBER, UNUM_MEASURE_UNIT_FIELD);
    if (!formatted.nextPosition(position, status) || U_FAILURE(status))
        return std::nullopt;
    auto piece = text.tempSubStringBetween(position.getStart(), position.getLimit());
    if (formatted.nextPosition(position, status))
        return std::nullopt;
    return utf8(piece);
}
} // namespace

std::optional<std::string> cldrCurrencyName(std::string_view code, std::string_view language) {
    if (code.size() != 3)
        return std::nullopt;
    UChar isoCode[4] = {UChar(code[0]), UChar(code[1]), UChar(code[2]), 0};
    UErrorCode status = U_ZERO_ERROR;
    UBool isChoiceFormat = false;
    int32_t length = 0;
    auto locale = localeFor(language);
    const UChar* name = ucurr_getName(isoCode, locale.getName(), UCURR_LONG_NAME, &isChoiceFormat,
                                      &length, &status);
    // Without a name of its own ICU answers with the code, or with the root locale's text.
    if (U_FAILURE(status) || status == U_USING_DEFAULT_WARNING || name == nullptr)
        return std::nullopt;
    auto text = utf8(icu::UnicodeString(name, length));
    return text == code ? std::nullopt : std::optional(text);
}

std::optional<std::string> cldrUnitName(std::string_view identifier, std::string_view language) {
    UErrorCode status = U_ZERO_ERROR;
    auto unit = icu::MeasureUnit::forIdentifier(
        icu::StringPiece(identifier.data(), identifier.size()), status);
    if (U_FAILURE(status))
        return std::nullopt;
    auto name = unitPiece(unit, localeFor(language));
    // A language without the unit falls back to the root locale, which has no real names.
    if (!name || name == unitPiece(unit, icu::Locale::getRoot()))
        return std::nullopt;
    return name;
}

} // namespace ravodozu::detail
