#include "EditorParameters.h"

#include <cmath>

#include "EditorUnits.h"
#include "QtConversions.h"
#include "RavoDozu/CustomCompiler.h"

namespace zelvane {

EditorParameters::EditorParameters(QObject* parent) : QAbstractListModel(parent) {}

void EditorParameters::reset(std::vector<ravodozu::CustomParameter> parameters) {
    const int before = count();
    beginResetModel();
    parameters_ = std::move(parameters);
    endResetModel();
    if (count() != before)
        emit countChanged();
}

QString EditorParameters::problemOf(int row) const {
    const auto& parameter = parameters_[std::size_t(row)];
    const auto name = toQString(parameter.name);
    if (!ravodozu::isValidParameterName(parameter.name))
        return qtTrId("custom.parameter.badName").arg(name);
    for (int other = 0; other < row; ++other)
        if (parameters_[std::size_t(other)].name == parameter.name)
            return qtTrId("custom.parameter.repeated").arg(name);
    if (!std::isfinite(parameter.value))
        return qtTrId("custom.parameter.badValue").arg(name);
    return {};
}

QString EditorParameters::problem() const {
    for (int row = 0; row < count(); ++row)
        if (auto found = problemOf(row); !found.isEmpty())
            return found;
    return {};
}

void EditorParameters::changed() {
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1), {problemRole});
    emit edited();
}

void EditorParameters::add() {
    beginInsertRows({}, count(), count());
    parameters_.push_back({"k" + std::to_string(parameters_.size() + 1), 1, ""});
    endInsertRows();
    emit countChanged();
    changed();
}

void EditorParameters::remove(int row) {
    if (row < 0 || row >= count())
        return;
    beginRemoveRows({}, row, row);
    parameters_.erase(parameters_.begin() + row);
    endRemoveRows();
    emit countChanged();
    changed();
}

void EditorParameters::setName(int row, const QString& name) {
    if (row >= 0 && row < count()) {
        parameters_[std::size_t(row)].name = toStdString(name.trimmed());
        changed();
    }
}

void EditorParameters::setValue(int row, const QString& text) {
    if (row >= 0 && row < count()) {
        parameters_[std::size_t(row)].value = typedNumber(text);
        changed();
    }
}

void EditorParameters::setNote(int row, const QString& note) {
    if (row >= 0 && row < count()) {
        parameters_[std::size_t(row)].note = toStdString(note);
        emit edited();
    }
}

int EditorParameters::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant EditorParameters::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const auto& parameter = parameters_[std::size_t(index.row())];
    switch (role) {
    case nameRole:
        return toQString(parameter.name);
    case valueRole:
        return toQString(ravodozu::numberText(parameter.value));
    case noteRole:
        return toQString(parameter.note);
    case problemRole:
        return problemOf(index.row());
    default:
        return {};
    }
}

QHash<int, QByteArray> EditorParameters::roleNames() const {
    return {{nameRole, "name"}, {valueRole, "value"}, {noteRole, "note"}, {problemRole, "problem"}};
}

} // namespace zelvane
