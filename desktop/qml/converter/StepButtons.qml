import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Minus and plus move the input by one step; the middle button chooses the step.
RowLayout {
    id: steps

    required property var theme
    property bool showingSteps: menu.opened

    readonly property var model: AppState.converter
    readonly property var stepText: { void AppState.preferences; void model.categoryId; return model.stepText() }

    spacing: 4

    RoundIconButton {
        objectName: "decrementButton"
        symbol: "minus"
        label: qsTrId("converter.decrement")
        tint: steps.theme.deep
        onClicked: steps.model.input = PanelText.stepped(steps.model.input, -1, steps.stepText)
    }
    AbstractButton {
        id: stepButton
        objectName: "stepButton"
        hoverEnabled: true
        focusPolicy: Qt.TabFocus
        implicitHeight: 24
        implicitWidth: stepRow.implicitWidth + 14
        Accessible.role: Accessible.ButtonMenu
        Accessible.name: qsTrId("converter.step.title")
        Accessible.onPressAction: clicked()
        Accessible.description: stepLabel.text
        onClicked: menu.open()

        background: Rectangle {
            radius: 7
            color: stepButton.hovered || steps.showingSteps ? PanelStyle.hover : "transparent"
            border.width: stepButton.visualFocus ? 1.5 : 1
            border.color: stepButton.visualFocus ? steps.theme.deep : PanelStyle.separator
        }
        contentItem: RowLayout {
            id: stepRow
            spacing: 4
            Text {
                id: stepLabel
                text: qsTrId("converter.step.title") + " · "
                      + (steps.stepText ? steps.stepText : qsTrId("converter.step.auto"))
                color: PanelStyle.secondaryText
                font.pixelSize: PanelStyle.captionSize + 0.5
            }
            SymbolIcon {
                symbol: "chevron.down"
                size: 8
                color: PanelStyle.secondaryText
            }
        }
        StepMenu {
            id: menu
            y: parent.height + 4
            theme: steps.theme
        }
    }
    RoundIconButton {
        objectName: "incrementButton"
        symbol: "plus"
        label: qsTrId("converter.increment")
        tint: steps.theme.deep
        onClicked: steps.model.input = PanelText.stepped(steps.model.input, 1, steps.stepText)
    }
}
