// The panel's controls as a mouse, a keyboard and a screen reader reach them: the result rows,
// the way back from every page, Tab and its focus marks, the accessible actions of buttons and
// pop-up entries, and the icons that follow the user's library and appearance.
#include <QAccessible>
#include <QImage>

#include <functional>

#include "PanelFixture.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

using testing::waitFor;

class PanelControlsTest : public testing::PanelFixture {
  protected:
    // As with a screen reader running: the controls fill in their accessible properties.
    PanelControlsTest() { QAccessible::setActive(true); }
    ~PanelControlsTest() override { QAccessible::setActive(false); }

    /// The first shown object of the window's accessibility tree named `name`, of `role` unless
    /// that is NoRole. (Qt 6.4 gives controls back their own roles once accessibility is active,
    /// so controls are found by name alone.)
    QAccessibleInterface* accessible(const QString& name,
                                     QAccessible::Role role = QAccessible::NoRole) const {
        return findAccessible(QAccessible::queryAccessibleInterface(view_.get()), name, role);
    }
    static QAccessibleInterface* findAccessible(QAccessibleInterface* from, const QString& name,
                                                QAccessible::Role role) {
        if (!from || from->state().invisible)
            return nullptr;
        if ((role == QAccessible::NoRole || from->role() == role) &&
            (name.isEmpty() || from->text(QAccessible::Name) == name))
            return from;
        for (int index = 0; index < from->childCount(); ++index)
            if (auto* found = findAccessible(from->child(index), name, role))
                return found;
        return nullptr;
    }
    /// Does what a screen reader's `action` does; whether the object offers it.
    static bool perform(QAccessibleInterface* target, const QString& action) {
        auto* actions = target ? target->actionInterface() : nullptr;
        if (!actions || !actions->actionNames().contains(action))
            return false;
        actions->doAction(action);
        return true;
    }
    /// Presses the control named `name` as a screen reader does; whether it offers that.
    bool press(const QString& name) {
        QAccessibleInterface* target = nullptr;
        waitFor([&] { return (target = accessible(name)); });
        return perform(target, QAccessibleActionInterface::pressAction());
    }
    using PanelFixture::press;

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
    bool menuOpen(const char* name) const {
        const auto* menu = item<QObject>(name); // a row's menu goes once it is closed
        return menu && menu->property("opened").toBool();
    }
    /// The pixels of `target` as drawn now.
    QImage drawn(const QQuickItem* target) const {
        const QRectF area = target->mapRectToScene(QRectF(0, 0, target->width(), target->height()));
        return view_->grabWindow().copy(area.toAlignedRect());
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
            EXPECT_EQ(item("resultsList")->property("currentIndex").toInt(), 1);
            press(Qt::Key_Return, how == "return" ? Qt::NoModifier : Qt::ControlModifier);
        }
        EXPECT_EQ(model().fromUnitId() == unit, converts) << way;
        EXPECT_EQ(QGuiApplication::clipboard()->text().isEmpty(), converts) << way;
    }

    // The Menu key or Shift+F10 opens the selected row's menu on its first entry, a copy.
    for (const Qt::KeyboardModifier modifier : {Qt::NoModifier, Qt::ShiftModifier}) {
        replaceInput("1");
        press(Qt::Key_Down);
        QGuiApplication::clipboard()->clear();
        press(modifier == Qt::NoModifier ? Qt::Key_Menu : Qt::Key_F10, modifier);
        ASSERT_TRUE(waitFor([&] { return menuOpen("rowMenu"); }));
        press(Qt::Key_Return);
        EXPECT_TRUE(waitFor([&] { return !QGuiApplication::clipboard()->text().isEmpty(); }));
    }
    // Closed with Esc, the menu leaves the keys with the field.
    const QString selected = flow().unitIds().at(0);
    press(Qt::Key_Menu);
    ASSERT_TRUE(waitFor([&] { return menuOpen("rowMenu"); }));
    press(Qt::Key_Escape);
    ASSERT_TRUE(waitFor([&] { return !menuOpen("rowMenu"); }));
    press(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(model().fromUnitId(), selected);
}

// The top bar stays over every page, and each other page has a Back button; Esc still leaves it.
TEST_F(PanelControlsTest, EveryPageKeepsTheTopBarAndAWayBack) {
    for (auto page : {PanelController::categories, PanelController::settings,
                      PanelController::formula, PanelController::import}) {
        for (std::string_view way : {"click", "screen reader", "escape"}) {
            controller_->show(page);
            QQuickItem* back = nullptr;
            ASSERT_TRUE(waitFor([&] { return (back = shown("backButton")); })) << page;
            for (const char* name : {"categoryChip", "pinButton", "settingsButton"})
                EXPECT_TRUE(shown(name)) << page << " " << name;
            if (way == "click")
                click(back);
            else if (way == "escape")
                press(Qt::Key_Escape);
            else
                EXPECT_TRUE(press(qtTrId("panel.back")));
            EXPECT_EQ(this->page().toStdString(), "converter") << page << " " << way;
        }
    }
}

// What a click does, a screen reader's press does too: buttons of every kind, the row, the
// entries of the step menu and of a row's menu, each found by its name in the tree.
TEST_F(PanelControlsTest, ControlsAndPopUpEntriesAnswerAScreenReader) {
    replaceInput("1");
    const QString chip = app_.categoryDisplayName("length");
    const QString firstPinned = flow().unitIds().at(0);
    const int starred = int(app_.effectiveStarredCategories().size());
    const std::pair<QString, std::function<bool()>> steps[] = {
        {qtTrId("settings.title"), [&] { return page() == "settings"; }},
        {qtTrId("settings.title"), [&] { return page() == "converter"; }},
        {chip, [&] { return page() == "categories"; }},
        {qtTrId("panel.star"), [&] { return app_.effectiveStarredCategories().size() != starred; }},
        {chip, [&] { return page() == "converter"; }},
        {qtTrId("panel.pin"), [&] { return settings_.isPinned(); }},
        {qtTrId("picker.unpin"), [&] { return !app_.pinnedUnits("length").contains(firstPinned); }},
        {qtTrId("converter.step.title"), [&] { return menuOpen("stepMenu"); }},
        {"0.5", [&] { return model().stepText() == "0.5" && !menuOpen("stepMenu"); }},
        {qtTrId("converter.inputUnit"), [&] { return menuOpen("unitPicker"); }},
        {qtTrId("panel.window.maximize"),
         [&] { return settings_.panelSizeF() == QSizeF(760, 560); }},
        {qtTrId("panel.window.minimize"),
         [&] { return view_->windowStates().testFlag(Qt::WindowMinimized); }},
        {qtTrId("panel.window.close"), [&] { return !view_->isVisible(); }},
    };
    for (const auto& [name, done] : steps) {
        if (name == qtTrId("panel.window.maximize"))
            QMetaObject::invokeMethod(item<QObject>("unitPicker"), "close");
        if (name == qtTrId("panel.window.close"))
            view_->showNormal();
        EXPECT_TRUE(press(name)) << name.toStdString();
        EXPECT_TRUE(waitFor(done)) << name.toStdString();
    }

    controller_->show(PanelController::converter);
    QGuiApplication::clipboard()->clear();
    auto* row = QAccessible::queryAccessibleInterface(item("resultRow_1"));
    ASSERT_TRUE(perform(row, QAccessibleActionInterface::pressAction()));
    EXPECT_FALSE(QGuiApplication::clipboard()->text().isEmpty());
    const QString unit = flow().unitIds().at(1);
    click(item("resultRow_1"), Qt::RightButton);
    ASSERT_TRUE(waitFor([&] { return menuOpen("rowMenu"); }));
    EXPECT_TRUE(press(qtTrId("converter.rowHint")));
    EXPECT_EQ(model().fromUnitId(), unit);
}

// Tab walks through every control of the converter page, and each looks different while it has
// the focus.
TEST_F(PanelControlsTest, TabReachesEveryControlAndEachShowsItsFocus) {
    settings_.addRecent({"length", "km", "mi", "5"});
    replaceInput("1");
    QStringList reached;
    QQuickItem* previous = nullptr;
    QImage previousLook;
    for (int step = 0; step < 40; ++step) {
        press(Qt::Key_Tab);
        QTest::qWait(150); // the highlights fade in
        if (previous) {
            EXPECT_NE(drawn(previous), previousLook) << previous->objectName().toStdString();
        }
        QQuickItem* focused = view_->activeFocusItem();
        if (focused == item("inputField"))
            break;
        reached << focused->objectName();
        previous = focused;
        previousLook = drawn(focused);
    }
    for (const char* name :
         {"windowMinimize", "windowMaximize", "windowClose", "categoryChip", "pinButton",
          "settingsButton", "unitButton", "explainButton", "decrementButton", "stepButton",
          "incrementButton", "othersToggle", "recentEntry_0"})
        EXPECT_TRUE(reached.contains(name)) << name << " in " << reached.join(", ").toStdString();
}

// The hint under the field is the panel's status line; a copy is confirmed by an alert.
TEST_F(PanelControlsTest, TheHintAndTheCopiedResultAreReadableInTheTree) {
    replaceInput("5 km to mi");
    const auto* status = accessible({}, QAccessible::StatusBar);
    ASSERT_TRUE(status);
    EXPECT_EQ(status->text(QAccessible::Name), flow().hintText() + " · " + flow().keyHint());
    press(Qt::Key_Return);
    EXPECT_TRUE(accessible(qtTrId("panel.copied").arg(QGuiApplication::clipboard()->text()),
                           QAccessible::AlertMessage));
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
