// zelvane-cli: the command-line front end over the converter's core.
#include <algorithm>
#include <iostream>

#include "Command.h"
#include "RavoDozu/PlatformLocale.h"
#include "ZelvaneVersion.h"

using namespace zelvane::cli;

namespace {
int overallUsage(std::ostream& out, int code) {
    out << "usage: zelvane-cli [--lang CODE] COMMAND [ARGUMENTS] [--] [OPERANDS]\n"
           "       zelvane-cli COMMAND --help\n"
           "       zelvane-cli --help | --version\n\n"
           "options:\n"
           "  --lang CODE   the language of names and texts (e.g. en, zh-Hans)\n"
           "  -h, --help    this help, or a command's with a command\n"
           "  --version     the version\n"
           "  --            ends the options: later words are operands (e.g. -0.5)\n\n"
           "commands:\n";
    for (const auto& command : commands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary
            << "\n";
    return code;
}

int commandHelp(const Command& command) {
    std::cout << "usage: zelvane-cli " << command.name << " " << command.usage << "\n\n"
              << command.summary << "\n";
    return success;
}

/// A "--" before the command only ends the global options.
std::vector<std::string> commandWords(const Arguments& global) {
    auto words = global.remaining();
    if (!words.empty() && words.front() == "--")
        words.erase(words.begin());
    return words;
}
} // namespace

int main(int argc, char** argv) {
    Arguments global(std::vector<std::string>(argv + 1, argv + argc));
    Session session{ravodozu::PlatformLocale::preferredLanguages(),
                    ravodozu::PlatformLocale::numberLocale(), std::nullopt};
    if (auto language = global.value("--lang")) {
        session.languages = {*language};
        session.languageOverride = *language;
    }
    if (!global.problem().empty()) {
        std::cerr << "zelvane-cli: " << global.problem() << "\n";
        return overallUsage(std::cerr, usageError);
    }

    bool help = global.flag("--help") || global.flag("-h");
    if (global.flag("--version")) {
        std::cout << "zelvane-cli " << zelvane::version << "\n";
        return success;
    }
    auto words = commandWords(global);
    if (words.empty())
        return overallUsage(help ? std::cout : std::cerr, help ? success : usageError);

    auto command = std::ranges::find(commands(), words.front(), &Command::name);
    if (command == commands().end()) {
        std::cerr << "zelvane-cli: unknown command " << words.front() << "\n";
        return overallUsage(std::cerr, usageError);
    }
    if (help)
        return commandHelp(*command);
    Arguments arguments(std::vector<std::string>(words.begin() + 1, words.end()));
    return command->run(arguments, session);
}
