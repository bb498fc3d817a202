#include "AppState.h"
#include "DesktopFixture.h"
#include "LauncherMatch.h"
#include "SettingsKeys.h"
#include "ShownConversion.h"

#include <gtest/gtest.h>

using namespace zelvane;

namespace {

// A conversion of the user's own: one Schooner is half a Litre.
const std::string brewLibrary = R"json({"version": 1, "conversions": [{
    "id": "brew", "name": "Brew", "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Schooner", "symbol": "sch", "rule": {"type": "ratio", "value": 0.5}}]}],
  "extras": []})json";

class LauncherMatchTest : public zelvane::testing::DesktopFixture {
  protected:
    std::vector<LauncherMatch> search(std::string_view query) {
        return LauncherMatch::search(query, "length", app().context(), languages);
    }
    std::optional<LauncherMatch> fromId(std::string_view id) {
        return LauncherMatch::fromId(id, app().context(), languages);
    }
    AppState& app() {
        if (!app_)
            app_ = std::make_unique<AppState>(catalog(), store);
        return *app_;
    }

    const std::vector<std::string> languages{"en"};
    std::unique_ptr<AppState> app_;
};

} // namespace

TEST_F(LauncherMatchTest, APhraseWithATargetOffersThatOneConversion) {
    const auto matches = search("5 km to mi");
    ASSERT_EQ(matches.size(), 1u);
    const LauncherMatch& match = matches[0];
    EXPECT_EQ(match.categoryId, "length");
    EXPECT_EQ(match.fromUnitId, "km");
    EXPECT_EQ(match.toUnitId, "mi");
    EXPECT_EQ(match.number, "5");
    EXPECT_EQ(match.sourceText, "5 km");
    EXPECT_EQ(match.resultText, "3.107 mi");
    EXPECT_EQ(match.summary(), "5 km → " + match.unitName);

    // Read like the panel reads: grouping commas, Chinese connectives, other categories.
    EXPECT_EQ(search("1,250 m to km").at(0).resultText, "1.25 km");
    EXPECT_EQ(search("1,250 m to km").at(0).number, "1250");
    EXPECT_EQ(search("10 ℃ 转 ℉").at(0).resultText, "50 °F");
}

TEST_F(LauncherMatchTest, APhraseWithoutATargetOffersThePanelsFirstRows) {
    const auto matches = search("5 km");
    const auto shown = ShownConversion::build("length", "km", "5", std::nullopt, app().context());
    ASSERT_EQ(matches.size(), std::min(shown.rowCount(), LauncherMatch::maxOffered));
    for (std::size_t index = 0; index < matches.size(); ++index) {
        EXPECT_EQ(matches[index].toUnitId, shown.row(index).unit->id);
        EXPECT_EQ(matches[index].resultText,
                  shown.row(index).text + " " + shown.row(index).unit->symbol);
    }
}

TEST_F(LauncherMatchTest, TheUsersOwnUnitsConvertToo) {
    ASSERT_TRUE(store.set(keys::customLibrary, SettingData{brewLibrary}));
    auto preferences = app().preferences();
    preferences.customCategoryIds.push_back("custom.brew");
    app().setPreferences(preferences);
    // A name no built-in unit has in any language: "Pint" now names the built-in pint too.
    const auto matches = search("2 Schooner to Litre");
    ASSERT_EQ(matches.size(), 1u);
    EXPECT_EQ(matches[0].categoryId, "custom.brew");
    EXPECT_EQ(matches[0].resultText, "1 L");
}

TEST_F(LauncherMatchTest, TextThatIsNoConversionOffersNothing) {
    for (const char* query :
         {"", " ", "hello", "5", "-3.5", "km", "to mi", "5 nosuchunit", "firefox", "\xff\xfe"})
        EXPECT_TRUE(search(query).empty()) << query;
}

TEST_F(LauncherMatchTest, AnIdBringsBackItsMatchConvertedAfresh) {
    for (const auto& match : search("5 km"))
        EXPECT_EQ(fromId(match.id()), match) << match.id();
    const auto target = search("5 km to mi").at(0);
    EXPECT_EQ(fromId(target.id()), target);

    // A change of preferences since the search shows in the result.
    ASSERT_TRUE(app().setPreference("significantDigits", 6));
    EXPECT_EQ(fromId(target.id())->resultText, "3.10686 mi");
}

TEST_F(LauncherMatchTest, MalformedOrStaleIdsBringBackNothing) {
    for (const char* id :
         {"", "not json", "{}", "[]", R"(["length","km","mi"])", R"(["length","km","mi",5])",
          R"(["length","km","mi","5","extra"])", R"(["nowhere","km","mi","5"])",
          R"(["length","nosuch","mi","5"])", R"(["length","km","nosuch","5"])",
          R"(["length","km","km","5"])", R"(["length","mi","km","0x10"])",
          R"(["length","mi","km","2x^2"])", R"(["length","mi","km","nan"])",
          R"(["temperature","c","f","-300"])", R"(["temperature","k","c","-1"])"})
        EXPECT_FALSE(fromId(id).has_value()) << id;
}
