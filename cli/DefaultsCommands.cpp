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

int read(const zelvane::UserState& state, const std::vector<std::string>& words) {
    if (words.size() == 1) {
        for (const auto& key : state.recordKeys())
            std::cout << key << " = " << settingJson(*state.record(key)) << "\n";
        return success;
    }
    auto value = state.record(words[1]);
    if (!value)
        return failWith("no value stored for " + words[1]);
    std::cout << settingJson(*value) << "\n";
    return success;
}

int write(zelvane::UserState& state, const std::string& key, const std::string& text) {
    auto value = settingOf(text);
    if (!value)
        return failWith("not written: the value for " + key +
                        " is not JSON (a number, true, false, a string, an object or a list)");
    if (auto written = state.setRecord(key, std::move(*value)); !written)
        return failWith(written.error());
    return success;
}

int remove(zelvane::UserState& state, const std::string& key) {
    if (!state.record(key))
        return failWith("no value stored for " + key);
    if (auto removed = state.removeRecord(key); !removed)
        return failWith("could not delete " + key + ": " + removed.error().message);
    return success;
}

int runDefaults(Arguments& arguments, const Session&) {
    auto words = arguments.finish(1, 3);
    if (!words)
        return usage(defaultsCommand, arguments.problem());
    const auto& verb = words->front();
    auto& state = userState();
    if (verb == "read" && words->size() <= 2)
        return read(state, *words);
    if (verb == "write" && words->size() == 3)
        return write(state, (*words)[1], (*words)[2]);
    if (verb == "delete" && words->size() == 2)
        return remove(state, (*words)[1]);
    return usage(defaultsCommand);
}

} // namespace
} // namespace zelvane::cli
