// LauncherService: conversions for the desktop's launcher while the panel runs, on the session
// bus as a KRunner runner and a GNOME Shell search provider.
#pragma once

#include <QDBusConnection>
#include <QObject>
#include <QString>

#include <functional>
#include <optional>
#include <variant>
#include <vector>

#include "LauncherMatch.h"
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
    // What one call of a launcher may ask for: far more than a launcher sends, little enough to
    // answer in a few milliseconds. A longer query or id reads as none.
    static constexpr qsizetype maxQueryLength = 256;
    static constexpr qsizetype maxIdLength = 512;
    static constexpr qsizetype maxTerms = 32;
    static constexpr qsizetype maxIdsPerCall = 32;

    LauncherService(AppState& app, PanelController& panel, QObject* parent = nullptr);

    /// Puts both interfaces on `bus` and takes the service name; why not, when it cannot.
    ravodozu::Result<std::monostate, QString> publish(QDBusConnection bus);
    using Published = ravodozu::Result<std::monostate, QString>;
    /// How long an offered bus has to take the service before the offer is answered anyway.
    static constexpr int offerTimeoutMs = 3000;

    /// Publishes on the bus at `address` unless a live bus already carries the service (its name
    /// there is never given up) or another offer is being tried: a panel started before the
    /// session's bus existed learns of the bus from a later start. Only a local socket of this
    /// user that answers as a bus is connected to (BusProbe), off the event loop. `done` is
    /// called once: published, refused, or after `offerTimeoutMs`.
    void offerBus(const QString& address, std::function<void(const Published&)> done);
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
    KRunnerInterface* krunner_;
    SearchProviderInterface* searchProvider_;
    void connectInBackground(const QString& address,
                             const std::function<void(const Published&)>& finish);
    /// Takes the outcome of a connection made in the background, whenever it comes.
    void connected(const QString& name, const Published& registered);

    QString publishedOn_;   ///< the name of the connection that carries the service
    bool offering_ = false; ///< An offered bus is being tried.
};

} // namespace zelvane
