// CustomTemplateLibrary: ready-made custom conversions shipped in the bundle, one variant per
// language, adopted by the user with one action.
#pragma once

#include <array>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/LocalizedText.h"
#include "RavoDozu/ResourceBundle.h"
#include "RavoDozu/Result.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

struct CustomTemplate {
    std::string id;
    std::string glyph; ///< A short symbol or emoji shown with the template.
    std::string tag;   ///< One of `templateTagOrder`.
    LocalizedText title;
    LocalizedText summary;
    /// Language code as written in the data ("en", "zh-Hans") → the conversion in it.
    std::map<std::string, CustomConversion, std::less<>> variants;
    bool operator==(const CustomTemplate&) const = default;
};

/// The only tags a loaded library holds, in this order.
inline constexpr std::array<std::string_view, 3> templateTagOrder{"life", "money", "sport"};

struct CustomTemplateLibrary {
    std::vector<std::pair<std::string, LocalizedText>> tags; ///< Tag id and name, in tag order.
    std::vector<CustomTemplate> templates;                   ///< In file order.
    bool operator==(const CustomTemplateLibrary&) const = default;
};

/// Reads templates/templates.json; a missing file is `missingResource` "templates", any read or
/// decoding problem fails the whole load.
Result<CustomTemplateLibrary, CatalogError> loadTemplates(const ResourceBundle& bundle);
Result<CustomTemplateLibrary, CatalogError> loadTemplates();

/// The templates whose tag is `tag`, in library order.
std::vector<CustomTemplate> templatesWithTag(const CustomTemplateLibrary& library,
                                             std::string_view tag);
/// The first template with that id, or nullptr.
const CustomTemplate* templateWithId(const CustomTemplateLibrary& library, std::string_view id);

/// The variant for the first of `languages` that has one (normalised), else English, else any;
/// cleaned like an import, so it has a fresh id. Should the clean-up refuse the variant, it is
/// returned as it is. A template without variants gives an empty conversion.
CustomConversion instantiate(const CustomTemplate& customTemplate,
                             std::span<const std::string> languages);

/// The number of units of the English variant (else of any variant); 0 without variants.
std::size_t previewUnitCount(const CustomTemplate& customTemplate);

} // namespace ravodozu
