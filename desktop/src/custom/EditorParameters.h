// EditorParameters: the named numbers of the item being edited.
#pragma once

#include <QAbstractListModel>
#include <QtQml/qqmlregistration.h>

#include <vector>

#include "RavoDozu/CustomLibrary.h"

namespace zelvane {

/// Owned by the CustomEditor; like its units, an edit leaves the typed fields alone and only
/// the `problem` of each row is recomputed.
class EditorParameters : public QAbstractListModel {
    Q_OBJECT
    QML_ELEMENT
    QML_UNCREATABLE("made by CustomEditor")

    Q_PROPERTY(int count READ count NOTIFY countChanged)

  public:
    enum Role { nameRole = Qt::UserRole + 1, valueRole, noteRole, problemRole };

    explicit EditorParameters(QObject* parent = nullptr);

    int count() const { return int(parameters_.size()); }
    const std::vector<ravodozu::CustomParameter>& parameters() const { return parameters_; }
    void reset(std::vector<ravodozu::CustomParameter> parameters);
    /// Why a parameter may not be saved (a bad or repeated name, a value that is no number), or
    /// "" when all may.
    QString problem() const;

    Q_INVOKABLE void add();
    Q_INVOKABLE void remove(int row);
    Q_INVOKABLE void setName(int row, const QString& name);
    Q_INVOKABLE void setValue(int row, const QString& text);
    Q_INVOKABLE void setNote(int row, const QString& note);

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QHash<int, QByteArray> roleNames() const override;

  signals:
    void countChanged();
    void edited();

  private:
    QString problemOf(int row) const;
    void changed();

    std::vector<ravodozu::CustomParameter> parameters_;
};

} // namespace zelvane
