// LaunchCommand: what a start of `zelvane` asks for, read from its arguments. A second start
// hands the same arguments to the running instance, which reads them with the same rules.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <variant>

#include "RavoDozu/Result.h"

namespace zelvane::launch {

/// No argument: bring the panel up on the converter page.
struct Reopen {
    bool operator==(const Reopen&) const = default;
};
struct Toggle {
    bool operator==(const Toggle&) const = default;
};
struct Show {
    QString page; ///< one of `pageNames`
    bool operator==(const Show&) const = default;
};
struct Hide {
    bool operator==(const Hide&) const = default;
};
struct Quit {
    bool operator==(const Quit&) const = default;
};
/// Start without showing anything; to a running instance it asks for nothing.
struct Background {
    bool operator==(const Background&) const = default;
};

using Command = std::variant<Reopen, Toggle, Show, Hide, Quit, Background>;

/// The page names `--show` accepts, in the panel's page order.
const QStringList& pageNames();

/// Reads the arguments after the program name. Errors are one line for stderr.
ravodozu::Result<Command, QString> parse(const QStringList& arguments);

/// The usage text printed for --help and after a wrong argument.
QString usage();

} // namespace zelvane::launch
