// LaunchCommand: what a start of `zelvane` asks for, read from its arguments. A second start
// hands the same arguments to the running instance, which reads them with the same rules.
#pragma once

#include <QString>
#include <QStringList>

#include <string>
#include <variant>

#include "RavoDozu/CustomShare.h"
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
    QString page; ///< One of `pageNames`.
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
/// A zelvane: link, as the desktop opens one with the panel: preview it for import.
struct Import {
    QString link;
    bool operator==(const Import&) const = default;
};

using Command = std::variant<Reopen, Toggle, Show, Hide, Quit, Background, Import>;

/// The longest link that can carry a shared item: "zelvane:" and the Base64 of the largest
/// envelope. A longer one is refused before it reaches the running instance.
inline constexpr qsizetype maxLinkLength =
    ravodozu::CustomShare::linkPrefix.size() + (ravodozu::CustomShare::maxPayloadBytes + 2) / 3 * 4;

/// The page names `--show` accepts, in the panel's page order.
const QStringList& pageNames();

/// Reads the arguments after the program name. Errors are one line for stderr.
ravodozu::Result<Command, QString> parse(const QStringList& arguments);

/// The usage text printed for --help and after a wrong argument.
QString usage();

} // namespace zelvane::launch
