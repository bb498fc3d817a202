// TrayIcon: the panel's icon in the desktop's tray, its tool tip and its menu of recent results.
#pragma once

#include <QIcon>
#include <QObject>
#include <QRectF>

#include <memory>
#include <optional>

class QMenu;
class QSystemTrayIcon;

namespace zelvane {

class DesktopSettings;
class ResultCopier;

class TrayIcon : public QObject {
    Q_OBJECT

  public:
    /// Shows `icon` in the tray; the menu is filled afresh each time it opens.
    TrayIcon(DesktopSettings& settings, ResultCopier& copier, QIcon icon,
             QObject* parent = nullptr);
    ~TrayIcon() override;

    QSystemTrayIcon& icon() const { return *icon_; }
    /// Where the icon is on screen; none without a tray host or before the host placed it.
    std::optional<QRectF> geometry() const;

    /// The application's name, and the last copied text when the user wants it shown.
    void updateToolTip();
    /// Last copied text, open, recents, reset position, settings, quit.
    void fillMenu(QMenu& menu);

  signals:
    /// A left click on the icon.
    void toggleRequested();
    /// A menu entry that opens the panel at a page (`PanelController::Page`).
    void pageRequested(int page);
    void resetPositionRequested();

  private:
    DesktopSettings& settings_;
    ResultCopier& copier_;
    std::unique_ptr<QSystemTrayIcon> icon_;
    std::unique_ptr<QMenu> menu_;
};

} // namespace zelvane
