// Names in the user's languages: resolving localized texts, normalising codes, and the
// languages, region and number locale the locale environment names.
#include "RavoDozu/LocalizedText.h"
#include "RavoDozu/PlatformLocale.h"

#include <gtest/gtest.h>

using namespace ravodozu;
using namespace ravodozu::PlatformLocale;

namespace {

LocalizedText text(std::initializer_list<std::pair<const std::string, std::string>> values) {
    return LocalizedText{{values}};
}

// By the list, each language first as written, then in its normalised form; then English.
TEST(LocalizedText, FallsBackWithinALanguageBeforeTheNextOne) {
    // Keyed as the shipped data is: one form per interface language.
    const auto shipped = text(
        {{"en", "Length"}, {"zh-Hans", "长度"}, {"zh-Hant", "長度"}, {"pt-BR", "Comprimento"}});
    const auto simplifiedOnly = text({{"en", "Length"}, {"zh-Hans", "长度"}});
    const auto german = text({{"de", "Länge"}});
    const auto portuguese = text({{"pt", "Comprimento"}, {"pt-BR", "Comprimento (BR)"}});
    const std::tuple<std::vector<std::string>, LocalizedText, const char*> cases[] = {
        {{"pt-BR"}, shipped, "Comprimento"},
        {{"pt-PT", "en"}, shipped, "Comprimento"},
        {{"pt_BR"}, shipped, "Comprimento"},
        {{"zh-HK"}, shipped, "長度"},
        {{"zh-Hant", "en"}, simplifiedOnly, "长度"},
        {{"ko", "pt"}, shipped, "Comprimento"},
        {{"ko", "ja"}, shipped, "Length"},
        {{"ja", "fr"}, german, "Länge"},
        {{"en"}, text({}), ""},
        // The exact code wins over an earlier language's normalised form only in list order.
        {{"pt-BR"}, portuguese, "Comprimento (BR)"}};
    for (const auto& [languages, names, expected] : cases)
        EXPECT_EQ(names.resolve(languages), expected) << languages.front();
}

TEST(LocalizedText, NormalisesLanguageCodes) {
    const std::pair<const char*, const char*> cases[] = {
        {"en-GB", "en"},      {"zh", "zh-Hans"},      {"zh-Hans-SG", "zh-Hans"},
        {"zh-TW", "zh-Hant"}, {"zh-hant", "zh-Hans"}, {"--", "--"},
        {"-de-", "de"}};
    for (auto [code, expected] : cases)
        EXPECT_EQ(normalizedLanguage(code), expected) << code;
}

Environment lang(std::string value) {
    return {.lang = std::move(value)};
}

TEST(PlatformLocale, LanguagesAndRegion) {
    const std::tuple<Environment, std::vector<std::string>, std::optional<std::string>> cases[] = {
        {{}, {}, std::nullopt},
        {lang("ca_ES.UTF-8@valencia"), {"ca-ES"}, "ES"}, // modifier dropped
        {{.language = "fr_CA:fr:C", .lang = "en_US"}, {"fr-CA", "fr"}, "US"},
        {{.lcAll = "ko_KR", .lcMessages = "de_DE", .lcMeasurement = "fr_FR"}, {"ko-KR"}, "KR"},
        {{.lcAll = "C", .lang = "de_DE.UTF-8"}, {}, std::nullopt}, // LC_ALL=C hides LANG
        {{.lcMessages = "it_IT", .lang = "en_US"}, {"it-IT"}, "US"},
        {{.lang = "en_US.UTF-8", .lcMeasurement = "de_DE.UTF-8"}, {"en-US"}, "DE"}};
    for (const auto& [environment, languages, region] : cases) {
        EXPECT_EQ(preferredLanguages(environment), languages)
            << environment.lcAll << " " << environment.lang;
        EXPECT_EQ(regionCode(environment), region) << environment.lcAll << " " << environment.lang;
    }
}

TEST(PlatformLocale, NumberLocaleFromLcNumericWithCAsPosix) {
    EXPECT_EQ(numberLocale({.lcMessages = "en_US", .lcNumeric = "de_DE.UTF-8", .lang = "fr_FR"}),
              "de_DE");
    EXPECT_EQ(numberLocale({.lcAll = "pt_BR", .lcNumeric = "de_DE"}), "pt_BR");
    EXPECT_EQ(numberLocale(lang("C.UTF-8")), "en_US_POSIX");
    EXPECT_EQ(numberLocale({}), "en_US_POSIX");
}

} // namespace
