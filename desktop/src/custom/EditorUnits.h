// EditorUnits: the units of the item being edited, with their rules and what compiling them gave.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include <vector>

#include "CustomStateText.h"
#include "RavoDozu/CustomLibrary.h"

namespace zelvane {

/// Owned by the CustomEditor. A field edit changes the unit and says `edited`, without touching
/// the row's fields (the text being typed stays as it is); only the compile state rows change.
class EditorUnits : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by CustomEditor")

    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role {
        nameRole = Qt::UserRole + 1,
        symbolRole,
        isBaseRole,
        ruleKindRole,
        ratioRole,
        forwardRole,
        inverseRole,
        stepsRole,
        stepsTextRole,
        stateRole,
        failedRole,
        doubtfulRole,
        errorAtRole,
    };

    explicit EditorUnits(QObject* parent = nullptr);

    int count() const { return int(units_.size()); }
    const std::vector<ravodozu::CustomUnit>& units() const { return units_; }
    /// With `firstIsBase` the first unit is the reference of the others and has no rule.
    void reset(std::vector<ravodozu::CustomUnit> units, bool firstIsBase);
    /// The compile state of each unit, in order.
    void setStates(std::vector<UnitState> states);

    Q_INVOKABLE void add();
    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void setName(int row, const QString& name);
    Q_INVOKABLE void setSymbol(int row, const QString& symbol);
    /// "ratio", "steps" or "formula"; the rule starts as the identity.
    Q_INVOKABLE void setRuleKind(int row, const QString& kind);
    Q_INVOKABLE void setRatio(int row, const QString& text);
    Q_INVOKABLE void setForward(int row, const QString& text);
    /// An empty text removes the written inverse.
    Q_INVOKABLE void setInverse(int row, const QString& text);
    Q_INVOKABLE void addStep(int row);
    Q_INVOKABLE void removeStep(int row, int step);
    /// `field` is "op", "operand" (a number, or a parameter's name), "from", "to" or "fn".
    Q_INVOKABLE void setStep(int row, int step, const QString& field, const QString& value);
    /// The step ops, in the core's order.
    Q_INVOKABLE static QStringList stepOps();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();
    void edited();

  private:
    ravodozu::CustomUnit* unit(int row);
    ravodozu::CustomStep* step(int row, int step);
    void changed(int row, const QList<int>& roles = {});

    std::vector<ravodozu::CustomUnit> units_;
    std::vector<UnitState> states_;
    bool firstIsBase_ = true;
};

/// A number as typed, with "," read as the decimal point; NaN for anything else.
double typedNumber(const QString& text);

} // namespace zelvane
