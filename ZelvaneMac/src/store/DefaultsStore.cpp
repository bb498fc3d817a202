#include "DefaultsStore.h"

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <system_error>

#include <pwd.h>
#include <unistd.h>

#include <QByteArray>
#include <QSettings>
#include <QString>
#include <QVariant>

namespace zelvane {

namespace {

QString toQString(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

std::filesystem::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return std::filesystem::current_path();
}

} // namespace

// QSettings with an explicit file needs no QCoreApplication; it rewrites the whole file through
// QSaveFile (atomic rename) and merges its pending changes into what is on disk at each sync, so
// keys written meanwhile by another process are kept too.
struct DefaultsStore::Settings {
    explicit Settings(const std::filesystem::path& file)
        : settings(QString::fromStdString(file.string()), QSettings::IniFormat) {
        settings.setFallbacksEnabled(false);
    }
    QSettings settings;
};

DefaultsStore::DefaultsStore(std::filesystem::path file)
    : file_(std::move(file)), settings_(std::make_unique<Settings>(file_)),
      damaged_(settings_->settings.status() == QSettings::FormatError) {}

DefaultsStore::~DefaultsStore() = default;

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
    QVariant value = settings_->settings.value(toQString(key));
    if (!value.isValid())
        return std::nullopt;
    return value.toByteArray().toStdString();
}

void DefaultsStore::clearStickyStatus() {
    // QSettings keeps the first error it met for the life of the object, so a past failure (or a
    // damaged file since replaced) would taint every later write. A new object re-reads the file.
    if (settings_->settings.status() == QSettings::FormatError)
        damaged_ = true;
    if (settings_->settings.status() != QSettings::NoError)
        settings_ = std::make_unique<Settings>(file_);
}

bool DefaultsStore::set(std::string_view key, std::string_view bytes) {
    clearStickyStatus();
    auto previous = data(key);
    settings_->settings.setValue(toQString(key),
                                 QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size())));
    return commit(key, previous);
}

bool DefaultsStore::remove(std::string_view key) {
    clearStickyStatus();
    auto previous = data(key);
    if (!previous) {
        lastError_.clear();
        return true;
    }
    settings_->settings.remove(toQString(key));
    return commit(key, previous);
}

std::vector<std::string> DefaultsStore::keys() const {
    std::vector<std::string> result;
    for (const QString& key : settings_->settings.allKeys())
        result.push_back(key.toStdString());
    std::ranges::sort(result);
    return result;
}

bool DefaultsStore::commit(std::string_view key, const std::optional<std::string>& previous) {
    lastError_ = writeProblem();
    if (lastError_.empty()) {
        keepDamagedCopy();
        settings_->settings.sync();
        if (settings_->settings.status() != QSettings::AccessError) {
            damaged_ = false;
            return true;
        }
        lastError_ = "cannot write " + file_.string();
    }
    // Keep memory in step with the disk: a value that was not written must not be read back.
    if (previous)
        settings_->settings.setValue(
            toQString(key), QByteArray(previous->data(), static_cast<qsizetype>(previous->size())));
    else
        settings_->settings.remove(toQString(key));
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
