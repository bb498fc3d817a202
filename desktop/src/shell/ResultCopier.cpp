#include "ResultCopier.h"

#include <QClipboard>
#include <QGuiApplication>

#include "CopyText.h"
#include "DesktopSettings.h"
#include "QtConversions.h"

namespace zelvane {

ResultCopier::ResultCopier(AppState& app, DesktopSettings& settings, QObject* parent)
    : QObject(parent), LatestInstance(this), settings_(settings), recents_(app, settings) {}

void ResultCopier::copy(const QString& clipboardText, const QString& lastCopied) {
    QGuiApplication::clipboard()->setText(clipboardText, QClipboard::Clipboard);
    settings_.setLastCopied(toStdString(lastCopied));
}

void ResultCopier::copyRow(const ShownConversion& shown, std::size_t index, const QString& input) {
    if (index >= shown.rowCount())
        return;
    const auto& row = shown.row(index);
    const QString text = toQString(copyableText(shown.shownText(index)));
    // A mixed amount ("5 ft 2.992 in") names its units itself and means nothing without them.
    const bool isMixed = shown.isMixedRow(index);
    const QString withUnit = isMixed ? text : text + " " + toQString(row.unit->symbol);
    const QString copied = settings_.copiesUnit() || isMixed ? withUnit : text;
    if (shown.fromUnit)
        settings_.addRecent(
            Recent{shown.categoryId, shown.fromUnit->id, row.unit->id, toStdString(input)});
    copy(copied, withUnit);
    emit this->copied(copied);
}

void ResultCopier::copyRecent(int index) {
    if (index < 0 || index >= recents_.count())
        return;
    const QString result = toQString(copyableText(toStdString(recents_.entry(index).resultText)));
    copy(result, result);
}

} // namespace zelvane
