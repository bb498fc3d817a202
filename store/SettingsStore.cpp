#include "SettingsStore.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstring>

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "RavoDozu/BoundedJson.h"

namespace zelvane {

namespace {

using nlohmann::ordered_json;
namespace fs = std::filesystem;

// Data that is not a JSON object or array is kept under one of these single keys: as text when
// it is UTF-8, else as hexadecimal digits.
constexpr std::string_view textDataKey = "$data";
constexpr std::string_view hexDataKey = "$hex";
// Beyond this, a double has gaps between whole numbers; it is stored as it is.
constexpr double largestExactWhole = 9007199254740992.0;

class FileDescriptor {
  public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0)
            ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int get() const { return fd_; }
    bool valid() const { return fd_ >= 0; }
    int release() { return std::exchange(fd_, -1); }

  private:
    int fd_;
};

template <class Stamp> Stamp stampOf(const struct stat& status) {
    return {status.st_dev, status.st_ino, status.st_size,
            status.st_mtim.tv_sec * 1'000'000'000LL + status.st_mtim.tv_nsec};
}

template <class T> std::optional<T> typed(const std::optional<SettingValue>& value) {
    if (const T* held = value ? std::get_if<T>(&*value) : nullptr)
        return *held;
    return std::nullopt;
}

std::string reason(int error) {
    return std::strerror(error);
}

fs::path homeDirectory() {
    if (const char* home = std::getenv("HOME"); home && *home)
        return home;
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_dir)
        return entry->pw_dir;
    return fs::current_path();
}

bool isUtf8(const std::string& text) {
    try {
        (void)ordered_json(text).dump();
        return true;
    } catch (const nlohmann::json::type_error&) {
        return false;
    }
}

std::string hexDigits(std::string_view bytes) {
    static constexpr char digits[] = "0123456789abcdef";
    std::string text;
    text.reserve(bytes.size() * 2);
    for (unsigned char byte : bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0xf];
    }
    return text;
}

std::optional<std::string> bytesOfHex(std::string_view text) {
    auto digit = [](char c) -> int {
        if (c >= '0' && c <= '9')
            return c - '0';
        if (c >= 'a' && c <= 'f')
            return c - 'a' + 10;
        return -1;
    };
    if (text.size() % 2 != 0)
        return std::nullopt;
    std::string bytes;
    for (std::size_t at = 0; at < text.size(); at += 2) {
        int high = digit(text[at]);
        int low = digit(text[at + 1]);
        if (high < 0 || low < 0)
            return std::nullopt;
        bytes += static_cast<char>(high * 16 + low);
    }
    return bytes;
}

bool isWrappedData(const ordered_json& value) {
    return value.is_object() && value.size() == 1 &&
           (value.contains(textDataKey) || value.contains(hexDataKey));
}

ordered_json encodeData(const std::string& bytes) {
    auto document = ravodozu::parseBoundedJson<ordered_json>(bytes);
    if ((document.is_object() || document.is_array()) && !isWrappedData(document))
        return document;
    ordered_json wrapped = ordered_json::object();
    if (isUtf8(bytes))
        wrapped[std::string(textDataKey)] = bytes;
    else
        wrapped[std::string(hexDataKey)] = hexDigits(bytes);
    return wrapped;
}

ordered_json encodeValue(const SettingValue& value) {
    struct Encoder {
        ordered_json operator()(double number) const {
            if (number == std::trunc(number) && std::fabs(number) <= largestExactWhole)
                return static_cast<std::int64_t>(number);
            return number;
        }
        ordered_json operator()(bool flag) const { return flag; }
        ordered_json operator()(const std::string& text) const { return text; }
        ordered_json operator()(const SettingData& data) const { return encodeData(data.bytes); }
    };
    return std::visit(Encoder{}, value);
}

// How a read of the file went as far as the parser goes.
enum class Completeness { whole, cutShort, tooDeep };

// The settings of a file that may have been cut short (a full disk, a crash of a writer that
// did not replace files atomically) or nested too deep to handle: the entries before the
// damage, and whether there was any. The entry the damage falls in is dropped whole, so no
// half-written record is ever read.
std::pair<ordered_json, Completeness> parseSettings(std::string_view bytes) {
    ordered_json document;
    ravodozu::BoundedJsonBuilder<ordered_json> builder(document);
    if (ordered_json::sax_parse(bytes, &builder, nlohmann::json::input_format_t::json, false))
        return {std::move(document), Completeness::whole};
    if (document.is_object() && !document.empty())
        document.erase(std::prev(document.end()).key());
    return {std::move(document),
            builder.tooDeep() ? Completeness::tooDeep : Completeness::cutShort};
}

std::optional<SettingValue> decodeValue(const ordered_json& value) {
    if (value.is_boolean())
        return value.get<bool>();
    if (value.is_number())
        return value.get<double>();
    if (value.is_string())
        return value.get<std::string>();
    if (isWrappedData(value)) {
        // items() hands out proxies whose key() points into the proxy itself: keep the
        // iterator, not a binding to a temporary.
        auto entry = value.begin();
        const std::string& key = entry.key();
        const auto& inner = entry.value();
        if (!inner.is_string())
            return std::nullopt;
        if (key == textDataKey)
            return SettingData{inner.get<std::string>()};
        if (auto bytes = bytesOfHex(inner.get_ref<const std::string&>()))
            return SettingData{std::move(*bytes)};
        return std::nullopt;
    }
    if (value.is_object() || value.is_array())
        return SettingData{value.dump()};
    return std::nullopt;
}

std::optional<StoreError> unstorable(std::string_view key, const SettingValue& value) {
    auto complaint = [&](std::string_view why) {
        return StoreError{"cannot store " + std::string(key) + ": " + std::string(why)};
    };
    if (!isUtf8(std::string(key)))
        return complaint("the key is not UTF-8 text");
    if (const auto* number = std::get_if<double>(&value); number && !std::isfinite(*number))
        return complaint("the number is not finite");
    if (const auto* text = std::get_if<std::string>(&value); text && !isUtf8(*text))
        return complaint("the text is not UTF-8");
    return std::nullopt;
}

// At most `limit` + 1 bytes: enough to tell a file larger than the limit without holding it.
std::optional<std::string> readAtMost(int fd, std::size_t limit) {
    std::string bytes;
    char buffer[16384];
    while (bytes.size() <= limit) {
        auto count = ::read(fd, buffer, std::min(sizeof buffer, limit + 1 - bytes.size()));
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return std::nullopt;
        if (count == 0)
            break;
        bytes.append(buffer, static_cast<std::size_t>(count));
    }
    return bytes;
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        auto count = ::write(fd, bytes.data(), bytes.size());
        if (count < 0 && errno == EINTR)
            continue;
        if (count < 0)
            return false;
        bytes.remove_prefix(static_cast<std::size_t>(count));
    }
    return true;
}

// Copies `from` into `to` byte for byte.
bool copyAll(int from, int to) {
    char buffer[65536];
    for (;;) {
        auto count = ::read(from, buffer, sizeof buffer);
        if (count < 0 && errno == EINTR)
            continue;
        if (count <= 0)
            return count == 0;
        if (!writeAll(to, std::string_view(buffer, static_cast<std::size_t>(count))))
            return false;
    }
}

} // namespace

std::string settingJson(const SettingValue& value) {
    return encodeValue(value).dump();
}

SettingsStore::SettingsStore(std::filesystem::path file) : file_(std::move(file)) {}

std::filesystem::path SettingsStore::standardPath() {
    fs::path base;
    if (const char* xdg = std::getenv("XDG_CONFIG_HOME"); xdg && *xdg)
        base = xdg;
    if (!base.is_absolute())
        base = homeDirectory() / ".config";
    return base / "zelvane" / "settings.json";
}

SettingsStore& SettingsStore::standard() {
    static SettingsStore store(standardPath());
    return store;
}

StoreError SettingsStore::problem(std::string_view action, const std::filesystem::path& path,
                                  std::string_view why) const {
    return {std::string(action) + " " + path.string() + ": " + std::string(why)};
}

void SettingsStore::refresh(bool force) const {
    // Non-blocking, so that a pipe put in the file's place cannot hang the reader.
    FileDescriptor fd(::open(file_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    struct stat status {};
    if (!fd.valid() || ::fstat(fd.get(), &status) != 0)
        return forget(errno == ENOENT ? std::nullopt : std::optional(reason(errno)));
    if (!S_ISREG(status.st_mode))
        return forget("not a regular file");
    auto stamp = stampOf<FileStamp>(status);
    if (!force && stamp_ == stamp)
        return;
    auto bytes = readAtMost(fd.get(), maxFileBytes);
    if (!bytes)
        return forget(reason(errno));
    stamp_ = stamp;
    load(std::string_view(*bytes).substr(0, maxFileBytes), bytes->size() > maxFileBytes);
}

void SettingsStore::forget(std::optional<std::string> whyUnreadable) const {
    values_.clear();
    stamp_.reset();
    damaged_ = false;
    readProblem_.reset();
    if (whyUnreadable)
        readProblem_ = problem("cannot read", file_, *whyUnreadable);
}

void SettingsStore::load(std::string_view bytes, bool oversized) const {
    values_.clear();
    damaged_ = false;
    readProblem_.reset();
    if (bytes.find_first_not_of(" \t\r\n") == std::string::npos && !oversized)
        return;
    auto [document, completeness] = parseSettings(bytes);
    if (!document.is_object()) {
        damaged_ = true;
        readProblem_ = problem("cannot read", file_, "not a JSON object of settings");
        return;
    }
    std::string unreadable;
    for (const auto& [key, stored] : document.items()) {
        if (auto value = decodeValue(stored))
            values_.insert_or_assign(key, std::move(*value));
        else
            unreadable += (unreadable.empty() ? "" : ", ") + key;
    }
    damaged_ = oversized || completeness != Completeness::whole || !unreadable.empty();
    if (!damaged_)
        return;
    const bool tooDeep = completeness == Completeness::tooDeep;
    readProblem_ = problem("cannot read", file_, [&] {
        if (oversized)
            return "larger than the " + std::to_string(maxFileBytes) +
                   " bytes a settings file may hold; the settings before that point are kept";
        if (tooDeep)
            return "nested deeper than " + std::to_string(ravodozu::maxJsonDepth) +
                   " levels; the settings before that point are kept";
        if (unreadable.empty())
            return std::string("cut short; the settings before the damage are kept");
        return "unreadable values under " + unreadable;
    }());
}

std::optional<SettingValue> SettingsStore::value(std::string_view key) const {
    refresh(false);
    auto found = values_.find(key);
    if (found == values_.end())
        return std::nullopt;
    return found->second;
}

std::optional<double> SettingsStore::number(std::string_view key) const {
    return typed<double>(value(key));
}

std::optional<bool> SettingsStore::boolean(std::string_view key) const {
    return typed<bool>(value(key));
}

std::optional<std::string> SettingsStore::text(std::string_view key) const {
    return typed<std::string>(value(key));
}

std::optional<std::string> SettingsStore::data(std::string_view key) const {
    auto stored = typed<SettingData>(value(key));
    return stored ? std::optional(std::move(stored->bytes)) : std::nullopt;
}

std::vector<std::string> SettingsStore::keys() const {
    refresh(false);
    std::vector<std::string> keys;
    for (const auto& entry : values_)
        keys.push_back(entry.first);
    return keys;
}

std::optional<StoreError> SettingsStore::readProblem() const {
    refresh(false);
    return readProblem_;
}

StoreResult SettingsStore::apply(const std::vector<Change>& changes) {
    for (const auto& [key, value] : changes)
        if (auto refused = value ? unstorable(key, *value) : std::nullopt)
            return ravodozu::fail(std::move(*refused));
    return write([&](Values& values) -> std::optional<StoreError> {
        for (const auto& [key, value] : changes) {
            if (value)
                values.insert_or_assign(key, *value);
            else if (auto found = values.find(key); found != values.end())
                values.erase(found);
        }
        return std::nullopt;
    });
}

StoreResult SettingsStore::update(std::string_view key, const Edit& edit) {
    return write([&](Values& values) -> std::optional<StoreError> {
        auto found = values.find(key);
        auto edited = edit(found == values.end() ? std::nullopt : std::optional(found->second));
        if (!edited) {
            if (found != values.end())
                values.erase(found);
            return std::nullopt;
        }
        if (auto refused = unstorable(key, *edited))
            return refused;
        values.insert_or_assign(std::string(key), std::move(*edited));
        return std::nullopt;
    });
}

StoreResult SettingsStore::write(const std::function<std::optional<StoreError>(Values&)>& change) {
    auto folder = file_.parent_path().empty() ? fs::path(".") : file_.parent_path();
    std::error_code error;
    fs::create_directories(folder, error);
    if (error)
        return ravodozu::fail(problem("cannot create folder", folder, error.message()));

    // The lock is on a file of its own: the settings file is replaced by a rename, and a lock on
    // the replaced file would no longer exclude anyone.
    auto lockPath = file_.string() + ".lock";
    FileDescriptor lock(::open(lockPath.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0600));
    if (!lock.valid())
        return ravodozu::fail(problem("cannot write", file_, reason(errno)));
    while (::flock(lock.get(), LOCK_EX) != 0)
        if (errno != EINTR)
            return ravodozu::fail(problem("cannot lock", lockPath, reason(errno)));

    refresh(true);
    // A file that exists but cannot be read would be lost by writing over it.
    if (readProblem_ && !damaged_)
        return ravodozu::fail(*readProblem_);
    if (damaged_)
        if (auto kept = keepDamagedCopy(); !kept)
            return kept;
    Values updated = values_;
    if (auto refused = change(updated))
        return ravodozu::fail(std::move(*refused));
    if (auto written = replaceFile(updated); !written)
        return written;
    values_ = std::move(updated);
    damaged_ = false;
    readProblem_.reset();
    return std::monostate{};
}

// The copy is private whatever the file's mode: it may hold what the user stored, and it is
// written to a new file and renamed, so nothing already at its path is written through.
StoreResult SettingsStore::keepDamagedCopy() const {
    auto failed = [&](int error) {
        return ravodozu::fail(
            problem("cannot keep the damaged settings aside as", damagedCopyPath(), reason(error)));
    };
    FileDescriptor source(::open(file_.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
    if (!source.valid())
        return failed(errno);
    std::string temporary = damagedCopyPath().string() + ".XXXXXX";
    FileDescriptor copy(::mkostemp(temporary.data(), O_CLOEXEC));
    if (!copy.valid())
        return failed(errno);
    if (!copyAll(source.get(), copy.get()) || ::fchmod(copy.get(), 0600) != 0 ||
        ::close(copy.release()) != 0 ||
        ::rename(temporary.c_str(), damagedCopyPath().c_str()) != 0) {
        int error = errno;
        ::unlink(temporary.c_str());
        return failed(error);
    }
    return std::monostate{};
}

StoreResult SettingsStore::replaceFile(const Values& values) const {
    ordered_json document = ordered_json::object();
    for (const auto& [key, value] : values)
        document[key] = encodeValue(value);
    auto text = document.dump(2) + "\n";
    // A file past the limit would read back as damaged.
    if (text.size() > maxFileBytes)
        return ravodozu::fail(problem("cannot write", file_,
                                      "the settings would pass the " +
                                          std::to_string(maxFileBytes) +
                                          " bytes a settings file may hold"));

    std::string temporary = file_.string() + ".XXXXXX";
    FileDescriptor fd(::mkstemp(temporary.data()));
    if (!fd.valid())
        return ravodozu::fail(problem("cannot write", file_, reason(errno)));
    struct stat status {};
    bool written = writeAll(fd.get(), text) && ::fsync(fd.get()) == 0 &&
                   ::fstat(fd.get(), &status) == 0 && ::close(fd.release()) == 0 &&
                   ::rename(temporary.c_str(), file_.c_str()) == 0;
    if (!written) {
        int error = errno;
        ::unlink(temporary.c_str());
        return ravodozu::fail(problem("cannot write", file_, reason(error)));
    }
    // The rename itself is durable once the folder is synced.
    if (FileDescriptor folder(
            ::open(file_.parent_path().empty() ? "." : file_.parent_path().c_str(),
                   O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        folder.valid())
        ::fsync(folder.get());
    stamp_ = stampOf<FileStamp>(status);
    return std::monostate{};
}

} // namespace zelvane
