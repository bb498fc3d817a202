// CommandLine: what the words after `zelvane` ask of the process.
#pragma once

#include <string>
#include <variant>
#include <vector>

namespace zelvane {

/// The arguments of `zelvane`, read before any window system is touched, so that --help and
/// --version work without a display. Qt's own options (-platform NAME, -reverse, ...) are left
/// for QGuiApplication, which reads the same argv.
struct CommandLine {
    /// A plain launch: the first one starts the app, a later one reopens the panel.
    struct Reopen {
        bool operator==(const Reopen&) const = default;
    };
    /// Show the panel, or hide it when it is shown: the command users bind to a key.
    struct Toggle {
        bool operator==(const Toggle&) const = default;
    };
    /// Show the panel on a page: "converter", "categories", "settings" or "formula".
    struct Show {
        std::string page = "converter";
        bool operator==(const Show&) const = default;
    };
    struct Hide {
        bool operator==(const Hide&) const = default;
    };
    struct Quit {
        bool operator==(const Quit&) const = default;
    };
    /// Start without showing anything: autostart and the launcher's D-Bus activation.
    struct Background {
        bool operator==(const Background&) const = default;
    };
    /// What this process asks of the app: of itself, or, as a later launch, of the running one.
    using Request = std::variant<Reopen, Toggle, Show, Hide, Quit, Background>;

    /// The process prints `text` and exits: on stdout with 0 for --help and --version, on
    /// stderr with 2 for a usage problem.
    struct Exit {
        std::string text;
        int exitCode = 0;
    };
    using Outcome = std::variant<Request, Exit>;

    /// Reads `arguments` (argv without the program name). "--" ends the options.
    static Outcome parse(const std::vector<std::string>& arguments);
    static std::string helpText();
};

} // namespace zelvane
