#include "CommandLine.h"

#include <algorithm>
#include <array>
#include <optional>
#include <string_view>

#include "ZelvaneVersion.h"

namespace zelvane {

namespace {

constexpr int usageError = 2;

constexpr std::array<std::string_view, 4> pages{"converter", "categories", "settings", "formula"};

// QGuiApplication's and the xcb platform's options; Qt takes them with one dash or two.
constexpr std::array<std::string_view, 12> qtOptionsWithValue{
    "platform",        "platformpluginpath", "platformtheme", "plugin",
    "qwindowgeometry", "qwindowicon",        "qwindowtitle",  "session",
    "display",         "geometry",           "style",         "stylesheet"};
constexpr std::array<std::string_view, 4> qtFlags{"reverse", "nograb", "dograb", "sync"};

template <std::size_t N>
bool contains(const std::array<std::string_view, N>& names, std::string_view name) {
    return std::ranges::find(names, name) != names.end();
}

std::string_view withoutDashes(std::string_view word) {
    word.remove_prefix(std::min<std::size_t>(word.find_first_not_of('-'), 2));
    return word;
}

std::optional<CommandLine::Request> simpleRequest(std::string_view word) {
    if (word == "--toggle")
        return CommandLine::Toggle{};
    if (word == "--hide")
        return CommandLine::Hide{};
    if (word == "--quit")
        return CommandLine::Quit{};
    if (word == "--background")
        return CommandLine::Background{};
    return std::nullopt;
}

CommandLine::Exit usageProblem(const std::string& problem) {
    return {"zelvane: " + problem + "\nTry 'zelvane --help'.\n", usageError};
}

/// Walks the words once; the first problem ends the walk.
class Reader {
  public:
    explicit Reader(const std::vector<std::string>& words) : words_(words) {}

    CommandLine::Outcome read() {
        for (; at_ < words_.size(); ++at_) {
            if (auto exit = readWord(words_[at_]))
                return *exit;
        }
        return request_.value_or(CommandLine::Reopen{});
    }

  private:
    std::optional<CommandLine::Exit> readWord(const std::string& word) {
        // zelvane takes no operands, so "--" may only come last.
        if (word == "--" && at_ + 1 < words_.size())
            return usageProblem("unexpected argument " + words_[at_ + 1]);
        if (word == "--")
            return std::nullopt;
        if (word == "--help" || word == "-h")
            return CommandLine::Exit{CommandLine::helpText(), 0};
        if (word == "--version")
            return CommandLine::Exit{std::string("zelvane ") + version + "\n", 0};
        if (word == "--show")
            return readShow();
        if (auto request = simpleRequest(word))
            return setRequest(std::move(*request), word);
        if (!word.starts_with("-") || word == "-")
            return usageProblem("unexpected argument " + word);
        return readQtOption(word);
    }

    std::optional<CommandLine::Exit> readShow() {
        CommandLine::Show show;
        if (at_ + 1 < words_.size() && !words_[at_ + 1].starts_with("-")) {
            show.page = words_[++at_];
            if (!contains(pages, show.page))
                return usageProblem("unknown page " + show.page +
                                    " (converter, categories, settings or formula)");
        }
        return setRequest(show, "--show");
    }

    std::optional<CommandLine::Exit> setRequest(CommandLine::Request request,
                                                std::string_view word) {
        if (request_)
            return usageProblem("only one of --show, --toggle, --hide, --quit and --background, "
                                "not also " +
                                std::string(word));
        request_ = std::move(request);
        return std::nullopt;
    }

    std::optional<CommandLine::Exit> readQtOption(const std::string& word) {
        auto name = withoutDashes(word);
        if (contains(qtOptionsWithValue, name)) {
            if (++at_ == words_.size())
                return usageProblem(word + " needs a value");
            return std::nullopt;
        }
        if (contains(qtFlags, name) || name.starts_with("qmljsdebugger="))
            return std::nullopt;
        return usageProblem("unknown option " + word);
    }

    const std::vector<std::string>& words_;
    std::size_t at_ = 0;
    std::optional<CommandLine::Request> request_;
};

} // namespace

std::string CommandLine::helpText() {
    return "usage: zelvane [--show [PAGE] | --toggle | --hide | --quit | --background]\n"
           "       zelvane --help | --version\n\n"
           "A unit converter in a small panel, reached from the system tray, a hot key or the\n"
           "desktop's launcher. Starting zelvane again while it runs hands the request to the\n"
           "running copy; a plain second start shows the panel.\n\n"
           "options:\n"
           "  --show [PAGE]  show the panel on PAGE: converter (default), categories,\n"
           "                 settings or formula\n"
           "  --toggle       show the panel, or hide it when it is shown (bind it to a key)\n"
           "  --hide         hide the panel\n"
           "  --quit         end the running copy\n"
           "  --background   start without showing the panel\n"
           "  -h, --help     this help\n"
           "  --version      the version\n"
           "  --             ends the options\n\n"
           "Qt's own options (-platform NAME, -reverse, ...) are accepted too.\n";
}

CommandLine::Outcome CommandLine::parse(const std::vector<std::string>& arguments) {
    return Reader(arguments).read();
}

} // namespace zelvane
