#include "RavoDozu/ResourceBundle.h"

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

#include <dlfcn.h>

namespace ravodozu {

namespace fs = std::filesystem;

namespace {
constexpr const char* bundleName = "RavoDozu_RavoDozu.bundle";

fs::path executableDirectory() {
    std::error_code error;
    auto exe = fs::read_symlink("/proc/self/exe", error);
    return error ? fs::path() : exe.parent_path();
}

fs::path directoryOfThisCode() {
    Dl_info info{};
    if (dladdr(reinterpret_cast<void*>(&directoryOfThisCode), &info) == 0 || !info.dli_fname)
        return {};
    std::error_code error;
    auto binary = fs::canonical(info.dli_fname, error);
    return error ? fs::path() : binary.parent_path();
}

bool isBundle(const fs::path& candidate) {
    std::error_code error;
    return !candidate.empty() && fs::is_directory(candidate / "units", error);
}

std::vector<fs::path> candidates() {
    std::vector<fs::path> result;
    if (const char* override = std::getenv("ZELVANE_BUNDLE_DIR"); override && *override) {
        result.emplace_back(override);
        result.emplace_back(fs::path(override) / bundleName);
    }
    auto exeDir = executableDirectory();
    if (!exeDir.empty())
        result.push_back(exeDir / ".." / "share" / "zelvane" / bundleName);
    if (auto codeDir = directoryOfThisCode(); !codeDir.empty())
        result.push_back(codeDir / bundleName);
    if (!exeDir.empty())
        result.push_back(exeDir / bundleName);
    return result;
}

[[noreturn]] void missingBundle() {
    std::fputs("unable to find bundle named RavoDozu_RavoDozu\n", stderr);
    std::fflush(stderr);
    std::_Exit(EXIT_FAILURE);
}
} // namespace

std::optional<fs::path> ResourceBundle::resource(std::string_view name, std::string_view extension,
                                                 std::string_view subdirectory) const {
    auto path = root / subdirectory / (std::string(name) + "." + std::string(extension));
    std::error_code error;
    if (!fs::is_regular_file(path, error))
        return std::nullopt;
    return path;
}

const ResourceBundle& ResourceBundle::core() {
    static std::once_flag once;
    static ResourceBundle bundle;
    std::call_once(once, [] {
        for (const auto& candidate : candidates()) {
            if (isBundle(candidate)) {
                bundle.root = candidate.lexically_normal();
                return;
            }
        }
        missingBundle();
    });
    return bundle;
}

} // namespace ravodozu
