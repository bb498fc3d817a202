// The panel's controls as a mouse and a keyboard reach them.
#include "PanelFixture.h"

namespace zelvane {
namespace {

using testing::waitFor;

using PanelControlsTest = testing::PanelFixture;

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

} // namespace
} // namespace zelvane
