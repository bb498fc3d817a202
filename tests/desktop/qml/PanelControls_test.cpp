// The panel's controls as a mouse and a keyboard reach them: the result rows, the way back from
// every page, and the icons that follow the user's library and appearance.
#include "PanelFixture.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

using testing::waitFor;

class PanelControlsTest : public testing::PanelFixture {
  protected:
    /// The first shown item named `name`: pages left behind linger a moment, hidden.
    QQuickItem* shown(const char* name) const { return shownFrom(view_->contentItem(), name); }
    static QQuickItem* shownFrom(QQuickItem* from, const char* name) {
        if (!from->isVisible())
            return nullptr;
        if (from->objectName() == QLatin1String(name))
            return from;
        for (auto* child : from->childItems())
            if (auto* found = shownFrom(child, name))
                return found;
        return nullptr;
    }
};

// A click copies a row; a Ctrl-click, and Ctrl+Return on the selected row, convert from its unit.
TEST_F(PanelControlsTest, ARowCopiesOnAClickAndBecomesTheSourceWithCtrl) {
    model().setShowsOtherUnits(true);
    const std::pair<const char*, bool> ways[] = {
        {"click", false}, {"ctrl-click", true}, {"ctrl-return", true}, {"return", false}};
    for (const auto& [way, converts] : ways) {
        model().selectFromUnit("m");
        replaceInput("1");
        QGuiApplication::clipboard()->clear();
        const QString unit = flow().unitIds().at(1);
        const std::string_view how = way;
        if (how.ends_with("click")) {
            click(item("resultRow_1"), Qt::LeftButton,
                  how == "click" ? Qt::NoModifier : Qt::ControlModifier);
        } else {
            press(Qt::Key_Down);
            press(Qt::Key_Down);
            press(Qt::Key_Return, how == "return" ? Qt::NoModifier : Qt::ControlModifier);
        }
        EXPECT_EQ(model().fromUnitId() == unit, converts) << way;
        EXPECT_EQ(QGuiApplication::clipboard()->text().isEmpty(), converts) << way;
    }
}

// The top bar stays over every page, and each other page has a Back button; Esc still leaves it.
TEST_F(PanelControlsTest, EveryPageKeepsTheTopBarAndAWayBack) {
    for (auto page :
         {PanelController::categories, PanelController::settings, PanelController::formula}) {
        for (std::string_view way : {"click", "escape"}) {
            controller_->show(page);
            QQuickItem* back = nullptr;
            ASSERT_TRUE(waitFor([&] { return (back = shown("backButton")); })) << page;
            for (const char* name : {"categoryChip", "pinButton", "settingsButton"})
                EXPECT_TRUE(shown(name)) << page << " " << name;
            if (way == "click")
                click(back);
            else
                press(Qt::Key_Escape);
            EXPECT_EQ(this->page().toStdString(), "converter") << page << " " << way;
        }
    }
}

// A custom category's glyph shows on the chip, in the starred bar and on the categories page;
// flags beside units follow the dark appearance.
TEST_F(PanelControlsTest, IconsFollowTheLibrarysGlyphsAndTheAppearance) {
    ASSERT_TRUE(store_.set(
        keys::customLibrary,
        SettingData{R"({"version":1,"conversions":[{"id":"brew","name":"Brew","glyph":"🍺",)"
                    R"("units":[{"id":"cup","name":"Cup"}]}],"extras":[]})"}));
    app_.reload();
    auto preferences = app_.preferences();
    preferences.customCategoryIds = {"custom.brew"};
    app_.setPreferences(preferences);
    app_.toggleStar("custom.brew");
    const auto glyphOf = [&](const char* holder) {
        QQuickItem* found = nullptr;
        waitFor([&] { return (found = shown(holder)); });
        const auto* glyph = found ? find<QQuickItem>(found, QStringLiteral("glyph")) : nullptr;
        return glyph && glyph->isVisible() ? glyph->property("text").toString() : QString();
    };
    EXPECT_EQ(glyphOf("starredChip_custom.brew"), "🍺");
    model().switchCategory("custom.brew");
    EXPECT_EQ(glyphOf("categoryChip"), "🍺");
    controller_->show(PanelController::categories);
    item("categorySearch")->forceActiveFocus();
    type("Brew");
    EXPECT_EQ(glyphOf("categoryCell_custom.brew"), "🍺");

    controller_->show(PanelController::converter);
    model().switchCategory("length");
    replaceInput("1");
    ASSERT_TRUE(app_.setPreference("appearance", "dark"));
    ASSERT_TRUE(waitFor([&] { return controller_->dark(); }));
    for (const char* holder : {"resultRow_0", "inputField"}) {
        QQuickItem* place = nullptr;
        ASSERT_TRUE(waitFor([&] { return (place = shown(holder)); })) << holder;
        const auto* flag = find<QQuickItem>(place->parentItem(), QStringLiteral("banknote"));
        ASSERT_TRUE(flag) << holder;
        EXPECT_TRUE(flag->parentItem()->property("dark").toBool()) << holder;
    }
}

} // namespace
} // namespace zelvane
