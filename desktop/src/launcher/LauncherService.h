// LauncherService: conversions for the desktop's launcher while the panel runs, on the session
// bus as a KRunner runner and a GNOME Shell search provider.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <optional>
#include <variant>
#include <vector>

#include "LauncherMatch.h"
#include "QuickReader.h"
#include "RavoDozu/Result.h"

namespace zelvane {

class AppState;
class KRunnerInterface;
class PanelController;
class SearchProviderInterface;

class LauncherService : public QObject {
    Q_OBJECT

  public:
    static constexpr auto serviceName = "org.zelvane.Zelvane";
    static constexpr auto krunnerPath = "/krunner";
    static constexpr auto searchProviderPath = "/SearchProvider";

    LauncherService(AppState& app, PanelController& panel, QObject* parent = nullptr);

    /// Puts both interfaces on `bus` and takes the service name; why not, when it cannot.
    ravodozu::Result<std::monostate, QString> publish(QDBusConnection bus);
    /// Publishes on the bus at `address` unless a live bus already carries the service: a panel
    /// started before the session's bus existed learns of the bus from a later start.
    ravodozu::Result<std::monostate, QString> publishOn(const QString& address);
    /// Whether the service is on a bus that is still connected.
    bool isPublished() const;

    /// The matches for a query typed into the launcher, read in the converter's category.
    std::vector<LauncherMatch> search(const QString& query) const;
    std::optional<LauncherMatch> match(const QString& id) const;
    /// Copies the match as the panel copies a row: clipboard, recents, last copied.
    void choose(const QString& id);
    /// Brings up the converter, showing the query's conversion when it reads as one.
    void openInPanel(const QString& query);

  private:
    AppState& app_;
    PanelController& panel_;
    QuickReader reader_;
    KRunnerInterface* krunner_;
    SearchProviderInterface* searchProvider_;
    QString publishedOn_; ///< the name of the connection that carries the service
};

} // namespace zelvane
