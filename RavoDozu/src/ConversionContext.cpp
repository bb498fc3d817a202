#include "RavoDozu/ConversionContext.h"

#include <algorithm>
#include <climits> // INT_MAX
#include <mutex>

#include "RavoDozu/ValueFormatter.h"

namespace ravodozu {

namespace {
// The currency category is rebuilt only when the catalog or the rates snapshot changes, not on
// every question a keystroke asks.
CategoryRef currencyCategoryFor(const std::shared_ptr<const UnitCatalog>& catalog,
                                const std::shared_ptr<const ExchangeRates>& rates) {
    static std::mutex lock;
    static std::weak_ptr<const UnitCatalog> cachedCatalog;
    static std::weak_ptr<const ExchangeRates> cachedRates;
    static bool cachedWithoutRates = false;
    static CategoryRef cached;

    std::lock_guard guard(lock);
    bool sameRates = rates ? cachedRates.lock() == rates : cachedWithoutRates;
    if (cached && cachedCatalog.lock() == catalog && sameRates)
        return cached;
    cached =
        std::make_shared<const UnitCategory>(currencyCategory(catalog->currency(), rates.get()));
    cachedCatalog = catalog;
    cachedRates = rates;
    cachedWithoutRates = !rates;
    return cached;
}

// Pack categories are built once per catalog, packs, variants and set of enabled packs, so an
// unchanged state costs a context only this comparison.
std::shared_ptr<const PackCategories>
packCategoriesFor(const std::shared_ptr<const UnitCatalog>& catalog,
                  const std::shared_ptr<const std::vector<ExtensionPack>>& packs,
                  const std::shared_ptr<const PackVariants>& variants,
                  const std::vector<std::string>& enabledPacks) {
    static const auto none = std::make_shared<const PackCategories>();
    static const auto firstVariants = std::make_shared<const PackVariants>();
    if (!packs || enabledPacks.empty())
        return none;
    const auto& chosen = variants ? variants : firstVariants;

    static std::mutex lock;
    static std::weak_ptr<const UnitCatalog> cachedCatalog;
    static std::weak_ptr<const std::vector<ExtensionPack>> cachedPacks;
    static std::weak_ptr<const PackVariants> cachedVariants;
    static std::vector<std::string> cachedEnabled;
    static std::shared_ptr<const PackCategories> cached;

    std::lock_guard guard(lock);
    if (cached && cachedCatalog.lock() == catalog && cachedPacks.lock() == packs &&
        cachedVariants.lock() == chosen && cachedEnabled == enabledPacks)
        return cached;
    cached = std::make_shared<const PackCategories>(packs, enabledPacks, *chosen, *catalog);
    cachedCatalog = catalog;
    cachedPacks = packs;
    cachedVariants = chosen;
    cachedEnabled = enabledPacks;
    return cached;
}

template <class Map> auto* entry(const Map& map, std::string_view key) {
    auto found = map.find(key);
    return found == map.end() ? nullptr : &found->second;
}
} // namespace

ConversionContext::ConversionContext(std::shared_ptr<const UnitCatalog> catalog,
                                     std::shared_ptr<const UserPreferences> preferences,
                                     std::shared_ptr<const ExchangeRates> rates,
                                     std::shared_ptr<const CustomLibrary> customLibrary,
                                     std::shared_ptr<const std::vector<ExtensionPack>> packs,
                                     std::shared_ptr<const PackVariants> packVariants)
    : catalog_(std::move(catalog)), preferences_(std::move(preferences)), rates_(std::move(rates)),
      customLibrary_(std::move(customLibrary)),
      custom_(resolvedLibrary(*catalog_, rates_.get(), customLibrary_)),
      packCategories_(
          packCategoriesFor(catalog_, packs, packVariants, preferences_->enabledPacks)) {}

std::vector<std::string> ConversionContext::visibleCategoryIds() const {
    auto ids = preferences_->visibleCategoryIds();
    const auto& hidden = preferences_->hiddenCategories;
    for (const auto& pack : packCategories_->entries())
        if (std::ranges::find(hidden, pack.category.id) == hidden.end())
            ids.push_back(pack.category.id);
    return ids;
}

CategoryRef ConversionContext::category(std::string_view categoryId) const {
    if (const auto* customCategory = entry(custom_->categories, categoryId))
        return CategoryRef(custom_, customCategory);
    auto builtIn = builtInCategory(categoryId);
    const auto* extras = entry(custom_->extraUnits, categoryId);
    if (!builtIn || !extras || extras->empty())
        return builtIn;
    auto extended = std::make_shared<UnitCategory>(*builtIn);
    extended->units.insert(extended->units.end(), extras->begin(), extras->end());
    return extended;
}

CategoryRef ConversionContext::builtInCategory(std::string_view categoryId) const {
    if (categoryId == catalog_->currencyCategoryId())
        return currencyCategoryFor(catalog_, rates_);
    if (const auto* category = catalog_->category(categoryId))
        return CategoryRef(catalog_, category);
    const auto* pack = packCategories_->find(categoryId);
    return pack ? CategoryRef(packCategories_, &pack->category) : nullptr;
}

RegionProfile::Entry ConversionContext::preset(std::string_view categoryId) const {
    std::string from;
    if (const auto* customCategory = entry(custom_->categories, categoryId))
        from = customCategory->base;
    else if (const auto* pack = packCategories_->find(categoryId))
        from = packPrefixed(pack->source->referenceUnit);
    else
        return preferences_->effectivePreset(categoryId);
    const auto* pinned = entry(preferences_->pinnedOverrides, categoryId);
    return {std::move(from), "1", pinned ? *pinned : std::vector<std::string>{}};
}

ConversionContext::ShownUnits ConversionContext::shownUnits(std::string_view categoryId,
                                                            std::string_view fromUnitId) const {
    ShownUnits shown{category(categoryId), {}, {}};
    if (!shown.category)
        return shown;

    const auto* hidden = entry(preferences_->hiddenUnits, categoryId);
    auto isCandidate = [&](const UnitDefinition& unit) {
        return unit.id != fromUnitId &&
               !(hidden && std::ranges::find(*hidden, unit.id) != hidden->end());
    };
    const auto* overrides = entry(preferences_->pinnedOverrides, categoryId);
    const auto& pinnedIds = overrides ? *overrides : preferences_->region.preset(categoryId).pinned;

    for (const auto& id : pinnedIds) {
        auto unit = std::ranges::find(shown.category->units, id, &UnitDefinition::id);
        if (unit != shown.category->units.end() && isCandidate(*unit))
            shown.pinned.push_back(&*unit);
    }
    for (const auto& unit : shown.category->units)
        if (isCandidate(unit) && std::ranges::find(pinnedIds, unit.id) == pinnedIds.end())
            shown.others.push_back(&unit);
    shown.others = preferences_->orderedUnits(
        std::move(shown.others), categoryId,
        [](const UnitDefinition* unit) -> const std::string& { return unit->id; });
    return shown;
}

ValueDisplay ConversionContext::valueDisplay(std::string_view categoryId,
                                             const std::string& locale) const {
    auto digits =
        static_cast<int>(std::clamp<std::int64_t>(preferences_->significantDigits, 1, INT_MAX));
    ValueDisplay display{ValueFormatter(digits, locale)};
    if (const auto* conversion = customLibrary_->conversion(categoryId);
        conversion && conversion->decimals) {
        display.form = ValueDisplay::Form::fixed;
        display.fractionDigits =
            static_cast<int>(std::clamp<std::int64_t>(*conversion->decimals, 0, INT_MAX));
    } else if (categoryId == catalog_->currencyCategoryId()) {
        display.form = ValueDisplay::Form::currency;
        display.fractionDigits = 2;
    }
    return display;
}

std::string ValueDisplay::format(double value) const {
    switch (form) {
    case Form::fixed:
        return formatter.formatFixed(fractionDigits, value);
    case Form::currency:
        return formatter.formatCurrency(fractionDigits, value);
    case Form::significant:
        break;
    }
    return formatter.format(value);
}

} // namespace ravodozu
