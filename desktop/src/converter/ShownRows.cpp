#include "ShownRows.h"

#include <algorithm>
#include <tuple>
#include <utility>

#include "QtConversions.h"

namespace zelvane {

int ShownRows::count() const {
    return pinnedCount() + (showsOthers_ ? othersCount() : 0);
}

void ShownRows::show(ShownConversion conversion, bool showsOthers,
                     std::vector<std::string> languages) {
    const int before = count();
    const int after =
        int(conversion.pinned.size()) + (showsOthers ? int(conversion.others.size()) : 0);
    const auto shape = std::tuple(pinnedCount(), othersCount(), showsOthers_);
    const bool renamed = languages != languages_;
    ShownConversion previous;
    auto replace = [&] {
        previous = std::exchange(conversion_, std::move(conversion));
        showsOthers_ = showsOthers;
        languages_ = std::move(languages);
    };
    if (after < before) {
        beginRemoveRows({}, after, before - 1);
        replace();
        endRemoveRows();
    } else if (after > before) {
        beginInsertRows({}, before, after - 1);
        replace();
        endInsertRows();
    } else {
        replace();
    }
    notifyChangedRows(previous, std::min(before, after), renamed);
    if (shape != std::tuple(pinnedCount(), othersCount(), showsOthers_))
        emit shapeChanged();
    emit conversionChanged();
}

void ShownRows::notifyChangedRows(const ShownConversion& before, int kept, bool renamed) {
    // Runs of changed rows are announced together: a keystroke changes every value at once.
    int first = -1;
    for (int row = 0; row <= kept; ++row) {
        const bool changed =
            row < kept &&
            (renamed || !(before.row(std::size_t(row)) == conversion_.row(std::size_t(row))) ||
             before.shownText(std::size_t(row)) != conversion_.shownText(std::size_t(row)));
        if (changed && first < 0)
            first = row;
        if (!changed && first >= 0) {
            emit dataChanged(index(first), index(row - 1));
            first = -1;
        }
    }
}

int ShownRows::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant ShownRows::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const auto& row = conversion_.row(std::size_t(index.row()));
    switch (role) {
    case unitIdRole:
        return toQString(row.unit->id);
    case unitNameRole:
        return toQString(row.unit->name.resolve(languages_));
    case unitSymbolRole:
        return toQString(row.unit->symbol);
    case valueTextRole:
        return toQString(conversion_.shownText(std::size_t(index.row())));
    case isMixedRole:
        return conversion_.isMixedRow(std::size_t(index.row()));
    case isPinnedRole:
        return row.isPinned;
    case magnitudeRole:
        return toQString(row.magnitude.value_or(""));
    default:
        return {};
    }
}

QHash<int, QByteArray> ShownRows::roleNames() const {
    return {{unitIdRole, "unitId"},         {unitNameRole, "unitName"},
            {unitSymbolRole, "unitSymbol"}, {valueTextRole, "valueText"},
            {isPinnedRole, "isPinned"},     {magnitudeRole, "magnitude"},
            {isMixedRole, "isMixed"}};
}

} // namespace zelvane
