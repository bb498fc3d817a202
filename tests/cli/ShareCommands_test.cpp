// Sharing, importing, adopting templates and removing custom conversions.
#include "CliFixture.h"

using zelvane::testing::CliResult;

namespace {

// Every run gets its own user-defaults store under a fresh config home.
class ShareCommands : public zelvane::testing::CliTest {
  protected:
    void writeStore(const std::string& text) { home.write("zelvane/settings.json", text); }

    // The id after "as custom." in an import or adoption message.
    static std::string importedId(const CliResult& result) {
        auto at = result.out.find("as custom.");
        return at == std::string::npos ? "" : result.out.substr(at + 10, 8);
    }
};

const std::string conversionEnvelope = R"json({"format":"zelvane.custom","version":1,"conversion":{
    "name":"Roads","units":[{"name":"Metre"},{"name":"Stadion","rule":{"type":"ratio","value":185}},
    {"name":"Odd","rule":{"type":"formula","forward":"convert(x, length.m, length.zz)"}}]}})json";

} // namespace

TEST_F(ShareCommands, AdoptedTemplateSharedAndImportedBackIsANewItem) {
    auto adopted = run({"adopt", "race"});
    ASSERT_EQ(adopted.exitCode, 0) << adopted.err;
    auto id = importedId(adopted);
    ASSERT_EQ(id.size(), 8u) << adopted.out;

    auto link = run({"share", id});
    ASSERT_EQ(link.exitCode, 0) << link.err;

    auto imported = run({"import", "--yes", link.out});
    ASSERT_EQ(imported.exitCode, 0) << imported.err;
    EXPECT_NE(imported.out.find("Marathon = x / 42.195"), std::string::npos);
    EXPECT_NE(importedId(imported), id);
}

TEST_F(ShareCommands, ImportReadsStandardInputAndShowsUnknownReferences) {
    auto result = run({"import", "-", "--yes"}, "  " + conversionEnvelope + "\n");
    ASSERT_EQ(result.exitCode, 0) << result.err;
    EXPECT_NE(result.out.find("Stadion = x / 185"), std::string::npos) << result.out;
    EXPECT_NE(result.out.find("Unknown unit references: length.zz"), std::string::npos);
}

TEST_F(ShareCommands, RefusedImportsSayWhyAndStoreNothing) {
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"import", conversionEnvelope}, "--yes"}, // without a terminal only the flag confirms
        {{"import", "--yes", "zelvane:%%%"}, "not a shared custom conversion"},
    };
    for (const auto& [arguments, message] : cases) {
        auto result = run(arguments);
        EXPECT_EQ(result.exitCode, 1);
        EXPECT_NE(result.err.find(message), std::string::npos) << result.err;
        EXPECT_FALSE(std::filesystem::exists(storeFile()));
    }
}

TEST_F(ShareCommands, UnreadableLibraryIsNeverWrittenOver) {
    for (const char* stored :
         {R"({"customLibrary": {"$data": "not json"}})", "\x01\x02 not a settings file"}) {
        writeStore(stored);
        auto before = storeText();
        auto result = run({"import", "--yes", conversionEnvelope});
        EXPECT_EQ(result.exitCode, 1) << stored;
        EXPECT_NE(result.err.find("nothing was changed"), std::string::npos) << result.err;
        EXPECT_EQ(storeText(), before);
        EXPECT_EQ(run({"adopt", "eggs"}).exitCode, 1);
        EXPECT_EQ(storeText(), before);
    }
    writeStore("\n");
    EXPECT_EQ(run({"adopt", "eggs"}).exitCode, 0) << "an empty file is not a damaged one";
}

TEST_F(ShareCommands, TemplatesAndPacksAreListedAndBuilt) {
    EXPECT_NE(run({"templates", "--json"}).out.find("\"id\": \"pace\""), std::string::npos);
    EXPECT_EQ(run({"adopt", "no_such_template"}).exitCode, 1);

    auto cubits = run({"pack", "biblical", "length", "long", "--json"});
    EXPECT_NE(cubits.out.find("\"factor\": 0.518"), std::string::npos) << cubits.err;
    EXPECT_EQ(run({"pack", "biblical"}).exitCode, 2);
}

TEST_F(ShareCommands, RemoveTakesTheItemAndItsCategoryAndNothingElse) {
    auto kept = importedId(run({"adopt", "eggs"}));
    auto removed = importedId(run({"adopt", "laps"}));
    ASSERT_EQ(removed.size(), 8u);

    ASSERT_EQ(run({"custom", "remove", "custom." + removed}).exitCode, 0);
    auto store = storeText();
    EXPECT_EQ(store.find(removed), std::string::npos) << store;
    EXPECT_NE(store.find("custom." + kept), std::string::npos);
    EXPECT_EQ(run({"custom", "remove", "custom." + removed}).exitCode, 1) << "already gone";
}
