#include "CustomItemsModel.h"

#include "AppState.h"
#include "CategoryNames.h"
#include "CustomStateText.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"

namespace zelvane {

namespace {

QString unitLine(const ravodozu::CustomUnit& unit, const UnitState& state) {
    const auto symbol = unit.symbol.empty() ? QString() : " (" + toQString(unit.symbol) + ")";
    return toQString(unit.name) + symbol + ": " + state.text;
}

} // namespace

CustomItemsModel::CustomItemsModel(QObject* parent)
    : QAbstractListModel(parent), app_(*AppState::instance()) {
    connect(&app_, &AppState::customLibraryChanged, this, &CustomItemsModel::refresh);
    connect(&app_, &AppState::ratesChanged, this, &CustomItemsModel::refresh);
    connect(&app_, &AppState::preferencesChanged, this, &CustomItemsModel::refresh);
    refresh();
}

void CustomItemsModel::refresh() {
    const auto context = app_.context();
    const auto& resolved = context.custom();
    const auto languages = languageList(context.preferences());
    const int before = count();
    beginResetModel();
    rows_.clear();
    for (const auto& conversion : context.customLibrary().conversions) {
        Row row{toQString(conversion.id),
                false,
                toQString(conversion.name),
                toQString(conversion.glyph),
                qtTrId("custom.unitCount").arg(conversion.units.size()),
                {},
                false};
        for (std::size_t i = 0; i < conversion.units.size(); ++i) {
            const auto& unit = conversion.units[i];
            auto state = unitState(resolved, unit.id, i == 0);
            row.hasProblem = row.hasProblem || state.failed || state.doubtful;
            row.unitStates << unitLine(unit, state);
        }
        rows_.push_back(std::move(row));
    }
    for (const auto& extra : context.customLibrary().extras) {
        auto state = unitState(resolved, "custom." + extra.id, false);
        auto category = toQString(categoryDisplayName(extra.categoryId, context, languages));
        rows_.push_back({toQString(extra.id),
                         true,
                         toQString(extra.unit.name),
                         toQString(extra.unit.symbol),
                         qtTrId("custom.extraIn")
                             .arg(category.isEmpty() ? toQString(extra.categoryId) : category),
                         {unitLine(extra.unit, state)},
                         state.failed || state.doubtful});
    }
    endResetModel();
    if (count() != before)
        emit countChanged();
}

int CustomItemsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant CustomItemsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
    case itemIdRole:
        return row.itemId;
    case isExtraRole:
        return row.isExtra;
    case nameRole:
        return row.name;
    case glyphRole:
        return row.glyph;
    case summaryRole:
        return row.summary;
    case unitStatesRole:
        return row.unitStates;
    case hasProblemRole:
        return row.hasProblem;
    default:
        return {};
    }
}

QHash<int, QByteArray> CustomItemsModel::roleNames() const {
    return {{itemIdRole, "itemId"},        {isExtraRole, "isExtra"}, {nameRole, "name"},
            {glyphRole, "glyph"},          {summaryRole, "summary"}, {unitStatesRole, "unitStates"},
            {hasProblemRole, "hasProblem"}};
}

} // namespace zelvane
