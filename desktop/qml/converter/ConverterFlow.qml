import QtQuick
import Zelvane

// The converter page's input flow: plain numbers go straight to the model, anything else is a
// draft phrase previewed through quick input until it is committed.
QtObject {
    id: flow

    // The converter model (category, source unit, input) and the reader of phrases and rows.
    required property var model
    required property var reader

    property var draft: undefined
    property var selection: undefined

    // Both read the reader's revision so that a change of preferences or rates redraws them.
    readonly property var quick: {
        void reader.revision
        return draft === undefined ? null : reader.parse(draft, model.categoryId)
    }
    readonly property bool isPreview: quick !== null
    readonly property var shown: {
        void reader.revision
        return quick !== null
            ? reader.build(quick.categoryId, quick.fromUnitId, quick.number, quick.target)
            : reader.build(model.categoryId, model.fromUnitId, model.input, undefined)
    }
    readonly property var rows: shown.pinned.concat(shown.others)
    readonly property string fieldText: draft !== undefined ? draft : model.input
    readonly property bool showsHint: draft !== undefined && draft.trim().length > 0
    readonly property bool hasTarget: shown.targetIndex !== undefined && shown.targetIndex !== null

    function withoutLineBreaks(text) {
        return text.replace(/[\n\u000B\f\r\u0085\u2028\u2029]/g, "")
    }

    function textEdited(text) {
        selection = undefined
        const cleaned = withoutLineBreaks(text)
        if (reader.isPlainNumber(cleaned)) {
            draft = undefined
            model.input = cleaned.trim()
        } else {
            draft = cleaned
        }
        if (cleaned.length !== text.length)
            Qt.callLater(commit)
    }

    function clear() {
        selection = undefined
        draft = undefined
        model.input = ""
    }

    function reset() {
        draft = undefined
        selection = undefined
    }

    // Down and Up walk the rows; answers whether the key was used.
    function moveSelection(delta) {
        if (delta > 0) {
            if (rows.length === 0)
                return false
            selection = Math.min((selection === undefined ? -1 : selection) + 1, rows.length - 1)
            return true
        }
        if (selection === undefined)
            return false
        selection = Math.max(selection - 1, 0)
        return true
    }

    function applyQuick(q) {
        model.switchCategory(q.categoryId)
        model.fromUnitId = q.fromUnitId
        model.input = q.number
        draft = undefined
    }

    function commit() {
        const q = quick
        const before = shown
        if (q === null) {
            if (rows.length === 0)
                return
            const index = Math.min(selection === undefined ? 0 : selection, rows.length - 1)
            selection = index
            ResultCopier.copyRow(rows[index], before, model.input)
            return
        }
        applyQuick(q)
        if (before.targetIndex === undefined || before.targetIndex === null)
            return
        selection = before.targetIndex
        const target = before.pinned.concat(before.others)[before.targetIndex]
        ResultCopier.copyRow(target, before, q.number)
    }

    function tap(row, asSource) {
        if (!asSource) {
            const index = rows.findIndex(r => r.unit.id === row.unit.id)
            selection = index >= 0 ? index : undefined
            ResultCopier.copyRow(row, shown, quick !== null ? quick.number : model.input)
            return
        }
        if (quick !== null)
            applyQuick(quick)
        model.selectFromUnit(row.unit.id)
        selection = undefined
    }

    // The line under the field while a phrase is typed: what was understood, and what Return does.
    readonly property string hintText: {
        if (!showsHint)
            return ""
        if (quick === null || !shown.fromUnit)
            return qsTrId("panel.parse.miss")
        // The amount as it was read, so that an unexpected reading shows before Return.
        let text = qsTrId("panel.parse.found").arg(AppState.categoryDisplayName(quick.categoryId))
                                             .arg(quick.shownNumber + " " + shown.fromUnit.name)
        if (hasTarget)
            text += " " + qsTrId("panel.parse.target").arg(rows[shown.targetIndex].unit.name)
        return text
    }
    readonly property string keyHint: !showsHint || quick === null || !shown.fromUnit ? ""
                                      : qsTrId(hasTarget ? "panel.parse.copy" : "panel.parse.confirm")
}
