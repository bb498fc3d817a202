// Tests of `custom list` and of custom units in `categories` and `units`, over a stored library.
#include "CliFixture.h"

using nlohmann::json;

namespace {

const char* library = R"json({
  "version": 1,
  "conversions": [{
    "id": "ab12cd34", "name": "Brew", "glyph": "B",
    "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Pint", "rule": {"type": "ratio", "value": 0.5}},
      {"id": "s", "name": "Broken", "rule": {"type": "formula", "forward": "x +"}}
    ]
}, {"id": "dropped", "name": "No units"}],
  "extras": [
    {"id": "cubit", "category": "length", "reference": "m",
     "unit": {"name": "Cubit", "symbol": "cbt", "rule": {"type": "ratio", "value": 0.4572}}},
    {"id": "lost", "category": "length", "reference": "zz",
     "unit": {"name": "Lost", "rule": {"type": "ratio", "value": 1}}}
  ]
})json";

using CustomCommandsTest = zelvane::testing::CliTest;

const json* byId(const json& list, std::string_view id) {
    for (const auto& element : list)
        if (element["id"] == id)
            return &element;
    return nullptr;
}

TEST_F(CustomCommandsTest, ListsEveryUnitWithItsStatusOrError) {
    store("customLibrary", library);
    auto listed = runJson({"custom", "list", "--json"});
    ASSERT_EQ(listed["conversions"].size(), 1u);
    const auto& units = listed["conversions"][0]["units"];
    EXPECT_EQ(listed["conversions"][0]["id"], "custom.ab12cd34");
    ASSERT_TRUE(byId(units, "l") && byId(units, "p") && byId(units, "s"));
    EXPECT_EQ((*byId(units, "l"))["base"], true);
    EXPECT_FALSE(byId(units, "l")->contains("status") || byId(units, "l")->contains("error"));
    EXPECT_EQ((*byId(units, "p"))["status"], "exactLine");
    EXPECT_EQ((*byId(units, "s"))["error"],
              (json{{"case", "expression"},
                    {"code", "expectedNumberOrName"},
                    {"position", 3},
                    {"text", "expression expectedNumberOrName at 3"}}));

    auto text = run({"custom", "list"});
    EXPECT_NE(text.out.find("custom.ab12cd34 Brew (3 units)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("error: unknownUnit length.zz"), std::string::npos);
}

TEST_F(CustomCommandsTest, CustomUnitsAppearBesideBuiltInOnes) {
    store("customLibrary", library);
    EXPECT_EQ(runJson({"units", "custom.ab12cd34", "--json"})["base"], "l");
    auto length = runJson({"units", "length", "--json"});
    const auto* cubit = byId(length["units"], "custom.cubit");
    ASSERT_NE(cubit, nullptr);
    EXPECT_EQ((*cubit)["conversion"], (json{{"type", "custom"}}));
    EXPECT_EQ(run({"units", "custom.dropped"}).exitCode, 1);
}

TEST_F(CustomCommandsTest, EmptyOrUnreadableStore) {
    auto nothing = runJson({"custom", "list", "--json"});
    EXPECT_EQ(nothing, json::parse(R"({"conversions":[],"extras":[]})"));

    store("customLibrary", "[1, 2]");
    auto unreadable = run({"custom", "list"});
    EXPECT_EQ(unreadable.exitCode, 1);
    EXPECT_NE(unreadable.err.find("custom library"), std::string::npos) << unreadable.err;
    // Commands that only show units carry on as if there were no custom units.
    EXPECT_EQ(run({"units", "length"}).exitCode, 0);

    EXPECT_EQ(run({"custom", "erase"}).exitCode, 2);
}

} // namespace
