// `custom list` over a stored library, and what happens when the library cannot be read.
#include "CliFixture.h"

using nlohmann::json;

namespace {

const char* library = R"json({"version": 1, "conversions": [{
    "id": "ab12cd34", "name": "Brew", "glyph": "B", "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Pint", "rule": {"type": "ratio", "value": 0.5}},
      {"id": "s", "name": "Broken", "rule": {"type": "formula", "forward": "x +"}}
    ]}],
  "extras": [{"id": "lost", "category": "length", "reference": "zz",
              "unit": {"name": "Lost", "rule": {"type": "ratio", "value": 1}}}]})json";

using CustomCommandsTest = zelvane::testing::CliTest;

TEST_F(CustomCommandsTest, ListsEveryUnitWithItsStatusOrError) {
    store("customLibrary", library);
    auto listed = runJson({"custom", "list", "--json"});
    ASSERT_EQ(listed["conversions"].size(), 1u);
    const auto& units = listed["conversions"][0]["units"];
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[1]["status"], "exactLine");
    EXPECT_EQ(units[2]["error"]["text"], "expression expectedNumberOrName at 3");

    auto text = run({"custom", "list"});
    EXPECT_NE(text.out.find("custom.ab12cd34 Brew (3 units)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("error: unknownUnit length.zz"), std::string::npos);
}

TEST_F(CustomCommandsTest, UnreadableStore) {
    store("customLibrary", "[1, 2]");
    auto unreadable = run({"custom", "list"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.err.find("custom library"), std::string::npos) << unreadable.err;
    // Commands that only show units carry on as if there were no custom units.
    EXPECT_EQ(run({"units", "length"}).exitCode, 0);

    EXPECT_EQ(run({"custom", "erase"}).exitCode, 2);
}

} // namespace
