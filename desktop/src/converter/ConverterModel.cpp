#include "ConverterModel.h"

#include <algorithm>
#include <cmath>

#include "AppState.h"
#include "DisplayLanguage.h"
#include "InputFlow.h"
#include "QtConversions.h"
#include "RavoDozu/Converter.h"
#include "RavoDozu/InputEditing.h"
#include "RavoDozu/KeypadState.h"
#include "RavoDozu/ValueFormatter.h"
#include "SaveFailures.h"
#include "ShownConversion.h"

namespace zelvane {

namespace {

/// The first favourite, or "temperature" when no favourite is visible.
std::string firstFavorite(const ravodozu::UserPreferences& preferences) {
    auto favorites = preferences.effectiveFavoriteCategories();
    return favorites.empty() ? "temperature" : favorites.front();
}

const ravodozu::UnitDefinition* unitNamed(const ravodozu::UnitCategory& category,
                                          std::string_view unitId) {
    auto found = std::find_if(category.units.begin(), category.units.end(),
                              [&](const auto& unit) { return unit.id == unitId; });
    return found == category.units.end() ? nullptr : &*found;
}

} // namespace

ConverterModel::ConverterModel(AppState& app, QObject* parent) : QObject(parent), app_(app) {
    SaveFailures::instance().report(app_.userState().forgetObsoleteKeys());

    categoryId_ = firstFavorite(app_.preferences());
    // The remembered unit is taken as it was, even if it is gone: the views show no rows then,
    // and a switch away and back finds the preset again.
    auto memory = app_.userState().categoryMemory();
    auto remembered = memory.find(categoryId_);
    auto start = remembered != memory.end()
                     ? remembered->second
                     : ravodozu::KeypadState::starting(categoryId_, app_.context());
    fromUnitId_ = start.fromUnitId;
    input_ = start.input;
    // Before the flow connects, so that it shows the category this falls back to.
    connect(&app_, &AppState::preferencesChanged, this, &ConverterModel::leaveVanishedCategory);
    connect(&app_, &AppState::customLibraryChanged, this, &ConverterModel::leaveVanishedCategory);
    flow_ = new InputFlow(app_, *this, this);
}

void ConverterModel::leaveVanishedCategory() {
    if (app_.context().category(categoryId_))
        return;
    switchCategory(toQString(firstFavorite(app_.preferences())));
}

QString ConverterModel::categoryId() const {
    return toQString(categoryId_);
}

QString ConverterModel::fromUnitId() const {
    return toQString(fromUnitId_);
}

QString ConverterModel::input() const {
    return toQString(input_);
}

void ConverterModel::setCategoryId(const QString& categoryId) {
    auto id = toStdString(categoryId);
    if (id == categoryId_)
        return;
    categoryId_ = std::move(id);
    emit categoryIdChanged();
}

void ConverterModel::setFromUnitId(const QString& fromUnitId) {
    auto id = toStdString(fromUnitId);
    if (id == fromUnitId_)
        return;
    fromUnitId_ = std::move(id);
    emit fromUnitIdChanged();
}

void ConverterModel::setInput(const QString& input) {
    auto text = toStdString(input);
    bool changed = text != input_;
    input_ = std::move(text);
    persist();
    if (changed)
        emit inputChanged();
}

void ConverterModel::assign(std::string categoryId, std::string fromUnitId, std::string input) {
    const bool newCategory = categoryId != categoryId_;
    const bool newUnit = fromUnitId != fromUnitId_;
    const bool newInput = input != input_;
    categoryId_ = std::move(categoryId);
    fromUnitId_ = std::move(fromUnitId);
    input_ = std::move(input);
    persist();
    if (newCategory)
        emit categoryIdChanged();
    if (newUnit)
        emit fromUnitIdChanged();
    if (newInput)
        emit inputChanged();
}

void ConverterModel::persist() {
    SaveFailures::instance().report(
        app_.userState().rememberConverter({categoryId_, fromUnitId_, input_}));
}

double ConverterModel::inputValue() const {
    return zelvane::inputValue(input_, displayLocale(app_.preferences()));
}

std::optional<ravodozu::UnitDefinition> ConverterModel::currentFromUnit() const {
    auto category = app_.context().category(categoryId_);
    if (!category)
        return std::nullopt;
    const auto* unit = unitNamed(*category, fromUnitId_);
    return unit ? std::optional(*unit) : std::nullopt;
}

void ConverterModel::switchCategory(const QString& categoryId) {
    auto id = toStdString(categoryId);
    if (id == categoryId_)
        return;
    auto start = app_.userState().categoryStart(id, app_.context());
    assign(std::move(id), std::move(start.fromUnitId), std::move(start.input));
}

void ConverterModel::open(const QString& categoryId, const QString& fromUnitId,
                          const QString& input) {
    assign(toStdString(categoryId), toStdString(fromUnitId), toStdString(input));
}

void ConverterModel::selectFromUnit(const QString& unitId) {
    auto current = currentFromUnit();
    if (!current)
        return;
    auto category = app_.context().category(categoryId_);
    const auto* unit = category ? unitNamed(*category, toStdString(unitId)) : nullptr;
    if (!unit)
        return;
    double value = inputValue();
    if (unit->id != current->id)
        value = ravodozu::Converter::convert(value, *current, *unit);
    assign(categoryId_, unit->id, std::isfinite(value) ? ravodozu::keypadInputText(value) : "0");
}

void ConverterModel::togglePinned(const QString& unitId) {
    app_.togglePinned(unitId, categoryId());
}

void ConverterModel::toggleHidden(const QString& unitId) {
    app_.toggleHidden(unitId, categoryId());
}

QVariant ConverterModel::stepText() const {
    const auto& steps = app_.preferences().stepSizes;
    auto found = steps.find(categoryId_);
    return found == steps.end() ? QVariant() : QVariant(toQString(found->second));
}

void ConverterModel::setStepText(const QVariant& text) {
    auto preferences = app_.preferences();
    auto step = text.isNull() ? std::string() : toStdString(text.toString());
    if (!text.isNull() && ravodozu::InputEditing::parseStep(step))
        preferences.stepSizes.insert_or_assign(categoryId_, step);
    else
        preferences.stepSizes.erase(categoryId_);
    app_.setPreferences(std::move(preferences));
}

void ConverterModel::setShowsOtherUnits(bool shows) {
    auto preferences = app_.preferences();
    preferences.showsOtherUnits = shows;
    app_.setPreferences(std::move(preferences));
}

QVariant ConverterModel::inputMagnitude() const {
    auto language = displayLanguage(app_.preferences());
    if (!isChinese(language))
        return {};
    auto word = ravodozu::ValueFormatter::magnitude(isTraditionalChinese(language), inputValue());
    return word ? QVariant(QString::fromUtf8(word->data(), static_cast<qsizetype>(word->size())))
                : QVariant();
}

} // namespace zelvane
