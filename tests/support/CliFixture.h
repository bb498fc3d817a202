// zelvane-cli run as a user would, and a test with its own config home: settings written through
// SettingsStore, zelvane-cli run against them, alone or as a table of runs and their answers.
#pragma once

#include <array>
#include <cstdio>
#include <optional>
#include <sys/wait.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "SettingsStore.h"
#include "TempDirectory.h"

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
    result.err = readFile(errPath);
    std::filesystem::remove(errPath);
    return result;
}

/// One run of zelvane-cli and what it must answer. An expected text that is empty or ends in a
/// line break is the whole stream; any other must occur in it; none is not checked.
struct CliCase {
    std::vector<std::string> arguments;
    int exitCode = 0;
    std::optional<std::string> out = std::nullopt;
    std::optional<std::string> err = std::nullopt;
    std::string environment = {};
    std::string input = {};
};

inline void expectStream(const std::optional<std::string>& expected, const std::string& actual,
                         const char* stream) {
    if (!expected)
        return;
    if (expected->empty() || expected->ends_with('\n'))
        EXPECT_EQ(actual, *expected) << stream;
    else
        EXPECT_NE(actual.find(*expected), std::string::npos) << stream << ": " << actual;
}

class CliTest : public ::testing::Test {
  protected:
    TempDirectory home;

    std::filesystem::path storeFile() const { return home.path() / "zelvane" / "settings.json"; }
    std::string storeText() const { return readFile(storeFile()); }

    /// Stores a record's bytes (its JSON) under `key`.
    void store(std::string_view key, std::string_view bytes) {
        auto written =
            zelvane::SettingsStore(storeFile()).set(key, zelvane::SettingData{std::string(bytes)});
        ASSERT_TRUE(written) << written.error().message;
    }
    CliResult run(const std::vector<std::string>& arguments, const std::string& input = "",
                  const std::string& environment = "") {
        return runCli(arguments, "XDG_CONFIG_HOME=" + home.path().string() + " " + environment,
                      input);
    }
    nlohmann::json runJson(const std::vector<std::string>& arguments) {
        auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.exitCode == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
    }
    void expectRuns(const std::vector<CliCase>& cases) {
        for (const auto& c : cases) {
            std::string command;
            for (const auto& argument : c.arguments)
                command += " " + argument;
            SCOPED_TRACE("zelvane-cli" + command);
            auto result = run(c.arguments, c.input, c.environment);
            EXPECT_EQ(result.exitCode, c.exitCode) << result.err;
            expectStream(c.out, result.out, "stdout");
            expectStream(c.err, result.err, "stderr");
        }
    }
};

/// The element of a JSON list whose `key` is `value`; null when there is none.
inline nlohmann::json element(const nlohmann::json& list, const std::string& key,
                              const std::string& value) {
    for (const auto& item : list)
        if (item.value(key, "") == value)
            return item;
    return nullptr;
}

} // namespace zelvane::testing
