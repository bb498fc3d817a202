// CatalogCheck: what the shipped catalog must hold before a bundle is built from it.
#pragma once

#include <span>
#include <string>
#include <vector>

#include "RavoDozu/CustomTemplateLibrary.h"
#include "RavoDozu/ExtensionPack.h"
#include "RavoDozu/UnitCatalog.h"

namespace ravodozu {

/// Every category, unit and currency of `catalog`, and every text of `packs` (names, periods,
/// sources, notes), that has no text in one of the interface languages, as "length.dm: th, ms"
/// ("currency.USD: …", "ancient_china.length.chi: …"). Names ICU supplies count: the catalog
/// holds them once loaded.
std::vector<std::string> missingNames(const UnitCatalog& catalog,
                                      std::span<const ExtensionPack> packs);

/// Every tag name, template title and summary, and template without a variant, that an
/// interface language lacks, as "eggs.variants: ko".
std::vector<std::string> missingTexts(const CustomTemplateLibrary& templates);

} // namespace ravodozu
