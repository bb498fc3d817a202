// PacksModel: the extension packs of the bundle, each with its categories and their variants,
// and whether the user has switched it on.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <vector>

#include "RavoDozu/ExtensionPack.h"

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
        categoriesRole,
        enabledRole,
    };

    explicit PacksModel(QObject* parent = nullptr);

    int count() const { return int(packs_.size()); }
    /// Switches the pack on or off in the preferences.
    Q_INVOKABLE void setEnabled(const QString& packId, bool enabled);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();

  private:
    AppState& app_;
    std::vector<ravodozu::ExtensionPack> packs_;
};

} // namespace zelvane
