// UnitChoices: the units the unit picker offers — every unit of the shown category once: the
// source unit, then the units of the rows in their order, then the rest (the hidden ones).
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <vector>

#include "ShownConversion.h"

namespace zelvane {

class AppState;
class ShownRows;

/// Filled only while `active` (the picker is open): a closed picker costs no keystroke anything.
/// A `filter` keeps the units whose shown name or symbol contains it, or that it names, compared
/// as the phrase reader compares unit texts; those it names come first.
class UnitChoices : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The unit choices belong to the converter's input flow")

    Q_PROPERTY(bool active READ active WRITE setActive NOTIFY activeChanged)
    Q_PROPERTY(QString filter READ filter WRITE setFilter NOTIFY filterChanged)

  public:
    enum Role {
        unitIdRole = Qt::UserRole + 1,
        unitNameRole,
        unitSymbolRole,
        isCurrentRole,
        isHiddenRole
    };

    /// Follows the conversion behind `rows`; hidden units are read from `app`'s preferences.
    UnitChoices(const ShownRows& rows, AppState& app, QObject* parent = nullptr);

    bool active() const { return active_; }
    void setActive(bool active);
    QString filter() const { return filter_; }
    void setFilter(const QString& filter);

    /// The listed position of the unit, or -1.
    Q_INVOKABLE int indexOf(const QString& unitId) const;
    /// Unhides a hidden unit of the shown category; any other unit is left as it is.
    Q_INVOKABLE void showAgain(const QString& unitId);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void activeChanged();
    void filterChanged();

  private:
    struct Choice {
        UnitRef unit;
        bool isCurrent;
        bool isHidden;
    };

    void rebuild();
    std::vector<Choice> listed() const;

    const ShownRows& rows_;
    AppState& app_;
    bool active_ = false;
    QString filter_;
    std::vector<Choice> choices_;
};

} // namespace zelvane
