// The desktop launchers' search: phrases read into matches and ids, and the D-Bus service that
// answers KRunner and GNOME Shell with them.
#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "KRunnerInterface.h"
#include "LauncherMatch.h"
#include "LauncherService.h"
#include "PanelController.h"
#include "PrivateBus.h"
#include "SettingsKeys.h"

#include <QClipboard>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCall>
#include <QFile>
#include <QGuiApplication>
#include <QQuickWindow>
#include <QRegularExpression>

#include <algorithm>
#include <functional>

#include <gtest/gtest.h>

using namespace zelvane;
using zelvane::testing::PrivateBus;

namespace {

// The launcher service of a panel over real state objects, on a private bus, called from
// a second connection as the desktop's launcher would.
class LauncherServiceTest : public zelvane::testing::DesktopFixture {
  protected:
    void SetUp() override {
        ASSERT_FALSE(bus_.address().isEmpty()) << "dbus-daemon did not start";
        const auto published = service_.publish(bus_.connect());
        ASSERT_TRUE(published) << qPrintable(published.error());
        QGuiApplication::clipboard()->setText("before");
    }

    QDBusMessage call(const QString& path, const QString& interface, const QString& method,
                      const QVariantList& arguments) {
        auto message =
            QDBusMessage::createMethodCall(LauncherService::serviceName, path, interface, method);
        message.setArguments(arguments);
        // The service answers on this thread, so the event loop must run while waiting.
        QDBusPendingCall pending = client_.asyncCall(message);
        EXPECT_TRUE(waitUntil([&] { return pending.isFinished(); }, 5000)) << qPrintable(method);
        const QDBusMessage reply = pending.reply();
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << qPrintable(reply.errorMessage());
        return reply;
    }
    QVariant krunner(const QString& method, const QVariantList& arguments) {
        return call("/krunner", "org.kde.krunner1", method, arguments).arguments().value(0);
    }
    QList<KRunnerMatch> krunnerMatch(const QString& query) {
        return qdbus_cast<QList<KRunnerMatch>>(krunner("Match", {query}));
    }
    QVariant gnome(const QString& method, const QVariantList& arguments) {
        return call("/SearchProvider", "org.gnome.Shell.SearchProvider2", method, arguments)
            .arguments()
            .value(0);
    }
    static QString clipboard() { return QGuiApplication::clipboard()->text(); }

    PrivateBus bus_;
    QDBusConnection client_ = bus_.connect();
    AppState app_{catalog(), store};
    DesktopSettings settings_{
        store, AutostartEntry(home.path() / "autostart" / "zelvane.desktop", "/usr/bin/zelvane")};
    QQuickWindow window_;
    PanelController controller_{app_, settings_, window_, QIcon()};
    LauncherService service_{app_, controller_};
};

// Copying itself (with or without the unit, recents) is the panel controller's test. A bare
// amount is no answer asked for: the panel's first rows help, below other runners'.
TEST_F(LauncherServiceTest, RunningAKRunnerMatchCopiesItAndABareAmountOffersHelpers) {
    const auto matches = krunnerMatch("5 km to mi");
    ASSERT_EQ(matches.size(), 1);
    EXPECT_EQ(matches[0].text, "3.107 mi");
    EXPECT_EQ(matches[0].type, KRunnerInterface::exactMatch);
    krunner("Run", {matches[0].id, QString()});
    EXPECT_EQ(clipboard(), "3.107 mi");

    const auto helpers = krunnerMatch("5 km");
    ASSERT_GT(helpers.size(), 1);
    EXPECT_LT(helpers[0].relevance, 1.0);
    EXPECT_EQ(std::ranges::adjacent_find(helpers, std::less_equal{}, &KRunnerMatch::relevance),
              helpers.end());
    for (const auto& helper : helpers)
        EXPECT_EQ(helper.type, KRunnerInterface::helperMatch);
}

TEST_F(LauncherServiceTest, ActivatingASearchResultCopiesItAndItsMetasDescribeIt) {
    const QStringList terms{"5", "km", "to", "mi"};
    const QStringList ids = gnome("GetInitialResultSet", {terms}).toStringList();
    ASSERT_EQ(ids.size(), 1);
    EXPECT_EQ(gnome("GetSubsearchResultSet", {QStringList{"old"}, terms}).toStringList(), ids);

    const auto metas =
        qdbus_cast<QList<QVariantMap>>(gnome("GetResultMetas", {QStringList{ids[0], "junk"}}));
    ASSERT_EQ(metas.size(), 1) << "an id that no longer converts has no meta";
    EXPECT_EQ(metas[0]["id"], ids[0]);
    EXPECT_EQ(metas[0]["name"], "3.107 mi");
    EXPECT_TRUE(metas[0]["description"].toString().startsWith("5 km → "));
    EXPECT_EQ(metas[0]["gicon"], "zelvane");

    gnome("ActivateResult", {ids[0], terms, 0u});
    EXPECT_EQ(clipboard(), "3.107 mi");
    EXPECT_EQ(settings_.recents(), (std::vector<Recent>{{"length", "km", "mi", "5"}}));
}

TEST_F(LauncherServiceTest, UnknownIdsCopyNothing) {
    krunner("Run", {"junk", QString()});
    gnome("ActivateResult", {R"(["length","km","nosuch","5"])", QStringList(), 0u});
    EXPECT_EQ(clipboard(), "before");
    EXPECT_TRUE(settings_.recents().empty());
    EXPECT_FALSE(settings_.lastCopied().has_value());
}

TEST_F(LauncherServiceTest, LaunchingTheSearchOpensItsConversionInThePanel) {
    gnome("LaunchSearch", {QStringList{"2", "ft", "to", "cm"}, 0u});
    EXPECT_TRUE(window_.isVisible());
    EXPECT_EQ(controller_.page(), PanelController::converter);
    const auto* model = app_.converter();
    EXPECT_EQ(QStringList({model->categoryId(), model->fromUnitId(), model->input()}),
              QStringList({"length", "ft", "2"}));
}

// A panel started without a bus takes the first live one it is offered: HostileInput and the
// launcher session test, with the real program.
TEST_F(LauncherServiceTest, PublishingTellsWhyWhenTheNameIsTakenOrThereIsNoBus) {
    LauncherService second{app_, controller_};
    const auto taken = second.publish(bus_.connect());
    ASSERT_FALSE(taken);
    EXPECT_TRUE(taken.error().contains(LauncherService::serviceName)) << qPrintable(taken.error());

    LauncherService third{app_, controller_};
    const auto offline = third.publish(QDBusConnection("not-connected"));
    ASSERT_FALSE(offline);
    EXPECT_TRUE(offline.error().contains("no session bus")) << qPrintable(offline.error());
}

// A conversion of the user's own: one Pint is half a Litre.
const std::string brewLibrary = R"json({"version": 1, "conversions": [{
    "id": "brew", "name": "Brew", "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Pint", "symbol": "pt", "rule": {"type": "ratio", "value": 0.5}}]}],
  "extras": []})json";

class LauncherMatchTest : public zelvane::testing::DesktopFixture {
  protected:
    std::vector<LauncherMatch> search(std::string_view query) {
        return LauncherMatch::search(query, "length", app_.context(), languages);
    }
    std::optional<LauncherMatch> fromId(std::string_view id) {
        return LauncherMatch::fromId(id, app_.context(), languages);
    }

    const std::vector<std::string> languages{"en"};
    AppState app_{catalog(), store};
};

} // namespace

// How phrases read is QuickInput's test.
TEST_F(LauncherMatchTest, APhraseWithATargetOffersThatOneConversion) {
    const LauncherMatch expected{"length", "km", "mi", {}, "5", "5 km", "3.107 mi", "Mile", true};
    EXPECT_EQ(search("5 km to mi"), std::vector{expected});
}

TEST_F(LauncherMatchTest, TheUsersOwnUnitsConvertToo) {
    ASSERT_TRUE(store.set(keys::customLibrary, SettingData{brewLibrary}));
    app_.reload();
    auto preferences = app_.preferences();
    preferences.customCategoryIds.push_back("custom.brew");
    app_.setPreferences(preferences);
    // "Pint" is also the German name of the built-in US pint: the user's own name comes first.
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
    ASSERT_TRUE(app_.setPreference("significantDigits", 6));
    EXPECT_EQ(fromId(target.id())->resultText, "3.10686 mi");
}

// One id of each way to fail: not a list of four texts (or of a fifth, the mixed units), a
// category, unit or target that is gone, a number that does not read or is no possible value.
TEST_F(LauncherMatchTest, MalformedOrStaleIdsBringBackNothing) {
    for (const char* id :
         {"not json", "[]", R"(["length","km","mi",5])", R"(["length","cm","ft","160",["ft"]])",
          R"(["nowhere","km","mi","5"])", R"(["length","nosuch","mi","5"])",
          R"(["length","km","nosuch","5"])", R"(["length","km","km","5"])",
          R"(["length","mi","km","0x10"])", R"(["length","mi","km","nan"])",
          R"(["temperature","c","f","-300"])", R"(["temperature","c","f","5",["f","k"]])"})
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
