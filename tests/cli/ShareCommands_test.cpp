// Custom conversions: listing, adding, sharing, importing, adopting templates and removing them.
#include "CliFixture.h"

using zelvane::testing::CliResult;

namespace {

using ShareCommands = zelvane::testing::CliTest;

// The id after "as custom." in an import or adoption message.
std::string importedId(const CliResult& result) {
    auto at = result.out.find("as custom.");
    return at == std::string::npos ? "" : result.out.substr(at + 10, 8);
}

const std::string conversionEnvelope = R"json({"format":"zelvane.custom","version":1,"conversion":{
    "name":"Roads","units":[{"name":"Metre"},{"name":"Stadion","rule":{"type":"ratio","value":185}},
    {"name":"Odd","rule":{"type":"formula","forward":"convert(x, length.m, length.zz)"}}]}})json";

TEST_F(ShareCommands, ListsEveryUnitWithItsStatusOrError) {
    store("customLibrary", R"json({"version": 1, "conversions": [{
        "id": "ab12cd34", "name": "Brew", "glyph": "B", "units": [
          {"id": "l", "name": "Litre", "symbol": "L"},
          {"id": "p", "name": "Pint", "rule": {"type": "ratio", "value": 0.5}},
          {"id": "s", "name": "Broken", "rule": {"type": "formula", "forward": "x +"}}]}],
      "extras": [{"id": "lost", "category": "length", "reference": "zz",
                  "unit": {"name": "Lost", "rule": {"type": "ratio", "value": 1}}}]})json");
    auto listed = runJson({"custom", "list", "--json"});
    ASSERT_EQ(listed["conversions"].size(), 1u);
    const auto& units = listed["conversions"][0]["units"];
    ASSERT_EQ(units.size(), 3u);
    EXPECT_EQ(units[1]["status"], "exactLine");
    EXPECT_EQ(units[2]["error"]["text"], "expression expectedNumberOrName at 3");
    expectRuns({{{"custom", "list"}, 0, "custom.ab12cd34 Brew (3 units)"},
                {{"custom", "list"}, 0, "error: unknownUnit length.zz"}});
}

TEST_F(ShareCommands, AnUnreadableLibraryIsReportedAndNeverWrittenOver) {
    store("customLibrary", "[1, 2]");
    // Commands that only show units carry on as if there were no custom units.
    expectRuns({{{"custom", "list"}, 1, std::nullopt, "custom library"},
                {{"units", "length"}},
                {{"custom", "erase"}, 2}});
    for (const char* stored :
         {R"({"customLibrary": {"$data": "not json"}})", "\x01\x02 not a settings file"}) {
        home.write("zelvane/settings.json", stored);
        auto before = storeText();
        expectRuns(
            {{{"import", "--yes", conversionEnvelope}, 1, std::nullopt, "nothing was changed"},
             {{"adopt", "eggs"}, 1}});
        EXPECT_EQ(storeText(), before);
    }
    home.write("zelvane/settings.json", "\n");
    EXPECT_EQ(run({"adopt", "eggs"}).exitCode, 0) << "an empty file is not a damaged one";
}

TEST_F(ShareCommands, AdoptedTemplateSharedAndImportedBackIsANewItem) {
    auto id = importedId(run({"adopt", "race"}));
    ASSERT_EQ(id.size(), 8u);
    auto link = run({"share", id});
    ASSERT_EQ(link.exitCode, 0) << link.err;
    auto imported = run({"import", "--yes", link.out});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_NE(imported.out.find("Marathon = x / 42.195"), std::string::npos);
    EXPECT_NE(importedId(imported), id);
}

TEST_F(ShareCommands, ImportsTemplatesAndPacksAnswer) {
    expectRuns({
        // Standard input, with the references no unit answers to.
        {.arguments = {"import", "-", "--yes"},
         .out = "Unknown unit references: length.zz",
         .input = "  " + conversionEnvelope + "\n"},
        {{"import", "--yes",
          R"json({"format":"zelvane.custom","version":1,"conversion":{"name":"Steps","units":[
            {"name":"Step","rule":{"type":"ratio","value":2}},
            {"name":"Stride","rule":{"type":"ratio","value":2}}]}})json"},
         0,
         "Cleaned up:\n  the rule of the reference unit Step removed\nImported Steps"},
        {{"templates", "--json"}, 0, "\"id\": \"pace\""},
        {{"adopt", "no_such_template"}, 1},
        {{"pack", "biblical", "length", "long", "--json"}, 0, "\"factor\": 0.518"},
        {{"pack", "biblical"}, 2},
    });
}

TEST_F(ShareCommands, RefusedImportsSayWhyAndStoreNothing) {
    expectRuns({
        // Without a terminal only the flag confirms.
        {{"import", conversionEnvelope}, 1, std::nullopt, "--yes"},
        {{"import", "--yes", "zelvane:%%%"}, 1, std::nullopt, "not a shared custom conversion"},
    });
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
}

TEST_F(ShareCommands, AddRefusesBadInputAndStoresNothing) {
    const std::string badFormula = R"json({"format":"zelvane.custom","version":1,"conversion":{
        "name":"Odd","units":[{"name":"M"},{"name":"Bad","rule":{"type":"formula","forward":"x +"}}]}})json";
    expectRuns({
        {{"custom", "add", "--name", "X", "--unit", "A"}, 1, "", "at least one more --unit"},
        {{"custom", "add", "--name", "X", "--unit", "A", "--unit", "B"}, 1, "", "needs its ratio"},
        {{"custom", "add", "--name", "X", "--unit", "A=2", "--unit", "B=1"}, 1, "", "no ratio"},
        {{"custom", "add", "--name", "X", "--unit", "A", "--unit", "B=0"}, 1, "", "positive"},
        {{"custom", "add", "--name", " ", "--unit", "A", "--unit", "B=2"}, 1, "", "name is empty"},
        {{"custom", "add", "--extra", "length", "--unit", "R=5"}, 1, "", "CATEGORY.UNIT"},
        {{"custom", "add", "--extra", "length.zz", "--unit", "R=5"},
         1,
         "",
         "unknownUnit length.zz"},
        {.arguments = {"custom", "add", "-"},
         .exitCode = 1,
         .err = "Bad: expression",
         .input = badFormula},
        {.arguments = {"custom", "add", "-"}, .exitCode = 1, .err = "not a shared", .input = "{"},
        {{"custom", "add", "--unit", "A", "no-such-file"}, 2, "", "not both"},
        {{"custom", "list", "--name", "X"}, 2},
    });
    EXPECT_FALSE(std::filesystem::exists(storeFile()));
}

TEST_F(ShareCommands, AddCreatesFromFlagsOrShareJsonWithEachUnitsStatus) {
    expectRuns({
        {{"custom", "add", "--name", "Brew", "--unit", "Litre:L", "--unit", "Pint:pt=0.5"},
         0,
         "pt       Pint             exactLine"},
        {{"custom", "add", "--extra", "length.m", "--unit", "Rod:rd=5.0292"},
         0,
         "length (against m)"},
        {.arguments = {"custom", "add", "-"},
         .out = "Stadion          exactLine",
         .input = R"json({"format":"zelvane.custom","version":1,"conversion":{"name":"Roads",
            "units":[{"name":"Metre"},{"name":"Stadion","rule":{"type":"ratio","value":185}}]}})json"},
        {{"convert", "2 rd to m"}, 0, "→ 10.06 m"},
    });
    auto listed = runJson({"custom", "list", "--json"});
    EXPECT_EQ(listed["conversions"].size(), 2u);
    EXPECT_EQ(listed["extras"][0]["status"], "exactLine");
}

TEST_F(ShareCommands, RemoveTakesTheItemAndItsCategoryAndNothingElse) {
    auto kept = importedId(run({"adopt", "eggs"}));
    auto removed = importedId(run({"adopt", "laps"}));
    ASSERT_EQ(removed.size(), 8u);
    expectRuns({{{"custom", "remove", "custom." + removed}},
                {{"custom", "remove", "custom." + removed}, 1}});
    EXPECT_EQ(storeText().find(removed), std::string::npos) << storeText();
    EXPECT_NE(storeText().find("custom." + kept), std::string::npos);
}

} // namespace
