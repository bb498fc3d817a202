// PlatformLocale: languages, region and number locale read from a given locale environment.
#include <gtest/gtest.h>

#include "RavoDozu/PlatformLocale.h"

namespace ravodozu::PlatformLocale {
namespace {

using Languages = std::vector<std::string>;

struct Case {
    const char* name;
    Environment environment;
    Languages languages;
    std::optional<std::string> region;
};

Environment lang(std::string value) {
    Environment environment;
    environment.lang = std::move(value);
    return environment;
}

const Case cases[] = {
    {"UnitedStatesWithEncoding", lang("en_US.UTF-8"), {"en-US"}, "US"},
    {"GermanyWithoutEncoding", lang("de_DE"), {"de-DE"}, "DE"},
    {"Taiwan", lang("zh_TW.UTF-8"), {"zh-TW"}, "TW"},
    {"HongKong", lang("zh_HK.UTF-8"), {"zh-HK"}, "HK"},
    {"MainlandChina", lang("zh_CN.GB18030"), {"zh-CN"}, "CN"},
    {"Japan", lang("ja_JP.eucJP"), {"ja-JP"}, "JP"},
    {"Brazil", lang("pt_BR.UTF-8"), {"pt-BR"}, "BR"},
    {"FrenchCanada", lang("fr_CA.UTF-8"), {"fr-CA"}, "CA"},
    {"CLocale", lang("C"), {}, std::nullopt},
    {"CUtf8Locale", lang("C.UTF-8"), {}, std::nullopt},
    {"Posix", lang("POSIX"), {}, std::nullopt},
    {"NothingSet", {}, {}, std::nullopt},
    {"LanguageWithoutRegion", lang("de"), {"de"}, std::nullopt},
    {"ModifierDropped", lang("ca_ES.UTF-8@valencia"), {"ca-ES"}, "ES"},
    {"ScriptKept", lang("sr_Latn_RS.UTF-8"), {"sr-Latn-RS"}, "RS"},
    {"LanguageListFirst",
     {.language = "fr_CA:fr:en", .lang = "en_US.UTF-8"},
     {"fr-CA", "fr", "en"},
     "US"},
    {"LanguageListSkipsCEntries", {.language = "C:de_AT", .lang = "en_GB.UTF-8"}, {"de-AT"}, "GB"},
    {"EmptyLanguageListFallsBack", {.language = ":", .lang = "ja_JP.UTF-8"}, {"ja-JP"}, "JP"},
    {"LcAllOverridesEverything",
     {.lcAll = "ko_KR.UTF-8", .lcMessages = "de_DE", .lang = "en_US", .lcMeasurement = "fr_FR"},
     {"ko-KR"},
     "KR"},
    {"LcAllCMeansNoRegionEvenWithLang", {.lcAll = "C", .lang = "de_DE.UTF-8"}, {}, std::nullopt},
    {"MessagesGiveLanguageOnly", {.lcMessages = "it_IT", .lang = "en_US"}, {"it-IT"}, "US"},
    {"MeasurementGivesRegion",
     {.lang = "en_US.UTF-8", .lcMeasurement = "de_DE.UTF-8"},
     {"en-US"},
     "DE"},
};

class Lookup : public testing::TestWithParam<Case> {};

TEST_P(Lookup, PreferredLanguages) {
    EXPECT_EQ(preferredLanguages(GetParam().environment), GetParam().languages);
}

TEST_P(Lookup, RegionCode) {
    EXPECT_EQ(regionCode(GetParam().environment), GetParam().region);
}

INSTANTIATE_TEST_SUITE_P(Environments, Lookup, testing::ValuesIn(cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NumberLocale, FollowsLcNumericNotMessages) {
    EXPECT_EQ(numberLocale({.lcMessages = "en_US", .lcNumeric = "de_DE.UTF-8", .lang = "fr_FR"}),
              "de_DE");
    EXPECT_EQ(numberLocale({.lcAll = "pt_BR", .lcNumeric = "de_DE"}), "pt_BR");
    EXPECT_EQ(numberLocale(lang("fr_FR.UTF-8")), "fr_FR");
    EXPECT_EQ(numberLocale(lang("sr_Latn_RS")), "sr_Latn_RS");
}

TEST(NumberLocale, CAndNothingSetAreThePosixLocale) {
    EXPECT_EQ(numberLocale(lang("C.UTF-8")), "en_US_POSIX");
    EXPECT_EQ(numberLocale({}), "en_US_POSIX");
}

} // namespace
} // namespace ravodozu::PlatformLocale
