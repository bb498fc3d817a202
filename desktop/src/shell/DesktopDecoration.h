// DesktopDecoration: the window buttons as the user's desktop draws them, for QML as the
// singleton `DesktopDecoration`.
#pragma once

#include <QObject>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <QtQml/qqmlregistration.h>

#include <optional>

#include "WindowButtonLayout.h"

class QQmlEngine;
class QJSEngine;

namespace zelvane {

/// Reads the layout once: KDE's from kwinrc at once, the GNOME family's (GNOME, Unity, Budgie,
/// Pantheon, Cinnamon, MATE) by asking `gsettings` in the background. Until an answer comes, and
/// on any other desktop, the standard layout holds.
class DesktopDecoration : public QObject {
    Q_OBJECT
    QML_ELEMENT
    QML_SINGLETON

    /// "close", "minimize" and "maximize" on each side, from left to right.
    Q_PROPERTY(QStringList leftButtons READ leftButtons NOTIFY layoutChanged)
    Q_PROPERTY(QStringList rightButtons READ rightButtons NOTIFY layoutChanged)

  public:
    /// How long `gsettings` may take before its answer is given up.
    static constexpr int gsettingsMilliseconds = 2000;

    /// Starts reading the layout of the desktop that `environment` names
    /// (`XDG_CURRENT_DESKTOP`), with its config home and its `PATH`.
    explicit DesktopDecoration(const QProcessEnvironment& environment, QObject* parent = nullptr);
    ~DesktopDecoration() override;
    static DesktopDecoration* create(QQmlEngine*, QJSEngine*);

    const WindowButtonLayout& layout() const { return layout_; }
    QStringList leftButtons() const { return layout_.left; }
    QStringList rightButtons() const { return layout_.right; }

  signals:
    void layoutChanged();

  private:
    void readKwin(const QProcessEnvironment& environment);
    void askGsettings(const QString& schema, const QProcessEnvironment& environment);
    void adopt(const std::optional<WindowButtonLayout>& layout);

    WindowButtonLayout layout_ = WindowButtonLayout::standard();
    QProcess gsettings_;
};

} // namespace zelvane
