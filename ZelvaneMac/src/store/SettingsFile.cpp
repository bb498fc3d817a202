#include "SettingsFile.h"

#include <dlfcn.h>

namespace zelvane {

namespace {

namespace fs = std::filesystem;

constexpr const char* moduleName = "libzelvane-settings.so";

std::vector<fs::path> moduleCandidates() {
    std::vector<fs::path> candidates;
    std::error_code error;
    auto executable = fs::read_symlink("/proc/self/exe", error);
    if (!error) {
        candidates.push_back(executable.parent_path() / moduleName);
        candidates.push_back(executable.parent_path() / ".." / "lib" / "zelvane" / moduleName);
    }
    // Test programs run from their own folder of the build tree.
    candidates.push_back(ZELVANE_SETTINGS_MODULE_BUILD_PATH);
    return candidates;
}

struct Plugin {
    decltype(&zelvane_open_settings_file) open = nullptr;
    std::string problem;
};

Plugin loadPlugin() {
    std::string problems;
    for (const auto& candidate : moduleCandidates()) {
        if (!fs::exists(candidate))
            continue;
        void* handle = dlopen(candidate.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!handle) {
            problems += dlerror();
            continue;
        }
        if (void* entry = dlsym(handle, "zelvane_open_settings_file"))
            return {reinterpret_cast<decltype(&zelvane_open_settings_file)>(entry), {}};
        problems += candidate.string() + ": no settings entry point";
    }
    return {nullptr, "cannot load " + std::string(moduleName) +
                         (problems.empty() ? ": not installed" : ": " + problems)};
}

} // namespace

std::unique_ptr<SettingsFile> SettingsFile::open(const fs::path& path, std::string& problem) {
    static const Plugin plugin = loadPlugin();
    if (!plugin.open) {
        problem = plugin.problem;
        return nullptr;
    }
    return std::unique_ptr<SettingsFile>(plugin.open(path.c_str()));
}

} // namespace zelvane
