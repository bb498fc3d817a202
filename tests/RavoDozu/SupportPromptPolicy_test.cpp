// When the panel asks for support, and the tip it then offers.
#include "RavoDozu/SupportPromptPolicy.h"
#include "RavoDozu/TipPlanner.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

using namespace ravodozu;
using nlohmann::json;
using namespace ravodozu::TipPlanner;

namespace {

void recordDistinctQueries(SupportPromptPolicy& policy, int count) {
    static int serial = 0;
    for (int i = 0; i < count; ++i)
        policy.recordQuery("q" + std::to_string(++serial));
}

constexpr double day = 86'400;

} // namespace

TEST(SupportPromptQueries, FirstRequestAfterTenThenEveryTwentyCountingOnlyNewQueries) {
    SupportPromptPolicy policy;
    for (const char* key : {"a", "a", "b", "a"})
        policy.recordQuery(key);
    EXPECT_EQ(policy.queryCount, 3);
    recordDistinctQueries(policy, 6);
    EXPECT_FALSE(policy.isQueryPromptDue());
    recordDistinctQueries(policy, 1);
    EXPECT_TRUE(policy.isQueryPromptDue());

    policy.markPromptShown(1000);
    recordDistinctQueries(policy, 19);
    EXPECT_FALSE(policy.isQueryPromptDue());
    recordDistinctQueries(policy, 1);
    EXPECT_TRUE(policy.isQueryPromptDue());
}

TEST(SupportPromptWidget, ThirtiethTapThenSixtyLaterAndThreeDaysApart) {
    SupportPromptPolicy policy;
    for (int tap = 1; tap < 30; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(0)) << tap;
    EXPECT_TRUE(policy.recordWidgetTap(0));

    // Taps 31…89: too few since the last request, however much time passes.
    for (int tap = 31; tap < 90; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(10 * day)) << tap;
    EXPECT_TRUE(policy.recordWidgetTap(10 * day));

    // Enough taps but within three days of the last request (of either kind): no request.
    for (int tap = 91; tap <= 200; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(13 * day - 1));
    EXPECT_TRUE(policy.recordWidgetTap(13 * day));
    policy.markPromptShown(20 * day);
    for (int tap = 0; tap < 60; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(21 * day));
    EXPECT_TRUE(policy.recordWidgetTap(23 * day));

    // Once tipped: never asked again, though the taps still count.
    policy.markTipped();
    const int taps = policy.widgetTaps;
    recordDistinctQueries(policy, 50);
    EXPECT_FALSE(policy.isQueryPromptDue());
    for (int tap = 0; tap < 100; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(30 * day + tap * day));
    EXPECT_EQ(policy.widgetTaps, taps + 100);
}

TEST(SupportPromptJson, EachMistypedKeyFallsBackAlone) {
    SupportPromptPolicy expected;
    expected.queryCount = 12;
    expected.launchCount = 4;
    EXPECT_EQ(decodeSupportPromptPolicy(
                  json::parse(R"({"queryCount":12.0,"launchCount":4,"widgetTaps":"7"})")),
              expected);
    EXPECT_EQ(decodeSupportPromptPolicy(json::parse("[1,2,3]")), SupportPromptPolicy{});
}

TEST(TipPlanner, SmallestCoveringTotalWithCheaperUnitOnTies) {
    const std::pair<std::int64_t, std::optional<Plan>> cases[] = {
        {0, std::nullopt},     {10, Plan{1, 10}},    {11, Plan{10, 2}},
        {1000, Plan{100, 10}}, {1001, std::nullopt}, {INT64_MIN, std::nullopt},
    };
    for (const auto& [amount, plan] : cases)
        EXPECT_EQ(planTip(amount), plan) << amount;
}

TEST(TipPlanner, EveryPlanCoversTheAmountWithinTheQuantityRange) {
    for (std::int64_t amount = 1; amount <= maxTipAmount; ++amount) {
        auto plan = planTip(amount);
        ASSERT_TRUE(plan) << amount;
        EXPECT_GE(plan->unitPrice * plan->quantity, amount);
        EXPECT_GE(plan->quantity, minTipQuantity);
        EXPECT_LE(plan->quantity, maxTipQuantity);
        // Overshoot never exceeds one unit of the chosen price.
        EXPECT_LT(plan->unitPrice * plan->quantity - amount, plan->unitPrice) << amount;
    }
}
