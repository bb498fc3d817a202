// Rate sources that misbehave in every way a network can: while a refresh runs against them the
// panel's event loop keeps turning, the refresh ends as failed, the earlier rates stay, and the
// state can go away at once.
#include <algorithm>
#include <functional>
#include <map>

#include <QElapsedTimer>
#include <QTimer>

#include <gtest/gtest.h>

#include "AppState.h"
#include "DesktopFixture.h"
#include "LoopbackServer.h"
#include "ScopedEnvironment.h"

namespace zelvane {
namespace {

// A bound that only a blocked event loop misses: a fetch handled on the main thread takes
// seconds. How quick the panel really is belongs to the panel benchmark.
constexpr qint64 stallMs = 400;

using testing::LoopbackServer;
using testing::ScopedEnvironment;

/// How a server misbehaves on a path a source asks for; nothing at all is a port nobody holds. An
/// error status is the source order's test (RatesClient).
const std::map<std::string, std::function<void(LoopbackServer&, const char*)>> faults = {
    {"Hangs", [](LoopbackServer& server, const char* path) { server.hang(path); }},
    {"Trickles", [](LoopbackServer& server, const char* path) { server.trickle(path); }},
    {"Html",
     [](LoopbackServer& server, const char* path) {
         server.answer(path, 200, "<html><body>Sign in to the network</body></html>");
     }},
    {"Unreachable", nullptr},
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

class RatesFaults : public testing::DesktopFixture,
                    public ::testing::WithParamInterface<std::string> {
  protected:
    /// The sources of the parameter's fault, set for the life of the result.
    ScopedEnvironment faultySources() {
        const auto& serve = faults.at(GetParam());
        if (!serve)
            return ScopedEnvironment::rateSources(LoopbackServer().base()); // given back at once
        for (const char* path : {"/rates", "/v6/latest/USD", "/latest", "/v1/latest"})
            serve(server_, path);
        return ScopedEnvironment::rateSources(server_.base());
    }
    bool reached() const { return !faults.at(GetParam()) || server_.hits() > 0; }

    LoopbackServer server_;
};

TEST_P(RatesFaults, RefreshFailsWithoutStallingAndKeepsTheEarlierRates) {
    auto state = std::make_unique<AppState>(catalog(), store);
    {
        LoopbackServer good;
        good.answer("/rates", 200, testing::relayRates);
        auto sources = ScopedEnvironment::rateSources(good.base());
        state->refreshRates();
        ASSERT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::updated; }));
    }
    auto earlier = *state->rates();

    auto sources = faultySources();
    StallMeter meter;
    state->refreshRates();
    EXPECT_EQ(state->ratesStatus(), AppState::loading);
    EXPECT_TRUE(waitUntil([&] { return state->ratesStatus() == AppState::failed; }, 5000));
    EXPECT_LT(meter.longestMs(), stallMs);
    EXPECT_EQ(*state->rates(), earlier);
    EXPECT_EQ(UserState(store).rates(), earlier);
}

TEST_P(RatesFaults, TheStateGoesAwayPromptlyDuringTheRefresh) {
    auto sources = faultySources();
    auto state = std::make_unique<AppState>(catalog(), store);
    state->refreshRates();
    ASSERT_TRUE(waitUntil([&] { return reached(); }));
    QElapsedTimer clock;
    clock.start();
    state.reset();
    EXPECT_LT(clock.elapsed(), stallMs);
    spin(50); // a late completion must find nothing to call
}

INSTANTIATE_TEST_SUITE_P(EverySource, RatesFaults,
                         ::testing::Values("Hangs", "Trickles", "Html", "Unreachable"),
                         [](const auto& info) { return info.param; });

} // namespace
} // namespace zelvane
