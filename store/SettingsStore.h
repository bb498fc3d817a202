// SettingsStore: the one settings file of a user, shared by the panel and zelvane-cli.
#pragma once

#include <cstdint>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "RavoDozu/Result.h"

namespace zelvane {

/// A stored record's bytes. Bytes that are a JSON object or array are kept in the file as that
/// JSON, so a person can read them; other bytes are kept in a form that gives them back exactly.
struct SettingData {
    std::string bytes;
    bool operator==(const SettingData&) const = default;
};

/// One stored value, typed as the owner of its key stores it.
using SettingValue = std::variant<double, bool, std::string, SettingData>;

/// The value as the settings file holds it, as compact JSON: a whole number without a point, a
/// text quoted, data that is a JSON object or array as that JSON.
std::string settingJson(const SettingValue& value);

/// Why the file could not be read or written, for a person ("cannot write /x/settings.json:
/// permission denied").
struct StoreError {
    std::string message;
};

using StoreResult = ravodozu::Result<std::monostate, StoreError>;

/// The settings file "$XDG_CONFIG_HOME/zelvane/settings.json": one JSON object of named values.
///
/// Reads see the file as it is on disk: it is parsed again whenever it changed since the last
/// read (another process, or a hand edit). Every write takes an advisory lock on the file,
/// re-reads it, applies the change, and replaces it atomically (temporary file, fsync, rename),
/// so that several processes writing at once lose no key. A file that cannot be parsed, nests
/// deeper than `ravodozu::maxJsonDepth` or is larger than `maxFileBytes` reads as what could
/// safely be read of it; it is copied (mode 0600) to `damagedCopyPath()` before it is first
/// rewritten. A path that is not a regular file reads as empty and is never written over.
/// Thread-compatible: one thread at a time per instance.
class SettingsStore {
  public:
    /// The largest file read, and written: a hundred times what a heavy user stores, small
    /// enough to read in a few milliseconds.
    static constexpr std::size_t maxFileBytes = std::size_t{1} << 20;

    explicit SettingsStore(std::filesystem::path file);

    /// "$XDG_CONFIG_HOME/zelvane/settings.json", XDG_CONFIG_HOME defaulting to "$HOME/.config"
    /// when unset, empty or not absolute.
    static std::filesystem::path standardPath();
    /// The process's store at standardPath(), created on first use.
    static SettingsStore& standard();

    const std::filesystem::path& path() const { return file_; }
    /// The path with ".damaged" appended.
    std::filesystem::path damagedCopyPath() const { return file_.string() + ".damaged"; }

    std::optional<SettingValue> value(std::string_view key) const;
    /// Typed reads: none when the key is missing or holds a value of another type.
    std::optional<double> number(std::string_view key) const;
    std::optional<bool> boolean(std::string_view key) const;
    std::optional<std::string> text(std::string_view key) const;
    std::optional<std::string> data(std::string_view key) const;
    /// Every stored key, sorted.
    std::vector<std::string> keys() const;

    StoreResult set(std::string_view key, SettingValue value) {
        return apply({{std::string(key), std::move(value)}});
    }
    StoreResult remove(std::string_view key) { return apply({{std::string(key), std::nullopt}}); }
    /// Several changes in one write: a value sets its key, none removes it.
    using Change = std::pair<std::string, std::optional<SettingValue>>;
    StoreResult apply(const std::vector<Change>& changes);

    /// Replaces the value under `key` with what `edit` makes of the one in the file now (none
    /// when missing), under the write lock, so an edit never writes an older copy of a record
    /// over a newer one. `edit` answering none removes the key.
    using Edit = std::function<std::optional<SettingValue>(std::optional<SettingValue>)>;
    StoreResult update(std::string_view key, const Edit& edit);

    /// Why the file on disk could not be read, or was read only in part; none when it was fine.
    std::optional<StoreError> readProblem() const;

  private:
    using Values = std::map<std::string, SettingValue, std::less<>>;
    /// What identifies one version of the file on disk.
    struct FileStamp {
        std::uintmax_t device = 0;
        std::uintmax_t inode = 0;
        std::intmax_t size = 0;
        std::intmax_t modifiedNanoseconds = 0;
        bool operator==(const FileStamp&) const = default;
    };

    /// Parses the file again when it changed since it was last read (or always, when `force`).
    void refresh(bool force) const;
    /// Holds nothing read; `whyUnreadable` becomes the read problem.
    void forget(std::optional<std::string> whyUnreadable) const;
    /// Takes the values of the file's `bytes`, the first `maxFileBytes` of it when `oversized`.
    void load(std::string_view bytes, bool oversized) const;
    /// Changes the values as they are on disk now, under the lock; a change that answers an
    /// error leaves the file as it is.
    StoreResult write(const std::function<std::optional<StoreError>(Values&)>& change);
    StoreResult replaceFile(const Values& values) const;
    StoreResult keepDamagedCopy() const;
    StoreError problem(std::string_view action, const std::filesystem::path& path,
                       std::string_view reason) const;

    std::filesystem::path file_;
    mutable Values values_;
    mutable std::optional<FileStamp> stamp_; ///< None while the file is missing or unread.
    mutable bool damaged_ = false; ///< Parsed only in part (or not at all), not yet rewritten.
    mutable std::optional<StoreError> readProblem_;
};

} // namespace zelvane
