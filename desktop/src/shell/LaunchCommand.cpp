#include "LaunchCommand.h"

namespace zelvane::launch {

const QStringList& pageNames() {
    static const QStringList names{"converter", "categories", "settings", "formula",
                                   "units",     "editor",     "templates"};
    return names;
}

ravodozu::Result<Command, QString> parse(const QStringList& arguments) {
    // "--" ends the options; zelvane takes no operands, so nothing may follow it.
    if (const qsizetype end = arguments.indexOf("--"); end >= 0) {
        if (end + 1 < arguments.size())
            return ravodozu::fail(QString("unexpected argument: %1").arg(arguments[end + 1]));
        return parse(arguments.first(end));
    }
    if (arguments.isEmpty())
        return Command{Reopen{}};
    const QString& option = arguments.front();
    if (option.startsWith("zelvane:", Qt::CaseInsensitive)) {
        if (arguments.size() > 1)
            return ravodozu::fail(QString("unexpected argument: %1").arg(arguments[1]));
        if (option.size() > maxLinkLength)
            return ravodozu::fail(QString("the link is longer than any shared item can be"));
        return Command{Import{option}};
    }
    const qsizetype allowed = option == "--show" ? 2 : 1;
    if (arguments.size() > allowed)
        return ravodozu::fail(QString("unexpected argument: %1").arg(arguments[allowed]));
    if (option == "--toggle")
        return Command{Toggle{}};
    if (option == "--hide")
        return Command{Hide{}};
    if (option == "--quit")
        return Command{Quit{}};
    if (option == "--background")
        return Command{Background{}};
    if (option == "--show") {
        const QString page = arguments.value(1, pageNames().front());
        if (!pageNames().contains(page))
            return ravodozu::fail(QString("unknown page: %1").arg(page));
        return Command{Show{page}};
    }
    return ravodozu::fail(QString("unknown option: %1").arg(option));
}

QString usage() {
    return "usage: zelvane [--toggle | --show [" + pageNames().join('|') +
           "] | --hide | --quit | --background | zelvane:LINK]\n";
}

} // namespace zelvane::launch
