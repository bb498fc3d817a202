#include "PacksModel.h"

#include <algorithm>

#include "AppState.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"

namespace zelvane {

PacksModel::PacksModel(QObject* parent) : QAbstractListModel(parent), app_(*AppState::instance()) {
    if (auto loaded = ravodozu::loadPacks())
        packs_ = std::move(loaded).value();
    connect(&app_, &AppState::preferencesChanged, this, [this] {
        if (count() > 0)
            emit dataChanged(index(0), index(count() - 1));
    });
}

void PacksModel::setEnabled(const QString& packId, bool enabled) {
    auto ids = app_.preferences().enabledPacks;
    const auto id = toStdString(packId);
    std::erase(ids, id);
    if (enabled)
        ids.push_back(id);
    app_.setPreference("enabledPacks", toQStringList(ids));
}

int PacksModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant PacksModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const auto& pack = packs_[std::size_t(index.row())];
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
        // "Length: Han, Tang, Song" — each category with the periods it can be read in.
        QStringList lines;
        for (const auto& category : pack.categories) {
            QStringList variants;
            for (const auto& variant : category.variants)
                variants << toQString(variant.name.resolve(languages));
            lines << toQString(category.name.resolve(languages)) + ": " + variants.join(", ");
        }
        return lines;
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
