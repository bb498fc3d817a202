// DefaultsStore: the user-defaults store, where all persisted user state lives between runs.
#pragma once

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "SettingsFile.h"
#include "SettingsSnapshot.h"

namespace zelvane {

/// One settings file of named values, each an opaque byte string (in practice the JSON of a
/// record: "preferences", "rates", "customLibrary", "categoryMemory", "keypad", "mac.*").
///
/// The interface uses plain standard types so that callers need no Qt. Every successful `set`
/// and `remove` is on disk when it returns: the whole file is rewritten atomically, and the keys
/// not touched keep their values. A file that is missing, unreadable or not a settings file
/// reads as empty (or as what could be read of it); it is never a crash, and a damaged file is
/// copied aside before it is first rewritten.
///
/// Reading goes through a Qt-free snapshot of the file while one matches it (see
/// SettingsSnapshot), so that a short command never loads Qt just to read its settings.
///
/// One instance per file per process; not safe to use from several threads at once.
class DefaultsStore {
  public:
    /// The store at `file`, e.g. standardPath(). The directory is created on the first write.
    explicit DefaultsStore(std::filesystem::path file);
    ~DefaultsStore();
    DefaultsStore(const DefaultsStore&) = delete;
    DefaultsStore& operator=(const DefaultsStore&) = delete;

    /// "$XDG_CONFIG_HOME/zelvane/zelvane.conf", with XDG_CONFIG_HOME defaulting to
    /// "$HOME/.config" when unset, empty or not absolute.
    static std::filesystem::path standardPath();
    /// The process's store at standardPath(), created on first use.
    static DefaultsStore& standard();

    const std::filesystem::path& path() const { return file_; }
    /// Where a file that could not be parsed is copied before the first write replaces it:
    /// the path with ".damaged" appended.
    std::filesystem::path damagedCopyPath() const { return file_.string() + ".damaged"; }

    /// The bytes stored under `key`; none when the key is absent.
    std::optional<std::string> data(std::string_view key) const;
    /// Stores `bytes` under `key` and writes the file. False when it could not be written;
    /// `lastError()` then says why, and the in-memory value is not kept.
    bool set(std::string_view key, std::string_view bytes);
    /// Removes `key` and writes the file. False when it could not be written (see `lastError`).
    bool remove(std::string_view key);
    /// Every stored key, sorted.
    std::vector<std::string> keys() const;

    /// Why the last failed `set` or `remove` failed, e.g. "cannot write /x/zelvane.conf: access
    /// denied", or why an existing file could not be read at all; empty after a success.
    const std::string& lastError() const { return lastError_; }

  private:
    /// The open file; none while nothing needs it (reading a file that does not exist) or when
    /// the settings plug-in cannot be loaded (then `lastError_` says so).
    SettingsFile* settings(bool forWriting) const;
    SettingsFile* writableSettings();
    /// The snapshot to read from while the file itself is not open; none when stale or absent.
    const SettingsSnapshot* snapshot() const;
    bool commit(SettingsFile& file, std::string_view key,
                const std::optional<std::string>& previous);
    std::string writeProblem() const;
    void keepDamagedCopy();

    std::filesystem::path file_;
    mutable std::unique_ptr<SettingsFile> settings_;
    mutable std::optional<SettingsSnapshot> snapshot_;
    mutable bool snapshotRead_ = false;
    mutable bool damaged_ =
        false; ///< The file on disk could not be parsed and is not yet rewritten.
    mutable std::string lastError_;
};

} // namespace zelvane
