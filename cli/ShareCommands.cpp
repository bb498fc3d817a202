// share, import: custom conversions and extra units handed over as links or JSON.
#include <iostream>
#include <iterator>
#include <unistd.h> // isatty

#include "Command.h"
#include "RavoDozu/CustomResolver.h"
#include "RavoDozu/ShareCleanUp.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using namespace ravodozu;
namespace share = ravodozu::CustomShare;

int shareItem(Arguments& arguments, const Session& session);
int importItem(Arguments& arguments, const Session& session);

const Command shareCommand{"share", "ID [--json]",
                           "the link of a custom conversion or extra unit (--json: the envelope)",
                           shareItem};
const Command importCommand{
    "import", "[TEXT | -] [--yes]",
    "adds a shared conversion or unit from a link or JSON (argument or standard input)",
    importItem};
const bool registered = registerCommand(shareCommand) && registerCommand(importCommand);

int shareItem(Arguments& arguments, const Session& session) {
    bool asJson = arguments.flag("--json");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(shareCommand, arguments.problem());
    std::string_view id = words->front();
    if (id.starts_with("custom."))
        id.remove_prefix(7);

    const auto& state = StoredState::load(session);
    if (!state.libraryProblem.empty())
        return failWith("The stored custom library cannot be read: " + state.libraryProblem);
    const auto* library = state.library.get();
    std::optional<share::Payload> payload;
    for (const auto& conversion : library->conversions)
        if (!payload && conversion.id == id)
            payload = share::Payload{conversion};
    for (const auto& extra : library->extras)
        if (!payload && extra.id == id)
            payload = share::Payload{extra};
    if (!payload)
        return failWith("There is no custom conversion or unit with the id " + std::string(id) +
                        ".");

    auto text = asJson ? share::shareJSON(*payload) : share::shareLink(*payload);
    if (!text)
        return failWith("Could not write the shared item: " + text.error().message);
    std::cout << *text << "\n";
    return success;
}

void printPreview(const share::Preview& preview, bool isConversion) {
    std::cout << (isConversion ? "Conversion: " : "Unit: ") << preview.name << "\n"
              << "Units: " << preview.unitCount << ", parameters: " << preview.parameterCount
              << "\n";
    for (const auto& line : preview.lines)
        std::cout << "  " << line.name << " = " << line.formula << "\n";
    if (!preview.unknown.empty()) {
        std::cout << "Unknown unit references:";
        for (const auto& reference : preview.unknown)
            std::cout << " " << reference;
        std::cout << "\n";
    }
}

std::string changeLine(const share::CleanUpChange& change) {
    using Kind = share::CleanUpChange::Kind;
    auto cut = [&](std::string_view what) {
        return std::string(what) + " \"" + change.before + "\" cut to \"" + change.after + "\"";
    };
    switch (change.kind) {
    case Kind::nameCut:
        return cut("name");
    case Kind::symbolCut:
        return cut("symbol");
    case Kind::glyphCut:
        return cut("glyph");
    case Kind::noteCut:
        return cut("note");
    case Kind::ruleRemoved:
        return "the rule of the reference unit " + change.before + " removed";
    case Kind::decimalsRemoved:
        return "decimals " + change.before + " out of range, removed";
    case Kind::sourceRemoved:
        return "where it came from removed (\"" + change.before + "\")";
    }
    return {};
}

void printChanges(const std::vector<share::CleanUpChange>& changes) {
    if (changes.empty())
        return;
    std::cout << "Cleaned up:\n";
    for (const auto& change : changes)
        std::cout << "  " << changeLine(change) << "\n";
}

bool confirmed() {
    std::cout << "Import it? [y/N] " << std::flush;
    std::cin.clear(); // The text may have come from this terminal, ended by end-of-file.
    std::string answer;
    if (!std::getline(std::cin, answer))
        return false;
    return answer == "y" || answer == "Y" || answer == "yes" || answer == "Yes";
}

int importItem(Arguments& arguments, const Session& session) {
    bool yes = arguments.flag("--yes") || arguments.flag("-y");
    auto words = arguments.finish(0, 1);
    if (!words)
        return usage(importCommand, arguments.problem());

    std::string text;
    if (words->empty() || words->front() == "-")
        text.assign(std::istreambuf_iterator<char>(std::cin), {});
    else
        text = words->front();

    auto arrived = share::arrivedShareText(text);
    if (!arrived)
        return failWith(arrived.error().describe());
    auto payload = share::sanitized(*arrived);
    if (!payload)
        return failWith(payload.error().describe());

    // Currency references resolve against the stored rates, as in the application.
    const auto& rates = StoredState::load(session).rates;
    CustomResolver resolver(session.catalog(), rates ? std::optional(*rates) : std::nullopt);
    printPreview(share::preview(*payload, resolver.lookup()), payload->conversion() != nullptr);
    printChanges(share::cleanUpChanges(*arrived, *payload));

    if (!yes) {
        if (!::isatty(STDIN_FILENO))
            return failWith("Not importing: standard input is not a terminal, so nothing can be "
                            "confirmed. Pass --yes to import without asking.");
        if (!confirmed()) {
            std::cout << "Nothing was imported.\n";
            return success;
        }
    }

    if (auto added = userState().addCustomItem(*payload); !added)
        return failWith(added.error());
    if (const auto* conversion = payload->conversion())
        std::cout << "Imported " << conversion->name << " as custom." << conversion->id << "\n";
    else
        std::cout << "Imported " << payload->extra()->unit.name << " into "
                  << payload->extra()->categoryId << " as custom." << payload->extra()->id << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
