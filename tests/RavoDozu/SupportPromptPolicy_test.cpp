#include "RavoDozu/SupportPromptPolicy.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>
#include <string>

using namespace ravodozu;
using nlohmann::json;

namespace {

void recordDistinctQueries(SupportPromptPolicy& policy, int count) {
    static int serial = 0;
    for (int i = 0; i < count; ++i)
        policy.recordQuery("q" + std::to_string(++serial));
}

constexpr double day = 86'400;

} // namespace

TEST(SupportPromptQueries, FirstRequestAfterTenThenEveryTwenty) {
    SupportPromptPolicy policy;
    recordDistinctQueries(policy, 9);
    EXPECT_FALSE(policy.isQueryPromptDue());
    recordDistinctQueries(policy, 1);
    EXPECT_TRUE(policy.isQueryPromptDue());

    policy.markPromptShown(1000);
    recordDistinctQueries(policy, 19);
    EXPECT_FALSE(policy.isQueryPromptDue());
    recordDistinctQueries(policy, 1);
    EXPECT_TRUE(policy.isQueryPromptDue());
}

TEST(SupportPromptQueries, OnlyConsecutiveRepeatsAreIgnored) {
    SupportPromptPolicy policy;
    for (const char* key : {"a", "a", "b", "a"})
        policy.recordQuery(key);
    EXPECT_EQ(policy.queryCount, 3);
}

TEST(SupportPromptWidget, ThirtiethTapThenSixtyLaterAndThreeDaysApart) {
    SupportPromptPolicy policy;
    double now = 0;
    for (int tap = 1; tap < 30; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(now)) << tap;
    EXPECT_TRUE(policy.recordWidgetTap(now));

    // Taps 31…89: too few since the last request, however much time passes.
    now += 10 * day;
    for (int tap = 31; tap < 90; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(now)) << tap;
    EXPECT_TRUE(policy.recordWidgetTap(now));

    // Enough taps but within three days of the last request: counted, no request.
    for (int tap = 91; tap <= 200; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(now + 3 * day - 1));
    EXPECT_EQ(policy.widgetTaps, 200);
    EXPECT_TRUE(policy.recordWidgetTap(now + 3 * day));
}

TEST(SupportPromptWidget, QueryRequestAlsoDelaysWidgetRequests) {
    SupportPromptPolicy policy;
    policy.markPromptShown(0);
    for (int tap = 1; tap < 30; ++tap)
        policy.recordWidgetTap(day);
    EXPECT_FALSE(policy.recordWidgetTap(day));
    EXPECT_TRUE(policy.recordWidgetTap(3 * day));
}

TEST(SupportPromptTipped, NoRequestsButTapsStillCount) {
    SupportPromptPolicy policy;
    policy.markTipped();
    recordDistinctQueries(policy, 50);
    EXPECT_FALSE(policy.isQueryPromptDue());
    for (int tap = 0; tap < 100; ++tap)
        EXPECT_FALSE(policy.recordWidgetTap(tap * day));
    EXPECT_EQ(policy.widgetTaps, 100);
}

TEST(SupportPromptJson, RoundTripLeavesAbsentOptionalsOut) {
    EXPECT_FALSE(encodeSupportPromptPolicy({}).contains("lastPromptDate"));
    SupportPromptPolicy used;
    used.recordLaunch(12.5);
    used.recordQuery("length:m>ft");
    used.markPromptShown(99);
    used.recordWidgetTap(100);
    used.lastWidgetPromptTaps = 1;
    used.markTipped();
    EXPECT_EQ(decodeSupportPromptPolicy(json::parse(encodeSupportPromptPolicy(used).dump())), used);
}

TEST(SupportPromptJson, EachMistypedKeyFallsBackAlone) {
    struct Case {
        const char* text;
        SupportPromptPolicy expected;
    };
    SupportPromptPolicy withCounts;
    withCounts.launchCount = 4;
    withCounts.widgetTaps = 7;
    SupportPromptPolicy wholeFloat;
    wholeFloat.queryCount = 12;
    wholeFloat.lastPromptDate = 1.5;
    const Case cases[] = {
        {R"({"queryCount":"12","launchCount":4,"widgetTaps":7})", withCounts},
        {R"({"queryCount":12.0,"lastPromptDate":1.5,"lastPromptQueries":2.5})", wholeFloat},
        {R"([1,2,3])", {}},
    };
    for (const auto& item : cases)
        EXPECT_EQ(decodeSupportPromptPolicy(json::parse(item.text)), item.expected) << item.text;
}
