#include "UserState.h"

#include <algorithm>
#include <array>
#include <functional>

#include <nlohmann/json.hpp>

#include "DesktopState.h"
#include "RavoDozu/BoundedJson.h"
#include "RavoDozu/PlatformLocale.h"
#include "Recent.h"

namespace zelvane {

using namespace ravodozu;
using nlohmann::json;
using nlohmann::ordered_json;

namespace {

using Memory = std::map<std::string, KeypadState, std::less<>>;
using Problem = std::optional<std::string>;

std::string nothingChanged(std::string_view what) {
    return "The stored " + std::string(what) +
           " cannot be read, so it was left as it is and nothing was changed.";
}

template <class T, class E> std::optional<T> valueOf(Result<T, E>&& result) {
    return result ? std::optional<T>(std::move(result).value()) : std::nullopt;
}

Result<Memory, std::string> decodeMemory(std::string_view bytes) {
    auto document = ravodozu::parseBoundedJson(bytes);
    if (!document.is_object())
        return fail(std::string("not an object of category ids to keypad states"));
    Memory memory;
    for (const auto& [categoryId, entry] : document.items()) {
        auto state = KeypadState::decode(entry);
        if (!state)
            return fail(categoryId + ": " + state.error().describe());
        memory.emplace(categoryId, std::move(state).value());
    }
    return memory;
}

Result<KeypadState, DecodingError> decodeKeypad(std::string_view bytes) {
    auto document = ravodozu::parseBoundedJson(bytes);
    return KeypadState::decode(document.is_discarded() ? json() : document);
}

template <class Decode> Problem decodingProblem(Decode decode, std::string_view bytes) {
    auto decoded = decode(bytes);
    if (decoded)
        return std::nullopt;
    if constexpr (std::is_same_v<std::decay_t<decltype(decoded.error())>, std::string>)
        return decoded.error();
    else
        return decoded.error().describe();
}

// What a record's owner requires of a stored value; none when it accepts it.
using Check = std::function<Problem(const SettingValue&)>;

Check dataCheck(std::function<Problem(std::string_view)> check) {
    return [check = std::move(check)](const SettingValue& value) -> Problem {
        const auto* data = std::get_if<SettingData>(&value);
        if (!data)
            return "not a JSON object or list";
        return check(data->bytes);
    };
}

template <class T> Check typeCheck(std::string expected) {
    return [expected = std::move(expected)](const SettingValue& value) -> Problem {
        if (std::holds_alternative<T>(value))
            return std::nullopt;
        return "not " + expected;
    };
}

Problem hotKeyProblem(const SettingValue& value) {
    const auto* text = std::get_if<std::string>(&value);
    if (text && hotKeyStoredAs(*text))
        return std::nullopt;
    return "not one of optionCommandU, controlOptionU, optionSpace, none";
}

const std::map<std::string_view, Check, std::less<>>& recordChecks() {
    static const std::map<std::string_view, Check, std::less<>> checks = [] {
        std::map<std::string_view, Check, std::less<>> table = {
            {keys::preferences, dataCheck([](std::string_view bytes) {
                 return decodingProblem(
                     [](std::string_view b) { return UserPreferences::decode(b); }, bytes);
             })},
            {keys::rates, dataCheck([](std::string_view bytes) {
                 return decodingProblem(parseExchangeRates, bytes);
             })},
            {keys::customLibrary, dataCheck([](std::string_view bytes) {
                 return decodingProblem(decodeCustomLibraryData, bytes);
             })},
            {keys::categoryMemory, dataCheck([](std::string_view bytes) {
                 return decodingProblem(decodeMemory, bytes);
             })},
            {keys::keypad, dataCheck([](std::string_view bytes) {
                 return decodingProblem(decodeKeypad, bytes);
             })},
            {keys::packVariants, dataCheck([](std::string_view bytes) {
                 return decodingProblem(decodePackVariants, bytes);
             })},
            {keys::recents, dataCheck([](std::string_view bytes) {
                 return decodingProblem(decodeRecents, bytes);
             })},
            {keys::hotKey, hotKeyProblem},
            {keys::lastCopied, typeCheck<std::string>("a text")},
        };
        for (auto key : {keys::panelWidth, keys::panelHeight, keys::panelX, keys::panelY})
            table.emplace(key, typeCheck<double>("a number"));
        for (auto key :
             {keys::hasLaunched, keys::showsInTaskbar, keys::showsLastResult, keys::copiesUnit})
            table.emplace(key, typeCheck<bool>("true or false"));
        return table;
    }();
    return checks;
}

// The stored object under `key`, keys in stored order; `fresh` when nothing is stored.
Result<ordered_json, std::string> storedObject(const SettingsStore& store, std::string_view key,
                                               ordered_json fresh, std::string_view what) {
    auto stored = store.value(key);
    if (!stored)
        return fresh;
    const auto* data = std::get_if<SettingData>(&*stored);
    auto document = data ? ravodozu::parseBoundedJson<ordered_json>(data->bytes) : ordered_json();
    if (!document.is_object())
        return fail(nothingChanged(std::string(what) + " (" + std::string(key) + ")"));
    return document;
}

// The library to edit. A file that could not be read in full would lose what was unread when
// rewritten, so it is not edited at all.
Result<ordered_json, std::string> storedLibrary(const SettingsStore& store) {
    if (store.readProblem())
        return fail("The settings file " + store.path().string() +
                    " cannot be read, so it was left as it is and nothing was changed.");
    auto library = storedObject(
        store, keys::customLibrary,
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

bool isTextList(const ordered_json& value) {
    return value.is_array() && std::ranges::all_of(value, &ordered_json::is_string);
}

SettingsStore::Change dataChange(std::string_view key, const ordered_json& value) {
    return {std::string(key), SettingValue(SettingData{value.dump()})};
}

Result<std::monostate, std::string> saved(const StoreResult& result) {
    if (result)
        return std::monostate{};
    return fail("Could not save the change: " + result.error().message);
}

// The preferences a stored value holds; the default record when it is missing or unreadable.
UserPreferences storedPreferences(const std::optional<SettingValue>& stored) {
    const auto* data = stored ? std::get_if<SettingData>(&*stored) : nullptr;
    auto decoded =
        data ? valueOf(UserPreferences::decode(std::string_view(data->bytes))) : std::nullopt;
    return decoded.value_or(UserPreferences{});
}

std::string noSuchItem(std::string_view id) {
    return "There is no custom conversion or unit with the id " + std::string(id) + ".";
}

} // namespace

UserState::UserState(SettingsStore& store) : store_(store) {}

UserPreferences UserState::preferences() const {
    return storedPreferences(store_.value(keys::preferences));
}

UserPreferences UserState::preferencesForRun() const {
    auto preferences = this->preferences();
    if (!preferences.hasCompletedOnboarding)
        preferences.region = RegionProfile::detect(PlatformLocale::regionCode(),
                                                   PlatformLocale::preferredLanguages());
    return preferences;
}

StoreResult UserState::setPreferences(const UserPreferences& preferences) {
    return store_.set(keys::preferences, SettingData{preferences.encode().dump()});
}

std::optional<ExchangeRates> UserState::rates() const {
    auto bytes = store_.data(keys::rates);
    return bytes ? valueOf(parseExchangeRates(*bytes)) : std::nullopt;
}

Result<UserPreferences, StoreError>
UserState::editPreferences(const std::function<void(UserPreferences&)>& edit) {
    UserPreferences edited;
    auto written = store_.update(keys::preferences, [&](std::optional<SettingValue> stored) {
        edited = storedPreferences(stored);
        edit(edited);
        return std::optional<SettingValue>(SettingData{edited.encode().dump()});
    });
    if (!written)
        return fail(written.error());
    return edited;
}

StoreResult UserState::setRates(const ExchangeRates& rates) {
    return store_.set(keys::rates, SettingData{encodeExchangeRates(rates).dump()});
}

std::optional<std::string> UserState::customLibraryData() const {
    return store_.data(keys::customLibrary);
}

Result<CustomLibrary, std::string> UserState::customLibrary() const {
    auto stored = store_.value(keys::customLibrary);
    if (!stored)
        return CustomLibrary{};
    const auto* data = std::get_if<SettingData>(&*stored);
    if (!data)
        return fail(std::string("not a JSON object"));
    auto decoded = decodeCustomLibraryData(data->bytes);
    if (!decoded)
        return fail(decoded.error().describe());
    return std::move(decoded).value();
}

std::map<std::string, KeypadState, std::less<>> UserState::categoryMemory() const {
    auto bytes = store_.data(keys::categoryMemory);
    return (bytes ? valueOf(decodeMemory(*bytes)) : std::nullopt).value_or(Memory{});
}

std::optional<KeypadState> UserState::keypad() const {
    auto bytes = store_.data(keys::keypad);
    return bytes ? valueOf(decodeKeypad(*bytes)) : std::nullopt;
}

Result<std::monostate, std::string> UserState::setRecord(std::string_view key, SettingValue value) {
    if (auto problem = recordProblem(key, value))
        return fail("not written: " + std::string(key) + " would not be readable (" + *problem +
                    ")");
    if (auto written = store_.set(key, std::move(value)); !written)
        return fail("could not write " + std::string(key) + ": " + written.error().message);
    return std::monostate{};
}

StoreResult UserState::forgetObsoleteKeys() {
    if (!store_.value(keys::recentCategories))
        return std::monostate{};
    return store_.remove(keys::recentCategories);
}

StoreResult UserState::rememberConverter(const KeypadState& state) {
    json memory = json::object();
    for (const auto& [categoryId, remembered] : categoryMemory())
        memory[categoryId] = remembered.encode();
    memory[state.categoryId] = state.encode();
    return store_.apply({{std::string(keys::categoryMemory), SettingData{memory.dump()}},
                         {std::string(keys::keypad), SettingData{state.encode().dump()}}});
}

PackVariants UserState::packVariants() const {
    auto bytes = store_.data(keys::packVariants);
    return (bytes ? valueOf(decodePackVariants(*bytes)) : std::nullopt).value_or(PackVariants{});
}

StoreResult UserState::choosePackVariant(std::string_view categoryId, std::string_view variantId) {
    return store_.update(keys::packVariants, [&](std::optional<SettingValue> stored) {
        const auto* data = stored ? std::get_if<SettingData>(&*stored) : nullptr;
        auto variants = (data ? valueOf(decodePackVariants(data->bytes)) : std::nullopt)
                            .value_or(PackVariants{});
        variants.insert_or_assign(std::string(categoryId), std::string(variantId));
        return std::optional<SettingValue>(SettingData{json(variants).dump()});
    });
}

std::string UserState::currentCategory(const ConversionContext& context) const {
    if (auto state = keypad(); state && context.category(state->categoryId))
        return state->categoryId;
    auto favourites = context.preferences().effectiveFavoriteCategories();
    return favourites.empty() ? "temperature" : favourites.front();
}

KeypadState UserState::categoryStart(std::string_view categoryId,
                                     const ConversionContext& context) const {
    auto memory = categoryMemory();
    if (auto remembered = memory.find(categoryId); remembered != memory.end())
        if (auto category = context.category(categoryId);
            category && category->unit(remembered->second.fromUnitId))
            return remembered->second;
    return KeypadState::starting(categoryId, context);
}

Result<std::monostate, std::string> UserState::addCustomItem(const CustomShare::Payload& item) {
    auto library = storedLibrary(store_);
    if (!library)
        return fail(library.error());
    const auto* conversion = item.conversion();
    std::vector<SettingsStore::Change> changes;

    // Preferences are checked before anything is written, so a refusal leaves both untouched.
    if (conversion) {
        auto preferences =
            storedObject(store_, keys::preferences,
                         ordered_json::parse(UserPreferences{}.encode().dump()), "preferences");
        if (!preferences)
            return fail(preferences.error());
        auto categoryId = "custom." + conversion->id;
        auto& ids = (*preferences)["customCategoryIds"];
        // A mistyped list reads as empty everywhere, so replacing it loses nothing.
        if (!isTextList(ids))
            ids = ordered_json::array();
        if (std::ranges::find(ids, ordered_json(categoryId)) == ids.end())
            ids.push_back(categoryId);
        changes.push_back(dataChange(keys::preferences, *preferences));
    }

    auto encoded =
        conversion ? encodeCustomConversion(*conversion) : encodeCustomExtraUnit(*item.extra());
    (*library)[conversion ? "conversions" : "extras"].push_back(
        ordered_json::parse(encoded.dump()));
    changes.insert(changes.begin(), dataChange(keys::customLibrary, *library));
    return saved(store_.apply(changes));
}

Result<std::monostate, std::string> UserState::replaceCustomItem(const CustomShare::Payload& item) {
    auto library = storedLibrary(store_);
    if (!library)
        return fail(library.error());
    const auto* conversion = item.conversion();
    const auto& id = conversion ? conversion->id : item.extra()->id;
    const char* list = conversion ? "conversions" : "extras";
    if (!library->contains(list))
        return fail(noSuchItem(id));
    auto& items = (*library)[list];
    auto stored = std::ranges::find_if(items, [&](const ordered_json& element) {
        return element.is_object() && element.value("id", ordered_json()) == id;
    });
    if (stored == items.end())
        return fail(noSuchItem(id));
    auto encoded =
        conversion ? encodeCustomConversion(*conversion) : encodeCustomExtraUnit(*item.extra());
    *stored = ordered_json::parse(encoded.dump());
    return saved(store_.apply({dataChange(keys::customLibrary, *library)}));
}

Result<std::monostate, std::string> UserState::removeCustomItem(std::string_view id) {
    if (id.starts_with("custom."))
        id.remove_prefix(7);
    if (!store_.value(keys::customLibrary))
        return fail(noSuchItem(id));
    auto library = storedLibrary(store_);
    if (!library)
        return fail(library.error());

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
        return fail(noSuchItem(id));

    std::vector<SettingsStore::Change> changes{dataChange(keys::customLibrary, *library)};
    // The category list is tidied only when the preferences can be read; otherwise they stay.
    auto preferences = storedObject(store_, keys::preferences, {}, "preferences");
    auto categoryId = ordered_json("custom." + std::string(id));
    if (conversionRemoved && preferences && preferences->contains("customCategoryIds") &&
        isTextList((*preferences)["customCategoryIds"])) {
        auto& ids = (*preferences)["customCategoryIds"];
        if (std::ranges::find(ids, categoryId) != ids.end()) {
            ids.erase(std::remove(ids.begin(), ids.end(), categoryId), ids.end());
            changes.push_back(dataChange(keys::preferences, *preferences));
        }
    }
    return saved(store_.apply(changes));
}

std::optional<std::string> UserState::recordProblem(std::string_view key,
                                                    const SettingValue& value) {
    const auto& checks = recordChecks();
    auto check = checks.find(key);
    return check == checks.end() ? std::nullopt : check->second(value);
}

} // namespace zelvane
