#include "DefaultsStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

namespace zelvane {

namespace {

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

} // namespace

DefaultsStore::DefaultsStore(std::filesystem::path file) : file_(std::move(file)) {}

DefaultsStore::~DefaultsStore() = default;

SettingsFile* DefaultsStore::settings(bool forWriting) const {
    if (settings_)
        return settings_.get();
    // A missing file reads as empty without loading the settings plug-in at all.
    std::error_code ignored;
    if (!forWriting && !std::filesystem::exists(file_, ignored))
        return nullptr;
    std::string problem;
    settings_ = SettingsFile::open(file_, problem);
    if (!settings_) {
        lastError_ = problem;
        return nullptr;
    }
    if (settings_->status() == SettingsFile::Status::formatError)
        damaged_ = true;
    else if (!forWriting)
        SettingsSnapshot::refresh(file_); // so that the next process can read without Qt
    return settings_.get();
}

const SettingsSnapshot* DefaultsStore::snapshot() const {
    if (settings_)
        return nullptr; // once the file is open, it is the authority
    if (!snapshotRead_) {
        snapshotRead_ = true;
        snapshot_ = SettingsSnapshot::read(file_);
    }
    return snapshot_ ? &*snapshot_ : nullptr;
}

std::filesystem::path DefaultsStore::standardPath() {
    std::filesystem::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    if (!base.is_absolute())
        base = homeDirectory() / ".config";
    return base / "zelvane" / "zelvane.conf";
}

DefaultsStore& DefaultsStore::standard() {
    static DefaultsStore store(standardPath());
    return store;
}

std::optional<std::string> DefaultsStore::data(std::string_view key) const {
    if (const auto* copy = snapshot())
        return copy->value(key);
    auto* file = settings(false);
    return file ? file->value(key) : std::nullopt;
}

SettingsFile* DefaultsStore::writableSettings() {
    auto* file = settings(true);
    // QSettings keeps the first error it met for the life of the object, so a past failure (or a
    // damaged file since replaced) would taint every later write. A new object re-reads the file.
    if (file && file->status() != SettingsFile::Status::ok) {
        settings_.reset();
        file = settings(true);
    }
    return file;
}

bool DefaultsStore::set(std::string_view key, std::string_view bytes) {
    auto* file = writableSettings();
    if (!file)
        return false;
    auto previous = file->value(key);
    file->setValue(key, bytes);
    return commit(*file, key, previous);
}

bool DefaultsStore::remove(std::string_view key) {
    auto* file = writableSettings();
    if (!file)
        return false;
    auto previous = file->value(key);
    if (!previous) {
        lastError_.clear();
        return true;
    }
    file->remove(key);
    return commit(*file, key, previous);
}

std::vector<std::string> DefaultsStore::keys() const {
    if (const auto* copy = snapshot())
        return copy->keys();
    auto* file = settings(false);
    auto result = file ? file->keys() : std::vector<std::string>();
    std::ranges::sort(result);
    return result;
}

bool DefaultsStore::commit(SettingsFile& file, std::string_view key,
                           const std::optional<std::string>& previous) {
    lastError_ = writeProblem();
    if (lastError_.empty()) {
        keepDamagedCopy();
        file.sync();
        if (file.status() != SettingsFile::Status::accessError) {
            damaged_ = false;
            SettingsSnapshot::refresh(file_);
            return true;
        }
        lastError_ = "cannot write " + file_.string();
    }
    // Keep memory in step with the disk: a value that was not written must not be read back.
    if (previous)
        file.setValue(key, *previous);
    else
        file.remove(key);
    return false;
}

void DefaultsStore::keepDamagedCopy() {
    // A file QSettings could not parse is rewritten with only what it could read from it; the
    // original is kept beside it so that nothing the user had is lost without a trace.
    if (!damaged_)
        return;
    std::error_code ignored;
    std::filesystem::copy_file(file_, damagedCopyPath(),
                               std::filesystem::copy_options::overwrite_existing, ignored);
}

std::string DefaultsStore::writeProblem() const {
    // QSettings reports any failure as a bare "access error" (and not at all once it has met a
    // damaged file), so the usual causes are checked here first to name them.
    std::error_code error;
    auto folder = file_.parent_path();
    if (folder.empty())
        folder = ".";
    std::filesystem::create_directories(folder, error);
    if (error)
        return "cannot create folder " + folder.string() + ": " + error.message();
    if (std::filesystem::is_directory(file_, error))
        return "cannot write " + file_.string() + ": it is a folder";
    // The file is replaced by renaming a new copy into place, so its folder must be writable.
    if (access(folder.c_str(), W_OK | X_OK) != 0)
        return "cannot write " + file_.string() + ": " + std::generic_category().message(errno);
    return {};
}

} // namespace zelvane
