// SaveFailures: the one place where a failed write of the settings file is reported.
#pragma once

#include <set>
#include <string>

#include <QLoggingCategory>
#include <QObject>
#include <QString>

#include "SettingsStore.h"

Q_DECLARE_LOGGING_CATEGORY(zelvaneLog)

namespace zelvane {

class SaveFailures : public QObject {
    Q_OBJECT

  public:
    /// The process's one reporter.
    static SaveFailures& instance();

    /// Nothing for a success. A failure is logged as a warning on the "zelvane" category and
    /// announced once per message (its path and reason): every later write would fail the same
    /// way, and one line says it.
    void report(const StoreResult& result);

  signals:
    /// A new failure, for the view where the user acted.
    void failed(const QString& message);

  private:
    std::set<std::string> reported_;
};

} // namespace zelvane
