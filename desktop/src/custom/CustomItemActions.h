// CustomItemActions: what the My units page does to one stored item — remove it (and bring it
// back), duplicate it, copy its share link or text.
#pragma once

#include <QObject>
#include <QString>
#include <QtQml/qqmlregistration.h>

#include <optional>

#include "RavoDozu/CustomShare.h"

namespace zelvane {

class AppState;

/// Each action is written through the user state and taken in by the app state at once. The
/// actions give "" on success, else why nothing was done.
class CustomItemActions : public QObject {
    Q_OBJECT
    QML_ELEMENT

    /// Whether a removal can be undone.
    Q_PROPERTY(bool canUndo READ canUndo NOTIFY canUndoChanged)

  public:
    explicit CustomItemActions(QObject* parent = nullptr);

    bool canUndo() const { return removed_.has_value(); }

    Q_INVOKABLE QString remove(const QString& itemId);
    /// Stores the last removed item again.
    Q_INVOKABLE QString undoRemove();
    /// Stores a copy with a fresh id at the end of its list, its name marked as a copy.
    Q_INVOKABLE QString duplicate(const QString& itemId);
    /// Puts the item's "zelvane:" link, or its JSON envelope, on the clipboard.
    Q_INVOKABLE QString copyShare(const QString& itemId, bool asLink);

  signals:
    void canUndoChanged();

  private:
    std::optional<ravodozu::CustomShare::Payload> stored(const QString& itemId) const;
    QString finish(const ravodozu::Result<std::monostate, std::string>& result);

    AppState& app_;
    std::optional<ravodozu::CustomShare::Payload> removed_;
};

} // namespace zelvane
