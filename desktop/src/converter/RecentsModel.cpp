#include "RecentsModel.h"

#include "AppState.h"
#include "DesktopSettings.h"
#include "QtConversions.h"
#include "ShownConversion.h"

namespace zelvane {

namespace {

std::optional<RecentsModel::Entry> resolved(const Recent& recent,
                                            const ravodozu::ConversionContext& context) {
    const auto shown = ShownConversion::build(recent.categoryId, recent.fromUnitId, recent.input,
                                              std::nullopt, context);
    if (!shown.fromUnit)
        return std::nullopt;
    for (std::size_t index = 0; index < shown.rowCount(); ++index) {
        const auto& row = shown.row(index);
        if (row.unit->id == recent.toUnitId)
            return RecentsModel::Entry{recent,
                                       toQString(recent.input + " " + shown.fromUnit->symbol),
                                       toQString(row.text + " " + row.unit->symbol)};
    }
    return std::nullopt;
}

} // namespace

RecentsModel::RecentsModel(AppState& app, DesktopSettings& settings, QObject* parent)
    : QAbstractListModel(parent), app_(app), settings_(settings) {
    connect(&settings_, &DesktopSettings::recentsChanged, this, &RecentsModel::rebuild);
    connect(&app_, &AppState::preferencesChanged, this, &RecentsModel::rebuild);
    connect(&app_, &AppState::ratesChanged, this, &RecentsModel::rebuild);
    connect(&app_, &AppState::customLibraryChanged, this, &RecentsModel::rebuild);
    connect(&app_, &AppState::packVariantsChanged, this, &RecentsModel::rebuild);
    rebuild();
}

void RecentsModel::rebuild() {
    const int before = count();
    beginResetModel();
    entries_.clear();
    const auto context = app_.context();
    for (const Recent& recent : settings_.recents())
        if (auto entry = resolved(recent, context))
            entries_.push_back(std::move(*entry));
    endResetModel();
    if (count() != before)
        emit countChanged();
}

int RecentsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant RecentsModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Entry& shown = entry(index.row());
    switch (role) {
    case categoryIdRole:
        return toQString(shown.recent.categoryId);
    case fromUnitIdRole:
        return toQString(shown.recent.fromUnitId);
    case toUnitIdRole:
        return toQString(shown.recent.toUnitId);
    case inputRole:
        return toQString(shown.recent.input);
    case sourceTextRole:
        return shown.sourceText;
    case resultTextRole:
        return shown.resultText;
    case titleRole:
        return shown.title();
    default:
        return {};
    }
}

QHash<int, QByteArray> RecentsModel::roleNames() const {
    return {{categoryIdRole, "categoryId"},
            {fromUnitIdRole, "fromUnitId"},
            {toUnitIdRole, "toUnitId"},
            {inputRole, "input"},
            {sourceTextRole, "sourceText"},
            {resultTextRole, "resultText"},
            {titleRole, "title"}};
}

} // namespace zelvane
