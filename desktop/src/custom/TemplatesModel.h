// TemplatesModel: the ready-made conversions of the bundle, by tag, in the display language, and
// their adoption into the user's library.
#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <optional>
#include <vector>

#include "RavoDozu/CustomTemplateLibrary.h"

namespace zelvane {

class AppState;

class TemplatesModel : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT

    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role {
        templateIdRole = Qt::UserRole + 1,
        tagNameRole,
        glyphRole,
        titleRole,
        summaryRole,
        unitCountRole,
    };

    explicit TemplatesModel(QObject* parent = nullptr);

    int count() const { return int(rows_.size()); }
    /// Adds the template in the user's language as a new conversion; "" on success, else why not.
    Q_INVOKABLE QString adopt(const QString& templateId);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();

  private:
    struct Row {
        QString templateId;
        QString tagName;
        QString glyph;
        QString title;
        QString summary;
        int unitCount;
    };
    void rebuild();

    AppState& app_;
    std::optional<ravodozu::CustomTemplateLibrary> library_;
    std::vector<Row> rows_;
};

} // namespace zelvane
