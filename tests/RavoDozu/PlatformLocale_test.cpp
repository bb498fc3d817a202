// PlatformLocale: languages, region and number locale read from a given locale environment.
#include <gtest/gtest.h>

#include "RavoDozu/PlatformLocale.h"

namespace ravodozu::PlatformLocale {
namespace {

Environment lang(std::string value) {
    return {.lang = std::move(value)};
}

TEST(Lookup, LanguagesAndRegion) {
    const struct {
        Environment environment;
        std::vector<std::string> languages;
        std::optional<std::string> region;
    } cases[] = {
        {{}, {}, std::nullopt},
        {lang("ca_ES.UTF-8@valencia"), {"ca-ES"}, "ES"}, // modifier dropped
        {{.language = "fr_CA:fr:C", .lang = "en_US"}, {"fr-CA", "fr"}, "US"},
        {{.lcAll = "ko_KR", .lcMessages = "de_DE", .lcMeasurement = "fr_FR"}, {"ko-KR"}, "KR"},
        {{.lcAll = "C", .lang = "de_DE.UTF-8"}, {}, std::nullopt}, // LC_ALL=C hides LANG
        {{.lcMessages = "it_IT", .lang = "en_US"}, {"it-IT"}, "US"},
        {{.lang = "en_US.UTF-8", .lcMeasurement = "de_DE.UTF-8"}, {"en-US"}, "DE"}};
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        EXPECT_EQ(preferredLanguages(cases[i].environment), cases[i].languages) << "case " << i;
        EXPECT_EQ(regionCode(cases[i].environment), cases[i].region) << "case " << i;
    }
}

TEST(NumberLocale, FromLcNumericWithCAsPosix) {
    EXPECT_EQ(numberLocale({.lcMessages = "en_US", .lcNumeric = "de_DE.UTF-8", .lang = "fr_FR"}),
              "de_DE");
    EXPECT_EQ(numberLocale({.lcAll = "pt_BR", .lcNumeric = "de_DE"}), "pt_BR");
    EXPECT_EQ(numberLocale(lang("C.UTF-8")), "en_US_POSIX");
    EXPECT_EQ(numberLocale({}), "en_US_POSIX");
}

} // namespace
} // namespace ravodozu::PlatformLocale
