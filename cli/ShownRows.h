// ShownRows: how the commands that list converted rows print one row.
#pragma once

#include <span>
#include <string>

#include <nlohmann/json.hpp>

#include "ShownConversion.h"

namespace zelvane::cli {

/// {"unitId", "symbol", "text", "isPinned", "magnitude" when there is one}.
nlohmann::json rowJson(const ShownConversion::Row& row);
/// "→ 3.107 mi  Mile" for the target, "*" for a pinned row, a blank for the others.
void printRow(const ShownConversion::Row& row, bool isTarget,
              std::span<const std::string> languages);

} // namespace zelvane::cli
