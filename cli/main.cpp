// zelvane-cli: the command-line front end over the converter's core.
#include <algorithm>
#include <iostream>

#include "Command.h"
#include "RavoDozu/PlatformLocale.h"

using namespace zelvane::cli;

namespace {
int overallUsage(std::ostream& out, int code) {
    out << "usage: zelvane-cli [--lang CODE] COMMAND [ARGUMENTS]\n\ncommands:\n";
    for (const auto& command : commands())
        out << "  " << command.name << " " << command.usage << "\n      " << command.summary
            << "\n";
    return code;
}
} // namespace

int main(int argc, char** argv) {
    Arguments global(std::vector<std::string>(argv + 1, argv + argc));
    Session session{ravodozu::PlatformLocale::preferredLanguages(),
                    ravodozu::PlatformLocale::numberLocale()};
    if (auto language = global.value("--lang"))
        session.languages = {*language};
    if (!global.problem().empty()) {
        std::cerr << "zelvane-cli: " << global.problem() << "\n";
        return overallUsage(std::cerr, usageError);
    }

    bool help = global.flag("--help") || global.flag("-h");
    const auto& words = global.remaining();
    if (words.empty())
        return overallUsage(help ? std::cout : std::cerr, help ? success : usageError);

    auto command = std::ranges::find(commands(), words.front(), &Command::name);
    if (command == commands().end()) {
        std::cerr << "zelvane-cli: unknown command " << words.front() << "\n";
        return overallUsage(std::cerr, usageError);
    }
    if (help)
        return usage(*command), success;
    Arguments arguments(std::vector<std::string>(words.begin() + 1, words.end()));
    return command->run(arguments, session);
}
