#include "RavoDozu/UnitCatalog.h"

#include <algorithm>
#include <mutex>
#include <stdexcept>

#include "CatalogIndex.h"
#include "CatalogReaders.h"
#include "CldrNames.h"

namespace ravodozu {

namespace {
template <class Range, class Key>
auto firstWith(const Range& range, Key Range::value_type::*key, std::string_view wanted) -> const
    typename Range::value_type* {
    auto found = std::ranges::find(range, wanted, key);
    return found == range.end() ? nullptr : &*found;
}

} // namespace

namespace detail {
// "cldrUnit" names the unit in CLDR's terms, where ICU knows it: ICU names it in every language
// the data leaves out.
UnitDefinition readUnitDefinition(const JsonReader& reader) {
    auto name = reader["name"].localizedText();
    if (auto cldrUnit = reader.find("cldrUnit"))
        addMissingNames(name, [identifier = cldrUnit->string()](std::string_view language) {
            return cldrUnitName(identifier, language);
        });
    return {reader["id"].string(), reader["symbol"].string(), std::move(name),
            readConversion(reader["conversion"])};
}

UnitCategory readUnitCategory(const JsonReader& reader) {
    return {reader["id"].string(), reader["name"].localizedText(), reader["base"].string(),
            reader["units"].list(readUnitDefinition)};
}

CurrencyCatalog readCurrencyCatalog(const JsonReader& reader) {
    auto readCurrency = [](const JsonReader& currency) {
        auto code = currency["code"].string();
        auto name = currency["name"].localizedText();
        addMissingNames(
            name, [&](std::string_view language) { return cldrCurrencyName(code, language); });
        return CurrencyInfo{std::move(code), currency["symbol"].string(), std::move(name)};
    };
    return {reader["id"].string(), reader["name"].localizedText(), reader["base"].string(),
            reader["defaultCurrencies"].strings(), reader["currencies"].list(readCurrency)};
}

Result<std::string, CatalogError>
readResource(const ResourceBundle& bundle, const std::string& name, std::string_view subdirectory) {
    auto path = bundle.resource(name, "json", subdirectory);
    if (!path)
        return fail(CatalogError{CatalogError::Kind::missingResource, name, {}});
    auto bytes = readFile(*path);
    if (!bytes)
        return fail(CatalogError{
            CatalogError::Kind::unreadableResource, name, {"", "The file could not be read."}});
    return std::move(*bytes);
}
} // namespace detail

struct UnitCatalog::Data {
    std::vector<UnitCategory> categories;
    CurrencyCatalog currency;
    std::string currencyId; // readable before the currencies are decoded

    // Set only for a catalog decoded on first use: the checked file contents and where each
    // category sits in them. Each slot of `categories` is filled under its own flag.
    std::string coreText;
    std::string currencyText;
    std::vector<detail::CatalogIndex::Span> spans;
    std::unique_ptr<std::once_flag[]> categoryOnce;
    std::once_flag currencyOnce;

    bool deferred() const { return !spans.empty(); }
    std::string_view idAt(std::size_t i) const {
        return deferred() ? std::string_view(spans[i].categoryId) : categories[i].id;
    }

    const UnitCategory& categoryAt(std::size_t i) {
        if (deferred())
            std::call_once(categoryOnce[i], [&] {
                categories[i] = decodedOrThrow<UnitCategory>(
                    "core", std::string_view(coreText).substr(spans[i].offset, spans[i].length),
                    detail::readUnitCategory);
            });
        return categories[i];
    }

    const CurrencyCatalog& decodedCurrency() {
        if (deferred())
            std::call_once(currencyOnce, [&] {
                currency = decodedOrThrow<CurrencyCatalog>("currency", currencyText,
                                                           detail::readCurrencyCatalog);
            });
        return currency;
    }

    // The index was made from these very bytes after they decoded in full, so a failure here
    // means the bundle's build step is broken, not that the user's data is bad.
    template <class T, class Read>
    static T decodedOrThrow(const std::string& name, std::string_view bytes, Read read) {
        auto decoded = detail::decodeResource<T>(name, bytes, read);
        if (!decoded)
            throw std::logic_error("catalog index out of step with " + decoded.error().describe());
        return std::move(decoded).value();
    }
};

namespace {
std::optional<detail::CatalogIndex>
matchingIndex(const ResourceBundle& bundle, std::string_view core, std::string_view currency) {
    auto path = bundle.resource(detail::CatalogIndex::resourceName, "json", "units");
    auto text = path ? detail::readFile(*path) : std::nullopt;
    auto index = text ? detail::CatalogIndex::decode(*text) : std::nullopt;
    if (!index || index->categories.empty() || !index->describes(core, currency))
        return std::nullopt;
    for (const auto& span : index->categories)
        if (span.offset > core.size() || span.length > core.size() - span.offset)
            return std::nullopt;
    return index;
}
} // namespace

UnitCatalog::UnitCatalog(std::vector<UnitCategory> categories, CurrencyCatalog currency)
    : data_(std::make_shared<Data>()) {
    data_->categories = std::move(categories);
    data_->currency = std::move(currency);
    data_->currencyId = data_->currency.id;
}

const std::vector<UnitCategory>& UnitCatalog::categories() const {
    for (std::size_t i = 0; i < data_->categories.size(); ++i)
        data_->categoryAt(i);
    return data_->categories;
}

std::size_t UnitCatalog::categoryCount() const {
    return data_->categories.size();
}

const CurrencyCatalog& UnitCatalog::currency() const {
    return data_->decodedCurrency();
}

const std::string& UnitCatalog::currencyCategoryId() const {
    return data_->currencyId;
}

const UnitDefinition* UnitCategory::unit(std::string_view unitId) const {
    return firstWith(units, &UnitDefinition::id, unitId);
}

const CurrencyInfo* CurrencyCatalog::currency(std::string_view code) const {
    return firstWith(currencies, &CurrencyInfo::code, code);
}

const UnitCategory* UnitCatalog::category(std::string_view id) const {
    for (std::size_t i = 0; i < data_->categories.size(); ++i)
        if (data_->idAt(i) == id)
            return &data_->categoryAt(i);
    return nullptr;
}

bool UnitCatalog::operator==(const UnitCatalog& other) const {
    return data_ == other.data_ ||
           (categories() == other.categories() && currency() == other.currency());
}

std::string CatalogError::describe() const {
    switch (kind) {
    case Kind::missingResource:
        return "missing resource: " + resource;
    case Kind::unreadableResource:
        return resource + ": " + decoding.message;
    case Kind::invalidData:
        return resource + ": " + decoding.describe();
    }
    return resource;
}

Result<UnitCatalog, CatalogError> UnitCatalog::load(const ResourceBundle& bundle) {
    auto coreText = detail::readResource(bundle, "core", "units");
    if (!coreText)
        return fail(coreText.error());
    auto currencyText = detail::readResource(bundle, "currency", "units");
    if (currencyText)
        if (auto index = matchingIndex(bundle, *coreText, *currencyText)) {
            auto data = std::make_shared<Data>();
            data->categories.resize(index->categories.size());
            data->categoryOnce = std::make_unique<std::once_flag[]>(index->categories.size());
            data->currencyId = std::move(index->currencyCategoryId);
            data->spans = std::move(index->categories);
            data->coreText = std::move(*coreText);
            data->currencyText = std::move(*currencyText);
            return UnitCatalog(std::move(data));
        }

    auto core = detail::decodeResource<std::vector<UnitCategory>>(
        "core", *coreText, [](const detail::JsonReader& file) {
            return file["categories"].list(detail::readUnitCategory);
        });
    if (!core)
        return fail(core.error());
    if (!currencyText)
        return fail(currencyText.error());
    auto currency = detail::decodeResource<CurrencyCatalog>("currency", *currencyText,
                                                            detail::readCurrencyCatalog);
    if (!currency)
        return fail(currency.error());
    return UnitCatalog{std::move(core).value(), std::move(currency).value()};
}

Result<UnitCatalog, CatalogError> UnitCatalog::loadBundled() {
    return load(ResourceBundle::core());
}

Result<UnitCategory, DecodingError> decodeUnitCategory(const nlohmann::json& object) {
    return detail::decodeWith([&] { return detail::readUnitCategory(object); });
}

Result<CurrencyCatalog, DecodingError> decodeCurrencyCatalog(const nlohmann::json& object) {
    return detail::decodeWith([&] { return detail::readCurrencyCatalog(object); });
}

} // namespace ravodozu
