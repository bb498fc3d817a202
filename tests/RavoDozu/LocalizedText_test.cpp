#include "RavoDozu/LocalizedText.h"

#include <gtest/gtest.h>

using namespace ravodozu;

namespace {

LocalizedText text(std::initializer_list<std::pair<const std::string, std::string>> values) {
    return LocalizedText{{values}};
}

TEST(LocalizedText, ResolvesByListThenNormalisedFormThenEnglish) {
    EXPECT_EQ(text({{"en", "Length"}, {"zh-Hant", "長度"}}).resolve({"zh-TW"}), "長度");
    EXPECT_EQ(text({{"fr", "Longueur"}, {"en", "Length"}}).resolve({"fr-CA"}), "Longueur");
    EXPECT_EQ(text({{"en", "Length"}, {"de", "Länge"}}).resolve({"ja"}), "Length");
    EXPECT_EQ(text({{"de", "Länge"}}).resolve({"ja", "fr"}), "Länge");
    EXPECT_EQ(text({}).resolve({"en"}), "");
    // The exact code wins over an earlier language's normalised form only in list order.
    EXPECT_EQ(text({{"pt", "Comprimento"}, {"pt-BR", "Comprimento (BR)"}}).resolve({"pt-BR"}),
              "Comprimento (BR)");
}

TEST(LocalizedText, FallsBackWithinALanguageBeforeTheNextOne) {
    // Keyed as the shipped data is: one form per interface language.
    const auto shipped = text({{"en", "Length"},
                               {"zh-Hans", "长度"},
                               {"zh-Hant", "長度"},
                               {"pt-BR", "Comprimento"},
                               {"ms", "Panjang (ms)"},
                               {"id", "Panjang (id)"}});
    const auto simplifiedOnly = text({{"en", "Length"}, {"zh-Hans", "长度"}});
    const struct {
        std::vector<std::string> languages;
        const LocalizedText& names;
        const char* expected;
    } cases[] = {{{"pt-BR"}, shipped, "Comprimento"},
                 {{"pt"}, shipped, "Comprimento"},
                 {{"pt-PT", "en"}, shipped, "Comprimento"},
                 {{"pt_BR"}, shipped, "Comprimento"},
                 {{"zh-Hant-TW"}, shipped, "長度"},
                 {{"zh-HK"}, shipped, "長度"},
                 {{"zh-SG"}, shipped, "长度"},
                 {{"ms-MY"}, shipped, "Panjang (ms)"},
                 {{"id-ID"}, shipped, "Panjang (id)"},
                 {{"zh-Hant", "en"}, simplifiedOnly, "长度"},
                 {{"ko", "pt"}, shipped, "Comprimento"},
                 {{"ko", "en"}, shipped, "Length"}};
    for (const auto& c : cases)
        EXPECT_EQ(c.names.resolve(c.languages), c.expected) << c.languages.front();
}

TEST(LocalizedText, NormalisesLanguageCodes) {
    const std::pair<const char*, const char*> cases[] = {{"en-GB", "en"},
                                                         {"zh", "zh-Hans"},
                                                         {"zh-Hans-SG", "zh-Hans"},
                                                         {"zh-TW", "zh-Hant"},
                                                         {"zh-Hant-MO", "zh-Hant"},
                                                         {"zh-hant", "zh-Hans"},
                                                         {"--", "--"},
                                                         {"-de-", "de"}};
    for (auto [code, expected] : cases)
        EXPECT_EQ(normalizedLanguage(code), expected) << code;
}

} // namespace
