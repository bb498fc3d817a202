#include "SaveFailures.h"

Q_LOGGING_CATEGORY(zelvaneLog, "zelvane")

namespace zelvane {

SaveFailures& SaveFailures::instance() {
    static SaveFailures reporter;
    return reporter;
}

void SaveFailures::report(const StoreResult& result) {
    if (result || !reported_.insert(result.error().message).second)
        return;
    const QString message = QString::fromStdString(result.error().message);
    qCWarning(zelvaneLog, "%s; changes stay until the panel quits", qPrintable(message));
    emit failed(message);
}

} // namespace zelvane
