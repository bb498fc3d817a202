#include "ConverterModel.h"

#include <algorithm>
#include <cmath>
#include <set>

#include "AppState.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"
#include "RavoDozu/Converter.h"
#include "RavoDozu/InputEditing.h"
#include "RavoDozu/KeypadState.h"
#include "RavoDozu/ValueFormatter.h"
#include "SaveFailures.h"
#include "ShownConversion.h"

namespace zelvane {

namespace {

/// The category the converter opens with when no favourite is visible.
constexpr const char* fallbackCategory = "temperature";

const ravodozu::UnitDefinition* unitNamed(const ravodozu::UnitCategory& category,
                                          std::string_view unitId) {
    auto found = std::find_if(category.units.begin(), category.units.end(),
                              [&](const auto& unit) { return unit.id == unitId; });
    return found == category.units.end() ? nullptr : &*found;
}

QVariantMap chip(const std::string& id, const QString& name) {
    return {{"id", toQString(id)}, {"name", name}};
}

} // namespace

ConverterModel::ConverterModel(AppState& app, QObject* parent) : QObject(parent), app_(app) {
    SaveFailures::instance().report(app_.userState().forgetObsoleteKeys());

    auto favorites = app_.preferences().effectiveFavoriteCategories();
    categoryId_ = favorites.empty() ? fallbackCategory : favorites.front();
    // The remembered unit is taken as it was, even if it is gone: the views show no rows then,
    // and a switch away and back finds the preset again.
    auto memory = app_.userState().categoryMemory();
    auto remembered = memory.find(categoryId_);
    auto start = remembered != memory.end()
                     ? remembered->second
                     : ravodozu::KeypadState::starting(categoryId_, app_.context());
    fromUnitId_ = start.fromUnitId;
    input_ = start.input;
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
    setCategoryId(categoryId);
    setFromUnitId(toQString(start.fromUnitId));
    setInput(toQString(start.input));
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
    setFromUnitId(unitId);
    setInput(toQString(std::isfinite(value) ? ravodozu::keypadInputText(value) : "0"));
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

QVariantList ConverterModel::favoriteChips() const {
    QVariantList chips;
    for (const auto& id : app_.preferences().effectiveFavoriteCategories())
        chips.append(chip(id, app_.categoryDisplayName(toQString(id))));
    return chips;
}

bool ConverterModel::matches(const std::string& categoryId, const QString& lowered,
                             const ravodozu::ConversionContext& context,
                             const std::vector<std::string>& languages) const {
    auto lower = [](const std::string& text) { return toQString(text).toLower(); };
    if (app_.categoryDisplayName(toQString(categoryId)).toLower().contains(lowered))
        return true;
    auto category = context.category(categoryId);
    if (!category)
        return false;
    if (lower(category->name.resolve({"en"})).contains(lowered))
        return true;
    return std::any_of(category->units.begin(), category->units.end(), [&](const auto& unit) {
        return lower(unit.symbol) == lowered ||
               lower(unit.name.resolve(languages)).contains(lowered);
    });
}

bool ConverterModel::matchesSearch(const QString& categoryId, const QString& lowered) const {
    return matches(toStdString(categoryId), lowered, app_.context(),
                   languageList(app_.preferences()));
}

QStringList ConverterModel::searchCategories(const QString& text) const {
    auto lowered = text.trimmed().toLower();
    if (lowered.isEmpty())
        return {};
    auto context = app_.context();
    auto languages = languageList(app_.preferences());
    QStringList found;
    for (const auto& id : app_.preferences().visibleCategoryIds())
        if (matches(id, lowered, context, languages))
            found.append(toQString(id));
    return found;
}

QVariantList ConverterModel::categorySections() const {
    auto visibleIds = app_.preferences().visibleCategoryIds();
    std::set<std::string, std::less<>> visible(visibleIds.begin(), visibleIds.end());
    QVariantList sections;
    auto addSection = [&](const std::string& id, const QVariantList& items) {
        if (!items.isEmpty())
            sections.append(QVariantMap{{"id", toQString(id)}, {"items", items}});
    };
    for (const auto& group : ravodozu::categoryGroups()) {
        QVariantList items;
        for (const auto& id : group.categoryIds)
            if (visible.contains(id))
                items.append(chip(id, app_.categoryDisplayName(toQString(id))));
        addSection(group.id, items);
    }
    QVariantList custom;
    for (const auto& conversion : app_.customLibrary().conversions) {
        auto id = "custom." + conversion.id;
        if (visible.contains(id))
            custom.append(chip(id, toQString(conversion.name)));
    }
    addSection("custom", custom);
    return sections;
}

} // namespace zelvane
