// MacSettings: the desktop-only settings (panel size and place, hot key, taskbar, copying,
// recents, last copied text, pin), persisted as they change; the QML singleton `MacSettings`.
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
#include "LatestInstance.h"
#include "PanelSize.h"
#include "Recent.h"
#include "SettingsStore.h"

class QQmlEngine;
class QJSEngine;

namespace zelvane {

class MacSettings : public QObject, public LatestInstance<MacSettings> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(QSizeF panelSize READ panelSizeF WRITE setPanelSizeF NOTIFY panelSizeChanged)
    /// A QPointF, or undefined when the panel has no remembered place.
    Q_PROPERTY(QVariant panelTopLeft READ panelTopLeftVariant WRITE setPanelTopLeftVariant NOTIFY
                   panelTopLeftChanged)
    Q_PROPERTY(HotKeyChoice hotKey READ hotKey WRITE setHotKey NOTIFY hotKeyChanged)
    Q_PROPERTY(bool showsInDock READ showsInDock WRITE setShowsInDock NOTIFY showsInDockChanged)
    Q_PROPERTY(bool showsLastResult READ showsLastResult WRITE setShowsLastResult NOTIFY
                   showsLastResultChanged)
    Q_PROPERTY(bool copiesUnit READ copiesUnit WRITE setCopiesUnit NOTIFY copiesUnitChanged)
    /// [{categoryId, fromUnitId, toUnitId, input}], newest first.
    Q_PROPERTY(QVariantList recents READ recentsList NOTIFY recentsChanged)
    /// A string, or undefined when nothing was copied.
    Q_PROPERTY(QVariant lastCopied READ lastCopiedVariant WRITE setLastCopiedVariant NOTIFY
                   lastCopiedChanged)
    Q_PROPERTY(bool isPinned READ isPinned WRITE setPinned NOTIFY isPinnedChanged)
    Q_PROPERTY(int loginRevision READ loginRevision NOTIFY loginRevisionChanged)
    /// Whether the autostart entry exists, read afresh at every login revision.
    Q_PROPERTY(bool opensAtLogin READ opensAtLogin NOTIFY loginRevisionChanged)

  public:
    /// Order and names are the stored raw values.
    enum class Preset { small, medium, large };
    Q_ENUM(Preset)
    enum class HotKeyChoice { optionCommandU, controlOptionU, optionSpace, none };
    Q_ENUM(HotKeyChoice)

    /// Reads every setting once from `store`. The last one created is the QML singleton.
    MacSettings(SettingsStore& store, AutostartEntry autostart, QObject* parent = nullptr);
    /// The autostart entry at its standard place, starting this executable.
    explicit MacSettings(SettingsStore& store, QObject* parent = nullptr);

    static QString rawValue(HotKeyChoice choice);
    static std::optional<HotKeyChoice> hotKeyNamed(const QString& rawValue);
    static QString rawValue(Preset preset);
    static PanelSize size(Preset preset);

    PanelSize panelSize() const { return panelSize_; }
    void setPanelSize(PanelSize size);
    std::optional<QPointF> panelTopLeft() const { return panelTopLeft_; }
    void setPanelTopLeft(std::optional<QPointF> topLeft);
    HotKeyChoice hotKey() const { return hotKey_; }
    void setHotKey(HotKeyChoice choice);
    bool showsInDock() const { return showsInDock_; }
    void setShowsInDock(bool shows);
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
    QVariantList recentsList() const;
    QVariant lastCopiedVariant() const;
    void setLastCopiedVariant(const QVariant& text);

    /// The preset of exactly the panel's size; undefined for any other size.
    Q_INVOKABLE QVariant currentPreset() const;
    std::optional<Preset> currentPresetValue() const;
    /// To the next larger (direction ≥ 1) or smaller preset; the place is kept.
    Q_INVOKABLE void stepPanelSize(int direction);
    void addRecent(Recent recent);
    Q_INVOKABLE void addRecent(const QString& categoryId, const QString& fromUnitId,
                               const QString& toUnitId, const QString& input);
    /// Writes or removes the autostart entry; a failure is logged. Views re-read the status.
    Q_INVOKABLE void setOpenAtLogin(bool enabled);

  signals:
    void panelSizeChanged();
    void panelTopLeftChanged();
    void hotKeyChanged();
    void showsInDockChanged();
    void showsLastResultChanged();
    void copiesUnitChanged();
    void recentsChanged();
    void lastCopiedChanged();
    void isPinnedChanged();
    void loginRevisionChanged();

  private:
    void write(const std::vector<SettingsStore::Change>& changes);

    SettingsStore& store_;
    AutostartEntry autostart_;
    PanelSize panelSize_;
    std::optional<QPointF> panelTopLeft_;
    HotKeyChoice hotKey_ = HotKeyChoice::optionCommandU;
    bool showsInDock_ = true;
    bool showsLastResult_ = false;
    bool copiesUnit_ = true;
    std::vector<Recent> recents_;
    std::optional<std::string> lastCopied_;
    bool isPinned_ = false;
    int loginRevision_ = 0;
};

} // namespace zelvane
