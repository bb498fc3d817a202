// SettingsFile: one INI settings file, read and written by Qt in a plug-in loaded on first use.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

/// The Qt side of the defaults store. It lives in its own shared module, libzelvane-settings.so,
/// because linking QtCore makes every process map and relocate it at start-up: a command that
/// finds no settings file, as on a first run, then never loads Qt at all.
class SettingsFile {
  public:
    enum class Status { ok, accessError, formatError };

    virtual ~SettingsFile() = default;

    /// The first error met since this object was made (QSettings keeps it).
    virtual Status status() const = 0;
    virtual std::optional<std::string> value(std::string_view key) const = 0;
    virtual void setValue(std::string_view key, std::string_view bytes) = 0;
    virtual void remove(std::string_view key) = 0;
    virtual std::vector<std::string> keys() const = 0;
    /// Merges the pending changes with the file on disk and writes it atomically.
    virtual void sync() = 0;

    /// The settings file at `path` through the plug-in; nullptr when the plug-in cannot be
    /// loaded, with the reason in `problem`.
    static std::unique_ptr<SettingsFile> open(const std::filesystem::path& path,
                                              std::string& problem);
};

} // namespace zelvane

/// The plug-in's one entry point.
extern "C" zelvane::SettingsFile* zelvane_open_settings_file(const char* path);
