// Tests of `custom list` and of custom units in `categories` and `units`, over a stored library.
#include "CliFixture.h"

using nlohmann::json;

namespace {

const char* library = R"json({
  "version": 1,
  "conversions": [{
    "id": "ab12cd34", "name": "Brew", "glyph": "B",
    "params": [{"name": "rate", "value": 2}],
    "units": [
      {"id": "l", "name": "Litre", "symbol": "L"},
      {"id": "p", "name": "Pint", "rule": {"type": "ratio", "value": 0.5}},
      {"id": "k", "name": "Kay", "rule": {"type": "formula", "forward": "x * k"}},
      {"id": "s", "name": "Broken", "rule": {"type": "formula", "forward": "x +"}},
      {"id": "q", "name": "Square", "rule": {"type": "formula", "forward": "x^2"}},
      {"id": "w", "name": "Wave", "rule": {"type": "formula", "forward": "sin(x)"}},
      {"id": "r", "name": "Rated", "rule": {"type": "steps", "steps": [{"op": "mul", "param": "rate"}]}}
    ]
}, {"id": "dropped", "name": "No units"}],
  "extras": [
    {"id": "cubit", "category": "length", "reference": "m",
     "unit": {"name": "Cubit", "symbol": "cbt", "rule": {"type": "ratio", "value": 0.4572}}},
    {"id": "lost", "category": "length", "reference": "zz",
     "unit": {"name": "Lost", "rule": {"type": "ratio", "value": 1}}},
    {"id": "cent", "category": "currency", "reference": "EUR",
     "unit": {"name": "Euro cent", "rule": {"type": "ratio", "value": 0.01}}}
  ]
})json";

const char* rates = R"({"base": "USD", "rates": {"EUR": 0.5}, "updatedAt": 700000000,
                        "source": "test"})";

using CustomCommandsTest = zelvane::testing::CliTest;

const json* byId(const json& list, std::string_view id) {
    for (const auto& element : list)
        if (element["id"] == id)
            return &element;
    return nullptr;
}

TEST_F(CustomCommandsTest, ListsEveryUnitWithItsStatusOrError) {
    store("customLibrary", library);
    store("rates", rates);
    auto listed = runJson({"custom", "list", "--json"});
    ASSERT_EQ(listed["conversions"].size(), 1u);
    const auto& brew = listed["conversions"][0];
    EXPECT_EQ(brew["id"], "custom.ab12cd34");

    struct Expected {
        const char* id;
        json state; // the status text, or the error object
    };
    for (const auto& [id, state] : std::initializer_list<Expected>{
             {"p", "exactLine"},
             {"k", {{"case", "unknownName"}, {"name", "k"}, {"text", "unknownName k"}}},
             {"s",
              {{"case", "expression"},
               {"code", "expectedNumberOrName"},
               {"position", 3},
               {"text", "expression expectedNumberOrName at 3"}}},
             {"q", "searched"},
             {"w", "needsFormula"},
             {"r", "exactLine"},
         }) {
        const auto* unit = byId(brew["units"], id);
        ASSERT_NE(unit, nullptr) << id;
        EXPECT_EQ(state.is_string() ? (*unit)["status"] : (*unit)["error"], state) << id;
    }
    const auto* base = byId(brew["units"], "l");
    ASSERT_NE(base, nullptr);
    EXPECT_EQ((*base)["base"], true);
    EXPECT_FALSE(base->contains("status") || base->contains("error"));

    const auto& extras = listed["extras"];
    ASSERT_EQ(extras.size(), 3u);
    EXPECT_EQ((*byId(extras, "custom.lost"))["error"]["reference"], "length.zz");
    EXPECT_EQ((*byId(extras, "custom.cent"))["status"], "exactLine");

    auto text = run({"custom", "list"});
    EXPECT_NE(text.out.find("custom.ab12cd34 Brew (7 units)"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("error: unknownUnit length.zz"), std::string::npos);
}

TEST_F(CustomCommandsTest, CurrencyReferencesNeedStoredRates) {
    store("customLibrary", library);
    EXPECT_EQ(
        (*byId(runJson({"custom", "list", "--json"})["extras"], "custom.cent"))["error"]["text"],
        "unknownUnit currency.EUR");
}

TEST_F(CustomCommandsTest, CustomUnitsAppearBesideBuiltInOnes) {
    store("customLibrary", library);
    store("rates", rates);

    auto categories = runJson({"categories", "--json"});
    const auto* brew = byId(categories, "custom.ab12cd34");
    ASSERT_NE(brew, nullptr);
    EXPECT_EQ((*brew)["name"], "Brew");
    EXPECT_EQ((*brew)["unitCount"], 7);

    auto units = runJson({"units", "custom.ab12cd34", "--json"});
    EXPECT_EQ(units["base"], "l");
    EXPECT_EQ((*byId(units["units"], "p"))["symbol"], "Pint"); // no symbol: the name stands in

    auto length = runJson({"units", "length", "--json"});
    const auto* cubit = byId(length["units"], "custom.cubit");
    ASSERT_NE(cubit, nullptr);
    EXPECT_EQ((*cubit)["conversion"], (json{{"type", "custom"}}));
    EXPECT_NE(byId(length["units"], "custom.lost"), nullptr);

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
