// The panel's pages driven in-process: what keys and clicks reach, page changes and the
// window's grips. The input's state machine itself is InputFlow's test.
#include <QAccessible>

#include "PanelFixture.h"
#include "PanelPlacement.h"
#include "QtConversions.h"

namespace zelvane {
namespace {

using testing::waitFor;
using PanelViewTest = testing::PanelFixture;

TEST_F(PanelViewTest, TheFieldKeepsWhatIsTypedAndShowsTheHintOfAPhrase) {
    replaceInput("42");
    // A blank after the number is kept in the field while the model holds the trimmed number.
    type(" ");
    EXPECT_EQ(model().input().toStdString(), "42");
    EXPECT_EQ(fieldText().toStdString(), "42 ");

    type("km to mi");
    EXPECT_EQ(fieldText().toStdString(), "42 km to mi");
    EXPECT_EQ(item("hintLine")->property("text").toString(), flow().hintText());
    EXPECT_TRUE(item("keyHint")->isVisible());

    // Length's rows wait in the list's pool while kelvin shows four: none of them is left
    // visible, where a screen reader would still read it.
    replaceInput("5 K");
    ASSERT_EQ(flow().rows()->count(), 4);
    QTest::qWait(50); // the list lays its rows out
    auto* content = item("resultsList")->property("contentItem").value<QQuickItem*>();
    std::vector<int> visibleRows;
    for (auto* entry : content->childItems())
        if (entry->property("row").isValid() && entry->isVisible())
            visibleRows.push_back(entry->property("index").toInt());
    std::ranges::sort(visibleRows);
    EXPECT_EQ(visibleRows, (std::vector<int>{0, 1, 2, 3}));

    QTest::mouseClick(view_.get(), Qt::LeftButton, {},
                      item("clearButton")->mapToScene({11, 11}).toPoint());
    EXPECT_EQ(model().input().toStdString(), "");
    EXPECT_EQ(fieldText().toStdString(), "");
    EXPECT_FALSE(item("hintLine")->isVisible());
    EXPECT_TRUE(item("inputField")->hasActiveFocus());
}

TEST_F(PanelViewTest, APastedPhraseWithALineBreakCommitsAndCopiesTheTarget) {
    QGuiApplication::clipboard()->setText("5 km to mi\n");
    replaceInput("");
    press(Qt::Key_V, Qt::ControlModifier);

    ASSERT_TRUE(waitFor([&] { return model().fromUnitId() == QStringLiteral("km"); }));
    EXPECT_EQ(fieldText().toStdString(), "5");
    EXPECT_TRUE(QGuiApplication::clipboard()->text().startsWith("3.10"));
}

// A phrase is read in the display language's numbers, the hint shows the amount as read, and
// Return copies the target as the launcher and the CLI give it, a mixed one whole.
TEST_F(PanelViewTest, PhrasesReadInTheDisplayLocaleCopyTheirTarget) {
    settings_.setCopiesUnit(true);
    const std::tuple<const char*, const char*, const char*, const char*> cases[] = {
        {"de", "1.5 km in m", "1,5 ", "1.500 m"},
        {"de", "1,5 km in m", "1,5 ", "1.500 m"},
        {"en", "5 ft 3 in to cm", "5.25 ", "160 cm"},
        {"en", "160 cm to ft in", "160 ", "5 ft 2.992 in"}};
    for (const auto& [language, phrase, hint, copied] : cases) {
        ASSERT_TRUE(app_.setPreference("languageCode", language));
        flow().clear();
        replaceInput(phrase);
        EXPECT_EQ(fieldText().toStdString(), phrase);
        EXPECT_TRUE(item("hintLine")->property("text").toString().contains(hint))
            << phrase << ": " << item("hintLine")->property("text").toString().toStdString();
        press(Qt::Key_Return);
        EXPECT_EQ(QGuiApplication::clipboard()->text().toStdString(), copied) << phrase;
    }
}

TEST_F(PanelViewTest, EscapeClearsTheDraftThenHides) {
    replaceInput("5 km");
    press(Qt::Key_Escape);
    EXPECT_FALSE(flow().hasDraft());
    EXPECT_TRUE(view_->isVisible());
    press(Qt::Key_Escape);
    EXPECT_FALSE(view_->isVisible());
}

TEST_F(PanelViewTest, PageShortcutsToggleBackToTheConverter) {
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(page().toStdString(), "categories");
    press(Qt::Key_K, Qt::ControlModifier);
    EXPECT_EQ(page().toStdString(), "converter");
    ASSERT_TRUE(waitFor([&] { return item("inputField")->hasActiveFocus(); }));

    press(Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(page().toStdString(), "settings");
    press(Qt::Key_Comma, Qt::ControlModifier);
    EXPECT_EQ(page().toStdString(), "converter");
}

TEST_F(PanelViewTest, TheFooterTextsNeverOverlapOnAnyPage) {
    for (auto page : {PanelController::converter, PanelController::settings,
                      PanelController::categories, PanelController::formula}) {
        controller_->show(page);
        for (int width : {364, 560, 760}) {
            view_->resize(width, 420);
            ASSERT_TRUE(waitFor([&] { return view_->rootObject()->width() == width; }));
            const QQuickItem* tagline = item("footerTagline");
            const QQuickItem* hint = item("footerHint");
            if (tagline->isVisible()) {
                EXPECT_LE(tagline->x() + tagline->width(), hint->x()) << page << " " << width;
            }
            EXPECT_GE(hint->x(), 0) << page << " " << width;
        }
    }
}

TEST_F(PanelViewTest, DoubleClickingABottomCornerRestoresTheMediumSize) {
    settings_.setPanelSizeF({700, 500});
    ASSERT_TRUE(waitFor([&] { return view_->rootObject()->height() == 500; }));
    const QPoint corner(3, view_->height() - 3);
    QTest::mouseDClick(view_.get(), Qt::LeftButton, {}, corner);
    EXPECT_EQ(settings_.panelSizeF(), QSizeF(560, 420));
    EXPECT_EQ(controller_->toast().value_or(QString()).toStdString(),
              qtTrId("panel.size.resetDone").toStdString());
    EXPECT_FALSE(controller_->placement().isResizing());
}

TEST_F(PanelViewTest, AnEleventhStarIsRefusedWithAToast) {
    const QStringList visible = app_.visibleCategoryIds();
    ASSERT_TRUE(app_.setPreference("starredCategories", visible.mid(0, 10)));
    const auto starred = app_.effectiveStarredCategories();
    ASSERT_EQ(starred.size(), 10);
    const QString eleventh = visible.at(10);

    controller_->show(PanelController::categories);
    auto* search = item("categorySearch");
    ASSERT_TRUE(waitFor([&] { return search != nullptr || (search = item("categorySearch")); }));
    search->forceActiveFocus();
    type(app_.categoryDisplayName(eleventh));
    QQuickItem* star = nullptr;
    const auto name = ("star_" + eleventh).toLatin1();
    ASSERT_TRUE(waitFor([&] { return (star = item(name.constData())) && star->isVisible(); }));
    QTest::qWait(100); // the grid settles its cells after the search
    QTest::mouseClick(view_.get(), Qt::LeftButton, {}, star->mapToScene({10, 10}).toPoint());

    EXPECT_EQ(app_.effectiveStarredCategories(), starred);
    EXPECT_EQ(controller_->toast().value_or(QString()).toStdString(),
              qtTrId("star.limit").arg(10).toStdString());
}

TEST_F(PanelViewTest, APreviewedRowCannotBePinnedOrHidden) {
    replaceInput("5 km to mi");
    ASSERT_TRUE(flow().isPreview());
    const std::string pinName = "rowPin_" + flow().shown().row(0).unit->id;
    QQuickItem* pin = nullptr;
    ASSERT_TRUE(waitFor([&] { return (pin = item(pinName.c_str())); }));
    EXPECT_FALSE(pin->isEnabled());
    auto* row = item("resultRow_0");
    QTest::mouseClick(view_.get(), Qt::RightButton, {}, row->mapToScene({20, 8}).toPoint());
    ASSERT_TRUE(waitFor([&] { return item<QObject>("rowMenu")->property("opened").toBool(); }));
    for (const char* name : {"rowTogglePin", "rowHide"})
        EXPECT_FALSE(item<QObject>(name)->property("visible").toBool()) << name;
    EXPECT_TRUE(item<QObject>("rowMakeSource")->property("visible").toBool());
}

// The picker by keyboard and screen reader: Enter on the unit button opens it on the source
// unit, typing filters, Enter picks (a hidden unit too), Tab reaches "Show again", Esc closes.
TEST_F(PanelViewTest, TheUnitPickerAnswersTheKeyboardAndNamesItsEntries) {
    struct Case {
        const char* typed;
        std::vector<Qt::Key> keys;
        const char* source; // afterwards
        bool footHidden;
        bool stillOpen;
    };
    const Case cases[] = {{"", {Qt::Key_Return}, "m", true, false},
                          {"FOOT", {Qt::Key_Return}, "ft", true, false},
                          {"km", {Qt::Key_Down, Qt::Key_Up, Qt::Key_Enter}, "km", true, false},
                          {"foot", {Qt::Key_Tab, Qt::Key_Space}, "m", false, true},
                          {"foot", {Qt::Key_Tab, Qt::Key_Escape}, "m", true, false}};
    auto* picker = item<QObject>("unitPicker");
    for (const auto& [typed, keys, source, footHidden, stillOpen] : cases) {
        SCOPED_TRACE(typed);
        picker->setProperty("visible", false);
        model().selectFromUnit("m");
        model().setInput("1");
        if (!app_.isHidden("ft", "length"))
            app_.toggleHidden("ft", "length");
        item("unitButton")->forceActiveFocus(Qt::TabFocusReason);
        press(Qt::Key_Return);
        ASSERT_TRUE(waitFor([&] { return picker->property("opened").toBool(); }));
        auto* list = item("unitChoices");
        EXPECT_EQ(list->property("currentIndex").toInt(), 0);
        type(typed);
        for (Qt::Key key : keys)
            press(key);
        EXPECT_EQ(model().fromUnitId().toStdString(), source);
        if (source == std::string("m")) {
            EXPECT_EQ(model().input(), "1") << "picking the source unit changes nothing";
        }
        EXPECT_EQ(app_.isHidden("ft", "length"), footHidden);
        EXPECT_EQ(picker->property("visible").toBool(), stillOpen);
        EXPECT_TRUE(view_->isVisible()) << "Esc closes the picker only";
    }

    // Names say what each entry is, and pressing one picks it.
    ASSERT_TRUE(app_.isHidden("ft", "length"));
    click(item("unitButton"));
    ASSERT_TRUE(waitFor([&] { return picker->property("opened").toBool(); }));
    auto named = [&](const char* name) {
        QQuickItem* found = nullptr;
        EXPECT_TRUE(waitFor([&] { return (found = find<QQuickItem>(item("unitChoices"), name)); }));
        return found ? QAccessible::queryAccessibleInterface(found) : nullptr;
    };
    auto* entry = named("unitChoice_m");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(QAccessible::Name).toStdString(), "Meter (m), current");
    type("foot");
    entry = named("unitChoice_ft");
    ASSERT_TRUE(entry);
    EXPECT_EQ(entry->text(QAccessible::Name).toStdString(), "Foot (ft), hidden");
    EXPECT_EQ(named("showAgain_ft")->text(QAccessible::Name), qtTrId("picker.showAgain"));
    ASSERT_TRUE(entry->actionInterface());
    entry->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(model().fromUnitId(), "ft");
}

// Pinned rows, starred chips and favourite cells move by drag and by Alt with the arrows, into
// the stored order; what the keyboard moved keeps the keyboard.
TEST_F(PanelViewTest, RowsChipsAndCellsMoveByDragAndByAltArrows) {
    struct Case {
        std::string kind;
        bool byDrag;
        int from;
        int to;
    };
    const Case cases[] = {{"row", true, 0, 2},   {"row", false, 2, 0}, {"chip", true, 0, 2},
                          {"chip", false, 2, 1}, {"cell", true, 3, 0}, {"cell", false, 0, 2}};
    app_.setPreference("pinnedOverrides",
                       QVariantMap{{"length", QStringList{"km", "ft", "mi", "cm"}}});
    app_.setPreference("starredCategories", QStringList{"mass", "time", "area"});
    for (const auto& [kind, byDrag, from, to] : cases) {
        SCOPED_TRACE(kind + (byDrag ? " dragged" : " by keys"));
        controller_->show(kind == "cell" ? PanelController::categories
                                         : PanelController::converter);
        auto stored = [&] {
            const auto preferences = app_.userState().preferences();
            return toQStringList(kind == "row"    ? preferences.pinnedUnits("length")
                                 : kind == "chip" ? preferences.effectiveStarredCategories()
                                                  : preferences.effectiveFavoriteCategories());
        };
        const QStringList before = stored();
        auto itemAt = [&](int index) {
            const QString name = kind == "row"    ? "resultRow_" + QString::number(index)
                                 : kind == "chip" ? "starredChip_" + before[index]
                                                  : "categoryCell_" + before[index];
            QQuickItem* found = nullptr;
            EXPECT_TRUE(waitFor([&] { return (found = item(name.toLatin1().constData())); }));
            return found;
        };
        QStringList expected = before;
        expected.move(from, to);
        const Qt::Key step = to > from ? Qt::Key_Down : Qt::Key_Up;
        if (byDrag) {
            drag(itemAt(from), itemAt(to));
        } else if (kind == "row") {
            item("inputField")->forceActiveFocus();
            for (int row = 0; row <= from; ++row)
                press(Qt::Key_Down);
            for (int moved = from; moved != to; moved += to > from ? 1 : -1)
                press(step, Qt::AltModifier);
            EXPECT_EQ(selection(), to);
        } else {
            const QString name = itemAt(from)->objectName();
            itemAt(from)->forceActiveFocus(Qt::TabFocusReason);
            for (int moved = from; moved != to; moved += to > from ? 1 : -1)
                press(step, Qt::AltModifier);
            EXPECT_EQ(view_->activeFocusItem()->objectName(), name);
        }
        EXPECT_EQ(stored(), expected);
    }
}

TEST_F(PanelViewTest, EveryShowStartsWithAnEmptyDraftAndTheOldValueSelected) {
    replaceInput("5 km");
    press(Qt::Key_Down);
    controller_->hide();
    controller_->show(PanelController::converter);
    EXPECT_FALSE(flow().hasDraft());
    EXPECT_EQ(selection(), -1);
    ASSERT_TRUE(waitFor([&] { return item("inputField")->hasActiveFocus(); }));
    EXPECT_EQ(fieldText().toStdString(), model().input().toStdString());
    EXPECT_EQ(item("inputField")->property("selectedText").toString(), fieldText());

    // Typing straight away replaces the old value instead of appending to it.
    model().setInput("20");
    controller_->hide();
    controller_->show(PanelController::converter);
    ASSERT_TRUE(waitFor([&] { return item("inputField")->hasActiveFocus(); }));
    type("5");
    EXPECT_EQ(fieldText().toStdString(), "5");
}

} // namespace
} // namespace zelvane
