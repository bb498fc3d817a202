import QtQuick
import QtQuick.Controls.Basic
import QtQuick.Layouts
import Zelvane

// Every unit of the shown category, the source unit first and the hidden ones last; picking one
// makes it the source unit, a hidden one can be shown again. Typing filters the list, the arrows
// move through it, Enter picks, Esc closes. A dialog only for its title, which names it to screen
// readers; the title is not drawn.
Dialog {
    id: picker

    required property InputFlow flow
    readonly property UnitChoices units: flow.units

    objectName: "unitPicker"
    title: qsTrId("converter.inputUnit")
    header: null
    footer: null
    width: 300
    height: Math.min(filterField.implicitHeight + column.spacing + Math.max(list.contentHeight, 30)
                     + topPadding + bottomPadding, 330)
    // Kept inside the panel, shortened when the panel is low.
    margins: 6
    padding: 6
    focus: true

    function pick(unitId) {
        // The source unit stays as it is: picking it again would rewrite the typed value.
        if (unitId !== flow.fromUnitId)
            flow.pickUnit(unitId)
        close()
    }
    function pickCurrent() {
        if (list.currentItem)
            pick(list.currentItem.unitId)
    }
    // The list is rebuilt with the unit in its new place; the keyboard stays on it.
    function showAgain(unitId) {
        units.showAgain(unitId)
        list.currentIndex = units.indexOf(unitId)
        filterField.forceActiveFocus()
    }

    onAboutToShow: {
        filterField.clear()
        units.filter = ""
    }
    onOpened: {
        list.currentIndex = 0
        filterField.forceActiveFocus()
    }

    // Filled only while open: a closed picker would otherwise rebuild its rows with every
    // keystroke.
    Binding {
        target: picker.units
        property: "active"
        value: picker.visible
    }

    background: Rectangle {
        radius: 12
        color: PanelStyle.dark ? "#1E1F24" : "#FFFFFF"
        border.width: 1
        border.color: PanelStyle.cardBorder
    }
    contentItem: ColumnLayout {
        id: column
        spacing: 4
        // Esc closes the picker, wherever its focus is, before the panel's own Esc sees it.
        Keys.onShortcutOverride: event => event.accepted = event.key === Qt.Key_Escape
        Keys.onEscapePressed: picker.close()

        TextField {
            id: filterField
            objectName: "unitFilter"
            focus: true
            Layout.fillWidth: true
            placeholderText: qsTrId("picker.filter")
            font.pixelSize: PanelStyle.bodySize
            color: PanelStyle.text
            placeholderTextColor: PanelStyle.faintText
            leftPadding: 8
            background: Rectangle { radius: 8; color: PanelStyle.hover }
            Accessible.role: Accessible.EditableText
            Accessible.name: qsTrId("picker.filter")
            Accessible.description: qsTrId("converter.inputUnit")

            onTextEdited: {
                picker.units.filter = text
                list.currentIndex = 0
            }
            Keys.onUpPressed: list.decrementCurrentIndex()
            Keys.onDownPressed: list.incrementCurrentIndex()
            Keys.onReturnPressed: picker.pickCurrent()
            Keys.onEnterPressed: picker.pickCurrent()
        }
        ListView {
            id: list
            objectName: "unitChoices"
            Layout.fillWidth: true
            Layout.fillHeight: true
            clip: true
            model: picker.units
            boundsBehavior: Flickable.StopAtBounds
            // The list is rebuilt with every typed letter; rows made ahead of time, off screen,
            // would only be thrown away half made.
            cacheBuffer: 0
            ScrollIndicator.vertical: ScrollIndicator {}
            Accessible.role: Accessible.List
            Accessible.name: qsTrId("converter.inputUnit")

            delegate: UnitChoice {
                width: ListView.view.width
                categoryId: picker.flow.categoryId
                highlighted: ListView.isCurrentItem
                onClicked: picker.pick(unitId)
                onShowAgain: picker.showAgain(unitId)
            }
        }
    }
}
