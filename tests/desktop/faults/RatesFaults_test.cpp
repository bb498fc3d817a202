// Rate sources that misbehave in every way a network can: while a refresh runs against them the
// panel's event loop keeps turning, the refresh ends as failed, the earlier rates stay, and the
// state can go away at once.
#include <algorithm>

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "AppState.h"
#include "DesktopFixture.h"
#include "LoopbackServer.h"

namespace zelvane {
namespace {

// A bound that only a blocked event loop misses: a fetch or a paste handled on the main thread
// takes seconds. How quick the panel really is belongs to the panel benchmark, not to a test on
// a shared machine.
constexpr qint64 stallMs = 400;

using testing::LoopbackServer;

const std::string relayBody =
    R"({"base":"USD","rates":{"EUR":0.9,"JPY":150},"updatedAt":733000000,"source":"relay"})";

enum class Fault { hangs, trickles, html, serverError, unreachable };

std::string faultName(const ::testing::TestParamInfo<Fault>& info) {
    switch (info.param) {
    case Fault::hangs:
        return "Hangs";
    case Fault::trickles:
        return "Trickles";
    case Fault::html:
        return "Html";
    case Fault::serverError:
        return "ServerError";
    case Fault::unreachable:
        return "Unreachable";
    }
    return "";
}

/// Sets the rate sources to `base` for the life of the object.
class RateSources {
  public:
    explicit RateSources(const std::string& base) {
        ::setenv("ZELVANE_RELAY_URL", (base + "/rates").c_str(), 1);
        ::setenv("ZELVANE_ERAPI_BASE", base.c_str(), 1);
        ::setenv("ZELVANE_FRANKFURTER_BASE", base.c_str(), 1);
        ::setenv("ZELVANE_RATES_TIMEOUT", "0.6", 1);
    }
    ~RateSources() {
        for (const char* name : {"ZELVANE_RELAY_URL", "ZELVANE_ERAPI_BASE",
                                 "ZELVANE_FRANKFURTER_BASE", "ZELVANE_RATES_TIMEOUT"})
            ::unsetenv(name);
    }
};

/// Records the longest wait between the ticks of a 5 ms timer: how long the event loop stalled.
class StallMeter {
  public:
    StallMeter() {
        clock_.start();
        QObject::connect(&timer_, &QTimer::timeout,
                         [this] { longest_ = std::max(longest_, clock_.restart()); });
        timer_.start(5);
    }
    qint64 longestMs() const { return longest_; }

  private:
    QTimer timer_;
    QElapsedTimer clock_;
    qint64 longest_ = 0;
};

class RatesFaults : public testing::DesktopFixture, public ::testing::WithParamInterface<Fault> {
  protected:
    /// A server that behaves as the fault says on every path a source may ask for.
    void serveFault(LoopbackServer& server) {
        for (const char* path : {"/rates", "/v6/latest/USD", "/latest", "/v1/latest"}) {
            switch (GetParam()) {
            case Fault::hangs:
                server.hang(path);
                break;
            case Fault::trickles:
                server.trickle(path);
                break;
            case Fault::html:
                server.answer(path, 200, "<html><body>Sign in to the network</body></html>");
                break;
            case Fault::serverError:
                server.answer(path, 500, "internal error");
                break;
            case Fault::unreachable:
                break;
            }
        }
    }

    std::unique_ptr<AppState> stateWithEarlierRates() {
        LoopbackServer good;
        good.answer("/rates", 200, relayBody);
        RateSources sources(good.base());
        auto state = std::make_unique<AppState>(catalog(), store);
        state->refreshRates();
        EXPECT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::updated; }));
        return state;
    }
};

/// A base where nothing listens: a port taken and given back at once.
std::string deadBase() {
    return LoopbackServer().base();
}

TEST_P(RatesFaults, RefreshFailsWithoutStallingAndKeepsTheEarlierRates) {
    auto state = stateWithEarlierRates();
    ASSERT_TRUE(state->hasRates());
    auto earlier = *state->rates();

    LoopbackServer server;
    serveFault(server);
    RateSources sources(GetParam() == Fault::unreachable ? deadBase() : server.base());
    StallMeter meter;
    state->refreshRates();
    EXPECT_EQ(state->ratesStatus(), AppState::loading);
    EXPECT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::failed; }, 5000));
    EXPECT_LT(meter.longestMs(), stallMs);
    EXPECT_EQ(*state->rates(), earlier);
    EXPECT_EQ(UserState(store).rates(), earlier);
}

TEST_P(RatesFaults, TheStateGoesAwayPromptlyDuringTheRefresh) {
    LoopbackServer server;
    serveFault(server);
    RateSources sources(GetParam() == Fault::unreachable ? deadBase() : server.base());
    auto state = std::make_unique<AppState>(catalog(), store);
    state->refreshRates();
    spin(20);
    QElapsedTimer clock;
    clock.start();
    state.reset();
    EXPECT_LT(clock.elapsed(), 1000);
    spin(50); // a late completion must find nothing to call
}

INSTANTIATE_TEST_SUITE_P(EverySource, RatesFaults,
                         ::testing::Values(Fault::hangs, Fault::trickles, Fault::html,
                                           Fault::serverError, Fault::unreachable),
                         faultName);

} // namespace
} // namespace zelvane
