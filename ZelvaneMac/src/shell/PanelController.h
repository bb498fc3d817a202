// PanelController: the desktop shell's one controller: the panel window, its tray icon and menu,
// the global hot key, size and place, copying with recents, the toast and the page shown.
// The QML singleton `PanelController`.
#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QPointF>
#include <QPointer>
#include <QSizeF>
#include <QTimer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>
#include <vector>

#include "LatestInstance.h"
#include "LaunchCommand.h"
#include "PanelGeometry.h"

class QJSEngine;
class QMenu;
class QQmlEngine;
class QQuickWindow;
class QSystemTrayIcon;

namespace zelvane {

class AppState;
class HotKey;
class MacSettings;
class ShortcutPortal;

class PanelController : public QObject, public LatestInstance<PanelController> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(Page page READ page NOTIFY pageChanged)
    /// Grows by one every time the panel is brought up; views start afresh on its change.
    Q_PROPERTY(int openCount READ openCount NOTIFY openCountChanged)
    Q_PROPERTY(bool isResizing READ isResizing NOTIFY isResizingChanged)
    /// The text shown over the panel, or undefined.
    Q_PROPERTY(QVariant toast READ toastVariant NOTIFY toastChanged)
    /// Whether the panel draws itself dark.
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)
    /// Whether a compositing manager runs, so translucent parts of the window show through.
    /// Without one the panel draws an opaque, square card.
    Q_PROPERTY(bool composited READ composited NOTIFY compositedChanged)

  public:
    enum Page { converter, categories, settings, formula };
    Q_ENUM(Page)

    /// How long a toast stays.
    static constexpr int toastMilliseconds = 1600;

    /// Takes `panel` as the floating window (its content is the caller's), and creates the tray
    /// icon with `trayIcon` and the hot key. The last one created is the QML singleton.
    PanelController(AppState& app, MacSettings& settings, QQuickWindow& panel, QIcon trayIcon,
                    QObject* parent = nullptr);
    ~PanelController() override;

    Page page() const { return page_; }
    int openCount() const { return openCount_; }
    bool isResizing() const { return resizeStart_.has_value(); }
    const std::optional<QString>& toast() const { return toast_; }
    QVariant toastVariant() const;
    bool dark() const { return dark_; }
    bool composited() const { return composited_; }
    bool isVisible() const;
    const HotKey& hotKey() const { return *hotKey_; }
    QSystemTrayIcon& statusItem() const { return *statusItem_; }

    /// Does what a start of zelvane asked for.
    void handle(const launch::Command& command);

    void show(Page page);
    Q_INVOKABLE void show(int page) { show(static_cast<Page>(page)); }
    Q_INVOKABLE void hide();
    Q_INVOKABLE void toggle();
    /// Hides the panel unless it is pinned, shown in the taskbar, or being resized.
    Q_INVOKABLE void closeIfAllowed();

    /// Where the panel opens now.
    QRectF panelFrame() const;

    /// Copies a row of a shown conversion: the text (with the unit when the user wants it) to
    /// the clipboard, the conversion to the recents, the text with its unit as the last copied.
    /// `row` is {unit: {id, symbol}, text}, `shown` {categoryId, fromUnit: {id} or undefined}.
    Q_INVOKABLE void copyRow(const QVariantMap& row, const QVariantMap& shown,
                             const QString& input);
    /// [{recent, sourceText, resultText, title}] for the recents that still resolve.
    Q_INVOKABLE QVariantList recentEntries() const;
    /// `recent` is {categoryId, fromUnitId, toUnitId, input}.
    Q_INVOKABLE void openRecent(const QVariantMap& recent);
    /// Copies the result of the recent entry at `index`; out of range does nothing.
    void copyRecent(int index);
    /// Replaces any toast; it goes after `toastMilliseconds`.
    Q_INVOKABLE void showToast(const QString& text);

    Q_INVOKABLE void applyHotKey();
    Q_INVOKABLE void applyDockPolicy();
    Q_INVOKABLE void applyAppearance();
    Q_INVOKABLE void updateStatusItem();
    /// Fills the tray menu afresh: last copied text, open, recents, reset position, settings,
    /// quit.
    void fillStatusMenu(QMenu& menu);

    /// `edge`: left, right, bottom, bottomLeft, bottomRight as 0…4. Points are screen points.
    Q_INVOKABLE void beginResize(int edge, const QPointF& mouse);
    Q_INVOKABLE void resizeDrag(const QPointF& mouse);
    Q_INVOKABLE void endResize();
    Q_INVOKABLE void beginMove(const QPointF& mouse);
    Q_INVOKABLE void moveDrag(const QPointF& mouse);
    Q_INVOKABLE void endMove();
    Q_INVOKABLE void resetPosition();
    Q_INVOKABLE void toggleZoom();

  signals:
    void pageChanged();
    void openCountChanged();
    void isResizingChanged();
    void toastChanged();
    void darkChanged();
    void compositedChanged();
    /// The hot key could not be had; the text says why.
    void hotKeyFailed(const QString& reason);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct ResizeStart {
        QPointF mouse;
        QSizeF size;
    };
    struct MoveStart {
        QPointF mouse;
        QPointF topLeft;
    };

    void setPage(Page page);
    void followPanelSize();
    void rememberTopLeft();
    void setComposited(bool composited);
    std::optional<panel::ScreenArea> panelScreen() const;
    std::optional<QRectF> trayIconGeometry() const;
    void setClipboardText(const QString& text) const;
    void setLastCopied(const QString& text);
    void watchActivation();
    bool panelHasTaskbarEntry() const;
    ShortcutPortal& shortcutPortal();

    AppState& app_;
    MacSettings& settings_;
    QQuickWindow& panel_;
    std::unique_ptr<HotKey> hotKey_;
    /// Created on first use: only sessions that let no program grab keys need it.
    std::unique_ptr<ShortcutPortal> shortcutPortal_;
    std::unique_ptr<QSystemTrayIcon> statusItem_;
    std::unique_ptr<QMenu> statusMenu_;
    Page page_ = converter;
    int openCount_ = 0;
    std::optional<QString> toast_;
    QTimer toastTimer_;
    bool dark_ = false;
    bool composited_ = false;
    std::optional<ResizeStart> resizeStart_;
    panel::ResizeEdge resizeEdge_ = panel::ResizeEdge::right;
    bool keepsLeftEdge_ = true;
    std::optional<MoveStart> moveStart_;
    /// When the panel last hid itself on losing activation: a tray click that took the
    /// activation must not bring it straight back.
    QElapsedTimer autoHidden_;
};

} // namespace zelvane
