#include "TrayIcon.h"

#include <QAction>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QMenu>
#include <QSystemTrayIcon>

#include "DesktopSettings.h"
#include "PanelController.h"
#include "QtConversions.h"
#include "ResultCopier.h"
#include "SaveFailures.h"

namespace zelvane {

TrayIcon::TrayIcon(DesktopSettings& settings, ResultCopier& copier, QIcon icon, QObject* parent)
    : QObject(parent), settings_(settings), copier_(copier),
      icon_(std::make_unique<QSystemTrayIcon>(std::move(icon))), menu_(std::make_unique<QMenu>()) {
    connect(icon_.get(), &QSystemTrayIcon::activated, this,
            [this](QSystemTrayIcon::ActivationReason reason) {
                if (reason == QSystemTrayIcon::Trigger)
                    emit toggleRequested();
            });
    fillMenu(*menu_);
    connect(menu_.get(), &QMenu::aboutToShow, this, [this] { fillMenu(*menu_); });
    icon_->setContextMenu(menu_.get());
    // Without a tray host, Qt falls back to its X11 tray code, which outside X11 only warns.
    if (QSystemTrayIcon::isSystemTrayAvailable() ||
        QGuiApplication::platformName() == QLatin1String("xcb"))
        icon_->show();
    connect(&settings_, &DesktopSettings::lastCopiedChanged, this, &TrayIcon::updateToolTip);
    connect(&settings_, &DesktopSettings::showsLastResultChanged, this, &TrayIcon::updateToolTip);
    updateToolTip();
}

TrayIcon::~TrayIcon() = default;

std::optional<QRectF> TrayIcon::geometry() const {
    if (!icon_->isVisible() || !QSystemTrayIcon::isSystemTrayAvailable())
        return std::nullopt;
    // An icon the tray host has not taken in yet reports the screen's origin.
    const QRect geometry = icon_->geometry();
    if (geometry.topLeft().isNull())
        return std::nullopt;
    return QRectF(geometry);
}

void TrayIcon::updateToolTip() {
    QString tip = qtTrId("panel.appName");
    const auto& last = settings_.lastCopied();
    if (settings_.showsLastResult() && last && !last->empty())
        tip += "\n" + toQString(*last);
    icon_->setToolTip(tip);
}

void TrayIcon::fillMenu(QMenu& menu) {
    menu.clear();
    menu.setToolTipsVisible(true);
    const auto& last = settings_.lastCopied();
    if (settings_.showsLastResult() && last && !last->empty()) {
        menu.addAction(toQString(*last))->setEnabled(false);
        menu.addSeparator();
    }
    connect(menu.addAction(qtTrId("panel.menu.open")), &QAction::triggered, this,
            [this] { emit pageRequested(PanelController::converter); });
    RecentsModel& recents = *copier_.recents();
    if (recents.count() > 0) {
        menu.addSeparator();
        menu.addAction(qtTrId("panel.menu.recents"))->setEnabled(false);
        for (int index = 0; index < recents.count(); ++index) {
            QAction* action = menu.addAction(recents.entry(index).title());
            action->setToolTip(qtTrId("panel.menu.copyHint"));
            connect(action, &QAction::triggered, this,
                    [this, index] { copier_.copyRecent(index); });
        }
    }
    menu.addSeparator();
    if (settings_.panelTopLeft())
        connect(menu.addAction(qtTrId("panel.menu.resetPosition")), &QAction::triggered, this,
                &TrayIcon::resetPositionRequested);
    QAction* settingsAction = menu.addAction(qtTrId("panel.menu.settings"));
    settingsAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Comma));
    connect(settingsAction, &QAction::triggered, this,
            [this] { emit pageRequested(PanelController::settings); });
    QAction* quit = menu.addAction(qtTrId("panel.quit"));
    quit->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Q));
    connect(quit, &QAction::triggered, qApp, &QCoreApplication::quit);
}

} // namespace zelvane
