// CategoryNames: the name a category is shown under.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "RavoDozu/ConversionContext.h"

namespace zelvane {

/// A custom category ("custom." + id): the name of that conversion in the context's custom
/// library, or "" when it has none. A pack category: its name, " · " and the pack's name. Any
/// other id: the category's name in the first of `languages` that has one (the catalog's own
/// names stand in for interface translations). "" for an id that names no category.
std::string categoryDisplayName(std::string_view categoryId,
                                const ravodozu::ConversionContext& context,
                                std::span<const std::string> languages);

} // namespace zelvane
