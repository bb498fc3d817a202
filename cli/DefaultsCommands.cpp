// defaults read/write/delete: the user-defaults store by key, as the desktop app keeps it.
#include <functional>
#include <iostream>
#include <map>

#include "Command.h"
#include "DefaultsStore.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/KeypadState.h"
#include "RavoDozu/UserPreferences.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;
using namespace ravodozu;

int runDefaults(Arguments& arguments, const Session& session);

const Command defaultsCommand{"defaults", "read [KEY] | write KEY JSON | delete KEY",
                              "read and change the stored settings by key", runDefaults};
const bool registered = registerCommand(defaultsCommand);

// Why the owner of a key could not use this value; none when it can.
using Check = std::function<std::optional<std::string>(std::string_view bytes)>;

template <class Decode> Check checkWith(Decode decode) {
    return [decode](std::string_view bytes) -> std::optional<std::string> {
        auto decoded = decode(bytes);
        if (decoded)
            return std::nullopt;
        return decoded.error().describe();
    };
}

std::optional<std::string> checkCategoryMemory(std::string_view bytes) {
    auto document = json::parse(bytes, nullptr, false);
    if (!document.is_object())
        return "not an object of category ids to keypad states";
    for (const auto& [categoryId, state] : document.items())
        if (auto decoded = KeypadState::decode(state); !decoded)
            return categoryId + ": " + decoded.error().describe();
    return std::nullopt;
}

// The keys whose values are records; their owners must be able to read what is written.
const std::map<std::string, Check, std::less<>>& recordChecks() {
    static const std::map<std::string, Check, std::less<>> checks = {
        {"preferences", checkWith([](std::string_view b) { return UserPreferences::decode(b); })},
        {"rates", checkWith(parseExchangeRates)},
        {"customLibrary", checkWith(decodeCustomLibraryData)},
        {"categoryMemory", checkCategoryMemory},
        {"keypad", checkWith([](std::string_view b) {
             auto document = json::parse(b, nullptr, false);
             return KeypadState::decode(document.is_discarded() ? json() : document);
         })},
    };
    return checks;
}

int read(DefaultsStore& store, const std::vector<std::string>& words) {
    if (words.size() == 1) {
        for (const auto& key : store.keys())
            std::cout << key << " = " << store.data(key).value_or("") << "\n";
        return success;
    }
    auto value = store.data(words[1]);
    if (!value)
        return failWith("no value stored for " + words[1]);
    std::cout << *value << "\n";
    return success;
}

int write(DefaultsStore& store, const std::string& key, const std::string& value) {
    if (json::parse(value, nullptr, false).is_discarded())
        return failWith("not written: the value for " + key + " is not JSON");
    const auto& checks = recordChecks();
    if (auto check = checks.find(key); check != checks.end())
        if (auto problem = check->second(value))
            return failWith("not written: " + key + " would not be readable (" + *problem + ")");
    if (!store.set(key, value))
        return failWith("could not write " + key + ": " + store.lastError());
    return success;
}

int remove(DefaultsStore& store, const std::string& key) {
    if (!store.data(key))
        return failWith("no value stored for " + key);
    if (!store.remove(key))
        return failWith("could not delete " + key + ": " + store.lastError());
    return success;
}

int runDefaults(Arguments& arguments, const Session&) {
    auto words = arguments.finish(1, 3);
    if (!words)
        return usage(defaultsCommand, arguments.problem());
    const auto& verb = words->front();
    auto& store = DefaultsStore::standard();
    if (verb == "read" && words->size() <= 2)
        return read(store, *words);
    if (verb == "write" && words->size() == 3)
        return write(store, (*words)[1], (*words)[2]);
    if (verb == "delete" && words->size() == 2)
        return remove(store, (*words)[1]);
    return usage(defaultsCommand);
}

} // namespace
} // namespace zelvane::cli
