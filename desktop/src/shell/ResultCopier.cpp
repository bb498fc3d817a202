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

void ResultCopier::copyRow(const QVariantMap& row, const QVariantMap& shown, const QString& input) {
    const QVariantMap unit = row.value("unit").toMap();
    const QString text = toQString(copyableText(toStdString(row.value("text").toString())));
    // A mixed amount ("5 ft 2.992 in") names its units itself and means nothing without them.
    const bool isMixed = row.value("isMixed").toBool();
    const QString withUnit = isMixed ? text : text + " " + unit.value("symbol").toString();
    const QString copied = settings_.copiesUnit() || isMixed ? withUnit : text;
    const QVariantMap fromUnit = shown.value("fromUnit").toMap();
    if (!fromUnit.isEmpty())
        settings_.addRecent(Recent{toStdString(shown.value("categoryId").toString()),
                                   toStdString(fromUnit.value("id").toString()),
                                   toStdString(unit.value("id").toString()), toStdString(input)});
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
