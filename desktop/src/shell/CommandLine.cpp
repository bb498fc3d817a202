#include "CommandLine.h"

#include "LaunchCommand.h"
#include "ZelvaneVersion.h"

namespace zelvane {

std::optional<CommandLine::Answer> CommandLine::answer(const std::vector<std::string>& arguments) {
    for (const auto& word : arguments) {
        if (word == "--")
            break;
        if (word == "--help" || word == "-h")
            return Answer{helpText(), 0};
        if (word == "--version")
            return Answer{std::string("zelvane ") + version + "\n", 0};
    }
    return std::nullopt;
}

std::string CommandLine::helpText() {
    return launch::usage().toStdString() +
           "       zelvane --help | --version\n\n"
           "A unit converter in a small panel, reached from the system tray, a hot key or the\n"
           "desktop's launcher. Starting zelvane again while it runs hands the request to the\n"
           "running copy; a plain second start shows the panel.\n\n"
           "options:\n"
           "  --show [PAGE]  show the panel on PAGE: " +
           launch::pageNames().join(", ").toStdString() +
           "\n"
           "  --toggle       show the panel, or hide it when it is shown (bind it to a key)\n"
           "  --hide         hide the panel\n"
           "  --quit         end the running copy\n"
           "  --background   start without showing the panel\n"
           "  zelvane:LINK   preview a shared custom conversion or unit and offer to add it\n"
           "  -h, --help     this help\n"
           "  --version      the version\n"
           "  --             ends the options\n\n"
           "Qt's own options (-platform NAME, -reverse, ...) are accepted too.\n";
}

} // namespace zelvane
