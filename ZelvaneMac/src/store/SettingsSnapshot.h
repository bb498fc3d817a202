// SettingsSnapshot: a copy of the settings file's values that can be read without Qt.
#pragma once

#include <filesystem>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

class SettingsFile;

/// Kept beside the settings file (its path with ".snapshot" appended) and stamped with a hash of
/// that file's contents: any change to the file, by another process or by hand, makes the
/// snapshot stale, and a stale snapshot is never used.
class SettingsSnapshot {
  public:
    /// The snapshot of `settingsFile`, when one exists and still matches that file.
    static std::optional<SettingsSnapshot> read(const std::filesystem::path& settingsFile);

    /// Records what `settingsFile` holds now, read through a `SettingsFile`. Does nothing when
    /// that cannot be done faithfully (a damaged file, values that are not text, an unwritable
    /// folder): readers then simply use the file.
    static void refresh(const std::filesystem::path& settingsFile);

    std::optional<std::string> value(std::string_view key) const;
    std::vector<std::string> keys() const;

  private:
    std::map<std::string, std::string, std::less<>> values_;
};

} // namespace zelvane
