// zelvane-cli rates: showing the stored snapshot and refreshing it from loopback servers.
#include "CliFixture.h"
#include "LoopbackServer.h"

using nlohmann::json;
using zelvane::testing::LoopbackServer;
using zelvane::testing::runCli;

namespace {

const std::string relayBody =
    R"({"base":"USD","rates":{"EUR":0.9,"GBP":0.8},"updatedAt":1710514800,"source":"Zelvane relay"})";
const std::string exchangeRateAPIBody =
    R"({"result":"success","base_code":"USD","time_last_update_unix":1710460801,
        "rates":{"USD":1,"EUR":0.91,"JPY":151.2}})";

/// A config home and three loopback sources; every run points the CLI at them.
class RatesCommand : public zelvane::testing::CliTest {
  protected:
    std::string environment() const {
        return "XDG_CONFIG_HOME=" + home.path().string() +
               " ZELVANE_RELAY_URL=" + relay.url("/rates") +
               " ZELVANE_ERAPI_BASE=" + exchangeRateAPI.base() +
               " ZELVANE_FRANKFURTER_BASE=" + frankfurter.base() + " ZELVANE_RATES_TIMEOUT=2";
    }

    LoopbackServer relay, exchangeRateAPI, frankfurter;
};

TEST_F(RatesCommand, WithoutAStoredSnapshotSaysSo) {
    auto result = runCli({"rates"}, environment());
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_NE(result.err.find("no exchange rates stored"), std::string::npos) << result.err;
    EXPECT_EQ(runCli({"rates", "--json", "extra"}, environment()).exitCode, 2);
}

TEST_F(RatesCommand, RefreshStoresTheSnapshotAndShowsIt) {
    home.write("zelvane/settings.json", R"({"preferences": {"region": "DE"}})");
    relay.answer("/rates", 503, "");
    exchangeRateAPI.answer("/v6/latest/USD", 200, exchangeRateAPIBody);
    auto refreshed = runCli({"rates", "--refresh", "--json"}, environment());
    ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err;
    auto shown = json::parse(refreshed.out);
    EXPECT_EQ(shown["source"], "ExchangeRate-API");
    EXPECT_EQ(shown["rates"], json::parse(R"({"USD":1,"EUR":0.91,"JPY":151.2})"));
    EXPECT_EQ(shown["updatedAt"], 1710460801.0) << "shown seconds count from 1970";

    EXPECT_EQ(json::parse(runCli({"rates", "--json"}, environment()).out), shown)
        << "the stored snapshot is the one shown";
    EXPECT_EQ(json::parse(storeText())["preferences"], json::parse(R"({"region":"DE"})"))
        << "the other keys survive:\n"
        << storeText();
}

TEST_F(RatesCommand, FailedRefreshKeepsTheStoredSnapshot) {
    relay.answer("/rates", 200, relayBody);
    ASSERT_EQ(runCli({"rates", "--refresh"}, environment()).exitCode, 0);
    std::string before = storeText();

    LoopbackServer down;
    down.answer("/rates", 503, "<html>maintenance</html>");
    auto failed =
        runCli({"rates", "--refresh"}, environment() + " ZELVANE_RELAY_URL=" + down.url("/rates") +
                                           " ZELVANE_ERAPI_BASE=" + down.base() +
                                           " ZELVANE_FRANKFURTER_BASE=" + down.base());
    EXPECT_EQ(failed.exitCode, 1);
    EXPECT_TRUE(failed.err.ends_with("could not refresh exchange rates: all sources failed\n"))
        << failed.err;
    EXPECT_EQ(storeText(), before);
}

} // namespace
