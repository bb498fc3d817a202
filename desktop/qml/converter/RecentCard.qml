import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// The latest copied conversions; choosing one opens it in the converter.
ColumnLayout {
    id: card

    readonly property var entries: ResultCopier.recents

    signal open(int index)

    spacing: 2

    RowLayout {
        Layout.fillWidth: true
        Layout.leftMargin: 8
        Layout.rightMargin: 8
        Text {
            text: qsTrId("panel.recent.title")
            color: PanelStyle.secondaryText
            font.pixelSize: PanelStyle.captionSize
            font.weight: Font.DemiBold
            font.capitalization: Font.AllUppercase
            Accessible.role: Accessible.Heading
            Accessible.name: text
        }
        Text {
            text: qsTrId("panel.recent.hint")
            color: PanelStyle.faintText
            font.pixelSize: PanelStyle.captionSize
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignRight
            Layout.fillWidth: true
        }
    }
    Text {
        objectName: "recentEmpty"
        visible: (card.entries?.count ?? 0) === 0
        text: qsTrId("panel.recent.empty")
        color: PanelStyle.faintText
        font.pixelSize: PanelStyle.captionSize + 0.5
        Layout.leftMargin: 8
        Layout.bottomMargin: 6
    }
    Repeater {
        model: card.entries
        ItemDelegate {
            id: entry
            required property int index
            required property string title
            required property string sourceText
            required property string resultText
            objectName: "recentEntry_" + index
            Layout.fillWidth: true
            implicitHeight: 24
            padding: 0
            focusPolicy: Qt.TabFocus
            Accessible.role: Accessible.Button
            Accessible.name: title
            Accessible.onPressAction: clicked()
            Accessible.description: qsTrId("panel.recent.hint")
            background: HoverRowStyle { hovered: entry.hovered || entry.visualFocus }
            contentItem: RowLayout {
                spacing: 6
                Item { implicitWidth: 2 }
                SymbolIcon { symbol: "clock"; size: 10; color: PanelStyle.faintText }
                Text {
                    text: entry.sourceText
                    color: PanelStyle.secondaryText
                    font.pixelSize: PanelStyle.bodySize - 0.5
                    elide: Text.ElideRight
                    Layout.fillWidth: true
                }
                Text {
                    text: "→ " + entry.resultText
                    color: PanelStyle.text
                    font.pixelSize: PanelStyle.bodySize - 0.5
                    font.weight: Font.Medium
                    elide: Text.ElideLeft
                    Layout.maximumWidth: entry.width * 0.55
                }
                Item { implicitWidth: 2 }
            }
            onClicked: card.open(index)
        }
    }
}
