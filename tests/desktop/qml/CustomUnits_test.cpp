// The My units pages driven in-process against the real store: a conversion made in the
// editor (its formula compiled as it is typed), saved, edited, removed and brought back.
#include <QAccessible>

#include <algorithm>

#include <nlohmann/json.hpp>

#include "PanelFixture.h"
#include "QtConversions.h"
#include "RavoDozu/Converter.h"

namespace zelvane {
namespace {

using testing::waitFor;

class CustomUnitsTest : public testing::PanelFixture {
  protected:
    // The first shown item named `name`: a page left behind lingers a moment, hidden.
    QQuickItem* shown(const QString& name) const { return shownFrom(view_->contentItem(), name); }
    static QQuickItem* shownFrom(QQuickItem* from, const QString& name) {
        if (!from->isVisible())
            return nullptr;
        if (from->objectName() == name)
            return from;
        for (auto* child : from->childItems())
            if (auto* found = shownFrom(child, name))
                return found;
        return nullptr;
    }
    QQuickItem* await(const QString& name) const {
        QQuickItem* found = nullptr;
        EXPECT_TRUE(waitFor([&] { return (found = shown(name)) != nullptr; }))
            << name.toStdString();
        return found;
    }
    // Scrolls the editor until `target` is in view.
    void reveal(QQuickItem* target) const {
        auto* scroller = shown("editorScroller");
        if (!scroller)
            return;
        auto* content = scroller->property("contentItem").value<QQuickItem*>();
        const qreal top = target->mapToItem(content, QPointF(0, 0)).y();
        const qreal last = scroller->property("contentHeight").toReal() - scroller->height();
        scroller->setProperty("contentY", std::clamp(top - 40, 0.0, std::max(0.0, last)));
    }
    void clickOn(const QString& name) {
        if (auto* target = await(name)) {
            reveal(target);
            click(target);
        }
    }
    // Replaces the text of the field named `name` as a user types it.
    void typeInto(const QString& name, const QString& text) {
        auto* field = await(name + "Input");
        ASSERT_TRUE(field);
        reveal(field);
        field->forceActiveFocus();
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        type(text);
    }
    QString text(const QString& name) const {
        auto* found = shown(name);
        return found ? found->property("text").toString() : QString();
    }
    bool saveEnabled() const { return shown("saveButton")->isEnabled(); }
    nlohmann::json library() {
        return nlohmann::json::parse(app_.userState().customLibraryData().value_or("{}"));
    }
};

TEST_F(CustomUnitsTest, AConversionIsMadeCheckedSavedEditedAndRemoved) {
    controller_->show(PanelController::units);
    ASSERT_TRUE(await("customEmpty"));
    clickOn("newConversionButton");
    ASSERT_EQ(page().toStdString(), "editor");
    EXPECT_FALSE(saveEnabled()) << "names are missing";

    typeInto("conversionName", "Brew");
    typeInto("unitName_0", "Cup");
    typeInto("unitName_1", "Pot");
    clickOn("ruleKind_1_formula");
    // What each formula compiles to, shown in place as it is typed.
    const std::tuple<const char*, bool, int> formulas[] = {{"x * (2", false, 6},
                                                           {"x\u0301 * (2", false, 7},
                                                           {"x * k", false, -1},
                                                           {"x / 6", true, -1}};
    for (const auto& [formula, compiles, errorAt] : formulas) {
        typeInto("forward_1", formula);
        EXPECT_EQ(saveEnabled(), compiles) << formula;
        EXPECT_EQ(text("saveProblem").isEmpty(), compiles) << formula;
        EXPECT_EQ(shown("forward_1")->property("errorAt").toInt(), errorAt) << formula;
    }
    EXPECT_EQ(text("unitState_1"), qtTrId("custom.status.exactLine"));

    clickOn("saveButton");
    ASSERT_TRUE(waitFor([&] { return page() == "units"; }));
    const auto id = library()["conversions"][0]["id"].get<std::string>();
    EXPECT_EQ(library()["conversions"][0]["units"][1]["rule"]["forward"], "x / 6");
    // At once a category among the others, which converts.
    EXPECT_TRUE(app_.visibleCategoryIds().contains(toQString("custom." + id)));
    auto category = app_.context().category("custom." + id);
    ASSERT_TRUE(category);
    EXPECT_DOUBLE_EQ(ravodozu::fromBase(category->units[1].conversion, 12), 2);

    const auto itemId = toQString(id);
    clickOn("edit_" + itemId);
    ASSERT_TRUE(waitFor([&] { return page() == "editor"; }));
    EXPECT_EQ(text("conversionNameInput").toStdString(), "Brew");
    typeInto("conversionName", "Tea");
    clickOn("saveButton");
    ASSERT_TRUE(waitFor([&] { return page() == "units"; }));
    EXPECT_EQ(library()["conversions"].size(), 1u);
    EXPECT_EQ(library()["conversions"][0]["name"], "Tea");

    clickOn("remove_" + itemId);
    clickOn("confirmRemove_" + itemId);
    EXPECT_TRUE(library()["conversions"].empty());
    EXPECT_FALSE(app_.visibleCategoryIds().contains(toQString("custom." + id)));
    clickOn("undoRemoveButton");
    EXPECT_EQ(library()["conversions"][0]["name"], "Tea");
}

// A chain of steps, its operation picked by keyboard, a parameter the conversion lacks refused.
TEST_F(CustomUnitsTest, AStepChainIsBuiltAndSaved) {
    controller_->show(PanelController::units);
    clickOn("newConversionButton");
    typeInto("conversionName", "Brew");
    typeInto("unitName_0", "Cup");
    typeInto("unitName_1", "Pot");
    clickOn("ruleKind_1_steps");
    typeInto("stepOperand_1_0", "4");
    clickOn("addStep_1");
    auto* op = await("stepOp_1_1");
    ASSERT_TRUE(op);
    reveal(op);
    op->forceActiveFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    for (int i = 0; i < 3; ++i) // add → sub → mul → div
        press(Qt::Key_Down);
    press(Qt::Key_Return);
    typeInto("stepOperand_1_1", "k");
    EXPECT_FALSE(saveEnabled());
    typeInto("stepOperand_1_1", "2");
    EXPECT_EQ(text("stepsText_1"), "x * 4 / 2");
    ASSERT_TRUE(saveEnabled()) << text("unitState_1").toStdString();

    clickOn("saveButton");
    ASSERT_TRUE(waitFor([&] { return page() == "units"; }));
    EXPECT_EQ(library()["conversions"][0]["units"][1]["rule"],
              nlohmann::json::parse(R"({"type": "steps", "steps": [
                  {"op": "mul", "number": 4.0}, {"op": "div", "number": 2.0}]})"));
}

TEST_F(CustomUnitsTest, ATemplateIsAdoptedAPackVariantPickedAndThePackSwitchedOff) {
    controller_->show(PanelController::templates);
    auto* list = await("templateList");
    ASSERT_TRUE(list);
    ASSERT_GT(list->property("count").toInt(), 0);
    auto* first = await(
        "adopt_" +
        list->property("currentItem").value<QQuickItem*>()->property("templateId").toString());
    ASSERT_TRUE(first);
    QTest::qWait(50); // the list lays its rows out
    // Every row has the same button: a screen reader names the template it adopts.
    auto title = list->property("currentItem").value<QQuickItem*>()->property("title").toString();
    EXPECT_EQ(QAccessible::queryAccessibleInterface(first)->text(QAccessible::Name),
              qtTrId("custom.template.adopt") + ": " + title);
    click(first);
    EXPECT_EQ(library()["conversions"].size(), 1u)
        << controller_->toast().value_or("").toStdString();

    // By keyboard: the toast of the adoption covers the bottom of the list. The second variant
    // of a category is picked, and the converter showing it reads it so at once.
    const std::string length = "pack.ancient_china.length";
    model().switchCategory(toQString(length));
    auto* variants = await(toQString("variant_" + length));
    ASSERT_TRUE(variants);
    variants->forceActiveFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    press(Qt::Key_Down);
    press(Qt::Key_Return);
    const auto& second = app_.packs()[0].categories[0].variants[1];
    EXPECT_EQ(app_.userState().packVariants().at(length), second.id);
    auto category = app_.context().category(length);
    ASSERT_TRUE(category);
    EXPECT_DOUBLE_EQ(
        ravodozu::Converter::convert(1, *category->unit("pack.zhang"), *category->unit("m")),
        10 * second.referenceValue);
    const auto& shown = flow().shown();
    ASSERT_EQ(shown.fromUnit->id, "pack.chi");
    const auto& metre = shown.row(shown.rowCount() - 2);
    ASSERT_EQ(metre.unit->id, "m");
    EXPECT_EQ(metre.text, app_.context().formatValue(second.referenceValue, length,
                                                     toStdString(app_.displayLocaleName())));

    // Switched off, its categories go, and the converter falls back to the first favourite.
    auto* packSwitch = await("pack_ancient_china");
    ASSERT_TRUE(packSwitch);
    packSwitch->forceActiveFocus(Qt::TabFocusReason);
    press(Qt::Key_Space);
    EXPECT_EQ(app_.preferences().enabledPacks, std::vector<std::string>{"biblical"});
    EXPECT_FALSE(app_.visibleCategoryIds().contains(toQString(length)));
    EXPECT_EQ(model().categoryId(), app_.effectiveFavoriteCategories().front());
}

// Reached from the categories page and from the settings page, through the accessibility tree.
TEST_F(CustomUnitsTest, ThePageOpensFromCategoriesAndSettings) {
    QAccessible::setActive(true);
    for (auto from : {PanelController::categories, PanelController::settings}) {
        controller_->show(from);
        const char* button =
            from == PanelController::categories ? "customUnitsButton" : "openCustomButton";
        auto* target = await(button);
        ASSERT_TRUE(target);
        auto* accessible = QAccessible::queryAccessibleInterface(target);
        ASSERT_TRUE(accessible && accessible->actionInterface());
        accessible->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
        EXPECT_TRUE(waitFor([&] { return page() == "units"; })) << button;
    }
    QAccessible::setActive(false);
}

} // namespace
} // namespace zelvane
