#include "KRunnerInterface.h"

#include <QDBusMetaType>

#include "LauncherService.h"
#include "QtConversions.h"

namespace zelvane {

KRunnerInterface::KRunnerInterface(LauncherService& service, QObject* parent)
    : QObject(parent), service_(service) {
    qDBusRegisterMetaType<KRunnerMatch>();
    qDBusRegisterMetaType<QList<KRunnerMatch>>();
    qDBusRegisterMetaType<KRunnerAction>();
    qDBusRegisterMetaType<QList<KRunnerAction>>();
}

QList<KRunnerAction> KRunnerInterface::Actions() {
    return {};
}

QList<KRunnerMatch> KRunnerInterface::Match(const QString& query) {
    QList<KRunnerMatch> answer;
    // A phrase with a target is the answer asked for; a bare amount's rows are helpers, below
    // other runners' answers, the first row (what Return copies in the panel) leading them.
    double relevance = 0.5;
    for (const LauncherMatch& match : service_.search(query)) {
        answer.append({.id = toQString(match.id()),
                       .text = toQString(match.resultText),
                       .iconName = "zelvane",
                       .type = match.isExact ? exactMatch : helperMatch,
                       .relevance = match.isExact ? 1.0 : relevance,
                       .properties = {{"subtext", toQString(match.summary())}}});
        relevance -= 0.05;
    }
    return answer;
}

void KRunnerInterface::Run(const QString& matchId, const QString&) {
    service_.choose(matchId);
}

QVariantMap KRunnerInterface::Config() {
    return {};
}

void KRunnerInterface::Teardown() {}

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerMatch& match) {
    argument.beginStructure();
    argument << match.id << match.text << match.iconName << match.type << match.relevance
             << match.properties;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerMatch& match) {
    argument.beginStructure();
    argument >> match.id >> match.text >> match.iconName >> match.type >> match.relevance >>
        match.properties;
    argument.endStructure();
    return argument;
}

QDBusArgument& operator<<(QDBusArgument& argument, const KRunnerAction& action) {
    argument.beginStructure();
    argument << action.id << action.text << action.iconName;
    argument.endStructure();
    return argument;
}

const QDBusArgument& operator>>(const QDBusArgument& argument, KRunnerAction& action) {
    argument.beginStructure();
    argument >> action.id >> action.text >> action.iconName;
    argument.endStructure();
    return argument;
}

} // namespace zelvane
