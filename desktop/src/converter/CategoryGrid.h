// CategoryGrid: the categories page's cells — the favourites, one group of categories, or the
// categories a search finds — each with its name and star.
#pragma once

#include <QAbstractListModel>
#include <QString>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <string>
#include <vector>

#include "RavoDozu/ConversionContext.h"

namespace zelvane {

class AppState;

/// Made by the page it serves, over the latest AppState; follows the preferences (stars, hidden
/// categories, language, enabled packs) and the custom library.
class CategoryGrid : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    /// "favorites" or one of `groups`.
    Q_PROPERTY(QString group READ group WRITE setGroup NOTIFY groupChanged)
    /// A search that is not blank lists what it finds instead of the group.
    Q_PROPERTY(QString search READ search WRITE setSearch NOTIFY searchChanged)
    /// "favorites", then the groups that hold a visible category ("packs" after the built-in
    /// ones), "custom" last.
    Q_PROPERTY(QStringList groups READ groups NOTIFY groupsChanged)
    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role { categoryIdRole = Qt::UserRole + 1, nameRole, isStarredRole };

    explicit CategoryGrid(QObject* parent = nullptr);

    QString group() const { return group_; }
    void setGroup(const QString& group);
    QString search() const { return search_; }
    void setSearch(const QString& search);
    QStringList groups() const { return groups_; }
    int count() const { return int(cells_.size()); }
    /// The category of cell `row`, "" past the end.
    Q_INVOKABLE QString categoryAt(int row) const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void groupChanged();
    void searchChanged();
    void groupsChanged();
    void countChanged();

  private:
    struct Cell {
        QString categoryId;
        QString name;
        bool isStarred;
    };
    struct Section {
        std::string id;
        std::vector<std::string> categoryIds;
    };

    void rebuild();
    std::vector<Section> sections(const ravodozu::ConversionContext& context) const;
    std::vector<std::string> listedIds(const ravodozu::ConversionContext& context,
                                       const std::vector<std::string>& languages) const;

    AppState& app_;
    QString group_ = QStringLiteral("favorites");
    QString search_;
    QStringList groups_;
    std::vector<Cell> cells_;
};

} // namespace zelvane
