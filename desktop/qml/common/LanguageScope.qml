import QtQuick
import Zelvane

// Holds content that is built anew whenever the display language changes, so that every text,
// date and measured width is that of the new language at once. What must outlive the switch
// belongs outside the scope. Dates and numbers inside are formatted in the application state's
// display locale, which changes with the language.
Item {
    id: scope

    required property Component content
    // The content's identity: the chosen language, or "system" when the platform's is followed.
    readonly property string identity: AppState.languageCode || "system"
    property string builtFor

    // Built after the change has been handled everywhere, the new texts installed among it.
    onIdentityChanged: Qt.callLater(rebuild)
    Component.onCompleted: builtFor = identity

    function rebuild() {
        if (builtFor === identity)
            return
        builtFor = identity
        loader.active = false
        loader.active = true
    }

    Loader {
        id: loader
        anchors.fill: parent
        sourceComponent: scope.content
    }
}
