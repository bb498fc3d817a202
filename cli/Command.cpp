#include "Command.h"

#include <algorithm>
#include <charconv>
#include <cstdlib>
#include <iostream>

namespace zelvane::cli {

const std::shared_ptr<const ravodozu::UnitCatalog>& Session::sharedCatalog() const {
    static const auto loaded = [] {
        auto catalog = ravodozu::UnitCatalog::loadBundled();
        if (!catalog) {
            std::cerr << "The bundled unit data is missing (" << catalog.error().describe()
                      << ")\n";
            std::exit(failure);
        }
        return std::make_shared<const ravodozu::UnitCatalog>(std::move(catalog).value());
    }();
    return loaded;
}

void Arguments::noteProblem(std::string problem) {
    if (problem_.empty())
        problem_ = std::move(problem);
}

namespace {
constexpr std::string_view endOfOptions = "--";
} // namespace

std::vector<std::string>::iterator Arguments::optionsEnd() {
    return std::ranges::find(words_, endOfOptions);
}

std::vector<std::string>::iterator Arguments::findOption(std::string_view name) {
    auto end = optionsEnd();
    auto found = std::find(words_.begin(), end, name);
    return found == end ? words_.end() : found;
}

bool Arguments::flag(std::string_view name) {
    auto found = findOption(name);
    if (found == words_.end())
        return false;
    words_.erase(found);
    return true;
}

std::optional<std::string> Arguments::value(std::string_view name) {
    auto values = this->values(name);
    if (values.size() > 1)
        noteProblem(std::string(name) + " given more than once");
    if (values.empty())
        return std::nullopt;
    return values.back();
}

std::vector<std::string> Arguments::values(std::string_view name) {
    std::vector<std::string> result;
    for (auto at = findOption(name); at != words_.end(); at = findOption(name)) {
        if (at + 1 == optionsEnd()) {
            noteProblem(std::string(name) + " needs a value");
            words_.erase(at);
            break;
        }
        result.push_back(*(at + 1));
        words_.erase(at, at + 2);
    }
    return result;
}

std::optional<long long> Arguments::integer(std::string_view name) {
    auto text = value(name);
    if (!text)
        return std::nullopt;
    long long number = 0;
    auto [end, error] = std::from_chars(text->data(), text->data() + text->size(), number);
    if (error != std::errc() || end != text->data() + text->size()) {
        noteProblem(std::string(name) + " needs a whole number, not " + *text);
        return std::nullopt;
    }
    return number;
}

std::optional<std::vector<std::string>> Arguments::finish(std::size_t minimum,
                                                          std::size_t maximum) {
    auto end = optionsEnd();
    // A plain loop: clang 14 cannot use GCC 12's ranges::subrange here (the fuzz build).
    for (auto word = words_.begin(); word != end; ++word)
        if (word->size() > 2 && word->starts_with("--"))
            noteProblem("unknown option " + *word);
    if (end != words_.end())
        words_.erase(end);
    if (problem_.empty() && words_.size() < minimum)
        noteProblem("missing arguments");
    if (problem_.empty() && words_.size() > maximum)
        noteProblem("too many arguments");
    if (!problem_.empty())
        return std::nullopt;
    return words_;
}

namespace {
std::vector<Command>& table() {
    static std::vector<Command> commands;
    return commands;
}
} // namespace

bool registerCommand(Command command) {
    table().push_back(command);
    std::ranges::sort(table(), {}, &Command::name);
    return true;
}

const std::vector<Command>& commands() {
    return table();
}

int usage(const Command& command, std::string_view problem) {
    if (!problem.empty())
        std::cerr << "zelvane-cli " << command.name << ": " << problem << "\n";
    std::cerr << "usage: zelvane-cli " << command.name << " " << command.usage << "\n";
    return usageError;
}

int failWith(std::string_view message) {
    std::cerr << message << "\n";
    return failure;
}

void printJson(const nlohmann::json& value) {
    std::cout << value.dump(2, ' ', false, nlohmann::json::error_handler_t::replace) << "\n";
}

} // namespace zelvane::cli
