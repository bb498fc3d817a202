// Runs zelvane-cli as a user would and captures what it says.
#pragma once

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <sys/wait.h>
#include <vector>

namespace zelvane::testing {

struct CliResult {
    int exitCode;
    std::string out;
    std::string err;
};

inline std::string shellQuoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

/// Runs `zelvane-cli ARGS…` with `environment` prefixed ("XDG_CONFIG_HOME=/tmp/x LANG=de_DE").
inline CliResult runCli(const std::vector<std::string>& arguments,
                        const std::string& environment = "", const std::string& input = "") {
    auto errPath =
        std::filesystem::temp_directory_path() / ("zelvane-cli-err-" + std::to_string(::getpid()));
    std::string command = environment + " " + shellQuoted(ZELVANE_CLI);
    for (const auto& argument : arguments)
        command += " " + shellQuoted(argument);
    command += " 2>" + shellQuoted(errPath.string());
    if (input.empty())
        command += " </dev/null";
    else
        command = "printf '%s' " + shellQuoted(input) + " | " + command;

    CliResult result{-1, {}, {}};
    FILE* pipe = ::popen(command.c_str(), "r");
    std::array<char, 4096> buffer{};
    for (std::size_t n; (n = std::fread(buffer.data(), 1, buffer.size(), pipe)) > 0;)
        result.out.append(buffer.data(), n);
    int status = ::pclose(pipe);
    result.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream errFile(errPath, std::ios::binary);
    result.err.assign(std::istreambuf_iterator<char>(errFile), {});
    std::filesystem::remove(errPath);
    return result;
}

} // namespace zelvane::testing
