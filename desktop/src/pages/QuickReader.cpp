#include "QuickReader.h"

#include "AppState.h"
#include "DisplayLanguage.h"
#include "NumberReader.h"
#include "PhrasePatterns.h"
#include "QtConversions.h"
#include "QuickInput.h"
#include "ShownConversion.h"

namespace zelvane {
namespace {

QVariant optionalText(const std::optional<std::string>& text) {
    return text ? QVariant(toQString(*text)) : QVariant();
}

QVariantMap unitMap(const ravodozu::UnitDefinition& unit,
                    const std::vector<std::string>& languages) {
    return {{"id", toQString(unit.id)},
            {"symbol", toQString(unit.symbol)},
            {"name", toQString(unit.name.resolve(languages))}};
}

QVariantList rowList(const std::vector<ShownConversion::Row>& rows,
                     const std::vector<std::string>& languages) {
    QVariantList list;
    list.reserve(qsizetype(rows.size()));
    for (const auto& row : rows)
        list.append(QVariantMap{{"unit", unitMap(*row.unit, languages)},
                                {"text", toQString(row.text)},
                                {"isPinned", row.isPinned},
                                {"magnitude", optionalText(row.magnitude)},
                                {"identity", toQString(row.identity())},
                                {"isMixed", false}});
    return list;
}

ShownConversion::Target targetOf(const QVariant& target) {
    if (!target.isValid() || target.isNull())
        return {};
    if (target.typeId() == QMetaType::QVariantList || target.typeId() == QMetaType::QStringList)
        return toStdStrings(target.toStringList());
    return toStdString(target.toString());
}

} // namespace

QuickReader::QuickReader(QObject* parent) : QObject(parent) {
    auto bump = [this] {
        ++revision_;
        emit revisionChanged();
    };
    connect(AppState::instance(), &AppState::preferencesChanged, this, bump);
    connect(AppState::instance(), &AppState::ratesChanged, this, bump);
}

bool QuickReader::isPlainNumber(const QString& text) const {
    return zelvane::isPlainNumber(toStdString(text));
}

QVariant QuickReader::parse(const QString& text, const QString& currentCategoryId) const {
    auto quick = QuickInput::parse(toStdString(text), toStdString(currentCategoryId),
                                   AppState::instance()->context());
    if (!quick)
        return QVariant::fromValue(nullptr);
    const NumberReader numbers(displayLocale(AppState::instance()->preferences()));
    const QVariant target = quick->mixedUnitIds.empty()
                                ? optionalText(quick->toUnitId)
                                : QVariant(toQStringList(quick->mixedUnitIds));
    return QVariantMap{
        {"number", toQString(quick->number)},
        {"shownNumber", toQString(numbers.shownText(numbers.readWhole(quick->number).value_or(0)))},
        {"categoryId", toQString(quick->categoryId)},
        {"fromUnitId", toQString(quick->fromUnitId)},
        {"toUnitId", optionalText(quick->toUnitId)},
        {"target", target}};
}

QVariantMap QuickReader::build(const QString& categoryId, const QString& fromUnitId,
                               const QString& input, const QVariant& target) const {
    auto* app = AppState::instance();
    auto shown = ShownConversion::build(toStdString(categoryId), toStdString(fromUnitId),
                                        toStdString(input), targetOf(target), app->context());
    auto languages = toStdStrings(app->languageList());
    auto pinned = rowList(shown.pinned, languages);
    auto others = rowList(shown.others, languages);
    if (shown.mixed && shown.targetIndex) {
        // The target row tells the mixed amount; its text carries the units itself.
        auto index = qsizetype(*shown.targetIndex);
        const bool isPinned = index < pinned.size();
        auto& rows = isPinned ? pinned : others;
        index -= isPinned ? 0 : pinned.size();
        auto row = rows[index].toMap();
        row.insert("text", toQString(shown.mixed->text));
        row.insert("isMixed", true);
        rows[index] = row;
    }
    QVariantMap map{{"categoryId", toQString(shown.categoryId)},
                    {"value", shown.value},
                    {"pinned", pinned},
                    {"others", others}};
    map.insert("fromUnit",
               shown.fromUnit ? QVariant(unitMap(*shown.fromUnit, languages)) : QVariant());
    map.insert("targetIndex", shown.targetIndex ? QVariant(int(*shown.targetIndex)) : QVariant());
    return map;
}

} // namespace zelvane
