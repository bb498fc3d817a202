import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// For currencies: how fresh the rates are, with a button to fetch them now.
RowLayout {
    id: line

    required property var theme

    spacing: 4

    RatesStatus { id: rates }

    Text {
        id: status
        objectName: "ratesStatus"
        Layout.fillWidth: true
        // Long translations take a second line in a small panel; the rest shows on hover.
        wrapMode: Text.WordWrap
        maximumLineCount: 2
        lineHeight: 0.9
        elide: Text.ElideRight
        ToolTip.visible: hover.hovered && truncated
        ToolTip.text: text
        HoverHandler { id: hover }
        color: rates.failed ? PanelStyle.danger : PanelStyle.secondaryText
        font.pixelSize: PanelStyle.captionSize
        text: rates.text
        Accessible.role: Accessible.StaticText
        Accessible.name: text
    }
    RoundIconButton {
        objectName: "refreshRatesButton"
        symbol: "arrow.clockwise"
        label: qsTrId("currency.update")
        tint: line.theme.deep
        diameter: 22
        enabled: !rates.loading
        onClicked: AppState.refreshRates()
    }
}
