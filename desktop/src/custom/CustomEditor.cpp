#include "CustomEditor.h"

#include <algorithm>

#include "AppState.h"
#include "CategoryNames.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"
#include "RavoDozu/CustomResolver.h"
#include "RavoDozu/CustomShare.h"

namespace zelvane {

using ravodozu::CustomRule;
using ravodozu::CustomUnit;

namespace {

QString shareProblem(const ravodozu::CustomShare::ShareError& error) {
    const auto& field = error.field;
    if (field == "name")
        return qtTrId("custom.problem.name");
    if (field == "units")
        return qtTrId("custom.problem.units");
    if (field == "parameters" || field == "parameter")
        return qtTrId("custom.problem.parameters");
    if (field == "steps")
        return qtTrId("custom.problem.steps");
    if (field == "formula")
        return qtTrId("custom.problem.formula");
    return qtTrId("custom.problem.rule");
}

} // namespace

CustomEditor::CustomEditor(QObject* parent) : QObject(parent), app_(*AppState::instance()) {
    connect(&units_, &EditorUnits::edited, this, &CustomEditor::compile);
    connect(&parameters_, &EditorParameters::edited, this, &CustomEditor::compile);
    connect(&app_, &AppState::ratesChanged, this, &CustomEditor::compile);
    startConversion();
}

QString CustomEditor::name() const {
    return toQString(conversion_.name);
}
void CustomEditor::setName(const QString& name) {
    conversion_.name = toStdString(name);
    compile();
}
QString CustomEditor::glyph() const {
    return toQString(conversion_.glyph);
}
void CustomEditor::setGlyph(const QString& glyph) {
    conversion_.glyph = toStdString(glyph);
}
int CustomEditor::decimals() const {
    return int(conversion_.decimals.value_or(-1));
}
void CustomEditor::setDecimals(int decimals) {
    conversion_.decimals = decimals < 0 ? std::nullopt : std::optional<std::int64_t>(decimals);
}
QString CustomEditor::categoryId() const {
    return toQString(extra_.categoryId);
}
QString CustomEditor::referenceUnitId() const {
    return toQString(extra_.referenceUnitId);
}

void CustomEditor::setCategoryId(const QString& categoryId) {
    extra_.categoryId = toStdString(categoryId);
    auto category = app_.context().category(extra_.categoryId);
    extra_.referenceUnitId = category ? category->base : std::string();
    emit categoryChanged();
    compile();
}

void CustomEditor::setReferenceUnitId(const QString& unitId) {
    extra_.referenceUnitId = toStdString(unitId);
    emit categoryChanged();
    compile();
}

void CustomEditor::load(bool isExtra, bool isNew) {
    isExtra_ = isExtra;
    isNew_ = isNew;
    units_.reset(isExtra ? std::vector<CustomUnit>{extra_.unit} : conversion_.units, !isExtra);
    parameters_.reset(isExtra ? extra_.parameters : conversion_.parameters);
    emit started();
    emit categoryChanged();
    compile();
}

void CustomEditor::startConversion() {
    conversion_ = {ravodozu::freshCustomId(),
                   "",
                   "",
                   std::nullopt,
                   {},
                   {{ravodozu::freshCustomId(), "", "", std::nullopt},
                    {ravodozu::freshCustomId(), "", "", CustomRule{CustomRule::Ratio{1}}}},
                   std::nullopt};
    load(false, true);
}

void CustomEditor::startExtra(const QString& categoryId) {
    extra_ = {ravodozu::freshCustomId(),
              "",
              "",
              {},
              {ravodozu::freshCustomId(), "", "", CustomRule{CustomRule::Ratio{1}}},
              std::nullopt};
    auto choices = categoryChoices();
    auto chosen = categoryId.isEmpty() && !choices.isEmpty()
                      ? choices.front().toMap().value("value").toString()
                      : categoryId;
    extra_.categoryId = toStdString(chosen);
    if (auto category = app_.context().category(extra_.categoryId))
        extra_.referenceUnitId = category->base;
    load(true, true);
}

bool CustomEditor::edit(const QString& itemId) {
    const auto id = toStdString(itemId);
    const auto& library = app_.customLibrary();
    if (auto found = std::ranges::find(library.conversions, id, &ravodozu::CustomConversion::id);
        found != library.conversions.end()) {
        conversion_ = *found;
        load(false, false);
        return true;
    }
    if (auto found = std::ranges::find(library.extras, id, &ravodozu::CustomExtraUnit::id);
        found != library.extras.end()) {
        extra_ = *found;
        load(true, false);
        return true;
    }
    return false;
}

ravodozu::CustomConversion CustomEditor::conversion() const {
    auto draft = conversion_;
    draft.units = units_.units();
    draft.parameters = parameters_.parameters();
    return draft;
}

ravodozu::CustomExtraUnit CustomEditor::extra() const {
    auto draft = extra_;
    if (!units_.units().empty())
        draft.unit = units_.units().front();
    draft.parameters = parameters_.parameters();
    return draft;
}

void CustomEditor::compile() {
    ravodozu::CustomLibrary draft;
    if (isExtra_)
        draft.extras.push_back(extra());
    else
        draft.conversions.push_back(conversion());
    const auto* rates = app_.rates();
    ravodozu::CustomResolver resolver(app_.catalog(), rates ? std::optional(*rates) : std::nullopt);
    const auto resolved = resolver.resolve(draft);
    std::vector<UnitState> states;
    const auto& units = units_.units();
    for (std::size_t i = 0; i < units.size(); ++i)
        states.push_back(isExtra_ ? unitState(resolved, "custom." + extra_.id, false)
                                  : unitState(resolved, units[i].id, i == 0));
    units_.setStates(std::move(states));
    saveProblem_ = firstProblem(resolved);
    emit compiled();
}

QString CustomEditor::firstProblem(const ravodozu::ResolvedCustomLibrary& resolved) const {
    if (auto problem = parameters_.problem(); !problem.isEmpty())
        return problem;
    const auto& units = units_.units();
    for (std::size_t i = 0; i < units.size(); ++i) {
        auto key = isExtra_ ? "custom." + extra_.id : units[i].id;
        if (auto error = resolved.errors.find(key); error != resolved.errors.end()) {
            auto name = units[i].name.empty() ? QString::number(i + 1) : toQString(units[i].name);
            return qtTrId("custom.problem.compile").arg(name, customErrorText(error->second));
        }
    }
    if (isExtra_) {
        if (auto checked = ravodozu::CustomShare::sanitizedExtra(extra()); !checked)
            return shareProblem(checked.error());
    } else if (auto checked = ravodozu::CustomShare::sanitizedConversion(conversion()); !checked) {
        return shareProblem(checked.error());
    }
    return {};
}

QString CustomEditor::save() {
    compile();
    if (!saveProblem_.isEmpty())
        return saveProblem_;
    ravodozu::CustomShare::Payload item{isExtra_ ? decltype(item.item){extra()}
                                                 : decltype(item.item){conversion()}};
    auto& state = app_.userState();
    auto result = isNew_ ? state.addCustomItem(item) : state.replaceCustomItem(item);
    app_.reload();
    if (!result)
        return toQString(result.error());
    isNew_ = false;
    emit started();
    return {};
}

QString CustomEditor::savedCategoryId() const {
    return isExtra_ ? QString() : toQString("custom." + conversion_.id);
}

QVariantList CustomEditor::categoryChoices() const {
    const auto context = app_.context();
    const auto languages = languageList(context.preferences());
    QVariantList choices;
    for (const auto& id : ravodozu::allCategoryIds())
        if (context.category(id))
            choices << QVariantMap{
                {"value", toQString(id)},
                {"label", toQString(categoryDisplayName(id, context, languages))}};
    return choices;
}

QVariantList CustomEditor::referenceChoices() const {
    const auto context = app_.context();
    const auto languages = languageList(context.preferences());
    QVariantList choices;
    auto category = context.category(extra_.categoryId);
    if (!category)
        return choices;
    for (const auto& unit : category->units)
        if (!unit.id.starts_with("custom."))
            choices << QVariantMap{
                {"value", toQString(unit.id)},
                {"label", toQString(unit.name.resolve(languages) + " (" + unit.symbol + ")")}};
    return choices;
}

} // namespace zelvane
