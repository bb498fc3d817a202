// DesktopSettings: the panel's own settings (size and place, hot key, taskbar, copying, recents,
// last copied text, pin), kept in memory and written through the user-state layer as they
// change; the QML singleton `DesktopSettings`.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include <QObject>
#include <QPointF>
#include <QSizeF>
#include <QVariant>
#include <QVariantList>
#include <QtQml/qqmlregistration.h>

#include "AutostartEntry.h"
#include "DesktopState.h"
#include "LatestInstance.h"

class QQmlEngine;
class QJSEngine;

namespace zelvane {

class DesktopSettings : public QObject, public LatestInstance<DesktopSettings> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QSizeF panelSize READ panelSizeF WRITE setPanelSizeF NOTIFY panelSizeChanged)
    /// A QPointF, or undefined when the panel has no remembered place.
    Q_PROPERTY(QVariant panelTopLeft READ panelTopLeftVariant WRITE setPanelTopLeftVariant NOTIFY
                   panelTopLeftChanged)
    /// A `HotKeyChoice` as its number.
    Q_PROPERTY(int hotKey READ hotKeyIndex WRITE setHotKeyIndex NOTIFY hotKeyChanged)
    Q_PROPERTY(bool showsInTaskbar READ showsInTaskbar WRITE setShowsInTaskbar NOTIFY
                   showsInTaskbarChanged)
    Q_PROPERTY(bool showsLastResult READ showsLastResult WRITE setShowsLastResult NOTIFY
                   showsLastResultChanged)
    Q_PROPERTY(bool copiesUnit READ copiesUnit WRITE setCopiesUnit NOTIFY copiesUnitChanged)
    /// A string, or undefined when nothing was copied.
    Q_PROPERTY(QVariant lastCopied READ lastCopiedVariant WRITE setLastCopiedVariant NOTIFY
                   lastCopiedChanged)
    Q_PROPERTY(bool isPinned READ isPinned WRITE setPinned NOTIFY isPinnedChanged)
    Q_PROPERTY(int loginRevision READ loginRevision NOTIFY loginRevisionChanged)
    /// Whether the autostart entry exists, read afresh at every login revision.
    Q_PROPERTY(bool opensAtLogin READ opensAtLogin NOTIFY loginRevisionChanged)
    /// [{value, name, size}] of the size presets, smallest first.
    Q_PROPERTY(QVariantList sizePresets READ sizePresets CONSTANT)
    /// [{value, keys}] of the hot-key choices in order; `keys` is "" for none.
    Q_PROPERTY(QVariantList hotKeyChoices READ hotKeyChoices CONSTANT)

  public:
    /// Order and names are the stored raw values.
    enum class Preset { small, medium, large };
    Q_ENUM(Preset)

    /// Reads every setting once from `store`. The last one created is the QML singleton.
    DesktopSettings(SettingsStore& store, AutostartEntry autostart, QObject* parent = nullptr);
    /// The autostart entry at its standard place, starting this executable.
    explicit DesktopSettings(SettingsStore& store, QObject* parent = nullptr);

    static QString rawValue(Preset preset);
    static PanelSize size(Preset preset);

    PanelSize panelSize() const { return panelSize_; }
    void setPanelSize(PanelSize size);
    std::optional<QPointF> panelTopLeft() const { return panelTopLeft_; }
    void setPanelTopLeft(std::optional<QPointF> topLeft);
    HotKeyChoice hotKey() const { return hotKey_; }
    void setHotKey(HotKeyChoice choice);
    bool showsInTaskbar() const { return showsInTaskbar_; }
    void setShowsInTaskbar(bool shows);
    bool showsLastResult() const { return showsLastResult_; }
    void setShowsLastResult(bool shows);
    bool copiesUnit() const { return copiesUnit_; }
    void setCopiesUnit(bool copies);
    const std::vector<Recent>& recents() const { return recents_; }
    void setRecents(std::vector<Recent> recents);
    const std::optional<std::string>& lastCopied() const { return lastCopied_; }
    void setLastCopied(std::optional<std::string> text);
    bool isPinned() const { return isPinned_; }
    void setPinned(bool pinned);
    int loginRevision() const { return loginRevision_; }
    bool opensAtLogin() const { return autostart_.isEnabled(); }

    QSizeF panelSizeF() const;
    void setPanelSizeF(const QSizeF& size);
    QVariant panelTopLeftVariant() const;
    void setPanelTopLeftVariant(const QVariant& topLeft);
    int hotKeyIndex() const { return static_cast<int>(hotKey_); }
    void setHotKeyIndex(int index);
    QVariant lastCopiedVariant() const;
    void setLastCopiedVariant(const QVariant& text);
    static QVariantList sizePresets();
    static QVariantList hotKeyChoices();

    /// The preset of exactly the panel's size; undefined for any other size.
    Q_INVOKABLE QVariant currentPreset() const;
    std::optional<Preset> currentPresetValue() const;
    /// To the next larger (direction ≥ 1) or smaller preset; the place is kept.
    Q_INVOKABLE void stepPanelSize(int direction);
    void addRecent(Recent recent);
    /// Takes in what another process changed in the settings file; observers hear only of what
    /// changed.
    void reload();
    /// Writes or removes the autostart entry; a failure is logged. Views re-read the status.
    Q_INVOKABLE void setOpenAtLogin(bool enabled);

  signals:
    void panelSizeChanged();
    void panelTopLeftChanged();
    void hotKeyChanged();
    void showsInTaskbarChanged();
    void showsLastResultChanged();
    void copiesUnitChanged();
    void recentsChanged();
    void lastCopiedChanged();
    void isPinnedChanged();
    void loginRevisionChanged();

  private:
    /// Keeps `value` in `field` (announcing a change) whether or not `stored` succeeded: the
    /// panel goes on with what the user chose, and the failure is reported once.
    template <class T, class Signal>
    void keep(T& field, T value, const StoreResult& stored, Signal changed);
    template <class T, class Signal> void follow(T& field, T value, Signal changed);

    DesktopState state_;
    AutostartEntry autostart_;
    PanelSize panelSize_;
    std::optional<QPointF> panelTopLeft_;
    HotKeyChoice hotKey_;
    bool showsInTaskbar_;
    bool showsLastResult_;
    bool copiesUnit_;
    std::vector<Recent> recents_;
    std::optional<std::string> lastCopied_;
    bool isPinned_ = false;
    int loginRevision_ = 0;
};

} // namespace zelvane
