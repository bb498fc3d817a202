// CommandLine: what `zelvane` answers by itself, without starting: --help and --version.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zelvane {

/// Read before QGuiApplication exists, so that help and version need no display. Every other
/// argument is a launch command (LaunchCommand.h), read once Qt has taken its own options.
struct CommandLine {
    /// Text for stdout and the process's exit code.
    struct Answer {
        std::string text;
        int exitCode = 0;
    };

    /// --help (-h) or --version among the options (the words before "--"); the first wins.
    static std::optional<Answer> answer(const std::vector<std::string>& arguments);
    static std::string helpText();
};

} // namespace zelvane
