// DesktopSettings: reading stored values with their fallbacks, presets and size steps, recents, and
// the autostart entry.
#include <fstream>
#include <sstream>

#include <QSignalSpy>

#include <gtest/gtest.h>

#include "DesktopFixture.h"
#include "DesktopSettings.h"
#include "MessageLog.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

using HotKey = HotKeyChoice;
using Preset = DesktopSettings::Preset;

class DesktopSettingsTest : public testing::DesktopFixture {
  protected:
    std::filesystem::path entryPath() const {
        return home.path() / "autostart" / "zelvane.desktop";
    }
    DesktopSettings load() {
        return DesktopSettings(store, AutostartEntry(entryPath(), "/opt/my apps/zelvane"));
    }
    void set(std::string_view key, SettingValue value) { ASSERT_TRUE(store.set(key, value)); }
};

TEST_F(DesktopSettingsTest, StoredValuesAreClampedOrFallBackFieldByField) {
    EXPECT_EQ(load().panelSize(), (PanelSize{560, 420}));
    EXPECT_TRUE(store.keys().empty()) << "reading writes nothing";
    set(keys::panelWidth, 1000.0);
    set(keys::panelHeight, 100.0);
    set(keys::panelX, 12.5);
    set(keys::hotKey, std::string("commandU"));
    set(keys::showsInTaskbar, std::string("no"));
    set(keys::showsLastResult, true);
    set(keys::recents,
        SettingData{
            R"([{"categoryId":"a","fromUnitId":"b","toUnitId":"c","input":"1"},{"categoryId":"a"}])"});
    set(keys::lastCopied, std::string("1.5 km"));
    auto settings = load();
    EXPECT_EQ(settings.panelSize(), (PanelSize{760, 382}));
    EXPECT_FALSE(settings.panelTopLeft()) << "x without y";
    EXPECT_EQ(settings.hotKey(), HotKey::altSuperU);
    EXPECT_TRUE(settings.showsInTaskbar());
    EXPECT_TRUE(settings.showsLastResult());
    EXPECT_TRUE(settings.recents().empty()) << "one bad element loses the list";
    EXPECT_EQ(settings.lastCopied(), "1.5 km");

    set(keys::panelWidth, 0.0);
    set(keys::panelY, -40.0);
    set(keys::hotKey, std::string("none"));
    auto again = load();
    EXPECT_EQ(again.panelSize(), (PanelSize{560, 420}));
    EXPECT_EQ(again.panelTopLeft(), QPointF(12.5, -40));
    EXPECT_EQ(again.hotKey(), HotKey::none);
}

// An unchanged size is no change; the hot key is stored under its old name; a null removes.
TEST_F(DesktopSettingsTest, SettersStoreWhatTheyMean) {
    auto settings = load();
    QSignalSpy sized(&settings, &DesktopSettings::panelSizeChanged);
    settings.setPanelSizeF(QSizeF(600, 450));
    settings.setPanelSizeF(QSizeF(600, 450));
    EXPECT_EQ(sized.count(), 1);
    settings.setPanelTopLeftVariant(QPointF(3, 4));
    settings.setHotKey(HotKey::ctrlAltU);
    settings.setLastCopiedVariant(QString("3 ft"));
    auto reread = load();
    EXPECT_EQ(reread.panelSize(), (PanelSize{600, 450}));
    EXPECT_EQ(reread.panelTopLeftVariant(), QVariant(QPointF(3, 4)));
    EXPECT_EQ(store.text(keys::hotKey), "controlOptionU");
    EXPECT_EQ(reread.lastCopiedVariant(), QVariant(QString("3 ft")));

    settings.setPanelTopLeftVariant(QVariant());
    settings.setLastCopiedVariant(QVariant());
    for (auto key : {keys::panelX, keys::panelY, keys::lastCopied})
        EXPECT_FALSE(store.value(key)) << key;
}

TEST_F(DesktopSettingsTest, PresetsAndSizeSteps) {
    auto settings = load();
    EXPECT_EQ(settings.currentPreset(), QVariant::fromValue(Preset::medium));
    settings.setPanelSize({561, 420});
    EXPECT_FALSE(settings.currentPreset().isValid());

    using Case = std::tuple<PanelSize, int, PanelSize>;
    for (auto [from, direction, to] :
         {Case{{364, 382}, 1, {560, 420}}, Case{{560, 420}, 1, {760, 560}},
          Case{{760, 560}, 1, {760, 560}}, Case{{600, 450}, -1, {560, 420}},
          Case{{364, 382}, -1, {364, 382}}, Case{{560, 420}, 0, {364, 382}}}) {
        settings.setPanelSize(from);
        settings.setPanelTopLeft(QPointF(9, 9));
        settings.stepPanelSize(direction);
        EXPECT_EQ(settings.panelSize(), to) << from.width << " by " << direction;
        EXPECT_EQ(settings.panelTopLeft(), QPointF(9, 9));
    }
    EXPECT_EQ(load().panelSize(), (PanelSize{364, 382}));
}

TEST_F(DesktopSettingsTest, RecentsDedupeBySourceAndTargetAndKeepSix) {
    auto settings = load();
    settings.addRecent({"length", "m", "ft", "5"});
    settings.addRecent({"length", "ft", "m", "1"});
    settings.addRecent({"length", "m", "ft", "3"});
    EXPECT_EQ(settings.recents(),
              (std::vector<Recent>{{"length", "m", "ft", "3"}, {"length", "ft", "m", "1"}}));
    for (int i = 0; i < 7; ++i)
        settings.addRecent({"c" + std::to_string(i), "a", "b", "1"});
    ASSERT_EQ(settings.recents().size(), 6u);
    EXPECT_EQ(settings.recents().front().categoryId, "c6");
    EXPECT_EQ(settings.recents().back().categoryId, "c1");
    EXPECT_EQ(load().recents(), settings.recents());
}

// The settings page switches the entry on and off (SettingsPage_test.cpp); here its command line
// and the revisions the page follows.
TEST_F(DesktopSettingsTest, TheAutostartEntryQuotesTheProgramAndEveryAttemptIsARevision) {
    auto settings = load();
    QSignalSpy revisions(&settings, &DesktopSettings::loginRevisionChanged);
    settings.setOpenAtLogin(true);
    std::ifstream file(entryPath());
    std::stringstream text;
    text << file.rdbuf();
    EXPECT_NE(text.str().find("Exec=\"/opt/my apps/zelvane\" --background\n"), std::string::npos)
        << text.str();
    settings.setOpenAtLogin(false);
    settings.setOpenAtLogin(false);
    EXPECT_FALSE(settings.opensAtLogin());
    EXPECT_EQ(settings.loginRevision(), 3);
    EXPECT_EQ(revisions.count(), 3);
}

TEST_F(DesktopSettingsTest, AFailingAutostartChangeIsLoggedAndTheStatusFollowsTheFile) {
    // A file where the autostart folder belongs: no one can write the entry, not even root.
    home.write("autostart", "");
    auto settings = load();
    {
        testing::MessageLog log(
            [](QtMsgType, const QMessageLogContext&, const QString&) { return true; });
        settings.setOpenAtLogin(true);
        ASSERT_FALSE(log.messages().isEmpty());
        EXPECT_TRUE(log.messages().front().startsWith("Open at login: "));
    }
    EXPECT_FALSE(settings.opensAtLogin());
    EXPECT_EQ(settings.loginRevision(), 1);
}

} // namespace
} // namespace zelvane
