// defaults read/write/delete: the settings file by key, each value with its type.
#include <iostream>

#include "Command.h"
#include "RavoDozu/BoundedJson.h"
#include "StoredState.h"

namespace zelvane::cli {
namespace {

using nlohmann::json;

int runDefaults(Arguments& arguments, const Session& session);

const Command defaultsCommand{"defaults", "read [KEY] | write KEY JSON | delete KEY",
                              "read and change the stored settings by key", runDefaults};
const bool registered = registerCommand(defaultsCommand);

// A JSON number is stored as a number, true and false as a boolean, a string as a text, and an
// object or a list as data kept as that JSON; null is no value.
std::optional<SettingValue> settingOf(const std::string& text) {
    auto value = ravodozu::parseBoundedJson(text);
    if (value.is_number())
        return value.get<double>();
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_string())
        return value.get<std::string>();
    if (value.is_object() || value.is_array())
        return SettingData{text};
    return std::nullopt;
}

int read(const SettingsStore& store, const std::vector<std::string>& words) {
    if (words.size() == 1) {
        for (const auto& key : store.keys())
            std::cout << key << " = " << settingJson(*store.value(key)) << "\n";
        return success;
    }
    auto value = store.value(words[1]);
    if (!value)
        return failWith("no value stored for " + words[1]);
    std::cout << settingJson(*value) << "\n";
    return success;
}

int write(SettingsStore& store, const std::string& key, const std::string& text) {
    auto value = settingOf(text);
    if (!value)
        return failWith("not written: the value for " + key +
                        " is not JSON (a number, true, false, a string, an object or a list)");
    if (auto problem = zelvane::UserState::recordProblem(key, *value))
        return failWith("not written: " + key + " would not be readable (" + *problem + ")");
    if (auto written = store.set(key, std::move(*value)); !written)
        return failWith("could not write " + key + ": " + written.error().message);
    return success;
}

int remove(SettingsStore& store, const std::string& key) {
    if (!store.value(key))
        return failWith("no value stored for " + key);
    if (auto removed = store.remove(key); !removed)
        return failWith("could not delete " + key + ": " + removed.error().message);
    return success;
}

int runDefaults(Arguments& arguments, const Session&) {
    auto words = arguments.finish(1, 3);
    if (!words)
        return usage(defaultsCommand, arguments.problem());
    const auto& verb = words->front();
    auto& store = userState().store();
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
