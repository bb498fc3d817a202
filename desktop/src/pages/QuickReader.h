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
    /// {number, shownNumber, categoryId, fromUnitId, toUnitId, target} of a phrase, or null when
    /// it names no unit. `shownNumber` is the amount as read, in the display locale, for the hint
    /// line; `target` is what `build` takes: the target unit id, or the list of a mixed target.
    Q_INVOKABLE QVariant parse(const QString& text, const QString& currentCategoryId) const;
    /// {categoryId, fromUnit, value, pinned, others, targetIndex}; a row is
    /// {unit: {id, symbol, name}, text, isPinned, magnitude, identity, isMixed}. `target` is a
    /// unit id, a list of unit ids (a mixed target, whose row's text is the whole mixed amount
    /// with its units: isMixed), or undefined.
    Q_INVOKABLE QVariantMap build(const QString& categoryId, const QString& fromUnitId,
                                  const QString& input, const QVariant& target) const;

  signals:
    void revisionChanged();

  private:
    int revision_ = 0;
};

} // namespace zelvane
