#include "AutostartEntry.h"

#include <cerrno>
#include <cstring>
#include <string_view>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

#include "SettingsStore.h"

namespace zelvane {

namespace {

using ravodozu::fail;
using Outcome = ravodozu::Result<std::monostate, std::string>;

/// An Exec argument as desktop entries read it: quoted when it holds a reserved character, with
/// the quoting characters escaped, then escaped once more as a string value.
std::string execArgument(const std::string& argument) {
    constexpr std::string_view reserved = " \t\n\"'\\><~|&;$*?#()`";
    std::string escaped;
    for (char c : argument) {
        if (c == '%')
            escaped += "%%";
        else if (c == '"' || c == '`' || c == '$' || c == '\\')
            escaped += std::string("\\\\") + (c == '\\' ? "\\\\" : std::string(1, c));
        else
            escaped += c;
    }
    if (argument.find_first_of(reserved) == std::string::npos)
        return escaped;
    return '"' + escaped + '"';
}

std::string describeErrno(const std::string& action, const std::filesystem::path& path) {
    return "cannot " + action + " " + path.string() + ": " + std::strerror(errno);
}

Outcome writeAtomically(const std::filesystem::path& file, const std::string& text) {
    std::error_code error;
    std::filesystem::create_directories(file.parent_path(), error);
    if (error)
        return fail("cannot create " + file.parent_path().string() + ": " + error.message());
    auto temporary = file;
    temporary += ".tmp-" + std::to_string(::getpid());
    int descriptor = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0)
        return fail(describeErrno("write", temporary));
    bool written =
        ::write(descriptor, text.data(), text.size()) == static_cast<ssize_t>(text.size()) &&
        ::fsync(descriptor) == 0;
    std::string problem = written ? std::string() : describeErrno("write", temporary);
    ::close(descriptor);
    if (written && ::rename(temporary.c_str(), file.c_str()) != 0)
        problem = describeErrno("replace", file);
    if (!problem.empty()) {
        ::unlink(temporary.c_str());
        return fail(problem);
    }
    return std::monostate{};
}

} // namespace

std::filesystem::path AutostartEntry::standardPath() {
    // The settings file sits in "<config home>/zelvane/".
    auto configHome = SettingsStore::standardPath().parent_path().parent_path();
    return configHome / "autostart" / "zelvane.desktop";
}

AutostartEntry::AutostartEntry(std::filesystem::path file, std::filesystem::path executable)
    : file_(std::move(file)), executable_(std::move(executable)) {}

bool AutostartEntry::isEnabled() const {
    std::error_code ignored;
    return std::filesystem::exists(file_, ignored);
}

std::string AutostartEntry::contents() const {
    return "[Desktop Entry]\n"
           "Type=Application\n"
           "Name=Zelvane\n"
           "Comment=Unit converter in the tray\n"
           "Exec=" +
           execArgument(executable_.string()) +
           " --background\n"
           "Icon=zelvane\n"
           "Terminal=false\n"
           "X-GNOME-Autostart-enabled=true\n";
}

Outcome AutostartEntry::setEnabled(bool enabled) const {
    if (enabled)
        return writeAtomically(file_, contents());
    if (::unlink(file_.c_str()) != 0 && errno != ENOENT)
        return fail(describeErrno("remove", file_));
    return std::monostate{};
}

} // namespace zelvane
