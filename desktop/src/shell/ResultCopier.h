// ResultCopier: copying a converted value — the clipboard, the recents and the last copied
// text; the QML singleton `ResultCopier`.
#pragma once

#include <QObject>
#include <QString>
#include <QVariantMap>
#include <QtQml/qqmlregistration.h>

#include "LatestInstance.h"
#include "RecentsModel.h"

namespace zelvane {

class AppState;
class DesktopSettings;

class ResultCopier : public QObject, public LatestInstance<ResultCopier> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(zelvane::RecentsModel* recents READ recents CONSTANT)

  public:
    ResultCopier(AppState& app, DesktopSettings& settings, QObject* parent = nullptr);

    RecentsModel* recents() { return &recents_; }

    /// Copies a row of a shown conversion: the text as other programs read it (copyableText;
    /// with the unit when the user wants it, always for a mixed amount) to the clipboard, the
    /// conversion to the recents, the text with its unit as the last copied. `row` is
    /// {unit: {id, symbol}, text, isMixed}, `shown` {categoryId, fromUnit: {id} or undefined}.
    Q_INVOKABLE void copyRow(const QVariantMap& row, const QVariantMap& shown,
                             const QString& input);
    /// Copies the result of the recent entry at `index` as other programs read it; out of range
    /// does nothing.
    Q_INVOKABLE void copyRecent(int index);

  signals:
    /// `text` went to the clipboard from the panel; the view confirms it.
    void copied(const QString& text);

  private:
    void copy(const QString& clipboardText, const QString& lastCopied);

    DesktopSettings& settings_;
    RecentsModel recents_;
};

} // namespace zelvane
