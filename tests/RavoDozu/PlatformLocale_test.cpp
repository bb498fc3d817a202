// PlatformLocale: languages, region and number locale read from a given locale environment.
#include <gtest/gtest.h>

#include "RavoDozu/PlatformLocale.h"

namespace ravodozu::PlatformLocale {
namespace {

struct Case {
    const char* name;
    Environment environment;
    std::vector<std::string> languages;
    std::optional<std::string> region;
};

Environment lang(std::string value) {
    return {.lang = std::move(value)};
}

class Lookup : public testing::TestWithParam<Case> {};

TEST_P(Lookup, LanguagesAndRegion) {
    EXPECT_EQ(preferredLanguages(GetParam().environment), GetParam().languages);
    EXPECT_EQ(regionCode(GetParam().environment), GetParam().region);
}

INSTANTIATE_TEST_SUITE_P(
    Environments, Lookup,
    testing::Values(
        Case{"GermanyWithoutEncoding", lang("de_DE"), {"de-DE"}, "DE"},
        Case{"NothingSet", {}, {}, std::nullopt},
        Case{"ModifierDropped", lang("ca_ES.UTF-8@valencia"), {"ca-ES"}, "ES"},
        Case{"LanguageListFirst",
             {.language = "fr_CA:fr:C", .lang = "en_US"},
             {"fr-CA", "fr"},
             "US"},
        Case{"LcAllWins",
             {.lcAll = "ko_KR", .lcMessages = "de_DE", .lcMeasurement = "fr_FR"},
             {"ko-KR"},
             "KR"},
        Case{"LcAllCHidesLang", {.lcAll = "C", .lang = "de_DE.UTF-8"}, {}, std::nullopt},
        Case{"MessagesGiveLanguageOnly", {.lcMessages = "it_IT", .lang = "en_US"}, {"it-IT"}, "US"},
        Case{"MeasurementGivesRegion",
             {.lang = "en_US.UTF-8", .lcMeasurement = "de_DE.UTF-8"},
             {"en-US"},
             "DE"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NumberLocale, FromLcNumericWithCAsPosix) {
    EXPECT_EQ(numberLocale({.lcMessages = "en_US", .lcNumeric = "de_DE.UTF-8", .lang = "fr_FR"}),
              "de_DE");
    EXPECT_EQ(numberLocale({.lcAll = "pt_BR", .lcNumeric = "de_DE"}), "pt_BR");
    EXPECT_EQ(numberLocale(lang("C.UTF-8")), "en_US_POSIX");
    EXPECT_EQ(numberLocale({}), "en_US_POSIX");
}

} // namespace
} // namespace ravodozu::PlatformLocale
