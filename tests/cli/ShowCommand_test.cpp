// `show`: one category's rows for a stored region, and the errors a user meets.
#include "CliFixture.h"

namespace {

using ShowCommand = zelvane::testing::CliTest;

TEST_F(ShowCommand, StartsFromTheRegionPreset) {
    store("preferences", R"({"region":"unitedStates","hasCompletedOnboarding":true})");
    auto shown = runJson({"show", "length", "--json"});
    EXPECT_EQ(shown["fromUnitId"], "ft");
    EXPECT_EQ(shown["pinned"][0]["unitId"], "in") << "feet itself is the source";
}

TEST_F(ShowCommand, RefusesUnknownCategoriesAndUnits) {
    auto category = run({"show", "nonsense"});
    EXPECT_EQ(category.exitCode, 1);
    EXPECT_EQ(category.err, "unknown category: nonsense\n");
    EXPECT_EQ(run({"show", "length", "--from", "kg"}).exitCode, 1);
}

} // namespace
