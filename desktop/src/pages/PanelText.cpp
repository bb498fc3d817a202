#include "PanelText.h"

#include <QClipboard>
#include <QGuiApplication>

#include "AppState.h"
#include "CopyText.h"
#include "FormulaText.h"
#include "QtConversions.h"
#include "RavoDozu/Formula.h"
#include "RavoDozu/InputEditing.h"

namespace zelvane {
namespace {

struct UnitPair {
    ravodozu::CategoryRef category; // Keeps the two units alive.
    const ravodozu::UnitDefinition* from = nullptr;
    const ravodozu::UnitDefinition* to = nullptr;
};

UnitPair findPair(const QString& categoryId, const QString& fromUnitId, const QString& toUnitId) {
    UnitPair pair{AppState::instance()->context().category(toStdString(categoryId))};
    if (pair.category) {
        pair.from = pair.category->unit(toStdString(fromUnitId));
        pair.to = pair.category->unit(toStdString(toUnitId));
    }
    return pair;
}

QString orEmpty(const std::optional<std::string>& text) {
    return text ? toQString(*text) : QString();
}

std::string displayLocale() {
    return toStdString(AppState::instance()->displayLocaleName());
}

} // namespace

PanelText::PanelText(QObject* parent) : QObject(parent) {}

QString PanelText::formulaLine(const QString& categoryId, const QString& fromUnitId,
                               const QString& toUnitId, int significantDigits, int fractionDigits,
                               bool significantOnly) const {
    auto pair = findPair(categoryId, fromUnitId, toUnitId);
    if (!pair.from || !pair.to)
        return {};
    CoefficientStyle style{significantDigits, fractionDigits, significantOnly};
    return orEmpty(zelvane::formulaLine(*pair.from, *pair.to, style, displayLocale()));
}

QString PanelText::exampleLine(const QString& categoryId, const QString& fromUnitId,
                               const QString& toUnitId, double value) const {
    auto pair = findPair(categoryId, fromUnitId, toUnitId);
    if (!pair.from || !pair.to)
        return {};
    return orEmpty(zelvane::exampleLine(*pair.from, *pair.to, value, displayLocale()));
}

QVariant PanelText::baseUnit(const QString& categoryId) const {
    auto* app = AppState::instance();
    auto category = app->context().category(toStdString(categoryId));
    const auto* unit = category ? category->unit(category->base) : nullptr;
    if (!unit)
        return {};
    auto languages = toStdStrings(app->languageList());
    return QVariantMap{{"id", toQString(unit->id)},
                       {"symbol", toQString(unit->symbol)},
                       {"name", toQString(unit->name.resolve(languages))}};
}

QString PanelText::formulaKind(const QString& categoryId) const {
    auto category = AppState::instance()->context().category(toStdString(categoryId));
    if (!category)
        return QStringLiteral("ratio");
    return toQString(std::string(ravodozu::toString(ravodozu::Formula::kind(category->units))));
}

QStringList PanelText::stepPresets() const {
    QStringList presets;
    for (auto preset : ravodozu::InputEditing::stepPresets)
        presets.append(QString::fromUtf8(preset.data(), qsizetype(preset.size())));
    return presets;
}

bool PanelText::acceptsStep(const QString& text) const {
    return ravodozu::InputEditing::parseStep(toStdString(text)).has_value();
}

QString PanelText::stepped(const QString& input, int count, const QVariant& stepText) const {
    std::optional<std::string> step;
    if (stepText.isValid() && !stepText.isNull())
        step = toStdString(stepText.toString());
    return toQString(ravodozu::InputEditing::step(toStdString(input), count, step));
}

void PanelText::writeClipboard(const QString& text) const {
    QGuiApplication::clipboard()->setText(toQString(copyableText(toStdString(text))));
}

} // namespace zelvane
