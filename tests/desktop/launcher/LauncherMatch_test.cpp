#include "AppState.h"
#include "DesktopFixture.h"
#include "LauncherMatch.h"
#include "SettingsKeys.h"
#include "ShownConversion.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

using namespace zelvane;

namespace {

// A conversion of the user's own: one Pint is half a Litre.
const std::string brewLibrary = R"json({"version": 1, "conversions": [{
    "id": "brew", "name": "Brew", "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Pint", "symbol": "pt", "rule": {"type": "ratio", "value": 0.5}}]}],
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

    // Read like the panel reads: grouping commas, Chinese connectives, other categories, "in",
    // compound amounts, mixed targets.
    EXPECT_EQ(search("1,250 m to km").at(0).resultText, "1.25 km");
    EXPECT_EQ(search("1,250 m to km").at(0).number, "1250");
    EXPECT_EQ(search("10 ℃ 转 ℉").at(0).resultText, "50 °F");
    EXPECT_EQ(search("5 ft 3 in in cm").at(0).resultText, "160 cm");
    EXPECT_EQ(search("160 cm to ft in").at(0).resultText, "5 ft 2.992 in");
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
    const auto matches = search("2 Pint to Litre");
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
    auto target = search("5 km to mi").at(0);
    EXPECT_TRUE(target.isExact);
    target.isExact = false; // how it ranked is the search's to know
    EXPECT_EQ(fromId(target.id()), target);
    auto mixed = search("160 cm to ft in").at(0);
    EXPECT_EQ(mixed.resultText, "5 ft 2.992 in");
    mixed.isExact = false;
    EXPECT_EQ(fromId(mixed.id()), mixed);

    // A change of preferences since the search shows in the result.
    ASSERT_TRUE(app().setPreference("significantDigits", 6));
    EXPECT_EQ(fromId(target.id())->resultText, "3.10686 mi");
}

TEST_F(LauncherMatchTest, MalformedOrStaleIdsBringBackNothing) {
    for (const char* id :
         {"", "not json", "{}", "[]", R"(["length","km","mi"])", R"(["length","km","mi",5])",
          R"(["length","km","mi","5","extra"])", R"(["nowhere","km","mi","5"])",
          R"(["length","nosuch","mi","5"])", R"(["length","km","nosuch","5"])",
          R"(["length","km","km","5"])", R"(["length","cm","ft","160",["ft"]])",
          R"(["temperature","c","f","5",["f","k"]])"})
        EXPECT_FALSE(fromId(id).has_value()) << id;
}

// KRunner asks the runner, and so starts it, only for queries its match expression admits:
// every way a phrase can begin, and nothing else.
TEST(KRunnerDescription, AdmitsEveryPhraseAndNothingElse) {
    QFile file(ZELVANE_SOURCE_DIR "/packaging/zelvane-krunner.desktop");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString description = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(description.contains("\nX-Plasma-Request-Actions-Once=true\n"));
    const QString key = "X-Plasma-Runner-Match-Regex=";
    const auto line = description.mid(description.indexOf(key) + key.size()).section('\n', 0, 0);
    const QRegularExpression expression(line); // as KRunner builds it
    ASSERT_TRUE(expression.isValid()) << expression.errorString().toStdString();
    for (const char* phrase : {"5 km", "5", " 5 k", "-5 ft", "+5 m", "−5 m", ".5 in", ",5 km",
                               "½ cup", "５ km", "٣ km", "1e3 m to km", "3/4 in"})
        EXPECT_TRUE(expression.match(QString::fromUtf8(phrase)).hasMatch()) << phrase;
    for (const char* query : {"firefox", "kate 5", "=2+2", "km", "-", "", "e5", "x 5"})
        EXPECT_FALSE(expression.match(QString::fromUtf8(query)).hasMatch()) << query;
}
