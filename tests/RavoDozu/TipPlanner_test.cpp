#include "RavoDozu/TipPlanner.h"

#include <gtest/gtest.h>

using namespace ravodozu::TipPlanner;

TEST(TipPlanner, SmallestCoveringTotalWithCheaperUnitOnTies) {
    struct Case {
        std::int64_t amount;
        std::optional<Plan> plan;
    };
    const Case cases[] = {
        {0, std::nullopt},     {10, Plan{1, 10}},    {11, Plan{10, 2}},
        {1000, Plan{100, 10}}, {1001, std::nullopt}, {INT64_MIN, std::nullopt},
    };
    for (const auto& item : cases)
        EXPECT_EQ(planTip(item.amount), item.plan) << item.amount;
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
