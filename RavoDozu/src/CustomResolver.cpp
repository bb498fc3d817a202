#include "RavoDozu/CustomResolver.h"

#include <mutex>

#include "RavoDozu/NumberText.h"

namespace ravodozu {

const ResolvedCustomLibrary ResolvedCustomLibrary::empty{};

namespace {

const Conversion identity = LinearConversion{1};

UnitDefinition definition(std::string id, const CustomUnit& unit, Conversion conversion) {
    return {std::move(id), unit.symbol.empty() ? unit.name : unit.symbol,
            LocalizedText{{{"en", unit.name}}}, std::move(conversion)};
}

Conversion unavailable(const Conversion& reference) {
    return CustomMappingConversion{CustomMapping::unavailable(reference)};
}

/// The single entry: the last library resolved, under which stamp, and the result.
struct ResolveCache {
    struct Key {
        std::shared_ptr<const CustomLibrary> library;
        std::string stamp;
    };
    std::mutex lock;
    std::optional<Key> key;
    ResolvedLibraryRef value;

    static ResolveCache& shared() {
        static ResolveCache cache;
        return cache;
    }
};

} // namespace

CustomResolver::CustomResolver(const UnitCatalog& catalog, std::optional<ExchangeRates> rates)
    : catalog_(&catalog), rates_(std::move(rates)),
      currencies_(currencyCategory(catalog.currency(), rates_)) {}

const UnitCategory* CustomResolver::category(std::string_view id) const {
    if (id == catalog_->currencyCategoryId())
        return &currencies_;
    return catalog_->category(id);
}

std::optional<Conversion> CustomResolver::conversion(std::string_view reference) const {
    auto dot = reference.find('.');
    if (dot == std::string_view::npos || reference.find('.', dot + 1) != std::string_view::npos)
        return std::nullopt;
    const auto* found = category(reference.substr(0, dot));
    const auto* unit = found ? found->unit(reference.substr(dot + 1)) : nullptr;
    if (!unit)
        return std::nullopt;
    return unit->conversion;
}

CustomReferenceLookup CustomResolver::lookup() const {
    return [this](std::string_view reference) { return conversion(reference); };
}

ResolvedCustomLibrary CustomResolver::resolve(const CustomLibrary& library) const {
    ResolvedCustomLibrary resolved;
    auto references = lookup();

    for (const auto& custom : library.conversions) {
        UnitCategory category{"custom." + custom.id,
                              LocalizedText{{{"en", custom.name}}},
                              custom.units.empty() ? std::string() : custom.units.front().id,
                              {}};
        category.units.reserve(custom.units.size());
        for (std::size_t i = 0; i < custom.units.size(); ++i) {
            const auto& unit = custom.units[i];
            Conversion conversion = identity;
            // The first unit is the base whatever rule it carries.
            if (i > 0 && unit.rule) {
                auto compiled = compile(*unit.rule, custom.parameters, identity, references);
                if (compiled) {
                    conversion = CustomMappingConversion{compiled->mapping};
                    resolved.statuses.insert_or_assign(unit.id, compiled->status);
                } else {
                    conversion = unavailable(identity);
                    resolved.errors.insert_or_assign(unit.id, compiled.error());
                }
            }
            category.units.push_back(definition(unit.id, unit, std::move(conversion)));
        }
        resolved.categories.insert_or_assign(category.id, std::move(category));
    }

    for (const auto& extra : library.extras) {
        auto key = "custom." + extra.id;
        const auto* category = this->category(extra.categoryId);
        const auto* reference = category ? category->unit(extra.referenceUnitId) : nullptr;
        Conversion conversion = identity;
        if (!reference || !extra.unit.rule) {
            conversion = unavailable(identity);
            resolved.errors.insert_or_assign(
                key, CustomError::unknownUnit(extra.categoryId + "." + extra.referenceUnitId));
        } else if (auto compiled = compile(*extra.unit.rule, extra.parameters,
                                           reference->conversion, references)) {
            conversion = CustomMappingConversion{compiled->mapping};
            resolved.statuses.insert_or_assign(key, compiled->status);
        } else {
            conversion = unavailable(reference->conversion);
            resolved.errors.insert_or_assign(key, compiled.error());
        }
        resolved.extraUnits[extra.categoryId].push_back(
            definition(key, extra.unit, std::move(conversion)));
    }
    return resolved;
}

std::string resolveStamp(const UnitCatalog& catalog, const ExchangeRates* rates) {
    double updatedAt = rates ? ReferenceDate::toUnix(rates->updatedAt) : 0;
    double fetchedAt = rates && rates->fetchedAt ? ReferenceDate::toUnix(*rates->fetchedAt) : 0;
    std::size_t count = rates ? rates->rates.size() : 0;
    return shortestNumberText(updatedAt) + "|" + shortestNumberText(fetchedAt) + "|" +
           std::to_string(count) + "|" + std::to_string(catalog.categoryCount());
}

namespace {
const ResolvedLibraryRef& sharedEmpty() {
    // Points at the static empty value without owning it.
    static const ResolvedLibraryRef empty(std::shared_ptr<void>(), &ResolvedCustomLibrary::empty);
    return empty;
}

// `shared` is the caller's own shared copy of `library`, when it has one: the cache then keeps
// that object, so the next call with it is recognised without comparing libraries.
ResolvedLibraryRef lookUpOrResolve(const UnitCatalog& catalog, const ExchangeRates* rates,
                                   const CustomLibrary& library,
                                   const std::shared_ptr<const CustomLibrary>* shared) {
    // Users without custom units never wait on the lock.
    if (library.isEmpty())
        return sharedEmpty();

    auto stamp = resolveStamp(catalog, rates);
    auto& cache = ResolveCache::shared();
    std::lock_guard guard(cache.lock);
    if (cache.key && cache.key->stamp == stamp) {
        if (cache.key->library.get() == &library)
            return cache.value;
        if (*cache.key->library == library) {
            if (shared)
                cache.key->library = *shared;
            return cache.value;
        }
    }
    auto ratesCopy = rates ? std::optional<ExchangeRates>(*rates) : std::nullopt;
    cache.value = std::make_shared<const ResolvedCustomLibrary>(
        CustomResolver(catalog, std::move(ratesCopy)).resolve(library));
    cache.key = ResolveCache::Key{shared ? *shared : std::make_shared<const CustomLibrary>(library),
                                  std::move(stamp)};
    return cache.value;
}
} // namespace

ResolvedLibraryRef resolvedLibrary(const UnitCatalog& catalog, const ExchangeRates* rates,
                                   const std::shared_ptr<const CustomLibrary>& library) {
    return lookUpOrResolve(catalog, rates, *library, &library);
}

ResolvedLibraryRef resolvedLibrary(const UnitCatalog& catalog,
                                   const std::optional<ExchangeRates>& rates,
                                   const CustomLibrary& library) {
    return lookUpOrResolve(catalog, rates ? &*rates : nullptr, library, nullptr);
}

} // namespace ravodozu
