#include "RavoDozu/UserPreferences.h"

#include "JsonReader.h"
#include "RavoDozu/ExtensionPack.h"

namespace ravodozu {

namespace {
using detail::JsonReader;
using Ids = std::vector<std::string>;

constexpr std::array<std::string_view, 3> appearanceNames{"system", "light", "dark"};

bool contains(const Ids& list, std::string_view id) {
    return std::ranges::find(list, id) != list.end();
}

Ids without(Ids list, std::string_view id) {
    std::erase(list, id);
    return list;
}

void eraseFirst(Ids& list, std::string_view id) {
    if (auto found = std::ranges::find(list, id); found != list.end())
        list.erase(found);
}

// The preferences cannot list a pack's categories, so a pack category is taken as visible while
// its pack is switched on and the category is not hidden.
Ids keepingVisible(const Ids& ids, const UserPreferences& preferences) {
    const auto visible = preferences.visibleCategoryIds();
    Ids kept;
    for (const auto& id : ids) {
        auto pack = packOfCategoryId(id);
        if (pack ? contains(preferences.enabledPacks, *pack) &&
                       !contains(preferences.hiddenCategories, id)
                 : contains(visible, id))
            kept.push_back(id);
    }
    return kept;
}

// Reading one key of the stored record: any problem with its value gives none, and the caller
// substitutes the default, so one bad key never costs the others.
template <class Read>
auto readKey(const JsonReader& record, std::string_view key, Read read)
    -> std::optional<decltype(read(record))> {
    auto value = record.find(key);
    if (!value)
        return std::nullopt;
    auto decoded = detail::decodeWith([&] { return read(*value); });
    if (!decoded)
        return std::nullopt;
    return std::move(decoded).value();
}

UserPreferences::UnitLists readUnitLists(const JsonReader& reader) {
    UserPreferences::UnitLists lists;
    for (const auto& [categoryId, value] : reader.object())
        lists.emplace(categoryId, JsonReader(value).strings());
    return lists;
}

std::map<std::string, std::string, std::less<>> readTexts(const JsonReader& reader) {
    std::map<std::string, std::string, std::less<>> texts;
    for (const auto& [categoryId, value] : reader.object())
        texts.emplace(categoryId, JsonReader(value).string());
    return texts;
}

Appearance readAppearance(const JsonReader& reader) {
    auto appearance = appearanceNamed(reader.string());
    if (!appearance)
        reader.fail("Unknown appearance");
    return *appearance;
}

auto readStrings = [](const JsonReader& reader) { return reader.strings(); };
auto readBoolean = [](const JsonReader& reader) { return reader.boolean(); };
auto readInteger = [](const JsonReader& reader) { return std::int64_t{reader.integer()}; };
} // namespace

std::string_view rawValue(Appearance appearance) {
    return appearanceNames[static_cast<std::size_t>(appearance)];
}

std::optional<Appearance> appearanceNamed(std::string_view rawValue) {
    auto found = std::ranges::find(appearanceNames, rawValue);
    if (found == appearanceNames.end())
        return std::nullopt;
    return static_cast<Appearance>(found - appearanceNames.begin());
}

const std::vector<CategoryGroup>& categoryGroups() {
    static const std::vector<CategoryGroup> groups{
        {"everyday",
         {"temperature", "length", "fuel", "currency", "mass", "area", "volume", "speed",
          "pressure", "time", "power", "energy", "data"}},
        {"science",
         {"density", "angle", "force", "torque", "acceleration", "flow", "frequency", "viscosity",
          "illuminance", "data_rate"}},
        {"electric",
         {"voltage", "current", "resistance", "capacitance", "inductance", "charge",
          "magnetic_field", "magnetic_flux_density", "magnetic_flux"}},
        {"radiation", {"radioactivity", "absorbed_dose", "equivalent_dose"}},
    };
    return groups;
}

const std::vector<std::string>& allCategoryIds() {
    static const Ids all = [] {
        Ids ids;
        for (const auto& group : categoryGroups())
            ids.insert(ids.end(), group.categoryIds.begin(), group.categoryIds.end());
        return ids;
    }();
    return all;
}

const std::vector<std::string>& defaultFavoriteCategories() {
    return categoryGroups().front().categoryIds;
}

std::vector<std::string> moveElements(std::vector<std::string> list,
                                      const std::set<std::size_t>& offsets,
                                      std::size_t destination) {
    destination = std::min(destination, list.size());
    Ids moved;
    std::size_t movedBelowDestination = 0;
    for (auto offset : offsets) {
        if (offset >= list.size())
            break; // the set is ascending: the rest are out of range too
        moved.push_back(std::move(list[offset]));
        if (offset < destination)
            ++movedBelowDestination;
    }
    for (auto offset = offsets.rbegin(); offset != offsets.rend(); ++offset)
        if (*offset < list.size())
            list.erase(list.begin() + static_cast<std::ptrdiff_t>(*offset));
    auto at = list.begin() + static_cast<std::ptrdiff_t>(destination - movedBelowDestination);
    list.insert(at, std::make_move_iterator(moved.begin()), std::make_move_iterator(moved.end()));
    return list;
}

const std::vector<std::string>& UserPreferences::defaultStarredCategories() {
    static const Ids starred{"temperature", "length", "currency", "mass"};
    return starred;
}

nlohmann::ordered_json UserPreferences::encode() const {
    nlohmann::ordered_json json = nlohmann::ordered_json::object();
    auto optional = [&json](const char* key, const auto& value) {
        if (value)
            json[key] = *value;
    };
    json["region"] = std::string(region.rawValue());
    json["significantDigits"] = significantDigits;
    json["pinnedOverrides"] = pinnedOverrides;
    json["hiddenUnits"] = hiddenUnits;
    json["hiddenCategories"] = hiddenCategories;
    json["customCategoryIds"] = customCategoryIds;
    optional("favoriteCategories", favoriteCategories);
    optional("starredCategories", starredCategories);
    json["unitOrder"] = unitOrder;
    json["showsOtherUnits"] = showsOtherUnits;
    json["stepSizes"] = stepSizes;
    json["hapticsEnabled"] = hapticsEnabled;
    json["appearance"] = std::string(rawValue(appearance));
    json["autoUpdateRates"] = autoUpdateRates;
    optional("favoriteCurrencies", favoriteCurrencies);
    json["enabledPacks"] = enabledPacks;
    optional("languageCode", languageCode);
    json["hasCompletedOnboarding"] = hasCompletedOnboarding;
    json["acceptedPrivacyVersion"] = acceptedPrivacyVersion;
    return json;
}

Result<UserPreferences, DecodingError> UserPreferences::decode(const nlohmann::json& value) {
    if (!value.is_object())
        return fail(DecodingError{"", "not an object"});
    JsonReader record(value);
    auto regionOf = [](const JsonReader& reader) {
        return RegionProfile::named(reader.string()).value_or(RegionProfile::mainlandChina);
    };

    UserPreferences preferences;
    preferences.region = readKey(record, "region", regionOf).value_or(RegionProfile::mainlandChina);
    preferences.significantDigits =
        readKey(record, "significantDigits", readInteger).value_or(preferences.significantDigits);
    preferences.pinnedOverrides =
        readKey(record, "pinnedOverrides", readUnitLists).value_or(UnitLists{});
    preferences.hiddenUnits = readKey(record, "hiddenUnits", readUnitLists).value_or(UnitLists{});
    preferences.hiddenCategories = readKey(record, "hiddenCategories", readStrings).value_or(Ids{});
    preferences.customCategoryIds =
        readKey(record, "customCategoryIds", readStrings).value_or(Ids{});
    preferences.favoriteCategories = readKey(record, "favoriteCategories", readStrings);
    preferences.starredCategories = readKey(record, "starredCategories", readStrings);
    preferences.unitOrder = readKey(record, "unitOrder", readUnitLists).value_or(UnitLists{});
    preferences.showsOtherUnits = readKey(record, "showsOtherUnits", readBoolean).value_or(true);
    preferences.stepSizes = readKey(record, "stepSizes", readTexts).value_or(decltype(stepSizes){});
    preferences.hapticsEnabled = readKey(record, "hapticsEnabled", readBoolean).value_or(true);
    preferences.appearance =
        readKey(record, "appearance", readAppearance).value_or(Appearance::system);
    preferences.autoUpdateRates = readKey(record, "autoUpdateRates", readBoolean).value_or(false);
    preferences.favoriteCurrencies = readKey(record, "favoriteCurrencies", readStrings);
    preferences.enabledPacks =
        readKey(record, "enabledPacks", readStrings).value_or(preferences.enabledPacks);
    preferences.languageCode =
        readKey(record, "languageCode", [](const JsonReader& reader) { return reader.string(); });
    preferences.hasCompletedOnboarding =
        readKey(record, "hasCompletedOnboarding", readBoolean).value_or(false);
    preferences.acceptedPrivacyVersion =
        readKey(record, "acceptedPrivacyVersion", readInteger).value_or(0);
    return preferences;
}

Result<UserPreferences, DecodingError> UserPreferences::decode(std::string_view bytes) {
    auto document = detail::parseJson(bytes);
    if (!document)
        return fail(document.error());
    return decode(*document);
}

std::vector<std::string> UserPreferences::visibleCategoryIds() const {
    Ids visible;
    auto add = [&](const Ids& ids) {
        for (const auto& id : ids)
            if (!contains(hiddenCategories, id))
                visible.push_back(id);
    };
    add(allCategoryIds());
    add(customCategoryIds);
    return visible;
}

std::vector<std::string> UserPreferences::effectiveFavoriteCategories() const {
    auto favorites =
        keepingVisible(favoriteCategories.value_or(defaultFavoriteCategories()), *this);
    if (auto visible = visibleCategoryIds(); favorites.empty() && !visible.empty())
        favorites.push_back(visible.front());
    return favorites;
}

std::vector<std::string> UserPreferences::effectiveStarredCategories() const {
    auto starred = keepingVisible(starredCategories.value_or(defaultStarredCategories()), *this);
    if (starred.size() > maxStarredCategories)
        starred.resize(maxStarredCategories);
    return starred;
}

bool UserPreferences::isFavorite(std::string_view categoryId) const {
    return contains(effectiveFavoriteCategories(), categoryId);
}

bool UserPreferences::isStarred(std::string_view categoryId) const {
    return contains(effectiveStarredCategories(), categoryId);
}

bool UserPreferences::toggleStar(std::string_view categoryId) {
    auto starred = effectiveStarredCategories();
    if (contains(starred, categoryId)) {
        eraseFirst(starred, categoryId);
    } else {
        if (starred.size() >= maxStarredCategories)
            return false;
        starred.emplace_back(categoryId);
    }
    starredCategories = std::move(starred);
    return true;
}

void UserPreferences::moveStarred(const Offsets& offsets, std::size_t destination) {
    starredCategories = moveElements(effectiveStarredCategories(), offsets, destination);
}

void UserPreferences::addFavorite(std::string_view categoryId,
                                  std::optional<std::string_view> before) {
    if (before && *before == categoryId)
        return;
    auto favorites = without(effectiveFavoriteCategories(), categoryId);
    auto at = before ? std::ranges::find(favorites, *before) : favorites.end();
    favorites.emplace(at, categoryId);
    favoriteCategories = std::move(favorites);
}

void UserPreferences::moveFavorite(std::string_view categoryId, std::int64_t targetIndex) {
    auto favorites = effectiveFavoriteCategories();
    if (auto found = std::ranges::find(favorites, categoryId); found != favorites.end()) {
        if (found - favorites.begin() < targetIndex)
            --targetIndex;
        favorites.erase(found);
    }
    auto at = std::clamp<std::int64_t>(targetIndex, 0, static_cast<std::int64_t>(favorites.size()));
    favorites.emplace(favorites.begin() + at, categoryId);
    favoriteCategories = std::move(favorites);
}

void UserPreferences::moveFavorites(const Offsets& offsets, std::size_t destination) {
    favoriteCategories = moveElements(effectiveFavoriteCategories(), offsets, destination);
}

void UserPreferences::removeFavorite(std::string_view categoryId) {
    auto favorites = without(effectiveFavoriteCategories(), categoryId);
    if (favorites.empty())
        return;
    favoriteCategories = std::move(favorites);
}

std::vector<std::string> UserPreferences::pinnedUnits(std::string_view categoryId) const {
    if (auto own = pinnedOverrides.find(categoryId); own != pinnedOverrides.end())
        return own->second;
    return region.preset(categoryId).pinned;
}

RegionProfile::Entry UserPreferences::effectivePreset(std::string_view categoryId) const {
    auto entry = region.preset(categoryId);
    if (auto own = pinnedOverrides.find(categoryId); own != pinnedOverrides.end())
        entry.pinned = own->second;
    return entry;
}

bool UserPreferences::isHidden(std::string_view unitId, std::string_view categoryId) const {
    auto hidden = hiddenUnits.find(categoryId);
    return hidden != hiddenUnits.end() && contains(hidden->second, unitId);
}

void UserPreferences::togglePinned(std::string_view unitId, std::string_view categoryId) {
    auto pinned = pinnedUnits(categoryId);
    if (contains(pinned, unitId)) {
        eraseFirst(pinned, unitId);
    } else {
        pinned.emplace_back(unitId);
        if (auto hidden = hiddenUnits.find(categoryId); hidden != hiddenUnits.end())
            std::erase(hidden->second, unitId);
    }
    pinnedOverrides.insert_or_assign(std::string(categoryId), std::move(pinned));
}

void UserPreferences::toggleHidden(std::string_view unitId, std::string_view categoryId) {
    Ids hidden;
    if (auto stored = hiddenUnits.find(categoryId); stored != hiddenUnits.end())
        hidden = stored->second;
    if (contains(hidden, unitId)) {
        eraseFirst(hidden, unitId);
    } else {
        hidden.emplace_back(unitId);
        pinnedOverrides.insert_or_assign(std::string(categoryId),
                                         without(pinnedUnits(categoryId), unitId));
    }
    hiddenUnits.insert_or_assign(std::string(categoryId), std::move(hidden));
}

void UserPreferences::movePinned(std::string_view categoryId, const Offsets& offsets,
                                 std::size_t destination) {
    pinnedOverrides.insert_or_assign(std::string(categoryId),
                                     moveElements(pinnedUnits(categoryId), offsets, destination));
}

void UserPreferences::moveVisiblePinned(std::string_view categoryId,
                                        std::span<const std::string> shownPinned,
                                        const Offsets& offsets, std::size_t destination) {
    auto pinned = moveElements(Ids(shownPinned.begin(), shownPinned.end()), offsets, destination);
    for (const auto& unitId : pinnedUnits(categoryId))
        if (std::ranges::find(shownPinned, unitId) == shownPinned.end())
            pinned.push_back(unitId);
    pinnedOverrides.insert_or_assign(std::string(categoryId), std::move(pinned));
}

void UserPreferences::moveUnits(std::string_view categoryId,
                                std::span<const std::string> shownUnits, const Offsets& offsets,
                                std::size_t destination) {
    unitOrder.insert_or_assign(
        std::string(categoryId),
        moveElements(Ids(shownUnits.begin(), shownUnits.end()), offsets, destination));
}

namespace detail {
std::vector<std::size_t> unitOrderPermutation(std::span<const std::string> order,
                                              std::span<const std::string_view> unitIds) {
    std::vector<std::size_t> ranks(unitIds.size());
    std::vector<std::size_t> indices(unitIds.size());
    for (std::size_t i = 0; i < unitIds.size(); ++i) {
        auto found = std::ranges::find(order, unitIds[i]);
        ranks[i] = found != order.end() ? static_cast<std::size_t>(found - order.begin())
                                        : order.size() + i;
        indices[i] = i;
    }
    std::ranges::stable_sort(indices, {}, [&](std::size_t i) { return ranks[i]; });
    return indices;
}
} // namespace detail

} // namespace ravodozu
