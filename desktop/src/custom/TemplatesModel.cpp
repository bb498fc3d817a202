#include "TemplatesModel.h"

#include "AppState.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"

namespace zelvane {

TemplatesModel::TemplatesModel(QObject* parent)
    : QAbstractListModel(parent), app_(*AppState::instance()) {
    if (auto loaded = ravodozu::loadTemplates())
        library_ = std::move(loaded).value();
    connect(&app_, &AppState::preferencesChanged, this, &TemplatesModel::rebuild);
    rebuild();
}

void TemplatesModel::rebuild() {
    const auto languages = languageList(app_.preferences());
    const int before = count();
    beginResetModel();
    rows_.clear();
    if (library_)
        for (const auto& [tag, tagName] : library_->tags)
            for (const auto& item : ravodozu::templatesWithTag(*library_, tag))
                rows_.push_back({toQString(item.id), toQString(tagName.resolve(languages)),
                                 toQString(item.glyph), toQString(item.title.resolve(languages)),
                                 toQString(item.summary.resolve(languages)),
                                 int(ravodozu::previewUnitCount(item))});
    endResetModel();
    if (count() != before)
        emit countChanged();
}

QString TemplatesModel::adopt(const QString& templateId) {
    const auto* item =
        library_ ? ravodozu::templateWithId(*library_, toStdString(templateId)) : nullptr;
    if (!item)
        return {};
    auto conversion = ravodozu::instantiate(*item, languageList(app_.preferences()));
    auto added = app_.userState().addCustomItem({conversion});
    app_.reload();
    return added ? QString() : toQString(added.error());
}

int TemplatesModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant TemplatesModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Row& row = rows_[std::size_t(index.row())];
    switch (role) {
    case templateIdRole:
        return row.templateId;
    case tagNameRole:
        return row.tagName;
    case glyphRole:
        return row.glyph;
    case titleRole:
        return row.title;
    case summaryRole:
        return row.summary;
    case unitCountRole:
        return row.unitCount;
    default:
        return {};
    }
}

QHash<int, QByteArray> TemplatesModel::roleNames() const {
    return {{templateIdRole, "templateId"}, {tagNameRole, "tagName"}, {glyphRole, "glyph"},
            {titleRole, "title"},           {summaryRole, "summary"}, {unitCountRole, "unitCount"}};
}

} // namespace zelvane
