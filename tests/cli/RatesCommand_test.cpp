// zelvane-cli rates: showing the stored snapshot and refreshing it from loopback servers.
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "CliRun.h"
#include "LoopbackServer.h"
#include "TempDirectory.h"

using nlohmann::json;
using zelvane::testing::LoopbackServer;
using zelvane::testing::runCli;
using zelvane::testing::TempDirectory;

namespace {

const std::string relayBody =
    R"({"base":"USD","rates":{"EUR":0.9,"GBP":0.8},"updatedAt":1710514800,"source":"Zelvane relay"})";
const std::string exchangeRateAPIBody =
    R"({"result":"success","base_code":"USD","time_last_update_unix":1710460801,
        "rates":{"USD":1,"EUR":0.91,"JPY":151.2}})";

/// A config home and three loopback sources; every run points the CLI at both.
class RatesCommand : public ::testing::Test {
  protected:
    std::string environment(const std::string& extra = "") const {
        return "XDG_CONFIG_HOME=" + home.path().string() +
               " ZELVANE_RELAY_URL=" + relay.url("/rates") +
               " ZELVANE_ERAPI_BASE=" + exchangeRateAPI.base() +
               " ZELVANE_FRANKFURTER_BASE=" + frankfurter.base() + " ZELVANE_RATES_TIMEOUT=2 " +
               extra;
    }
    std::string settingsFile() const {
        std::ifstream file(home.path() / "zelvane" / "zelvane.conf", std::ios::binary);
        std::stringstream bytes;
        bytes << file.rdbuf();
        return bytes.str();
    }
    /// Stores a snapshot the way the settings file holds it.
    void storeSnapshot(const std::string& snapshotJson) const {
        std::string escaped;
        for (char c : snapshotJson)
            escaped += c == '"' ? std::string("\\\"") : std::string(1, c);
        home.write("zelvane/zelvane.conf", "[General]\nrates=\"@ByteArray(" + escaped + ")\"\n");
    }

    TempDirectory home;
    LoopbackServer relay, exchangeRateAPI, frankfurter;
};

TEST_F(RatesCommand, WithoutAStoredSnapshotSaysSo) {
    auto result = runCli({"rates"}, environment());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no exchange rates stored"), std::string::npos) << result.err;
    EXPECT_EQ(runCli({"rates", "--json", "extra"}, environment()).exitCode, 2);
}

TEST_F(RatesCommand, RefreshStoresTheSnapshotAndShowsIt) {
    home.write("zelvane/zelvane.conf",
               "[General]\npreferences=\"@ByteArray({\\\"region\\\":\\\"DE\\\"})\"\n");
    relay.answer("/rates", 503, "");
    exchangeRateAPI.answer("/v6/latest/USD", 200, exchangeRateAPIBody);
    auto refreshed = runCli({"rates", "--refresh", "--json"}, environment());
    ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err;
    auto shown = json::parse(refreshed.out);
    EXPECT_EQ(shown["source"], "ExchangeRate-API");
    EXPECT_EQ(shown["rates"], json::parse(R"({"USD":1,"EUR":0.91,"JPY":151.2})"));

    EXPECT_EQ(json::parse(runCli({"rates", "--json"}, environment()).out), shown)
        << "the stored snapshot is the one shown";
    EXPECT_NE(settingsFile().find(R"x(preferences=@ByteArray({\"region\":\"DE\"}))x"),
              std::string::npos)
        << "the other keys survive:\n"
        << settingsFile();
}

TEST_F(RatesCommand, FailedRefreshKeepsTheStoredSnapshot) {
    relay.answer("/rates", 200, relayBody);
    ASSERT_EQ(runCli({"rates", "--refresh"}, environment()).exitCode, 0);
    std::string before = settingsFile();

    LoopbackServer down;
    down.answer("/rates", 503, "<html>maintenance</html>");
    auto failed =
        runCli({"rates", "--refresh"}, environment() + " ZELVANE_RELAY_URL=" + down.url("/rates") +
                                           " ZELVANE_ERAPI_BASE=" + down.base() +
                                           " ZELVANE_FRANKFURTER_BASE=" + down.base());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.ends_with("could not refresh exchange rates: all sources failed\n"))
        << failed.err;
    EXPECT_EQ(settingsFile(), before);
}

TEST_F(RatesCommand, ShowsDatesInTheUsersLocaleAndTimeZone) {
    storeSnapshot(R"({"base":"EUR","rates":{"USD":1.1},"updatedAt":732207600,"source":"relay"})");
    auto result = runCli({"rates"}, environment("TZ=Asia/Tokyo LC_ALL=de_DE.UTF-8"));
    ASSERT_EQ(result.exitCode, 0) << result.err;
    // 2024-03-15 15:00 UTC is midnight in Tokyo; no fetch date was stored.
    EXPECT_NE(result.out.find("Updated: 16.03.2024, 00:00:00 (vor "), std::string::npos)
        << result.out;
    EXPECT_EQ(result.out.find("Fetched:"), std::string::npos) << result.out;

    // Stored seconds count from 2001; shown ones from 1970.
    auto asJson = json::parse(runCli({"rates", "--json"}, environment()).out);
    EXPECT_FALSE(asJson.contains("fetchedAt"));
    EXPECT_EQ(asJson["updatedAt"], 1710514800.0);
}

} // namespace
