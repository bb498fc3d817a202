// PanelController: the panel window — showing, hiding and toggling it, the page shown, the
// toast, its appearance and taskbar entry — and the parts it is made of: placement, tray icon,
// copying and the global shortcut. The QML singleton `PanelController`.
#pragma once

#include <QElapsedTimer>
#include <QIcon>
#include <QObject>
#include <QTimer>
#include <QVariant>
#include <QtQml/qqmlregistration.h>

#include <memory>
#include <optional>

#include "LatestInstance.h"
#include "LaunchCommand.h"
#include "Recent.h"

class QJSEngine;
class QQmlEngine;
class QQuickWindow;

namespace zelvane {

class AppState;
class CustomImport;
class DesktopSettings;
class GlobalShortcut;
class PanelPlacement;
class ResultCopier;
class TrayIcon;

class PanelController : public QObject, public LatestInstance<PanelController> {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    Q_PROPERTY(Page page READ page NOTIFY pageChanged)
    /// The page's name, as `zelvane --show` takes it.
    Q_PROPERTY(QString pageName READ pageName NOTIFY pageChanged)
    /// Grows by one every time the panel is brought up; views start afresh on its change.
    Q_PROPERTY(int openCount READ openCount NOTIFY openCountChanged)
    /// The text shown over the panel, or undefined.
    Q_PROPERTY(QVariant toast READ toastVariant NOTIFY toastChanged)
    /// Whether the panel draws itself dark.
    Q_PROPERTY(bool dark READ dark NOTIFY darkChanged)
    /// Whether a compositing manager runs, so translucent parts of the window show through.
    /// Without one the panel draws an opaque, square card.
    Q_PROPERTY(bool composited READ composited NOTIFY compositedChanged)

  public:
    /// The pages, those `zelvane --show` names first in its order.
    enum Page { converter, categories, settings, formula, units, editor, templates, import };
    Q_ENUM(Page)

    /// How long a toast stays.
    static constexpr int toastMilliseconds = 1600;

    /// Takes `panel` as the floating window (its content is the caller's), and creates the tray
    /// icon with `trayIcon` and the hot key. The last one created is the QML singleton.
    PanelController(AppState& app, DesktopSettings& settings, QQuickWindow& panel, QIcon trayIcon,
                    QObject* parent = nullptr);
    ~PanelController() override;

    Page page() const { return page_; }
    QString pageName() const;
    int openCount() const { return openCount_; }
    const std::optional<QString>& toast() const { return toast_; }
    QVariant toastVariant() const;
    bool dark() const { return dark_; }
    bool composited() const { return composited_; }
    bool isVisible() const;
    PanelPlacement& placement() const { return *placement_; }
    TrayIcon& tray() const { return *tray_; }
    ResultCopier& copier() const { return *copier_; }
    GlobalShortcut& shortcut() const { return *shortcut_; }
    CustomImport& importer() const { return *import_; }

    /// Does what a start of zelvane asked for.
    void handle(const launch::Command& command);

    void show(Page page);
    Q_INVOKABLE void show(int page) { show(static_cast<Page>(page)); }
    /// The page named as `zelvane --show` names it; an unknown name does nothing.
    Q_INVOKABLE void showPage(const QString& name);
    Q_INVOKABLE void hide();
    /// The hot key's and `zelvane --toggle`'s: shows a hidden panel, brings a visible one that
    /// is not active to the front, hides an active one.
    Q_INVOKABLE void toggle();
    /// A click on the tray icon, which takes the activation from the panel: shows or hides.
    void toggleFromTray();
    /// Hides the panel unless it is pinned, shown in the taskbar, or being resized.
    Q_INVOKABLE void closeIfAllowed();

    /// Opens a conversion in the converter page (its category, source unit and input) in place
    /// of any draft.
    void openConversion(const Recent& conversion);
    /// Opens a recent conversion in the converter: `index` in the recents model.
    Q_INVOKABLE void openRecent(int index);
    /// Previews the shared item in `text` (a link anywhere in it, or share JSON) on the import
    /// page, or why it cannot be imported.
    void openImport(const QString& text);
    /// `openImport` of the clipboard's text; a toast instead when it holds no shared item.
    Q_INVOKABLE void importFromClipboard();
    /// Replaces any toast; it goes after `toastMilliseconds`.
    Q_INVOKABLE void showToast(const QString& text);

    void applyTaskbarPolicy();
    void applyAppearance();
    /// Texts that live outside the views, after a change of language.
    void retranslate();

  signals:
    void pageChanged();
    void openCountChanged();
    void toastChanged();
    void darkChanged();
    void compositedChanged();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void setPage(Page page);
    void setComposited(bool composited);
    void watchActivation();
    bool panelHasTaskbarEntry() const;
    void tellShortcutProblem();
    /// Without a tray host, says how else the panel opens here.
    void warnWithoutTray() const;

    AppState& app_;
    DesktopSettings& settings_;
    QQuickWindow& panel_;
    std::unique_ptr<ResultCopier> copier_;
    std::unique_ptr<TrayIcon> tray_;
    std::unique_ptr<PanelPlacement> placement_;
    std::unique_ptr<GlobalShortcut> shortcut_;
    std::unique_ptr<CustomImport> import_;
    Page page_ = converter;
    int openCount_ = 0;
    std::optional<QString> toast_;
    QTimer toastTimer_;
    bool dark_ = false;
    bool composited_ = false;
    /// When the panel last hid itself on losing activation: a tray click that took the
    /// activation must not bring it straight back.
    QElapsedTimer autoHidden_;
    bool activeSinceShown_ = false;
    bool toldShortcutProblem_ = false;
};

} // namespace zelvane
