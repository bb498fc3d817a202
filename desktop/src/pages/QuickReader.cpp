#include "QuickReader.h"

#include "AppState.h"
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
                                {"identity", toQString(row.identity())}});
    return list;
}

} // namespace

QuickReader::QuickReader(QObject* parent) : QObject(parent) {
    auto bump = [this] {
        ++revision_;
        emit revisionChanged();
    };
    connect(AppState::instance(), &AppState::preferencesChanged, this, bump);
    connect(AppState::instance(), &AppState::ratesChanged, this, bump);
    connect(AppState::instance(), &AppState::customLibraryChanged, this, bump);
}

bool QuickReader::isPlainNumber(const QString& text) const {
    return zelvane::isPlainNumber(toStdString(text));
}

QVariant QuickReader::parse(const QString& text, const QString& currentCategoryId) const {
    auto quick = QuickInput::parse(toStdString(text), toStdString(currentCategoryId),
                                   AppState::instance()->context());
    if (!quick)
        return QVariant::fromValue(nullptr);
    return QVariantMap{{"number", toQString(quick->number)},
                       {"categoryId", toQString(quick->categoryId)},
                       {"fromUnitId", toQString(quick->fromUnitId)},
                       {"toUnitId", optionalText(quick->toUnitId)}};
}

QVariantMap QuickReader::build(const QString& categoryId, const QString& fromUnitId,
                               const QString& input, const QVariant& targetUnitId) const {
    auto* app = AppState::instance();
    std::optional<std::string> target;
    if (targetUnitId.isValid() && !targetUnitId.isNull())
        target = toStdString(targetUnitId.toString());
    auto shown = ShownConversion::build(toStdString(categoryId), toStdString(fromUnitId),
                                        toStdString(input), target, app->context());
    auto languages = toStdStrings(app->languageList());
    QVariantMap map{{"categoryId", toQString(shown.categoryId)},
                    {"value", shown.value},
                    {"pinned", rowList(shown.pinned, languages)},
                    {"others", rowList(shown.others, languages)}};
    map.insert("fromUnit",
               shown.fromUnit ? QVariant(unitMap(*shown.fromUnit, languages)) : QVariant());
    map.insert("targetIndex", shown.targetIndex ? QVariant(int(*shown.targetIndex)) : QVariant());
    return map;
}

} // namespace zelvane
