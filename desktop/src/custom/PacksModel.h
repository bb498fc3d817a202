// PacksModel: the extension packs of the bundle, each with its categories and their variants,
// and whether the user has switched it on.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

namespace zelvane {

class AppState;

class PacksModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role {
        packIdRole = Qt::UserRole + 1,
        glyphRole,
        nameRole,
        summaryRole,
        disclaimerRole,
        /// Each category as {categoryId, name, variant: the chosen variant's id, variants:
        /// [{value: id, label: "name · period"}]}, as a ChoiceBox takes them.
        categoriesRole,
        enabledRole,
    };

    explicit PacksModel(QObject* parent = nullptr);

    int count() const;
    /// Switches the pack on or off in the preferences.
    Q_INVOKABLE void setEnabled(const QString& packId, bool enabled);
    /// Reads the pack category (its `packCategoryId`) in that variant from now on.
    Q_INVOKABLE void chooseVariant(const QString& categoryId, const QString& variantId);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();

  private:
    void refresh();

    AppState& app_;
};

} // namespace zelvane
