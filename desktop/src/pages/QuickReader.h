// QuickReader: the converter page's reading of typed text, as plain values QML can bind to.
#pragma once

#include <QObject>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace zelvane {

/// Reads phrases and builds the shown conversion from the application state's current context.
/// Records reach QML as maps with the records' field names; absent fields are undefined.
class QuickReader : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// Changes whenever the preferences or the rates do, so bindings that read rows re-read them.
    Q_PROPERTY(int revision READ revision NOTIFY revisionChanged)

  public:
    explicit QuickReader(QObject* parent = nullptr);

    int revision() const { return revision_; }

    Q_INVOKABLE bool isPlainNumber(const QString& text) const;
    /// {number, categoryId, fromUnitId, toUnitId} of a phrase, or null when it names no unit.
    Q_INVOKABLE QVariant parse(const QString& text, const QString& currentCategoryId) const;
    /// {categoryId, fromUnit, value, pinned, others, targetIndex}; a row is
    /// {unit: {id, symbol, name}, text, isPinned, magnitude, identity}.
    Q_INVOKABLE QVariantMap build(const QString& categoryId, const QString& fromUnitId,
                                  const QString& input, const QVariant& targetUnitId) const;

  signals:
    void revisionChanged();

  private:
    int revision_ = 0;
};

} // namespace zelvane
