#include "RavoDozu/RegionProfile.h"

#include <algorithm>
#include <mutex>
#include <ostream>

#include "JsonReader.h"
#include "RavoDozu/LocalizedText.h"

namespace ravodozu {

namespace {
using detail::JsonReader;

constexpr std::array<std::string_view, RegionProfile::caseCount> caseNames{
    "mainlandChina", "unitedStates", "unitedKingdom", "taiwan",   "hongKong", "japan",
    "korea",         "germany",      "france",        "spain",    "mexico",   "italy",
    "brazil",        "thailand",     "malaysia",      "indonesia"};

RegionProfile::Entry readEntry(const JsonReader& reader) {
    return {reader["from"].string(), reader["input"].string(), reader["pinned"].strings()};
}

RegionProfile::Presets readPresets(const JsonReader& reader) {
    RegionProfile::Presets presets;
    for (const auto& [categoryId, value] : reader.object())
        presets.emplace(categoryId, readEntry(reader[categoryId]));
    return presets;
}

RegionProfile::Region readRegion(const JsonReader& reader) {
    return {reader["id"].string(), reader["flag"].string(), reader["countries"].strings(),
            reader["languages"].strings(), readPresets(reader["presets"])};
}

std::string upperCased(std::string text) {
    std::ranges::transform(text, text.begin(), [](unsigned char c) {
        return static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
    });
    return text;
}

bool contains(const std::vector<std::string>& list, std::string_view wanted) {
    return std::ranges::find(list, wanted) != list.end();
}
} // namespace

std::string_view RegionProfile::rawValue() const {
    return caseNames[value_];
}

std::optional<RegionProfile> RegionProfile::named(std::string_view rawValue) {
    auto found = std::ranges::find(caseNames, rawValue);
    if (found == caseNames.end())
        return std::nullopt;
    return static_cast<Case>(found - caseNames.begin());
}

Result<RegionProfile, DecodingError> RegionProfile::decode(const nlohmann::json& value) {
    return detail::decodeWith(
        [&] { return named(JsonReader(value).string()).value_or(mainlandChina); });
}

Result<RegionProfile::File, DecodingError>
RegionProfile::File::decode(const nlohmann::json& value) {
    return detail::decodeWith([&] {
        JsonReader reader(value);
        return File{readPresets(reader["universal"]), reader["regions"].list(readRegion)};
    });
}

const RegionProfile::Entry& RegionProfile::fallbackEntry() {
    static const Entry fallback{"", "1", {}};
    return fallback;
}

const RegionProfile::Entry& RegionProfile::preset(std::string_view categoryId) const {
    return Tables::bundled().preset(*this, categoryId);
}

std::optional<std::string> RegionProfile::regionFlag() const {
    return Tables::bundled().regionFlag(*this);
}

RegionProfile RegionProfile::detect(const std::optional<std::string>& regionIdentifier,
                                    std::span<const std::string> preferredLanguages) {
    return Tables::bundled().detect(regionIdentifier, preferredLanguages);
}

std::vector<RegionProfile>
RegionProfile::matchingRegions(const std::optional<std::string>& regionIdentifier,
                               std::span<const std::string> preferredLanguages) {
    return Tables::bundled().matchingRegions(regionIdentifier, preferredLanguages);
}

RegionProfile::Tables::Tables(File file) : universal_(std::move(file.universal)) {
    for (auto& record : file.regions) {
        auto region = named(record.id);
        if (!region)
            continue;
        std::vector<std::string> normalized;
        for (const auto& language : record.languages)
            normalized.push_back(normalizedLanguage(language));
        regions_[*region] = Loaded{std::move(record), std::move(normalized)};
    }
}

RegionProfile::Tables RegionProfile::Tables::load(const ResourceBundle& bundle) {
    auto path = bundle.resource("presets", "json", "units");
    if (!path)
        return {};
    auto bytes = detail::readFile(*path);
    if (!bytes)
        return {};
    auto document = detail::parseJson(*bytes);
    if (!document)
        return {};
    auto file = File::decode(*document);
    if (!file)
        return {};
    return Tables(std::move(file).value());
}

const RegionProfile::Tables& RegionProfile::Tables::bundled() {
    static std::once_flag once;
    static Tables tables;
    std::call_once(once, [] { tables = load(ResourceBundle::core()); });
    return tables;
}

const RegionProfile::Tables::Loaded* RegionProfile::Tables::loaded(RegionProfile region) const {
    const auto& slot = regions_[region];
    return slot ? &*slot : nullptr;
}

const RegionProfile::Region* RegionProfile::Tables::region(RegionProfile region) const {
    const auto* found = loaded(region);
    return found ? &found->record : nullptr;
}

const RegionProfile::Entry& RegionProfile::Tables::preset(RegionProfile region,
                                                          std::string_view categoryId) const {
    if (const auto* record = this->region(region)) {
        if (auto own = record->presets.find(categoryId); own != record->presets.end())
            return own->second;
    }
    if (auto shared = universal_.find(categoryId); shared != universal_.end())
        return shared->second;
    return fallbackEntry();
}

std::optional<std::string> RegionProfile::Tables::regionFlag(RegionProfile region) const {
    const auto* record = this->region(region);
    if (!record)
        return std::nullopt;
    return record->flag;
}

RegionProfile RegionProfile::Tables::detect(const std::optional<std::string>& regionIdentifier,
                                            std::span<const std::string> preferredLanguages) const {
    // The first match is the first element of the full list, which puts countries first.
    auto matches = matchingRegions(regionIdentifier, preferredLanguages.first(std::min<std::size_t>(
                                                         1, preferredLanguages.size())));
    return matches.empty() ? RegionProfile(mainlandChina) : matches.front();
}

std::vector<RegionProfile>
RegionProfile::Tables::matchingRegions(const std::optional<std::string>& regionIdentifier,
                                       std::span<const std::string> preferredLanguages) const {
    std::vector<RegionProfile> matches;
    auto append = [&](RegionProfile region) {
        if (std::ranges::find(matches, region) == matches.end())
            matches.push_back(region);
    };
    if (regionIdentifier) {
        auto country = upperCased(*regionIdentifier);
        for (auto region : allCases())
            if (const auto* found = loaded(region);
                found && contains(found->record.countries, country))
                append(region);
    }
    if (!preferredLanguages.empty()) {
        auto language = normalizedLanguage(preferredLanguages.front());
        for (auto region : allCases())
            if (const auto* found = loaded(region);
                found && contains(found->normalizedLanguages, language))
                append(region);
    }
    return matches;
}

std::ostream& operator<<(std::ostream& out, RegionProfile region) {
    return out << region.rawValue();
}

} // namespace ravodozu
