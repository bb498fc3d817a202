import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// One unit in the unit picker: flag, name and symbol, a check on the source unit; a hidden unit
// is dimmed, tagged and offers to be shown again.
ItemDelegate {
    id: choice

    required property string categoryId
    required property string unitId
    required property string unitName
    required property string unitSymbol
    required property bool isCurrent
    required property bool isHidden

    readonly property string spokenName: {
        let text = unitName + " (" + unitSymbol + ")"
        if (isCurrent)
            text = qsTrId("picker.a11y.current").arg(text)
        if (isHidden)
            text = qsTrId("picker.a11y.hidden").arg(text)
        return text
    }

    signal showAgain()

    objectName: "unitChoice_" + unitId
    height: 30
    padding: 0
    focusPolicy: Qt.NoFocus
    Accessible.role: Accessible.MenuItem
    Accessible.name: spokenName
    Accessible.onPressAction: clicked()
    background: HoverRowStyle { hovered: choice.hovered || choice.highlighted }
    contentItem: RowLayout {
        spacing: 6
        Item { implicitWidth: 2 }
        UnitFlag {
            categoryId: choice.categoryId
            unitId: choice.unitId
            size: 14
            opacity: choice.isHidden ? 0.45 : 1
        }
        Text {
            text: choice.unitName
            color: choice.isHidden ? PanelStyle.faintText : PanelStyle.text
            font.pixelSize: PanelStyle.bodySize
            font.weight: choice.isCurrent ? Font.DemiBold : Font.Normal
            elide: Text.ElideRight
            Layout.fillWidth: true
        }
        Text {
            text: choice.unitSymbol
            visible: choice.unitSymbol !== choice.unitName
            color: choice.isHidden ? PanelStyle.faintText : PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize + 0.5
            elide: Text.ElideRight
            Layout.maximumWidth: 60
        }
        Text {
            visible: choice.isHidden
            text: qsTrId("picker.hiddenTag")
            color: PanelStyle.faintText
            font.pixelSize: PanelStyle.captionSize - 1
            font.italic: true
        }
        AbstractButton {
            id: showButton
            objectName: "showAgain_" + choice.unitId
            visible: choice.isHidden
            hoverEnabled: true
            focusPolicy: Qt.TabFocus
            implicitHeight: 22
            implicitWidth: showLabel.implicitWidth + 12
            text: qsTrId("picker.showAgain")
            Accessible.role: Accessible.Button
            Accessible.name: text
            Accessible.description: choice.unitName
            Accessible.onPressAction: choice.showAgain()
            onClicked: choice.showAgain()
            background: Rectangle {
                radius: 6
                color: showButton.hovered ? PanelStyle.hover : "transparent"
                border.width: showButton.visualFocus ? 1.5 : 1
                border.color: showButton.visualFocus ? PanelStyle.text : PanelStyle.cardBorder
            }
            contentItem: Text {
                id: showLabel
                text: showButton.text
                color: PanelStyle.text
                font.pixelSize: PanelStyle.captionSize
                font.weight: Font.Medium
                horizontalAlignment: Text.AlignHCenter
                verticalAlignment: Text.AlignVCenter
            }
        }
        SymbolIcon {
            visible: choice.isCurrent || !choice.isHidden
            symbol: "checkmark"
            size: 11
            opacity: choice.isCurrent ? 1 : 0
        }
        Item { implicitWidth: 2 }
    }
}
