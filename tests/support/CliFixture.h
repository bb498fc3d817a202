// A test with its own config home: settings written through SettingsStore, zelvane-cli run
// against them.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "SettingsStore.h"
#include "TempDirectory.h"

namespace zelvane::testing {

class CliTest : public ::testing::Test {
  protected:
    TempDirectory home;

    std::filesystem::path storeFile() const { return home.path() / "zelvane" / "settings.json"; }
    std::string storeText() const {
        std::ifstream file(storeFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    /// Stores a record's bytes (its JSON) under `key`.
    void store(std::string_view key, std::string_view bytes) {
        auto written =
            zelvane::SettingsStore(storeFile()).set(key, zelvane::SettingData{std::string(bytes)});
        ASSERT_TRUE(written) << written.error().message;
    }
    CliResult run(const std::vector<std::string>& arguments, const std::string& input = "") {
        return runCli(arguments, "XDG_CONFIG_HOME=" + home.path().string(), input);
    }
    nlohmann::json runJson(const std::vector<std::string>& arguments) {
        auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 0) << result.err;
        return result.exitCode == 0 ? nlohmann::json::parse(result.out) : nlohmann::json();
    }
};

} // namespace zelvane::testing
