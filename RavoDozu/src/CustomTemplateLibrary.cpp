#include "RavoDozu/CustomTemplateLibrary.h"

#include <algorithm>
#include <map>

#include "CatalogReaders.h"
#include "RavoDozu/CustomShare.h"

namespace ravodozu {

namespace {

// A conversion inside a data file: decoding errors keep their place in the file.
CustomConversion readConversion(const detail::JsonReader& reader) {
    auto decoded = decodeCustomConversion(reader.json());
    if (!decoded) {
        auto error = decoded.error();
        if (!error.codingPath.empty())
            error.codingPath = "." + error.codingPath;
        throw detail::DecodingFailure{{reader.path() + error.codingPath, error.message}};
    }
    return std::move(decoded).value();
}

CustomTemplate readTemplate(const detail::JsonReader& reader) {
    CustomTemplate result{
        reader["id"].string(),           reader["glyph"].string(),          reader["tag"].string(),
        reader["title"].localizedText(), reader["summary"].localizedText(), {}};
    auto variants = reader["variants"];
    for (const auto& [code, value] : variants.object())
        result.variants.emplace(code, readConversion({value, variants.path() + "." + code}));
    return result;
}

CustomTemplateLibrary readLibrary(const detail::JsonReader& reader) {
    CustomTemplateLibrary library;
    // Every tag must decode, even one that is not kept: data of the wrong type is an error in
    // the file however little of it is shown.
    auto tags = reader["tags"];
    std::map<std::string, LocalizedText, std::less<>> names;
    for (const auto& member : tags.object())
        names.emplace(member.first, tags[member.first].localizedText());
    for (auto tag : templateTagOrder)
        if (auto name = names.find(tag); name != names.end())
            library.tags.emplace_back(tag, name->second);
    library.templates = reader["templates"].list(readTemplate);
    return library;
}

} // namespace

Result<CustomTemplateLibrary, CatalogError> loadTemplates(const ResourceBundle& bundle) {
    return detail::loadResource<CustomTemplateLibrary>(bundle, "templates", "templates",
                                                       readLibrary);
}

Result<CustomTemplateLibrary, CatalogError> loadTemplates() {
    return loadTemplates(ResourceBundle::core());
}

std::vector<CustomTemplate> templatesWithTag(const CustomTemplateLibrary& library,
                                             std::string_view tag) {
    std::vector<CustomTemplate> result;
    std::ranges::copy_if(library.templates, std::back_inserter(result),
                         [&](const CustomTemplate& item) { return item.tag == tag; });
    return result;
}

const CustomTemplate* templateWithId(const CustomTemplateLibrary& library, std::string_view id) {
    auto found = std::ranges::find(library.templates, id, &CustomTemplate::id);
    return found == library.templates.end() ? nullptr : &*found;
}

CustomConversion instantiate(const CustomTemplate& customTemplate,
                             std::span<const std::string> languages) {
    // Not valid data, but adopting it must not crash: an empty conversion that checks reject.
    if (customTemplate.variants.empty()) {
        CustomConversion empty;
        empty.id = freshCustomId();
        return empty;
    }
    const CustomConversion* chosen = nullptr;
    for (const auto& code : languages) {
        auto found = customTemplate.variants.find(normalizedLanguage(code));
        if (found != customTemplate.variants.end()) {
            chosen = &found->second;
            break;
        }
    }
    if (!chosen) {
        auto english = customTemplate.variants.find("en");
        chosen = english != customTemplate.variants.end()
                     ? &english->second
                     : &customTemplate.variants.begin()->second;
    }
    auto cleaned = CustomShare::sanitizedConversion(*chosen);
    return cleaned ? std::move(cleaned).value() : *chosen;
}

std::size_t previewUnitCount(const CustomTemplate& customTemplate) {
    if (customTemplate.variants.empty())
        return 0;
    auto english = customTemplate.variants.find("en");
    const auto& variant = english != customTemplate.variants.end()
                              ? english->second
                              : customTemplate.variants.begin()->second;
    return variant.units.size();
}

} // namespace ravodozu
