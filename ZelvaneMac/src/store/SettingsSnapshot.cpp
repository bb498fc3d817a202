#include "SettingsSnapshot.h"

#include <fstream>
#include <iterator>

#include <stdlib.h>
#include <unistd.h>

#include <nlohmann/json.hpp>

#include "SettingsFile.h"

namespace zelvane {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::filesystem::path snapshotPath(const fs::path& settingsFile) {
    return settingsFile.string() + ".snapshot";
}

std::optional<std::string> contents(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return std::nullopt;
    return bytes;
}

// The settings file is small, so its whole contents are the stamp: a hash and the size.
json stampOf(const std::string& bytes) {
    return json::array({bytes.size(), std::hash<std::string>()(bytes)});
}

/// A new file beside `path` holding `bytes`, private to this process (several processes may
/// refresh at once); empty when it cannot be made.
fs::path privateCopy(const fs::path& path, const std::string& bytes) {
    std::string name = path.string() + ".XXXXXX";
    int descriptor = ::mkstemp(name.data());
    if (descriptor < 0)
        return {};
    ::close(descriptor);
    std::ofstream file(name, std::ios::binary | std::ios::trunc);
    if (!(file << bytes) || !file.flush()) {
        std::error_code ignored;
        fs::remove(name, ignored);
        return {};
    }
    return name;
}

struct RemovedAtExit {
    fs::path path;
    ~RemovedAtExit() {
        std::error_code ignored;
        if (!path.empty())
            fs::remove(path, ignored);
    }
};

void writeAtomically(const fs::path& path, const std::string& text) {
    RemovedAtExit temporary{privateCopy(path, text)};
    std::error_code error;
    if (!temporary.path.empty())
        fs::rename(temporary.path, path, error);
    if (!error)
        temporary.path.clear();
}

} // namespace

std::optional<SettingsSnapshot> SettingsSnapshot::read(const fs::path& settingsFile) {
    std::ifstream file(snapshotPath(settingsFile), std::ios::binary);
    if (!file)
        return std::nullopt;
    auto document = json::parse(std::istreambuf_iterator<char>(file), {}, nullptr, false);
    auto bytes = contents(settingsFile);
    if (!document.is_object() || !bytes || document.value("stamp", json()) != stampOf(*bytes))
        return std::nullopt;
    const auto values = document.value("values", json());
    if (!values.is_object())
        return std::nullopt;
    SettingsSnapshot snapshot;
    for (const auto& [key, value] : values.items()) {
        if (!value.is_string())
            return std::nullopt;
        snapshot.values_.emplace(key, value.get<std::string>());
    }
    return snapshot;
}

void SettingsSnapshot::refresh(const fs::path& settingsFile) {
    auto bytes = contents(settingsFile);
    if (!bytes)
        return;
    // Qt parses a private copy of exactly the bytes the stamp describes: the file itself may be
    // replaced meanwhile, and Qt may answer from what it read of it earlier in this process.
    RemovedAtExit copy{privateCopy(settingsFile, *bytes)};
    std::string problem;
    auto settings = copy.path.empty() ? nullptr : SettingsFile::open(copy.path, problem);
    if (!settings || settings->status() != SettingsFile::Status::ok)
        return;
    json values = json::object();
    for (const auto& key : settings->keys())
        values[key] = settings->value(key).value_or("");
    try {
        writeAtomically(snapshotPath(settingsFile),
                        json{{"stamp", stampOf(*bytes)}, {"values", values}}.dump());
    } catch (const json::exception&) {
        // A value that is not UTF-8 text has no faithful JSON form; such settings are read
        // through Qt every time.
    }
}

std::optional<std::string> SettingsSnapshot::value(std::string_view key) const {
    auto found = values_.find(key);
    return found == values_.end() ? std::nullopt : std::optional(found->second);
}

std::vector<std::string> SettingsSnapshot::keys() const {
    std::vector<std::string> result;
    for (const auto& [key, value] : values_)
        result.push_back(key);
    return result;
}

} // namespace zelvane
