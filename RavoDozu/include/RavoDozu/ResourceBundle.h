// ResourceBundle: the directory RavoDozu_RavoDozu.bundle that holds the core's data files.
#pragma once

#include <filesystem>
#include <optional>
#include <string_view>

namespace ravodozu {

struct ResourceBundle {
    std::filesystem::path root;

    /// root/subdirectory/name.extension when that file exists.
    std::optional<std::filesystem::path> resource(std::string_view name, std::string_view extension,
                                                  std::string_view subdirectory) const;

    /// The core's bundle, located once on first use. Candidates in order: $ZELVANE_BUNDLE_DIR
    /// (the bundle itself or its parent), <exe dir>/../share/zelvane, the directory of the binary
    /// holding this code, the executable's directory. None found: the process stops with
    /// "unable to find bundle named RavoDozu_RavoDozu".
    static const ResourceBundle& core();
};

} // namespace ravodozu
