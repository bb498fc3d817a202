#include "ResultCopier.h"

#include <QClipboard>
#include <QGuiApplication>

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
    const QString text = row.value("text").toString();
    const QString withUnit = text + " " + unit.value("symbol").toString();
    const QString copied = settings_.copiesUnit() ? withUnit : text;
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
    const QString result = recents_.entry(index).resultText;
    copy(result, result);
}

} // namespace zelvane
