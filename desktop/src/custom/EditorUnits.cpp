#include "EditorUnits.h"

#include <QTextBoundaryFinder>

#include <cmath>
#include <limits>

#include "QtConversions.h"
#include "RavoDozu/CustomCompiler.h"

namespace zelvane {

using ravodozu::CustomRule;
using ravodozu::CustomStep;

namespace {

/// Where the text field puts the `characters`-th character the user sees: the formula reader
/// counts "x́" or "𝑥" as one, the field as two.
int fieldOffset(const QString& text, int characters) {
    QTextBoundaryFinder boundaries(QTextBoundaryFinder::Grapheme, text);
    qsizetype at = 0;
    for (int passed = 0; passed < characters; ++passed) {
        at = boundaries.toNextBoundary();
        if (at < 0)
            return int(text.size());
    }
    return int(at);
}

QString ruleKind(const ravodozu::CustomUnit& unit) {
    if (!unit.rule)
        return QStringLiteral("none");
    if (std::holds_alternative<CustomRule::Ratio>(unit.rule->value))
        return QStringLiteral("ratio");
    if (std::holds_alternative<CustomRule::Steps>(unit.rule->value))
        return QStringLiteral("steps");
    return QStringLiteral("formula");
}

QString operandText(const CustomStep& step) {
    if (!step.operand)
        return {};
    if (const auto* number = step.operand->number())
        return toQString(ravodozu::numberText(*number));
    return toQString(*step.operand->parameter());
}

QVariantList stepsList(const std::vector<CustomStep>& steps) {
    QVariantList list;
    for (const auto& step : steps)
        list << QVariantMap{{"op", toQString(std::string(rawValue(step.op)))},
                            {"operand", operandText(step)},
                            {"from", toQString(step.from.value_or(""))},
                            {"to", toQString(step.to.value_or(""))},
                            {"fn", toQString(step.function.value_or(""))}};
    return list;
}

CustomStep numberStep(CustomStep::Op op, double number) {
    return {op, ravodozu::CustomOperand{number}, std::nullopt, std::nullopt, std::nullopt};
}

std::optional<std::string> optionalText(const QString& text) {
    auto trimmed = text.trimmed();
    return trimmed.isEmpty() ? std::nullopt : std::optional(toStdString(trimmed));
}

} // namespace

double typedNumber(const QString& text) {
    bool ok = false;
    double value = QString(text).replace(',', '.').trimmed().toDouble(&ok);
    return ok ? value : std::numeric_limits<double>::quiet_NaN();
}

EditorUnits::EditorUnits(QObject* parent) : QAbstractListModel(parent) {}

void EditorUnits::reset(std::vector<ravodozu::CustomUnit> units, bool firstIsBase) {
    const int before = count();
    beginResetModel();
    units_ = std::move(units);
    states_.assign(units_.size(), UnitState{});
    firstIsBase_ = firstIsBase;
    endResetModel();
    if (count() != before)
        emit countChanged();
}

void EditorUnits::setStates(std::vector<UnitState> states) {
    states_ = std::move(states);
    states_.resize(units_.size());
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1),
                         {stateRole, failedRole, doubtfulRole, errorAtRole, stepsTextRole});
}

ravodozu::CustomUnit* EditorUnits::unit(int row) {
    return row >= 0 && row < count() ? &units_[std::size_t(row)] : nullptr;
}

CustomStep* EditorUnits::step(int row, int step) {
    auto* found = unit(row);
    auto* steps =
        found && found->rule ? std::get_if<CustomRule::Steps>(&found->rule->value) : nullptr;
    return steps && step >= 0 && step < int(steps->steps.size()) ? &steps->steps[std::size_t(step)]
                                                                 : nullptr;
}

void EditorUnits::changed(int row, const QList<int>& roles) {
    if (!roles.isEmpty())
        emit dataChanged(index(row), index(row), roles);
    emit edited();
}

void EditorUnits::add() {
    beginInsertRows({}, count(), count());
    units_.push_back({ravodozu::freshCustomId(), "", "", CustomRule{CustomRule::Ratio{1}}});
    states_.emplace_back();
    endInsertRows();
    emit countChanged();
    emit edited();
}

void EditorUnits::remove(int row) {
    if (!unit(row))
        return;
    beginRemoveRows({}, row, row);
    units_.erase(units_.begin() + row);
    states_.erase(states_.begin() + row);
    endRemoveRows();
    if (row == 0 && firstIsBase_ && !units_.empty()) {
        units_.front().rule.reset();
        emit dataChanged(index(0), index(0));
    }
    emit countChanged();
    emit edited();
}

void EditorUnits::setName(int row, const QString& name) {
    if (auto* found = unit(row)) {
        found->name = toStdString(name);
        changed(row);
    }
}

void EditorUnits::setSymbol(int row, const QString& symbol) {
    if (auto* found = unit(row)) {
        found->symbol = toStdString(symbol);
        changed(row);
    }
}

void EditorUnits::setRuleKind(int row, const QString& kind) {
    auto* found = unit(row);
    if (!found || (firstIsBase_ && row == 0) || ruleKind(*found) == kind)
        return;
    if (kind == "steps")
        found->rule = CustomRule{CustomRule::Steps{{numberStep(CustomStep::Op::mul, 1)}}};
    else if (kind == "formula")
        found->rule = CustomRule{CustomRule::Formula{"x", std::nullopt}};
    else
        found->rule = CustomRule{CustomRule::Ratio{1}};
    changed(row, {ruleKindRole, ratioRole, forwardRole, inverseRole, stepsRole, stepsTextRole});
}

void EditorUnits::setRatio(int row, const QString& text) {
    auto* found = unit(row);
    if (found && found->rule)
        if (auto* ratio = std::get_if<CustomRule::Ratio>(&found->rule->value)) {
            ratio->value = typedNumber(text);
            changed(row);
        }
}

void EditorUnits::setForward(int row, const QString& text) {
    auto* found = unit(row);
    if (found && found->rule)
        if (auto* formula = std::get_if<CustomRule::Formula>(&found->rule->value)) {
            formula->forward = toStdString(text);
            changed(row);
        }
}

void EditorUnits::setInverse(int row, const QString& text) {
    auto* found = unit(row);
    if (found && found->rule)
        if (auto* formula = std::get_if<CustomRule::Formula>(&found->rule->value)) {
            formula->inverse =
                text.trimmed().isEmpty() ? std::nullopt : std::optional(toStdString(text));
            changed(row);
        }
}

void EditorUnits::addStep(int row) {
    auto* found = unit(row);
    auto* steps =
        found && found->rule ? std::get_if<CustomRule::Steps>(&found->rule->value) : nullptr;
    if (!steps)
        return;
    steps->steps.push_back(numberStep(CustomStep::Op::add, 0));
    changed(row, {stepsRole, stepsTextRole});
}

void EditorUnits::removeStep(int row, int index) {
    auto* found = unit(row);
    if (!step(row, index))
        return;
    auto& steps = std::get<CustomRule::Steps>(found->rule->value).steps;
    steps.erase(steps.begin() + index);
    changed(row, {stepsRole, stepsTextRole});
}

void EditorUnits::setStep(int row, int index, const QString& field, const QString& value) {
    auto* found = step(row, index);
    if (!found)
        return;
    if (field == "op") {
        if (auto op = ravodozu::customStepOp(toStdString(value)))
            found->op = *op;
    } else if (field == "operand") {
        auto text = value.trimmed();
        double number = typedNumber(text);
        if (text.isEmpty())
            found->operand.reset();
        else
            found->operand = std::isnan(number) ? ravodozu::CustomOperand{toStdString(text)}
                                                : ravodozu::CustomOperand{number};
    } else if (field == "from") {
        found->from = optionalText(value);
    } else if (field == "to") {
        found->to = optionalText(value);
    } else if (field == "fn") {
        found->function = optionalText(value);
    }
    changed(row, {stepsTextRole});
}

QStringList EditorUnits::stepOps() {
    QStringList ops;
    for (auto op :
         {CustomStep::Op::add, CustomStep::Op::sub, CustomStep::Op::mul, CustomStep::Op::div,
          CustomStep::Op::pow, CustomStep::Op::divInto, CustomStep::Op::convert,
          CustomStep::Op::ratioMul, CustomStep::Op::ratioDiv, CustomStep::Op::fn})
        ops << toQString(std::string(rawValue(op)));
    return ops;
}

int EditorUnits::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant EditorUnits::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const auto& unit = units_[std::size_t(index.row())];
    const auto& state = states_[std::size_t(index.row())];
    const auto* rule = unit.rule ? &unit.rule->value : nullptr;
    const auto* ratio = rule ? std::get_if<CustomRule::Ratio>(rule) : nullptr;
    const auto* steps = rule ? std::get_if<CustomRule::Steps>(rule) : nullptr;
    const auto* formula = rule ? std::get_if<CustomRule::Formula>(rule) : nullptr;
    switch (role) {
    case nameRole:
        return toQString(unit.name);
    case symbolRole:
        return toQString(unit.symbol);
    case isBaseRole:
        return firstIsBase_ && index.row() == 0;
    case ruleKindRole:
        return ruleKind(unit);
    case ratioRole:
        return ratio ? toQString(ravodozu::numberText(ratio->value)) : QString();
    case forwardRole:
        return formula ? toQString(formula->forward) : QString();
    case inverseRole:
        return formula ? toQString(formula->inverse.value_or("")) : QString();
    case stepsRole:
        return steps ? stepsList(steps->steps) : QVariantList();
    case stepsTextRole:
        return steps ? toQString(ravodozu::stepsText(steps->steps)) : QString();
    case stateRole:
        return state.text;
    case failedRole:
        return state.failed;
    case doubtfulRole:
        return state.doubtful;
    case errorAtRole:
        return formula && state.errorAt >= 0
                   ? fieldOffset(toQString(formula->forward), state.errorAt)
                   : state.errorAt;
    default:
        return {};
    }
}

QHash<int, QByteArray> EditorUnits::roleNames() const {
    return {{nameRole, "name"},         {symbolRole, "symbol"}, {isBaseRole, "isBase"},
            {ruleKindRole, "ruleKind"}, {ratioRole, "ratio"},   {forwardRole, "forward"},
            {inverseRole, "inverse"},   {stepsRole, "steps"},   {stepsTextRole, "stepsText"},
            {stateRole, "state"},       {failedRole, "failed"}, {doubtfulRole, "doubtful"},
            {errorAtRole, "errorAt"}};
}

} // namespace zelvane
