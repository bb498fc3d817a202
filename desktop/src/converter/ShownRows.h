// ShownRows: the result rows the converter page draws — the pinned rows, then the others while
// the user shows them — over the shown conversion they come from.
#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <string>
#include <vector>

#include "ShownConversion.h"

namespace zelvane {

/// Row `i` of the model is row `i` of the conversion (pinned followed by others); the hidden
/// others are past the model's end, so a view, the arrow keys and Return never reach them.
class ShownRows : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("The rows belong to the converter's input flow")

    Q_PROPERTY(int count READ count NOTIFY shapeChanged)
    Q_PROPERTY(int pinnedCount READ pinnedCount NOTIFY shapeChanged)
    Q_PROPERTY(int othersCount READ othersCount NOTIFY shapeChanged)
    Q_PROPERTY(bool showsOthers READ showsOthers NOTIFY shapeChanged)

  public:
    enum Role {
        unitIdRole = Qt::UserRole + 1,
        unitNameRole,
        unitSymbolRole,
        valueTextRole,
        isPinnedRole,
        magnitudeRole,
        isMixedRole ///< The value text is a mixed amount that carries its units.
    };

    using QAbstractListModel::QAbstractListModel;

    /// Takes a new conversion, names its units in `languages`. A view keeps its delegates: rows
    /// that stay are changed in place, only the difference in number is added or removed.
    void show(ShownConversion conversion, bool showsOthers, std::vector<std::string> languages);

    const ShownConversion& conversion() const { return conversion_; }
    const std::vector<std::string>& languages() const { return languages_; }
    /// How many rows are drawn.
    int count() const;
    int pinnedCount() const { return int(conversion_.pinned.size()); }
    int othersCount() const { return int(conversion_.others.size()); }
    bool showsOthers() const { return showsOthers_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void shapeChanged();
    /// After every `show`, whether or not a drawn row changed.
    void conversionChanged();

  private:
    void notifyChangedRows(const ShownConversion& before, int kept, bool renamed);

    ShownConversion conversion_;
    bool showsOthers_ = true;
    std::vector<std::string> languages_;
};

} // namespace zelvane
