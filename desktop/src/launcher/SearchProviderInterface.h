// SearchProviderInterface: the org.gnome.Shell.SearchProvider2 interface of a GNOME Shell search
// provider, answered from the launcher service.
#pragma once

#include <QList>
#include <QObject>
#include <QStringList>
#include <QVariantMap>

namespace zelvane {

class LauncherService;

class SearchProviderInterface : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.gnome.Shell.SearchProvider2")

  public:
    SearchProviderInterface(LauncherService& service, QObject* parent);

  public slots:
    QStringList GetInitialResultSet(const QStringList& terms);
    /// Narrowing a search reads the new terms afresh: a query is too short to be worth reusing.
    QStringList GetSubsearchResultSet(const QStringList& previousResults, const QStringList& terms);
    /// {id, name, description, gicon} for each id that still converts.
    QList<QVariantMap> GetResultMetas(const QStringList& ids);
    void ActivateResult(const QString& id, const QStringList& terms, uint timestamp);
    void LaunchSearch(const QStringList& terms, uint timestamp);

  private:
    LauncherService& service_;
};

} // namespace zelvane
