import QtQuick
import Zelvane

// What to say about the exchange rates: fetching, failed, when they were updated, or none yet.
QtObject {
    // The state's rate status, in its declaration order.
    readonly property int status: AppState.ratesStatus
    readonly property bool loading: status === 1
    readonly property bool failed: status === 3
    // Seconds since 1970 of the snapshot, read again whenever the rates or their status change.
    readonly property var updatedAt: {
        void AppState.ratesStatus
        return AppState.hasRates ? new Date(AppState.ratesInfo().updatedAt * 1000) : undefined
    }

    readonly property string text: loading ? qsTrId("currency.updating")
        : failed ? qsTrId("panel.rates.failed")
        : updatedAt ? qsTrId("currency.lastUpdated").arg(
                          updatedAt.toLocaleString(Qt.locale(AppState.displayLocaleName),
                                                   Locale.ShortFormat))
        : qsTrId("currency.noRates.title")
}
