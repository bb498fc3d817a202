#include "UnitChoices.h"

#include <algorithm>

#include "QtConversions.h"
#include "ShownRows.h"

namespace zelvane {

UnitChoices::UnitChoices(const ShownRows& rows, QObject* parent)
    : QAbstractListModel(parent), rows_(rows) {
    connect(&rows_, &ShownRows::conversionChanged, this, &UnitChoices::rebuild);
}

void UnitChoices::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    rebuild();
    emit activeChanged();
}

void UnitChoices::rebuild() {
    if (!active_ && units_.empty())
        return;
    beginResetModel();
    units_.clear();
    const ShownConversion& shown = rows_.conversion();
    for (std::size_t index = 0; active_ && index < shown.rowCount(); ++index) {
        const UnitRef& unit = shown.row(index).unit;
        if (std::none_of(units_.begin(), units_.end(),
                         [&](const UnitRef& listed) { return listed->id == unit->id; }))
            units_.push_back(unit);
    }
    endResetModel();
}

int UnitChoices::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(units_.size());
}

QVariant UnitChoices::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const auto& unit = *units_[std::size_t(index.row())];
    switch (role) {
    case unitIdRole:
        return toQString(unit.id);
    case unitNameRole:
        return toQString(unit.name.resolve(rows_.languages()));
    case unitSymbolRole:
        return toQString(unit.symbol);
    default:
        return {};
    }
}

QHash<int, QByteArray> UnitChoices::roleNames() const {
    return {{unitIdRole, "unitId"}, {unitNameRole, "unitName"}, {unitSymbolRole, "unitSymbol"}};
}

} // namespace zelvane
