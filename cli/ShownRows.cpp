#include "ShownRows.h"

#include <iostream>

namespace zelvane::cli {

nlohmann::json rowJson(const ShownConversion::Row& row) {
    nlohmann::json object{{"unitId", row.unit->id},
                          {"symbol", row.unit->symbol},
                          {"text", row.text},
                          {"isPinned", row.isPinned}};
    if (row.magnitude)
        object["magnitude"] = *row.magnitude;
    return object;
}

void printRow(const ShownConversion::Row& row, bool isTarget,
              std::span<const std::string> languages) {
    const char* mark = isTarget ? "→" : row.isPinned ? "*" : " ";
    std::cout << mark << " " << row.text << " " << row.unit->symbol << "  "
              << row.unit->name.resolve(languages);
    if (row.magnitude)
        std::cout << " (" << *row.magnitude << ")";
    std::cout << "\n";
}

} // namespace zelvane::cli
