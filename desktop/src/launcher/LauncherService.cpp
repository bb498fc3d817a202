#include "LauncherService.h"

#include <QDBusError>

#include "AppState.h"
#include "ConverterModel.h"
#include "KRunnerInterface.h"
#include "PanelController.h"
#include "QtConversions.h"
#include "ResultCopier.h"
#include "SearchProviderInterface.h"

namespace zelvane {

LauncherService::LauncherService(AppState& app, PanelController& panel, QObject* parent)
    : QObject(parent), app_(app), panel_(panel), reader_(this),
      krunner_(new KRunnerInterface(*this, this)),
      searchProvider_(new SearchProviderInterface(*this, this)) {}

ravodozu::Result<std::monostate, QString> LauncherService::publish(QDBusConnection bus) {
    if (!bus.isConnected())
        return ravodozu::fail("no session bus: " + bus.lastError().message());
    if (!bus.registerObject(krunnerPath, krunner_, QDBusConnection::ExportAllSlots) ||
        !bus.registerObject(searchProviderPath, searchProvider_, QDBusConnection::ExportAllSlots))
        return ravodozu::fail("the launcher objects could not be registered: " +
                              bus.lastError().message());
    if (!bus.registerService(serviceName))
        return ravodozu::fail(
            QString("the bus name %1 is taken: %2").arg(serviceName, bus.lastError().message()));
    publishedOn_ = bus.name();
    return std::monostate{};
}

ravodozu::Result<std::monostate, QString> LauncherService::publishOn(const QString& address) {
    if (isPublished())
        return std::monostate{};
    // One connection per address; an earlier one to it that was refused or has died goes first.
    const QString name = "zelvane-launcher " + address;
    QDBusConnection::disconnectFromBus(name);
    auto published = publish(QDBusConnection::connectToBus(address, name));
    if (!published)
        QDBusConnection::disconnectFromBus(name);
    return published;
}

bool LauncherService::isPublished() const {
    return !publishedOn_.isEmpty() && QDBusConnection(publishedOn_).isConnected();
}

std::vector<LauncherMatch> LauncherService::search(const QString& query) const {
    return LauncherMatch::search(toStdString(query), toStdString(app_.converter()->categoryId()),
                                 app_.context(), toStdStrings(app_.languageList()));
}

std::optional<LauncherMatch> LauncherService::match(const QString& id) const {
    return LauncherMatch::fromId(toStdString(id), app_.context(),
                                 toStdStrings(app_.languageList()));
}

void LauncherService::choose(const QString& id) {
    const auto chosen = match(id);
    if (!chosen)
        return;
    // The rows exactly as the converter page hands them to the panel's copy.
    const QString number = toQString(chosen->number);
    const QVariant aim = chosen->mixedUnitIds.empty()
                             ? QVariant(toQString(chosen->toUnitId))
                             : QVariant(toQStringList(chosen->mixedUnitIds));
    const QVariantMap shown =
        reader_.build(toQString(chosen->categoryId), toQString(chosen->fromUnitId), number, aim);
    const QVariant target = shown.value("targetIndex");
    if (!target.isValid())
        return;
    const QVariantList rows = shown.value("pinned").toList() + shown.value("others").toList();
    panel_.copier().copyRow(rows.at(target.toInt()).toMap(), shown, number);
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
