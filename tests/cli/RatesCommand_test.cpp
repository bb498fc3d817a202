// zelvane-cli rates: showing the stored snapshot and refreshing it from loopback servers.
#include "CliFixture.h"
#include "LoopbackServer.h"

using nlohmann::json;
using zelvane::testing::LoopbackServer;

namespace {

/// A config home and three loopback sources; every run points the CLI at them.
class RatesCommand : public zelvane::testing::CliTest {
  protected:
    static std::string sources(const LoopbackServer& relay, const LoopbackServer& publicApis) {
        return "ZELVANE_RELAY_URL=" + relay.url("/rates") +
               " ZELVANE_ERAPI_BASE=" + publicApis.base() +
               " ZELVANE_FRANKFURTER_BASE=" + publicApis.base() + " ZELVANE_RATES_TIMEOUT=2";
    }
    zelvane::testing::CliResult rates(const std::vector<std::string>& arguments) {
        return run(arguments, "", sources(relay, publicApis));
    }

    LoopbackServer relay, publicApis;
};

TEST_F(RatesCommand, WithoutAStoredSnapshotSaysSo) {
    expectRuns({{{"rates"}, 1, "", "no exchange rates stored"}, {{"rates", "--json", "extra"}, 2}});
}

TEST_F(RatesCommand, RefreshStoresTheSnapshotAndShowsIt) {
    home.write("zelvane/settings.json", R"({"preferences": {"region": "DE"}})");
    relay.answer("/rates", 503, "");
    publicApis.answer("/v6/latest/USD", 200, R"({"result":"success","base_code":"USD",
        "time_last_update_unix":1710460801,"rates":{"USD":1,"EUR":0.91,"JPY":151.2}})");
    auto refreshed = rates({"rates", "--refresh", "--json"});
    ASSERT_EQ(refreshed.exitCode, 0) << refreshed.err;
    auto shown = json::parse(refreshed.out);
    EXPECT_EQ(shown["source"], "ExchangeRate-API");
    EXPECT_EQ(shown["rates"], json::parse(R"({"USD":1,"EUR":0.91,"JPY":151.2})"));
    EXPECT_EQ(shown["updatedAt"], 1710460801.0) << "shown seconds count from 1970";

    EXPECT_EQ(json::parse(rates({"rates", "--json"}).out), shown) << "the stored one is shown";
    EXPECT_EQ(json::parse(storeText())["preferences"], json::parse(R"({"region":"DE"})"))
        << "the other keys survive:\n"
        << storeText();
}

TEST_F(RatesCommand, FailedRefreshKeepsTheStoredSnapshot) {
    relay.answer("/rates", 200, R"({"base":"USD","rates":{"EUR":0.9,"GBP":0.8},
        "updatedAt":1710514800,"source":"Zelvane relay"})");
    ASSERT_EQ(rates({"rates", "--refresh"}).exitCode, 0);
    std::string before = storeText();

    LoopbackServer down;
    down.answer("/rates", 503, "<html>maintenance</html>");
    expectRuns({{{"rates", "--refresh"},
                 1,
                 std::nullopt,
                 "could not refresh exchange rates: all sources failed",
                 sources(down, down)}});
    EXPECT_EQ(storeText(), before);
}

} // namespace
