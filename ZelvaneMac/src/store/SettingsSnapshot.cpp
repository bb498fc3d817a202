#include "SettingsSnapshot.h"

#include <fstream>
#include <iterator>

#include <nlohmann/json.hpp>

#include "SettingsFile.h"

namespace zelvane {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;

std::filesystem::path snapshotPath(const fs::path& settingsFile) {
    return settingsFile.string() + ".snapshot";
}

// The settings file is small, so its whole contents are the stamp: a hash and the size.
std::optional<json> fileStamp(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::string bytes(std::istreambuf_iterator<char>(in), {});
    if (in.bad())
        return std::nullopt;
    return json::array({bytes.size(), std::hash<std::string>()(bytes)});
}

bool writeAtomically(const fs::path& path, const std::string& text) {
    auto temporary = path.string() + ".tmp";
    {
        std::ofstream file(temporary, std::ios::binary | std::ios::trunc);
        if (!(file << text) || !file.flush())
            return false;
    }
    std::error_code error;
    fs::rename(temporary, path, error);
    if (error)
        fs::remove(temporary, error);
    return !error;
}

} // namespace

std::optional<SettingsSnapshot> SettingsSnapshot::read(const fs::path& settingsFile) {
    std::ifstream file(snapshotPath(settingsFile), std::ios::binary);
    if (!file)
        return std::nullopt;
    auto document = json::parse(std::istreambuf_iterator<char>(file), {}, nullptr, false);
    auto stamp = fileStamp(settingsFile);
    if (!document.is_object() || !stamp || document.value("stamp", json()) != *stamp)
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
    auto before = fileStamp(settingsFile);
    std::string problem;
    auto settings = SettingsFile::open(settingsFile, problem);
    if (!before || !settings || settings->status() != SettingsFile::Status::ok)
        return;
    json values = json::object();
    for (const auto& key : settings->keys())
        values[key] = settings->value(key).value_or("");
    if (fileStamp(settingsFile) != before)
        return; // replaced while it was read: what was read may not be what is there now
    try {
        writeAtomically(snapshotPath(settingsFile),
                        json{{"stamp", *before}, {"values", values}}.dump());
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
