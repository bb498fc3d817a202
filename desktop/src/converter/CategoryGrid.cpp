#include "CategoryGrid.h"

#include <algorithm>
#include <set>

#include "AppState.h"
#include "CategoryNames.h"
#include "DisplayLanguage.h"
#include "QtConversions.h"

namespace zelvane {

namespace {

/// Whether a category's name (shown or English), one of its unit names, or exactly one of its
/// unit symbols contains the lowered search text.
bool matches(const std::string& categoryId, const QString& lowered,
             const ravodozu::ConversionContext& context,
             const std::vector<std::string>& languages) {
    auto lower = [](const std::string& text) { return toQString(text).toLower(); };
    if (lower(categoryDisplayName(categoryId, context, languages)).contains(lowered))
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

} // namespace

CategoryGrid::CategoryGrid(QObject* parent)
    : QAbstractListModel(parent), app_(*AppState::instance()) {
    connect(&app_, &AppState::preferencesChanged, this, &CategoryGrid::rebuild);
    connect(&app_, &AppState::customLibraryChanged, this, &CategoryGrid::rebuild);
    rebuild();
}

void CategoryGrid::setGroup(const QString& group) {
    if (group == group_)
        return;
    group_ = group;
    rebuild();
    emit groupChanged();
}

void CategoryGrid::setSearch(const QString& search) {
    if (search == search_)
        return;
    search_ = search;
    rebuild();
    emit searchChanged();
}

QString CategoryGrid::categoryAt(int row) const {
    return row >= 0 && row < count() ? cells_[std::size_t(row)].categoryId : QString();
}

auto CategoryGrid::sections(const ravodozu::ConversionContext& context) const
    -> std::vector<Section> {
    const auto visibleIds = context.visibleCategoryIds();
    const std::set<std::string, std::less<>> visible(visibleIds.begin(), visibleIds.end());
    std::vector<Section> found;
    auto add = [&](Section section) {
        std::erase_if(section.categoryIds, [&](const auto& id) { return !visible.contains(id); });
        if (!section.categoryIds.empty())
            found.push_back(std::move(section));
    };
    for (const auto& group : ravodozu::categoryGroups())
        add({group.id, group.categoryIds});
    Section packs{"packs", {}};
    for (const auto& pack : context.packCategories().entries())
        packs.categoryIds.push_back(pack.category.id);
    add(std::move(packs));
    Section custom{"custom", {}};
    for (const auto& conversion : context.customLibrary().conversions)
        custom.categoryIds.push_back("custom." + conversion.id);
    add(std::move(custom));
    return found;
}

std::vector<std::string> CategoryGrid::listedIds(const ravodozu::ConversionContext& context,
                                                 const std::vector<std::string>& languages) const {
    const auto& preferences = context.preferences();
    const QString lowered = search_.trimmed().toLower();
    if (!lowered.isEmpty()) {
        auto ids = context.visibleCategoryIds();
        std::erase_if(ids,
                      [&](const auto& id) { return !matches(id, lowered, context, languages); });
        return ids;
    }
    if (group_ == QStringLiteral("favorites"))
        return preferences.effectiveFavoriteCategories();
    for (auto& section : sections(context))
        if (toQString(section.id) == group_)
            return std::move(section.categoryIds);
    return {};
}

void CategoryGrid::rebuild() {
    const auto context = app_.context();
    const auto languages = languageList(context.preferences());
    QStringList groups{QStringLiteral("favorites")};
    for (const auto& section : sections(context))
        groups << toQString(section.id);
    const auto starred = context.preferences().effectiveStarredCategories();
    const int before = count();
    beginResetModel();
    cells_.clear();
    for (const auto& id : listedIds(context, languages))
        cells_.push_back({toQString(id), toQString(categoryDisplayName(id, context, languages)),
                          std::ranges::count(starred, id) > 0});
    endResetModel();
    if (count() != before)
        emit countChanged();
    if (groups != groups_) {
        groups_ = std::move(groups);
        emit groupsChanged();
    }
}

int CategoryGrid::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant CategoryGrid::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= count())
        return {};
    const Cell& cell = cells_[std::size_t(index.row())];
    switch (role) {
    case categoryIdRole:
        return cell.categoryId;
    case nameRole:
        return cell.name;
    case isStarredRole:
        return cell.isStarred;
    default:
        return {};
    }
}

QHash<int, QByteArray> CategoryGrid::roleNames() const {
    return {{categoryIdRole, "categoryId"}, {nameRole, "name"}, {isStarredRole, "isStarred"}};
}

} // namespace zelvane
