// CustomItemsModel: the My units page's list — the user's custom conversions, then the extra
// units in built-in categories — each with how its units compiled.
#pragma once

#include <QAbstractListModel>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <vector>

namespace zelvane {

class AppState;

/// Made by the page it serves, over the latest AppState; follows the custom library, the rates
/// (currency references) and the language.
class CustomItemsModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role {
        itemIdRole = Qt::UserRole + 1,
        isExtraRole,
        nameRole,
        glyphRole,
        summaryRole,
        unitStatesRole,
        hasProblemRole,
    };

    explicit CustomItemsModel(QObject* parent = nullptr);

    int count() const { return int(rows_.size()); }
    /// Builds the rows afresh, in the language now installed.
    Q_INVOKABLE void refresh();

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();

  private:
    struct Row {
        QString itemId;
        bool isExtra;
        QString name;
        QString glyph;
        QString summary;
        QStringList unitStates; ///< "unit: what became of it", one per unit.
        bool hasProblem;
    };

    AppState& app_;
    std::vector<Row> rows_;
};

} // namespace zelvane
