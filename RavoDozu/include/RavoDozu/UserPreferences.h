// UserPreferences: the user's persisted choices, their JSON form and the edits made to them.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>
#include <vector>

#include <nlohmann/json.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// Colour scheme. Raw value and JSON form: "system", "light", "dark".
enum class Appearance { system, light, dark };

/// Every appearance, in picker order.
inline constexpr std::array<Appearance, 3> allAppearances{Appearance::system, Appearance::light,
                                                          Appearance::dark};
std::string_view rawValue(Appearance appearance);
/// The appearance with that exact raw value, or none.
std::optional<Appearance> appearanceNamed(std::string_view rawValue);

/// A fixed group of built-in categories, as the category list shows them.
struct CategoryGroup {
    std::string id;
    std::vector<std::string> categoryIds;
};

/// "everyday", "science", "electric", "radiation" with their categories, in display order.
const std::vector<CategoryGroup>& categoryGroups();
/// Every built-in category id, group after group (35 ids).
const std::vector<std::string>& allCategoryIds();
/// The "everyday" group: the favourites of a user who has not chosen any.
const std::vector<std::string>& defaultFavoriteCategories();

/// Moves the elements at `offsets` so that they land, in their order, before the element that
/// stood at `destination` (0 … size). Offsets outside the list are ignored and the destination
/// is clamped, so a stale selection cannot corrupt the list.
std::vector<std::string> moveElements(std::vector<std::string> list,
                                      const std::set<std::size_t>& offsets,
                                      std::size_t destination);

/// The user's choices that conversion and presentation depend on. A plain value: the owner copies
/// it, applies one edit and stores the copy back. Derived lists (visible, favourite, starred,
/// pinned) are recomputed on each call; an edit of a derived list stores it explicitly.
struct UserPreferences {
    using UnitLists = std::map<std::string, std::vector<std::string>, std::less<>>;
    using Offsets = std::set<std::size_t>;

    RegionProfile region = RegionProfile::mainlandChina;
    /// Stored as given; the formatter treats values below 1 as 1.
    std::int64_t significantDigits = 4;
    UnitLists pinnedOverrides; ///< A category with an entry (even empty) ignores the preset.
    UnitLists hiddenUnits;
    std::vector<std::string> hiddenCategories;
    std::vector<std::string> customCategoryIds; ///< Shown after the built-in categories.
    std::optional<std::vector<std::string>> favoriteCategories; ///< None: not chosen yet.
    std::optional<std::vector<std::string>> starredCategories;  ///< None: not chosen yet.
    UnitLists unitOrder;
    bool showsOtherUnits = true;
    std::map<std::string, std::string, std::less<>> stepSizes; ///< Decimal text per category.
    bool hapticsEnabled = true;
    Appearance appearance = Appearance::system;
    bool autoUpdateRates = false;
    std::optional<std::vector<std::string>> favoriteCurrencies;
    std::vector<std::string> enabledPacks{"ancient_china", "biblical"};
    std::optional<std::string> languageCode; ///< None: the system language.
    bool hasCompletedOnboarding = false;
    std::int64_t acceptedPrivacyVersion = 0;

    static constexpr std::int64_t currentPrivacyVersion = 3;
    static constexpr std::size_t maxStarredCategories = 10;
    /// "temperature", "length", "currency", "mass".
    static const std::vector<std::string>& defaultStarredCategories();

    // Both follow the current version, so raising it asks everyone again.
    bool needsPrivacyConsent() const { return acceptedPrivacyVersion < currentPrivacyVersion; }
    bool hasAcceptedCurrentPrivacy() const { return !needsPrivacyConsent(); }

    // JSON form

    /// One object with every key in declaration order; absent optionals are left out.
    nlohmann::ordered_json encode() const;
    /// Never fails for an object: each key is read on its own and a missing, null, mistyped or
    /// unknown value takes its default. Anything but an object fails with "not an object".
    static Result<UserPreferences, DecodingError> decode(const nlohmann::json& value);
    /// `decode` of JSON text; text that is not JSON fails as well.
    static Result<UserPreferences, DecodingError> decode(std::string_view bytes);
    // Text arguments would otherwise convert to JSON and to a view equally well.
    static Result<UserPreferences, DecodingError> decode(const std::string& bytes) {
        return decode(std::string_view(bytes));
    }
    static Result<UserPreferences, DecodingError> decode(const char* bytes) {
        return decode(std::string_view(bytes));
    }
    /// `decode` of what `encode` produced.
    static Result<UserPreferences, DecodingError> decode(const nlohmann::ordered_json& value) {
        return decode(nlohmann::json(value));
    }

    // Categories

    /// Built-in then custom category ids, without the hidden ones (order and duplicates kept).
    /// Pack categories are not here: only the loaded packs know them (see ConversionContext).
    std::vector<std::string> visibleCategoryIds() const;
    /// The favourites (or the defaults) that are visible, a pack category counting as visible
    /// while its pack is enabled; never empty while anything is visible.
    std::vector<std::string> effectiveFavoriteCategories() const;
    /// The starred (or default starred) categories visible as for favourites, at most 10.
    std::vector<std::string> effectiveStarredCategories() const;
    bool isFavorite(std::string_view categoryId) const;
    bool isStarred(std::string_view categoryId) const;

    /// Stars or unstars a category; false (and no change) when the starred list is full.
    bool toggleStar(std::string_view categoryId);
    void moveStarred(const Offsets& offsets, std::size_t destination);
    /// Adds a favourite just before `before` when that is a favourite, else at the end. Adding
    /// a category before itself does nothing.
    void addFavorite(std::string_view categoryId,
                     std::optional<std::string_view> before = std::nullopt);
    /// Moves (or adds) a favourite to `targetIndex` of the current list, clamped to its bounds.
    void moveFavorite(std::string_view categoryId, std::int64_t targetIndex);
    void moveFavorites(const Offsets& offsets, std::size_t destination);
    /// Removes a favourite unless it is the last one.
    void removeFavorite(std::string_view categoryId);

    // Units

    /// The user's pinned units of the category, else the region preset's.
    std::vector<std::string> pinnedUnits(std::string_view categoryId) const;
    /// The region preset with the user's pinned units, when the user has set them.
    RegionProfile::Entry effectivePreset(std::string_view categoryId) const;
    bool isHidden(std::string_view unitId, std::string_view categoryId) const;

    /// Pins or unpins a unit; pinning also unhides it.
    void togglePinned(std::string_view unitId, std::string_view categoryId);
    /// Hides or unhides a unit; hiding also unpins it.
    void toggleHidden(std::string_view unitId, std::string_view categoryId);
    void movePinned(std::string_view categoryId, const Offsets& offsets, std::size_t destination);
    /// Moves within the pinned units the panel shows; pinned units not shown keep their order
    /// after them.
    void moveVisiblePinned(std::string_view categoryId, std::span<const std::string> shownPinned,
                           const Offsets& offsets, std::size_t destination);
    /// Moves within the units the panel shows and keeps the result as the category's unit order.
    void moveUnits(std::string_view categoryId, std::span<const std::string> shownUnits,
                   const Offsets& offsets, std::size_t destination);

    /// The items in the user's unit order of the category: units named in the order first (in
    /// that order), then the rest in their given order. `unitIdOf(item)` gives an item's unit id.
    template <class Item, class UnitIdOf>
    std::vector<Item> orderedUnits(std::vector<Item> items, std::string_view categoryId,
                                   UnitIdOf unitIdOf) const;

    bool operator==(const UserPreferences&) const = default;
};

namespace detail {
/// Item indices sorted by rank: position in `order`, or order size + own index when not in it.
std::vector<std::size_t> unitOrderPermutation(std::span<const std::string> order,
                                              std::span<const std::string_view> unitIds);
} // namespace detail

template <class Item, class UnitIdOf>
std::vector<Item> UserPreferences::orderedUnits(std::vector<Item> items,
                                                std::string_view categoryId,
                                                UnitIdOf unitIdOf) const {
    auto order = unitOrder.find(categoryId);
    if (order == unitOrder.end() || order->second.empty())
        return items;
    // Ids returned by value must outlive the views handed to the ranking.
    using Id = decltype(unitIdOf(std::declval<const Item&>()));
    constexpr bool byReference = std::is_lvalue_reference_v<Id>;
    std::vector<std::conditional_t<byReference, std::string_view, std::string>> owned;
    std::vector<std::string_view> ids;
    ids.reserve(items.size());
    if constexpr (byReference) {
        for (const auto& item : items)
            ids.emplace_back(unitIdOf(item));
    } else {
        owned.reserve(items.size());
        for (const auto& item : items)
            owned.emplace_back(unitIdOf(item));
        ids.assign(owned.begin(), owned.end());
    }
    std::vector<Item> ordered;
    ordered.reserve(items.size());
    for (auto index : detail::unitOrderPermutation(order->second, ids))
        ordered.push_back(std::move(items[index]));
    return ordered;
}

} // namespace ravodozu
