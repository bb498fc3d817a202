// SettingsStore against damaged and hostile files: cut short, partly wrong, too deep, too large,
// not a file. Nothing crashes or hangs, what can safely be read is kept, and the damaged file is
// kept aside, private.
#include "SettingsStore.h"

#include <sys/stat.h>

#include <gtest/gtest.h>

#include "CliFixture.h"
#include "RavoDozu/BoundedJson.h"
#include "TempDirectory.h"

namespace fs = std::filesystem;
using zelvane::SettingsStore;

namespace {

std::string nested(std::size_t depth) {
    return std::string(depth, '[') + std::string(depth, ']');
}

struct Hostile {
    std::string name;
    std::string bytes;
    std::string problem; ///< Part of the read problem reported.
};

void PrintTo(const Hostile& hostile, std::ostream* out) {
    *out << hostile.name;
}

class SettingsStoreLimitsTest : public ::testing::TestWithParam<Hostile> {
  protected:
    zelvane::testing::TempDirectory home;
};

// Each file holds a good key first: it must survive the read and the rewrite.
TEST_P(SettingsStoreLimitsTest, KeepsWhatIsSafeAndTheDamagedFileAside) {
    const auto& hostile = GetParam();
    auto file = home.write("zelvane/settings.json", hostile.bytes);
    fs::permissions(file, fs::perms(0644));
    SettingsStore store(file);
    EXPECT_EQ(store.number("good"), 1.0);
    ASSERT_TRUE(store.readProblem());
    EXPECT_NE(store.readProblem()->message.find(hostile.problem), std::string::npos)
        << store.readProblem()->message;

    // The command line reads the same file and answers.
    auto cli = zelvane::testing::runCli({"defaults", "read", "good"},
                                        "XDG_CONFIG_HOME=" + home.path().string());
    EXPECT_EQ(cli.exitCode, 0) << cli.err;

    ASSERT_TRUE(store.set("added", 2.0));
    EXPECT_EQ(SettingsStore(file).number("good"), 1.0);
    EXPECT_FALSE(SettingsStore(file).readProblem());
    struct stat copy {};
    ASSERT_EQ(::stat(store.damagedCopyPath().c_str(), &copy), 0);
    EXPECT_EQ(copy.st_mode & 0777, 0600u);
    EXPECT_EQ(zelvane::testing::readFile(store.damagedCopyPath()), hostile.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Files, SettingsStoreLimitsTest,
    ::testing::Values(
        Hostile{"cutShort", R"({"good":1,"rates": {"base": "USD", )", ""},
        Hostile{"partlyWrong", R"({"good":1, "bad": null, "hex": {"$hex": "zz"}})", ""},
        Hostile{"deepList", R"({"good":1,"deep":)" + nested(100'000) + "}", "nested deeper"},
        Hostile{"oversized",
                R"({"good":1,"big":")" + std::string(SettingsStore::maxFileBytes, 'x') + "\"}",
                "larger than the 1048576 bytes"}),
    [](const auto& info) { return info.param.name; });

TEST(SettingsStoreLimits, RefusesToWritePastTheLimit) {
    zelvane::testing::TempDirectory home;
    SettingsStore store(home.path() / "settings.json");
    ASSERT_TRUE(store.set("good", 1.0));
    auto written = store.set("big", std::string(SettingsStore::maxFileBytes, 'x'));
    ASSERT_FALSE(written);
    EXPECT_NE(written.error().message.find("would pass the 1048576 bytes"), std::string::npos);
    EXPECT_EQ(SettingsStore(store.path()).keys(), std::vector<std::string>{"good"});
}

// A pipe would block a plain read forever; a folder cannot be parsed. Neither is written over.
TEST(SettingsStoreLimits, APathThatIsNoFileReadsAsEmptyAndIsKept) {
    zelvane::testing::TempDirectory home;
    const auto pipe = home.path() / "pipe.json";
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    fs::create_directory(home.path() / "folder.json");
    for (const auto& path : {pipe, home.path() / "folder.json"}) {
        SettingsStore store(path);
        EXPECT_TRUE(store.keys().empty());
        ASSERT_TRUE(store.readProblem());
        EXPECT_NE(store.readProblem()->message.find("not a regular file"), std::string::npos);
        EXPECT_FALSE(store.set("key", 1.0));
        EXPECT_FALSE(fs::is_regular_file(path));
    }
}

// The core's decoders of stored records read through the same bounded reader (a deep record:
// UserPreferences' test).
TEST(SettingsStoreLimits, TheDepthLimitIsExact) {
    EXPECT_FALSE(ravodozu::parseBoundedJson(nested(ravodozu::maxJsonDepth)).is_discarded());
    EXPECT_TRUE(ravodozu::parseBoundedJson(nested(ravodozu::maxJsonDepth + 1)).is_discarded());
}

} // namespace
