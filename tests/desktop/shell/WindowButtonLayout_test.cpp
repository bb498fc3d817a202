// WindowButtonLayout and DesktopDecoration: the desktop's window buttons, from GNOME's and
// KDE's settings as they are written, and read from a desktop session.
#include <QProcessEnvironment>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "DesktopDecoration.h"
#include "TempDirectory.h"
#include "WindowButtonLayout.h"

namespace zelvane {
namespace {

using Layout = WindowButtonLayout;

TEST(WindowButtonLayout, ReadsGnomesButtonLayout) {
    const std::pair<const char*, std::optional<Layout>> cases[] = {
        {"'appmenu:minimize,maximize,close'", Layout{{}, {"minimize", "maximize", "close"}}},
        {"'close,minimize,maximize:'", Layout{{"close", "minimize", "maximize"}, {}}},
        {"close:appmenu\n", Layout{{"close"}, {}}},
        {"' menu : spacer , close '", Layout{{}, {"close"}}},
        {"minimize,close", Layout{{"minimize", "close"}, {}}}, // no colon: all on the left
        {"close:close,maximize", Layout{{"close"}, {"maximize"}}},
        {"'appmenu:'", std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& [value, layout] : cases)
        EXPECT_EQ(Layout::fromGnome(value), layout) << value;
}

TEST(WindowButtonLayout, ReadsKwinsButtonLetters) {
    const std::tuple<const char*, const char*, std::optional<Layout>> cases[] = {
        {"MS", "HIAX", Layout{{}, {"minimize", "maximize", "close"}}},
        {"XIA", "", Layout{{"close", "minimize", "maximize"}, {}}},
        {"X", "IAX", Layout{{"close"}, {"minimize", "maximize"}}},
        {"MSF", "BHL_N", std::nullopt},
    };
    for (const auto& [left, right, layout] : cases)
        EXPECT_EQ(Layout::fromKde(left, right), layout) << left << "|" << right;
}

class DesktopDecorationTest : public ::testing::Test {
  protected:
    QProcessEnvironment session(const QString& desktop) const {
        QProcessEnvironment environment;
        environment.insert("XDG_CURRENT_DESKTOP", desktop);
        environment.insert("XDG_CONFIG_HOME", QString::fromStdString(home_.path()));
        environment.insert("PATH", QString::fromStdString(home_.path() / "bin"));
        return environment;
    }
    // A gsettings that prints `output` for the key the panel asks for.
    void fakeGsettings(const std::string& output) const {
        const auto script = home_.write(
            "bin/gsettings", "#!/bin/sh\n[ \"$3\" = button-layout ] && echo \"" + output + "\"\n");
        std::filesystem::permissions(script, std::filesystem::perms::owner_all);
    }

    testing::TempDirectory home_;
};

TEST_F(DesktopDecorationTest, FollowsGnomesKdesOrNoDesktopsLayout) {
    fakeGsettings("'close,maximize:'");
    DesktopDecoration gnome(session("ubuntu:GNOME"));
    QSignalSpy changed(&gnome, &DesktopDecoration::layoutChanged);
    EXPECT_EQ(gnome.layout(), Layout::standard()) << "until gsettings answers";
    ASSERT_TRUE(changed.wait(DesktopDecoration::gsettingsMilliseconds));
    EXPECT_EQ(gnome.leftButtons(), QStringList({"close", "maximize"}));
    EXPECT_TRUE(gnome.rightButtons().isEmpty());

    home_.write("kwinrc", "[org.kde.kdecoration2]\nButtonsOnLeft=XA\nButtonsOnRight=IH\n");
    EXPECT_EQ(DesktopDecoration(session("KDE")).layout(),
              (Layout{{"close", "maximize"}, {"minimize"}}));
    EXPECT_EQ(DesktopDecoration(session("XFCE")).layout(), Layout::standard());
}

} // namespace
} // namespace zelvane
