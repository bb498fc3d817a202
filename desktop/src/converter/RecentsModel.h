// RecentsModel: the recently copied conversions that still resolve, as the panel and the tray
// menu show them, newest first.
#pragma once

#include <QAbstractListModel>
#include <QString>

#include <vector>

#include "Recent.h"

namespace zelvane {

class AppState;
class DesktopSettings;

class RecentsModel : public QAbstractListModel {
    Q_OBJECT
    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    struct Entry {
        Recent recent;
        QString sourceText; ///< "3 m"
        QString resultText; ///< "9.843 ft"
        QString title() const { return sourceText + " = " + resultText; }
    };
    enum Role {
        categoryIdRole = Qt::UserRole + 1,
        fromUnitIdRole,
        toUnitIdRole,
        inputRole,
        sourceTextRole,
        resultTextRole,
        titleRole
    };

    /// Follows the stored recents and the preferences that change how they read.
    RecentsModel(AppState& app, DesktopSettings& settings, QObject* parent = nullptr);

    int count() const { return static_cast<int>(entries_.size()); }
    const Entry& entry(int index) const { return entries_.at(static_cast<std::size_t>(index)); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();

  private:
    void rebuild();

    AppState& app_;
    DesktopSettings& settings_;
    std::vector<Entry> entries_;
};

} // namespace zelvane
