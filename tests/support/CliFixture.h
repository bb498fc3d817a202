// A test with its own config home: settings written through DefaultsStore, zelvane-cli run
// against them.
#pragma once

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "DefaultsStore.h"
#include "TempDirectory.h"

namespace zelvane::testing {

class CliTest : public ::testing::Test {
  protected:
    TempDirectory home;

    std::filesystem::path storeFile() const { return home.path() / "zelvane" / "zelvane.conf"; }
    std::string storeText() const {
        std::ifstream file(storeFile(), std::ios::binary);
        return {std::istreambuf_iterator<char>(file), {}};
    }

    void store(std::string_view key, std::string_view bytes) {
        zelvane::DefaultsStore store(storeFile());
        ASSERT_TRUE(store.set(key, bytes)) << store.lastError();
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
