// KRunnerInterface: the org.kde.krunner1 interface of a D-Bus runner, answered from the
// launcher service.
#pragma once

#include <QDBusArgument>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariantMap>

namespace zelvane {

class LauncherService;

/// One entry of Match's answer, (sssida{sv}) on the bus.
struct KRunnerMatch {
    QString id;
    QString text;
    QString iconName;
    int type = 0; ///< How KRunner ranks the kind of match: exact 100, helper 70, possible 30.
    double relevance = 0;
    QVariantMap properties; ///< "subtext": the line under the text.
};

/// One entry of Actions' answer, (sss) on the bus.
struct KRunnerAction {
    QString id;
    QString text;
    QString iconName;
};

class KRunnerInterface : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.krunner1")

  public:
    static constexpr int exactMatch = 100;
    static constexpr int helperMatch = 70;
    static constexpr int possibleMatch = 30;

    KRunnerInterface(LauncherService& service, QObject* parent);

  public slots:
    QList<KRunnerAction> Actions();
    QList<KRunnerMatch> Match(const QString& query);
    void Run(const QString& matchId, const QString& actionId);
    /// This runner has nothing to configure: no minimum query length, no trigger words.
    QVariantMap Config();
    /// The end of a query session; no state is kept between queries.
    void Teardown();

  private:
    LauncherService& service_;
};

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerMatch& match);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerMatch& match);
QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerAction& action);
const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerAction& action);

} // namespace zelvane

Q_DECLARE_METATYPE(zelvane::KRunnerMatch)
Q_DECLARE_METATYPE(zelvane::KRunnerAction)
