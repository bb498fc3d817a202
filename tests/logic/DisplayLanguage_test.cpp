// The desktop module's language and number locale, from preferences and the environment.
#include "DisplayLanguage.h"

#include <gtest/gtest.h>

namespace zelvane {
namespace {

using ravodozu::UserPreferences;

UserPreferences withLanguage(std::optional<std::string> code) {
    UserPreferences preferences;
    preferences.languageCode = std::move(code);
    return preferences;
}

TEST(DisplayLanguage, ChosenLanguageWinsElseTheEnvironmentDecides) {
    Environment french{"fr:it", "", "", "fr_FR.UTF-8", "fr_FR.UTF-8"};
    auto german = withLanguage("de");
    EXPECT_EQ(languageList(german, french), (std::vector<std::string>{"de", "en"}));
    EXPECT_EQ(displayLocale(german, french), "de");

    // Without a choice the environment decides.
    auto none = withLanguage(std::nullopt);
    Environment swiss{"fr:it", "", "", "de_CH.UTF-8", "fr_FR.UTF-8"};
    EXPECT_EQ(languageList(none, swiss), (std::vector<std::string>{"fr", "it"}));
    EXPECT_EQ(displayLanguage(none, swiss), "fr");
    EXPECT_EQ(displayLocale(none, swiss), "de_CH"); // LC_NUMERIC before LANG

    Environment bare{"", "", "", "", ""};
    EXPECT_TRUE(languageList(none, bare).empty());
    EXPECT_EQ(displayLanguage(none, bare), "en");
    EXPECT_EQ(displayLocale(none, bare), "en_US_POSIX");
}

} // namespace
} // namespace zelvane
