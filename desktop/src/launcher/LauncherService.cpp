#include "LauncherService.h"

#include <QDBusError>
#include <QThread>
#include <QTimer>

#include <memory>
#include <utility>

#include "AppState.h"
#include "BusProbe.h"
#include "ConverterModel.h"
#include "KRunnerInterface.h"
#include "PanelController.h"
#include "QtConversions.h"
#include "ResultCopier.h"
#include "SearchProviderInterface.h"
#include "ShownConversion.h"

namespace zelvane {

LauncherService::LauncherService(AppState& app, PanelController& panel, QObject* parent)
    : QObject(parent), app_(app), panel_(panel), krunner_(new KRunnerInterface(*this, this)),
      searchProvider_(new SearchProviderInterface(*this, this)) {}

namespace {

// Safe from any thread: a connection made in the background registers there.
LauncherService::Published registerOn(QDBusConnection bus, QObject* krunner,
                                      QObject* searchProvider) {
    if (!bus.isConnected())
        return ravodozu::fail("no session bus: " + bus.lastError().message());
    if (!bus.registerObject(LauncherService::krunnerPath, krunner,
                            QDBusConnection::ExportAllSlots) ||
        !bus.registerObject(LauncherService::searchProviderPath, searchProvider,
                            QDBusConnection::ExportAllSlots))
        return ravodozu::fail("the launcher objects could not be registered: " +
                              bus.lastError().message());
    if (!bus.registerService(LauncherService::serviceName))
        return ravodozu::fail(QString("the bus name %1 is taken: %2")
                                  .arg(LauncherService::serviceName, bus.lastError().message()));
    return std::monostate{};
}

} // namespace

LauncherService::Published LauncherService::publish(QDBusConnection bus) {
    auto registered = registerOn(bus, krunner_, searchProvider_);
    if (registered)
        publishedOn_ = bus.name();
    return registered;
}

void LauncherService::offerBus(const QString& address, std::function<void(const Published&)> done) {
    if (isPublished() || offering_)
        return done(std::monostate{});
    const auto checked = BusProbe::check(address);
    if (!checked)
        return done(ravodozu::fail(checked.error()));
    offering_ = true;
    // Whichever comes first, the outcome or the time-out, answers; the other finds it done.
    auto pending = std::make_shared<std::function<void(const Published&)>>(std::move(done));
    auto finish = [pending](const Published& outcome) {
        if (auto call = std::exchange(*pending, nullptr))
            call(outcome);
    };
    QTimer::singleShot(offerTimeoutMs, this, [finish, address] {
        finish(ravodozu::fail(QString("the bus at %1 did not answer in time").arg(address)));
    });
    auto* probe = new BusProbe(*checked, this);
    connect(probe, &BusProbe::finished, this,
            [this, probe, finish, target = *checked](bool accepted, const QString& why) {
                probe->deleteLater();
                if (accepted)
                    return connectInBackground(target, finish);
                offering_ = false;
                finish(ravodozu::fail(why));
            });
}

// Connecting and taking the name wait on the other end: a thread of its own keeps the panel
// answering while they do.
void LauncherService::connectInBackground(const QString& address,
                                          const std::function<void(const Published&)>& finish) {
    // One connection per address; an earlier one to it that was refused or has died goes first.
    const QString name = "zelvane-launcher " + address;
    QDBusConnection::disconnectFromBus(name);
    auto outcome = std::make_shared<Published>(ravodozu::fail(QString()));
    QThread* worker = QThread::create(
        [outcome, address, name, krunner = krunner_, searchProvider = searchProvider_] {
            *outcome =
                registerOn(QDBusConnection::connectToBus(address, name), krunner, searchProvider);
        });
    connect(worker, &QThread::finished, this, [this, worker, name, outcome, finish] {
        worker->deleteLater();
        connected(name, *outcome);
        finish(*outcome);
    });
    worker->start();
}

void LauncherService::connected(const QString& name, const Published& registered) {
    offering_ = false;
    if (registered && !isPublished())
        publishedOn_ = name;
    else
        QDBusConnection::disconnectFromBus(name);
}

bool LauncherService::isPublished() const {
    return !publishedOn_.isEmpty() && QDBusConnection(publishedOn_).isConnected();
}

std::vector<LauncherMatch> LauncherService::search(const QString& query) const {
    if (query.size() > maxQueryLength)
        return {};
    return LauncherMatch::search(toStdString(query), toStdString(app_.converter()->categoryId()),
                                 app_.context(), toStdStrings(app_.languageList()));
}

std::optional<LauncherMatch> LauncherService::match(const QString& id) const {
    if (id.size() > maxIdLength)
        return std::nullopt;
    return LauncherMatch::fromId(toStdString(id), app_.context(),
                                 toStdStrings(app_.languageList()));
}

void LauncherService::choose(const QString& id) {
    const auto chosen = match(id);
    if (!chosen)
        return;
    // The rows exactly as the converter page builds them, copied as the panel copies a row.
    const auto shown = ShownConversion::build(chosen->categoryId, chosen->fromUnitId,
                                              chosen->number, chosen->target(), app_.context());
    if (shown.targetIndex)
        panel_.copier().copyRow(shown, *shown.targetIndex, toQString(chosen->number));
}

void LauncherService::openInPanel(const QString& query) {
    const auto matches = search(query);
    if (!matches.empty()) {
        const LauncherMatch& first = matches.front();
        panel_.openConversion({first.categoryId, first.fromUnitId, first.toUnitId, first.number});
    }
    panel_.show(PanelController::converter);
}

} // namespace zelvane
