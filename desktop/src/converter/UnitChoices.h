// UnitChoices: the units the unit picker offers — every unit of the shown conversion once, in
// the order of its rows, hidden others too.
#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <vector>

#include "ShownConversion.h"

namespace zelvane {

class ShownRows;

/// Filled only while `active` (the picker is open): a closed picker costs no keystroke anything.
class UnitChoices : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The unit choices belong to the converter's input flow")

    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)

  public:
    enum Role { unitIdRole = Qt::UserRole + 1, unitNameRole, unitSymbolRole };

    /// Follows the conversion behind `rows`.
    explicit UnitChoices(const ShownRows& rows, QObject* parent = nullptr);

    bool active() const { return active_; }
    void setActive(bool active);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void activeChanged();

  private:
    void rebuild();

    const ShownRows& rows_;
    bool active_ = false;
    std::vector<UnitRef> units_;
};

} // namespace zelvane
