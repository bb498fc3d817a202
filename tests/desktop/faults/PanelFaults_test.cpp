// The real panel in-process under input it must survive without stalling: a megabyte pasted
// into the input field, and typing while a rate refresh completes.
#include <algorithm>
#include <functional>

#include <QElapsedTimer>

#include "LoopbackServer.h"
#include "PanelFixture.h"
#include "ScopedEnvironment.h"

namespace zelvane {
namespace {

// A bound that only a blocked event loop misses: a fetch or a paste handled on the main thread
// takes seconds. How quick the panel really is belongs to the panel benchmark.
constexpr qint64 stallMs = 400;

class PanelFaults : public testing::PanelFixture {
  protected:
    PanelFaults() {
        item("inputField")->forceActiveFocus();
        QTest::qWait(100);
    }
    /// How long handling `act` and the frame after it kept the event loop.
    static qint64 millisecondsFor(const std::function<void()>& act) {
        QElapsedTimer clock;
        clock.start();
        act();
        QCoreApplication::processEvents();
        return clock.elapsed();
    }
};

TEST_F(PanelFaults, AMegabytePasteDoesNotStallThePanel) {
    QString huge = "5 km to mi ";
    while (huge.size() < 1 << 20)
        huge += huge;
    QGuiApplication::clipboard()->setText(huge);
    press(Qt::Key_A, Qt::ControlModifier);
    EXPECT_LT(millisecondsFor([&] { press(Qt::Key_V, Qt::ControlModifier); }), stallMs);
    QTest::qWait(100);
    EXPECT_LT(millisecondsFor([&] { press(Qt::Key_A, Qt::ControlModifier); }), stallMs);
    EXPECT_LT(millisecondsFor([&] { press(Qt::Key_3); }), stallMs);
    QTest::qWait(100);
    EXPECT_EQ(fieldText(), "3") << "the panel still takes keys";
}

TEST_F(PanelFaults, TypingWhileARefreshCompletesStaysQuick) {
    testing::LoopbackServer server;
    server.answer("/rates", 200, testing::relayRates);
    auto sources = testing::ScopedEnvironment::rateSources(server.base());
    app_.refreshRates();
    qint64 longest = 0;
    for (int key = 0; app_.ratesStatus() == AppState::loading || key < 20; ++key) {
        longest = std::max(longest, millisecondsFor([&] { press(Qt::Key_1); }));
        ASSERT_LT(key, 2000) << "the refresh never ended";
    }
    EXPECT_EQ(app_.ratesStatus(), AppState::updated);
    EXPECT_LT(longest, stallMs);
}

} // namespace
} // namespace zelvane
