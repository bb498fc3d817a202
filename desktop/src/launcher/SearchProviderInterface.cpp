#include "SearchProviderInterface.h"

#include <QDBusMetaType>

#include "LauncherService.h"
#include "QtConversions.h"

namespace zelvane {
namespace {

// The shell splits the typed text at blanks; the phrase reader wants it whole. More terms than
// a phrase has read as no phrase.
QString queryOf(const QStringList& terms) {
    return terms.size() <= LauncherService::maxTerms ? terms.join(' ') : QString();
}

} // namespace

SearchProviderInterface::SearchProviderInterface(LauncherService& service, QObject* parent)
    : QObject(parent), service_(service) {
    qDBusRegisterMetaType<QList<QVariantMap>>();
}

QStringList SearchProviderInterface::GetInitialResultSet(const QStringList& terms) {
    QStringList ids;
    for (const LauncherMatch& match : service_.search(queryOf(terms)))
        ids << toQString(match.id());
    return ids;
}

QStringList SearchProviderInterface::GetSubsearchResultSet(const QStringList&,
                                                           const QStringList& terms) {
    return GetInitialResultSet(terms);
}

QList<QVariantMap> SearchProviderInterface::GetResultMetas(const QStringList& ids) {
    QList<QVariantMap> metas;
    // The shell asks for the few results it shows; a longer list is answered in part.
    for (const QString& id : ids.mid(0, LauncherService::maxIdsPerCall))
        if (const auto match = service_.match(id))
            metas.append({{"id", id},
                          {"name", toQString(match->resultText)},
                          {"description", toQString(match->summary())},
                          {"gicon", "zelvane"}});
    return metas;
}

void SearchProviderInterface::ActivateResult(const QString& id, const QStringList&, uint) {
    service_.choose(id);
}

void SearchProviderInterface::LaunchSearch(const QStringList& terms, uint) {
    service_.openInPanel(queryOf(terms));
}

} // namespace zelvane
