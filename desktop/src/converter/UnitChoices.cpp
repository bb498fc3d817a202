#include "UnitChoices.h"

#include <algorithm>

#include "AppState.h"
#include "QtConversions.h"
#include "ShownRows.h"
#include "UnitText.h"

namespace zelvane {

namespace {

/// Whether the normalised `key` is part of the unit's shown name or symbol; "" is part of any.
bool holds(const ravodozu::UnitDefinition& unit, const std::string& key,
           const std::vector<std::string>& languages) {
    auto holdsKey = [&](const std::string& text) {
        return normalizedUnitText(text).find(key) != std::string::npos;
    };
    return holdsKey(unit.name.resolve(languages)) || holdsKey(unit.symbol);
}

const std::string& unitIdOf(const auto& choice) {
    return choice.unit->id;
}

} // namespace

UnitChoices::UnitChoices(const ShownRows& rows, AppState& app, QObject* parent)
    : QAbstractListModel(parent), rows_(rows), app_(app) {
    connect(&rows_, &ShownRows::conversionChanged, this, &UnitChoices::rebuild);
}

void UnitChoices::setActive(bool active) {
    if (active == active_)
        return;
    active_ = active;
    rebuild();
    emit activeChanged();
}

void UnitChoices::setFilter(const QString& filter) {
    if (filter == filter_)
        return;
    filter_ = filter;
    rebuild();
    emit filterChanged();
}

int UnitChoices::indexOf(const QString& unitId) const {
    const auto found = std::ranges::find(choices_, toStdString(unitId), unitIdOf<Choice>);
    return found == choices_.end() ? -1 : int(found - choices_.begin());
}

void UnitChoices::showAgain(const QString& unitId) {
    const auto& categoryId = rows_.conversion().categoryId;
    if (app_.preferences().isHidden(toStdString(unitId), categoryId))
        app_.toggleHidden(unitId, toQString(categoryId));
}

auto UnitChoices::listed() const -> std::vector<Choice> {
    const ShownConversion& shown = rows_.conversion();
    const auto context = app_.context();
    const std::string typed = toStdString(filter_);
    const std::string key = normalizedUnitText(typed);
    // What the filter names comes first: "foot" finds the foot before the Chinese foot.
    std::vector<Choice> named;
    std::vector<Choice> holding;
    auto isListed = [&](const std::string& unitId) {
        return std::ranges::find(named, unitId, unitIdOf<Choice>) != named.end() ||
               std::ranges::find(holding, unitId, unitIdOf<Choice>) != holding.end();
    };
    auto add = [&](const UnitRef& unit) {
        if (isListed(unit->id))
            return;
        const bool names = !key.empty() && unitMatches(*unit, typed);
        if (!names && !holds(*unit, key, rows_.languages()))
            return;
        (names ? named : holding)
            .push_back({unit, shown.fromUnit && unit->id == shown.fromUnit->id,
                        context.preferences().isHidden(unit->id, shown.categoryId)});
    };
    if (shown.fromUnit)
        add(shown.fromUnit);
    for (std::size_t index = 0; index < shown.rowCount(); ++index)
        add(shown.row(index).unit);
    if (auto category = context.category(shown.categoryId))
        for (const auto& unit : category->units)
            add(UnitRef(category, &unit));
    named.insert(named.end(), holding.begin(), holding.end());
    return named;
}

void UnitChoices::rebuild() {
    if (!active_ && choices_.empty())
        return;
    auto choices = active_ ? listed() : std::vector<Choice>{};
    // The same units in the same order change in place, so the picker keeps its place.
    if (std::ranges::equal(choices, choices_, {}, unitIdOf<Choice>, unitIdOf<Choice>)) {
        choices_ = std::move(choices);
        if (!choices_.empty())
            emit dataChanged(index(0), index(rowCount() - 1));
        return;
    }
    beginResetModel();
    choices_ = std::move(choices);
    endResetModel();
}

int UnitChoices::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(choices_.size());
}

QVariant UnitChoices::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    const Choice& choice = choices_[std::size_t(index.row())];
    switch (role) {
    case unitIdRole:
        return toQString(choice.unit->id);
    case unitNameRole:
        return toQString(choice.unit->name.resolve(rows_.languages()));
    case unitSymbolRole:
        return toQString(choice.unit->symbol);
    case isCurrentRole:
        return choice.isCurrent;
    case isHiddenRole:
        return choice.isHidden;
    default:
        return {};
    }
}

QHash<int, QByteArray> UnitChoices::roleNames() const {
    return {{unitIdRole, "unitId"},
            {unitNameRole, "unitName"},
            {unitSymbolRole, "unitSymbol"},
            {isCurrentRole, "isCurrent"},
            {isHiddenRole, "isHidden"}};
}

} // namespace zelvane
