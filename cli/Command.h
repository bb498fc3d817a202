// Command: how zelvane-cli's subcommands declare themselves and read their arguments.
#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "RavoDozu/UnitCatalog.h"

namespace zelvane::cli {

enum ExitCode { success = 0, failure = 1, usageError = 2 };

/// What every command may rely on: the user's language list and number locale.
struct Session {
    std::vector<std::string> languages;
    std::string numberLocale;
    /// The language given with --lang: it stands for the chosen interface language.
    std::optional<std::string> languageOverride;

    /// The bundled catalog, loaded on first use. Prints why and exits 1 when it cannot load.
    const ravodozu::UnitCatalog& catalog() const { return *sharedCatalog(); }
    const std::shared_ptr<const ravodozu::UnitCatalog>& sharedCatalog() const;
};

/// A command's arguments. Options are taken out as the command asks for them; what remains
/// is positional. A "--" ends the options: every word after it is positional, even one that
/// starts with a dash. The first problem met is kept and reported by `finish`.
class Arguments {
  public:
    explicit Arguments(std::vector<std::string> words) : words_(std::move(words)) {}

    bool flag(std::string_view name);
    std::optional<std::string> value(std::string_view name);
    std::vector<std::string> values(std::string_view name);
    /// A whole number option; a malformed one is a usage problem.
    std::optional<long long> integer(std::string_view name);
    /// The remaining words without the "--", once every option has been taken; none on a
    /// usage problem.
    std::optional<std::vector<std::string>> finish(std::size_t minimum, std::size_t maximum);

    const std::string& problem() const { return problem_; }
    /// The words not taken yet, with the "--" still in place.
    const std::vector<std::string>& remaining() const { return words_; }

  private:
    void noteProblem(std::string problem);
    /// Where the options end: the "--", or the end of the words.
    std::vector<std::string>::iterator optionsEnd();
    std::vector<std::string>::iterator findOption(std::string_view name);

    std::vector<std::string> words_;
    std::string problem_;
};

using Run = int (*)(Arguments& arguments, const Session& session);

struct Command {
    std::string_view name;
    std::string_view usage; ///< The arguments after the name, e.g. "CATEGORY [--json]".
    std::string_view summary;
    Run run;
};

/// Adds a command to the table `main` dispatches on; call from a namespace-scope initialiser.
bool registerCommand(Command command);
const std::vector<Command>& commands();

/// Prints a usage line for `command` (and `problem`, when given) on stderr; returns usageError.
int usage(const Command& command, std::string_view problem = {});
/// Prints a failure line on stderr; returns failure.
int failWith(std::string_view message);
/// Prints JSON to stdout, indented.
void printJson(const nlohmann::json& value);

} // namespace zelvane::cli
