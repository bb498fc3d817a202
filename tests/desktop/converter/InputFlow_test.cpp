// InputFlow without a window: drafts and previews, the selection over the drawn rows, what
// Return and a click copy, the hint line, and rows that change in place. Pasted line breaks and
// Escape go through the panel's keys (PanelView's test).
#include <QSignalSpy>

#include <gtest/gtest.h>

#include "AppState.h"
#include "ConverterModel.h"
#include "DesktopFixture.h"
#include "InputFlow.h"
#include "LocalizationBundle.h"
#include "QtConversions.h"

namespace zelvane {
namespace {

class InputFlowTest : public testing::DesktopFixture {
  protected:
    InputFlowTest() {
        texts.install("en", {"en"});
        app.setPreference("languageCode", "en");
        model().switchCategory("length");
        QObject::connect(
            &flow(), &InputFlow::copyRequested,
            [this](const ShownConversion& shown, std::size_t index, const QString& input) {
                copies.push_back(shown.row(index).unit->id + " " + toStdString(input));
            });
    }

    ConverterModel& model() { return *app.converter(); }
    InputFlow& flow() { return *model().flow(); }
    int drawn() { return flow().rows()->count(); }
    std::string unitAt(int row) { return flow().shown().row(std::size_t(row)).unit->id; }
    void showOthers(bool shows) { model().setShowsOtherUnits(shows); }

    LocalizationBundle texts;
    AppState app{catalog(), store};
    /// "unit input" of every copy asked for.
    std::vector<std::string> copies;
};

TEST_F(InputFlowTest, PlainNumbersGoToTheModelAndAnythingElseIsADraft) {
    struct Case {
        const char* typed;
        const char* draft; // nullptr: none
        const char* input;
        bool preview;
    };
    for (auto [typed, draft, input, preview] :
         {Case{"42", nullptr, "42", false}, Case{"42 ", nullptr, "42", false},
          Case{"42 km to mi", "42 km to mi", "42", true}, Case{"42 zz", "42 zz", "42", false},
          Case{"-1.5", nullptr, "-1.5", false}}) {
        SCOPED_TRACE(typed);
        flow().textEdited(typed);
        EXPECT_EQ(flow().draft(), draft ? std::optional<QString>(draft) : std::nullopt);
        EXPECT_EQ(model().input(), input);
        EXPECT_EQ(flow().isPreview(), preview);
        EXPECT_TRUE(flow().fieldShows(typed)) << "the field keeps what was typed";
    }
    EXPECT_EQ(flow().categoryId(), "length") << "a preview changes no model";
    EXPECT_EQ(flow().shown().categoryId, "length");

    flow().textEdited("5 g");
    EXPECT_EQ(flow().categoryId(), "mass") << "the rows show the phrase's category";
    EXPECT_EQ(model().categoryId(), "length");
    flow().clear();
    EXPECT_FALSE(flow().hasDraft());
    EXPECT_EQ(model().input(), "");
}

TEST_F(InputFlowTest, TheHintSaysWhatThePhraseReadsAsAndWhatReturnDoes) {
    struct Case {
        const char* typed;
        const char* hint;
        const char* keyHint;
    };
    for (auto [typed, hint, keyHint] :
         {Case{"5 km to mi", "Length: 5 Kilometer → Mile", "Press Enter to copy"},
          Case{"5 km", "Length: 5 Kilometer", "Press Enter to apply"},
          Case{"1.250,5 km", "Length: 1,250.5 Kilometer", "Press Enter to apply"},
          Case{"5 zz", "Unit not recognized", ""}, Case{"   ", "", ""}, Case{"5", "", ""}}) {
        SCOPED_TRACE(typed);
        flow().textEdited(typed);
        EXPECT_EQ(flow().hintText().toStdString(), hint);
        EXPECT_EQ(flow().keyHint().toStdString(), keyHint);
        EXPECT_EQ(flow().showsHint(), *hint != '\0');
    }
}

TEST_F(InputFlowTest, ReturnAppliesAPhraseAndCopiesItsTargetEvenWhenItIsNotDrawn) {
    flow().textEdited("5 km to mi");
    flow().commit();
    EXPECT_FALSE(flow().hasDraft());
    EXPECT_EQ(model().fromUnitId(), "km");
    EXPECT_EQ(model().input(), "5");
    EXPECT_EQ(copies, std::vector<std::string>{"mi 5"});
    ASSERT_GE(flow().selection(), 0);
    EXPECT_EQ(unitAt(flow().selection()), "mi");

    // Hidden, the named target is still copied (the hint promised it) but nothing is selected.
    showOthers(false);
    flow().textEdited("7 km to mi");
    flow().commit();
    EXPECT_EQ(copies.back(), "mi 7");
    EXPECT_EQ(flow().selection(), -1);

    // An unread phrase stays as typed; Return copies the first row drawn under it.
    flow().textEdited("5 zz");
    flow().commit();
    EXPECT_TRUE(flow().hasDraft());
    EXPECT_EQ(copies.back(), unitAt(0) + " 7");
}

TEST_F(InputFlowTest, ArrowsAndReturnReachOnlyTheDrawnRows) {
    flow().textEdited("1");
    for (bool showsOthers : {true, false}) {
        SCOPED_TRACE(showsOthers);
        showOthers(showsOthers);
        flow().reset();
        const int rows = drawn();
        ASSERT_GT(rows, 1);
        EXPECT_EQ(rows,
                  flow().rows()->pinnedCount() + (showsOthers ? flow().rows()->othersCount() : 0));
        EXPECT_FALSE(flow().moveSelection(-1)) << "Up without a selection is not used";
        EXPECT_TRUE(flow().moveSelection(1));
        EXPECT_EQ(flow().selection(), 0);
        EXPECT_TRUE(flow().moveSelection(-1));
        EXPECT_EQ(flow().selection(), 0);
        for (int step = 0; step <= rows; ++step)
            flow().moveSelection(1);
        EXPECT_EQ(flow().selection(), rows - 1);
        flow().commit();
        EXPECT_EQ(copies.back(), unitAt(rows - 1) + " 1");
    }
    // The last of all rows selected, then the others hidden: the selection moves back to what
    // is drawn, and Return copies what is highlighted.
    showOthers(true);
    while (flow().selection() < drawn() - 1)
        flow().moveSelection(1);
    showOthers(false);
    EXPECT_EQ(flow().selection(), drawn() - 1);
    const auto copied = copies.size();
    flow().tap(drawn(), false);
    EXPECT_EQ(copies.size(), copied) << "a row past the drawn ones is no row";
}

TEST_F(InputFlowTest, ClicksCopyARowOrMakeItTheSourceAfterApplyingAPreview) {
    flow().textEdited("2");
    flow().tap(1, false);
    EXPECT_EQ(flow().selection(), 1);
    EXPECT_EQ(copies, std::vector<std::string>{unitAt(1) + " 2"});

    flow().textEdited("3 km");
    const std::string unit = unitAt(0);
    flow().tap(0, true);
    EXPECT_FALSE(flow().isPreview());
    EXPECT_EQ(model().fromUnitId().toStdString(), unit);
    EXPECT_EQ(flow().selection(), -1);

    flow().textEdited("4 g");
    flow().pickUnit("kg");
    EXPECT_EQ(model().categoryId(), "mass");
    EXPECT_EQ(model().fromUnitId(), "kg");
    EXPECT_EQ(model().input(), "0.004");
}

TEST_F(InputFlowTest, AKeystrokeChangesTheRowsInPlace) {
    flow().textEdited("1");
    ShownRows& rows = *flow().rows();
    QSignalSpy changed(&rows, &QAbstractItemModel::dataChanged);
    QSignalSpy inserted(&rows, &QAbstractItemModel::rowsInserted);
    QSignalSpy removed(&rows, &QAbstractItemModel::rowsRemoved);
    QSignalSpy reset(&rows, &QAbstractItemModel::modelReset);
    flow().textEdited("12");
    EXPECT_EQ(changed.count(), 1) << "one run of changed rows";
    EXPECT_EQ(inserted.count() + removed.count() + reset.count(), 0);
    flow().textEdited("12");
    EXPECT_EQ(changed.count(), 1) << "the same text changes nothing";

    const int all = rows.count();
    showOthers(false);
    EXPECT_EQ(removed.count(), 1);
    EXPECT_EQ(rows.count(), all - rows.othersCount());
    EXPECT_EQ(rows.data(rows.index(0), ShownRows::valueTextRole).toString().toStdString(),
              flow().shown().row(0).text);
}

// Every unit of the shown category once, the source first and the hidden last, only while the
// picker is open; a filter keeps the units it names or that hold it in their name or symbol.
TEST_F(InputFlowTest, TheUnitChoicesListEveryUnitOnceAndOnlyWhileOpen) {
    app.toggleHidden("ft", "length");
    UnitChoices& units = *flow().units();
    auto listed = [&](UnitChoices::Role role) {
        QStringList values;
        for (int row = 0; row < units.rowCount(); ++row)
            values << units.data(units.index(row), role).toString();
        return values;
    };
    EXPECT_EQ(units.rowCount(), 0);
    units.setActive(true);
    EXPECT_EQ(units.rowCount(), int(app.context().category("length")->units.size()));
    const auto ids = listed(UnitChoices::unitIdRole);
    EXPECT_EQ(ids.front(), model().fromUnitId());
    EXPECT_EQ(ids.back(), "ft");
    EXPECT_EQ(listed(UnitChoices::isCurrentRole).count("true"), 1);
    EXPECT_EQ(listed(UnitChoices::isHiddenRole).indexOf("true"), ids.size() - 1);

    for (const auto& [filter, found] :
         {std::pair<QString, QStringList>{"FEET", {"ft"}}, {" Nm", {"nm", "nmi"}}, {"zz", {}}}) {
        units.setFilter(filter);
        EXPECT_EQ(listed(UnitChoices::unitIdRole), found) << filter.toStdString();
    }
    units.setFilter({});

    units.showAgain("km"); // not hidden: stays shown
    EXPECT_FALSE(app.isHidden("km", "length"));
    units.setActive(false);
    EXPECT_EQ(units.rowCount(), 0);
}

} // namespace
} // namespace zelvane
