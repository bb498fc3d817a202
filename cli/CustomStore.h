// CustomStore: the custom library and the custom category list in the user-defaults store,
// changed in place so that nothing already stored is lost.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "DefaultsStore.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomShare.h"
#include "RavoDozu/Result.h"

namespace zelvane::cli {

/// Appends the item to the stored library and, for a conversion, its category id to the
/// preferences' "customCategoryIds". Stored elements are kept as they are, even those that do
/// not decode. Refuses to write when the stored library or preferences cannot be read; none
/// on success, else why.
std::optional<std::string> storeCustomItem(DefaultsStore& store,
                                           const ravodozu::CustomShare::Payload& item);

/// Removes every conversion and extra unit with that id (or category id "custom." + id) and
/// the conversion's category from "customCategoryIds". None on success, else why.
std::optional<std::string> removeCustomItem(DefaultsStore& store, std::string_view id);

} // namespace zelvane::cli
