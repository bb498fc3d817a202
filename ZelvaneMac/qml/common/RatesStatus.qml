import QtQuick
import Zelvane

// What to say about the exchange rates: fetching, failed, when they were updated, or none yet.
QtObject {
    // The state's rate status, in its declaration order.
    readonly property int status: AppState.ratesStatus
    readonly property bool loading: status === 1
    readonly property bool failed: status === 3
    readonly property var updatedAt: AppState.rates ? AppState.rates.updatedAt : undefined

    readonly property string text: loading ? qsTrId("currency.updating")
        : failed ? qsTrId("mac.rates.failed")
        : updatedAt ? qsTrId("currency.lastUpdated").arg(
                          Qt.formatDateTime(updatedAt, Locale.ShortFormat))
        : qsTrId("currency.noRates.title")
}
