// PanelText: the texts the panel's pages compute from units rather than store: formula lines
// and worked examples, the step menu's choices and stepping, and the row menu's plain copies.
#pragma once

#include <QObject>
#include <QStringList>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

namespace zelvane {

/// Stateless: every answer is read from the application state's current conversion context, so
/// a page asks again whenever the category, the units or the preferences change.
class PanelText : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

  public:
    explicit PanelText(QObject* parent = nullptr);

    /// «1 km = 1000 m» from one unit of a category to another, with `significantDigits`
    /// significant or `fractionDigits` fraction digits; "" when the pair has no formula.
    Q_INVOKABLE QString formulaLine(const QString& categoryId, const QString& fromUnitId,
                                    const QString& toUnitId, int significantDigits,
                                    int fractionDigits, bool significantOnly) const;
    /// «5 × 1000 = 5000 m» for `value`; "" when the pair has no formula.
    Q_INVOKABLE QString exampleLine(const QString& categoryId, const QString& fromUnitId,
                                    const QString& toUnitId, double value) const;
    /// {id, symbol, name} of the category's reference unit; undefined when there is none.
    Q_INVOKABLE QVariant baseUnit(const QString& categoryId) const;
    /// "ratio", "shifted" or "inverse": how the category's units relate.
    Q_INVOKABLE QString formulaKind(const QString& categoryId) const;

    Q_INVOKABLE QStringList stepPresets() const;
    /// Whether a typed step reads as a positive number.
    Q_INVOKABLE bool acceptsStep(const QString& text) const;
    /// `input` moved by `count` steps of `stepText`, or of the input's own last decimal when
    /// `stepText` is undefined.
    Q_INVOKABLE QString stepped(const QString& input, int count, const QVariant& stepText) const;

    /// Puts `text` on the clipboard as other programs read it (no superscripts or "×"): no
    /// recent, no toast, no last-copied text.
    Q_INVOKABLE void writeClipboard(const QString& text) const;
};

} // namespace zelvane
