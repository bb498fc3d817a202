#include "PacksModel.h"

#include <algorithm>

#include "AppState.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"
#include "RavoDozu/PackCategories.h"

namespace zelvane {

PacksModel::PacksModel(QObject* parent) : QAbstractListModel(parent), app_(*AppState::instance()) {
    connect(&app_, &AppState::preferencesChanged, this, &PacksModel::refresh);
    connect(&app_, &AppState::packVariantsChanged, this, &PacksModel::refresh);
}

int PacksModel::count() const {
    return int(app_.packs().size());
}

void PacksModel::refresh() {
    if (count() > 0)
        emit dataChanged(index(0), index(count() - 1));
}

void PacksModel::setEnabled(const QString& packId, bool enabled) {
    auto ids = app_.preferences().enabledPacks;
    const auto id = toStdString(packId);
    std::erase(ids, id);
    if (enabled)
        ids.push_back(id);
    app_.setPreference("enabledPacks", toQStringList(ids));
}

void PacksModel::chooseVariant(const QString& categoryId, const QString& variantId) {
    app_.choosePackVariant(toStdString(categoryId), toStdString(variantId));
}

int PacksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant PacksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const auto& pack = app_.packs()[std::size_t(index.row())];
    const auto languages = languageList(app_.preferences());
    switch (role) {
    case packIdRole:
        return toQString(pack.id);
    case glyphRole:
        return toQString(pack.glyph);
    case nameRole:
        return toQString(pack.name.resolve(languages));
    case summaryRole:
        return toQString(pack.summary.resolve(languages));
    case disclaimerRole:
        return toQString(pack.disclaimer.resolve(languages));
    case categoriesRole: {
        QVariantList categories;
        for (const auto& category : pack.categories) {
            const auto id = ravodozu::packCategoryId(pack.id, category.id);
            const auto* chosen = ravodozu::chosenVariant(category, id, app_.packVariants());
            if (!chosen)
                continue;
            QVariantList variants;
            for (const auto& variant : category.variants)
                variants << QVariantMap{
                    {"value", toQString(variant.id)},
                    {"label", toQString(variant.name.resolve(languages) + " · " +
                                        variant.period.resolve(languages))}};
            categories << QVariantMap{{"categoryId", toQString(id)},
                                      {"name", toQString(category.name.resolve(languages))},
                                      {"variant", toQString(chosen->id)},
                                      {"variants", variants}};
        }
        return categories;
    }
    case enabledRole:
        return std::ranges::count(app_.preferences().enabledPacks, pack.id) > 0;
    default:
        return {};
    }
}

QHash<int, QByteArray> PacksModel::roleNames() const {
    return {
        {packIdRole, "packId"},   {glyphRole, "glyph"},           {nameRole, "name"},
        {summaryRole, "summary"}, {disclaimerRole, "disclaimer"}, {categoriesRole, "categories"},
        {enabledRole, "enabled"}};
}

} // namespace zelvane
