#include "CustomStore.h"

#include <algorithm>
#include <fstream>

#include <nlohmann/json.hpp>

#include "RavoDozu/UserPreferences.h"

namespace zelvane::cli {

using namespace ravodozu;
using nlohmann::ordered_json;

namespace {

constexpr std::string_view libraryKey = "customLibrary";
constexpr std::string_view preferencesKey = "preferences";

// The stored object under `key` with its keys in stored order; `fresh` when nothing is stored.
Result<ordered_json, std::string> storedObject(const DefaultsStore& store, std::string_view key,
                                               const ordered_json& fresh, std::string_view what) {
    auto bytes = store.data(key);
    if (!bytes)
        return fresh;
    auto document = ordered_json::parse(*bytes, nullptr, /*allow_exceptions=*/false);
    if (document.is_discarded() || !document.is_object())
        return fail("The stored " + std::string(what) + " (" + std::string(key) +
                    ") cannot be read, so it was left as it is and nothing was changed.");
    return document;
}

Result<ordered_json, std::string> storedLibrary(const DefaultsStore& store) {
    auto library = storedObject(
        store, libraryKey,
        {{"version", 1}, {"conversions", ordered_json::array()}, {"extras", ordered_json::array()}},
        "custom library");
    if (!library)
        return library;
    for (const char* list : {"conversions", "extras"})
        if (library->contains(list) && !(*library)[list].is_array())
            return fail("The stored custom library has a \"" + std::string(list) +
                        "\" that is not a list, so it was left as it is and nothing was changed.");
    return library;
}

bool isStringList(const ordered_json& value) {
    return value.is_array() && std::ranges::all_of(value, &ordered_json::is_string);
}

std::optional<std::string> write(DefaultsStore& store, std::string_view key,
                                 const ordered_json& value) {
    if (store.set(key, value.dump()))
        return std::nullopt;
    return "Could not save the change: " + store.lastError();
}

// A settings file with lines that are not blank, comments or group headers, yet with no keys,
// could not be parsed: writing would replace it.
std::optional<std::string> unreadableFile(const DefaultsStore& store) {
    if (!store.keys().empty())
        return std::nullopt;
    std::ifstream file(store.path(), std::ios::binary);
    for (std::string line; std::getline(file, line);) {
        auto start = line.find_first_not_of(" \t\r");
        if (start == std::string::npos || line[start] == ';' || line[start] == '#' ||
            (line[start] == '[' && line.find_last_not_of(" \t\r") == line.rfind(']')))
            continue;
        return "The settings file " + store.path().string() +
               " cannot be read, so it was left as it is and nothing was changed.";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> storeCustomItem(DefaultsStore& store, const CustomShare::Payload& item) {
    if (auto problem = unreadableFile(store))
        return problem;
    auto library = storedLibrary(store);
    if (!library)
        return library.error();
    const auto* conversion = item.conversion();

    // Preferences are checked before anything is written, so a refusal leaves both untouched.
    std::optional<ordered_json> preferences;
    if (conversion) {
        auto stored =
            storedObject(store, preferencesKey,
                         ordered_json::parse(UserPreferences{}.encode().dump()), "preferences");
        if (!stored)
            return stored.error();
        auto categoryId = "custom." + conversion->id;
        auto& ids = (*stored)["customCategoryIds"];
        // A mistyped list reads as empty everywhere, so replacing it loses nothing.
        if (!isStringList(ids))
            ids = ordered_json::array();
        if (std::ranges::find(ids, ordered_json(categoryId)) == ids.end())
            ids.push_back(categoryId);
        preferences = std::move(stored).value();
    }

    auto encoded =
        conversion ? encodeCustomConversion(*conversion) : encodeCustomExtraUnit(*item.extra());
    (*library)[conversion ? "conversions" : "extras"].push_back(
        ordered_json::parse(encoded.dump()));
    if (auto problem = write(store, libraryKey, *library))
        return problem;
    if (preferences)
        return write(store, preferencesKey, *preferences);
    return std::nullopt;
}

std::optional<std::string> removeCustomItem(DefaultsStore& store, std::string_view id) {
    if (id.starts_with("custom."))
        id.remove_prefix(7);
    if (!store.data(libraryKey))
        return "There is no custom conversion or unit with the id " + std::string(id) + ".";
    auto library = storedLibrary(store);
    if (!library)
        return library.error();

    std::size_t removed = 0;
    bool conversionRemoved = false;
    for (const char* list : {"conversions", "extras"}) {
        if (!library->contains(list))
            continue;
        auto& items = (*library)[list];
        auto before = items.size();
        ordered_json kept = ordered_json::array();
        for (auto& element : items)
            if (!(element.is_object() && element.contains("id") && element["id"] == id))
                kept.push_back(std::move(element));
        removed += before - kept.size();
        conversionRemoved |= list == std::string_view("conversions") && before != kept.size();
        items = std::move(kept);
    }
    if (removed == 0)
        return "There is no custom conversion or unit with the id " + std::string(id) + ".";

    if (auto problem = write(store, libraryKey, *library))
        return problem;
    if (!conversionRemoved || !store.data(preferencesKey))
        return std::nullopt;
    // The category list is tidied only when the preferences can be read; otherwise they stay.
    auto preferences = storedObject(store, preferencesKey, {}, "preferences");
    if (!preferences || !preferences->contains("customCategoryIds") ||
        !isStringList((*preferences)["customCategoryIds"]))
        return std::nullopt;
    auto& ids = (*preferences)["customCategoryIds"];
    auto categoryId = ordered_json("custom." + std::string(id));
    if (std::ranges::find(ids, categoryId) == ids.end())
        return std::nullopt;
    ids.erase(std::remove(ids.begin(), ids.end(), categoryId), ids.end());
    return write(store, preferencesKey, *preferences);
}

} // namespace zelvane::cli
