// DefaultsStore: values survive, neighbours survive, damaged or unwritable files do not crash.
#include "DefaultsStore.h"

#include <cstdlib>
#include <fstream>
#include <functional>

#include <unistd.h>

#include <gtest/gtest.h>

#include "TempDirectory.h"

namespace fs = std::filesystem;
using zelvane::DefaultsStore;

namespace {

class DefaultsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", home.path().c_str(), 1); }
    fs::path file() const { return home.path() / "zelvane" / "zelvane.conf"; }
    zelvane::testing::TempDirectory home;
};

TEST_F(DefaultsStoreTest, KeysRoundTripAndWritingOneKeepsTheOthers) {
    EXPECT_EQ(DefaultsStore::standardPath(), file());
    const std::string json = "{\"name\":\"\xe2\x82\xac\",\n\"x\":[1]}";
    const std::string binary("a\0b=[c]", 7);
    DefaultsStore first(file());
    ASSERT_TRUE(first.set("rates", json)) << first.lastError();
    ASSERT_TRUE(first.set("preferences", binary));
    ASSERT_TRUE(first.set("mac.hotKey", ""));
    DefaultsStore second(file()); // another writer of the same file
    ASSERT_TRUE(second.set("rates", "{}"));
    ASSERT_TRUE(first.remove("mac.hotKey"));

    DefaultsStore reopened(file());
    EXPECT_EQ(reopened.keys(), (std::vector<std::string>{"preferences", "rates"}));
    EXPECT_EQ(reopened.data("preferences"), binary);
    EXPECT_EQ(reopened.data("rates"), "{}");
    EXPECT_EQ(reopened.data("keypad"), std::nullopt);
}

TEST_F(DefaultsStoreTest, DamagedFilesReadWithoutCrashingAndAreKeptAsideOnWrite) {
    for (const std::string& damaged : {std::string("\0\xff[[[x\n=\n[y\nk\xff=@ByteArray(", 26),
                                       std::string("[General]\nrates=@ByteArray({\\\"base\\\":")}) {
        home.write("zelvane/zelvane.conf", damaged);
        DefaultsStore store(file());
        auto rates = store.data("rates");
        EXPECT_TRUE(!rates || !rates->ends_with("}")) << "a truncated value must not look whole";
        ASSERT_TRUE(store.set("preferences", "{}")) << store.lastError();
        EXPECT_EQ(DefaultsStore(file()).data("preferences"), "{}");
        if (damaged.starts_with('\0')) {
            std::ifstream copy(store.damagedCopyPath(), std::ios::binary);
            EXPECT_EQ(std::string(std::istreambuf_iterator<char>(copy), {}), damaged);
        }
    }
}

TEST_F(DefaultsStoreTest, UnwritableLocationsFailWithAReason) {
    const std::pair<std::function<void()>, const char*> cases[] = {
        {[&] { home.write("zelvane", "a file where the folder belongs"); }, "cannot create folder"},
        {[&] { fs::create_directories(file()); }, "it is a folder"},
        {[&] {
             fs::create_directories(file().parent_path());
             fs::permissions(file().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
         },
         "Permission denied"},
    };
    for (const auto& [prepare, reason] : cases) {
        SCOPED_TRACE(reason);
        std::error_code ignored;
        fs::permissions(home.path() / "zelvane", fs::perms::owner_all, fs::perm_options::add,
                        ignored);
        fs::remove_all(home.path() / "zelvane");
        prepare();
        if (geteuid() == 0 && std::string(reason) == "Permission denied")
            continue; // root may
        DefaultsStore store(file());
        EXPECT_FALSE(store.set("rates", "{}"));
        EXPECT_NE(store.lastError().find(reason), std::string::npos) << store.lastError();
        EXPECT_EQ(store.data("rates"), std::nullopt) << "an unwritten value is not read back";
    }
}

TEST_F(DefaultsStoreTest, AFailedWriteKeepsTheOldValueAndLaterWritesSucceed) {
    DefaultsStore store(file());
    ASSERT_TRUE(store.set("rates", "old"));
    fs::rename(file(), home.path() / "moved");
    fs::create_directories(file()); // the file's place is taken
    EXPECT_FALSE(store.set("rates", "new"));
    EXPECT_FALSE(store.remove("rates"));
    EXPECT_EQ(store.data("rates"), "old");

    fs::remove(file());
    fs::rename(home.path() / "moved", file());
    EXPECT_TRUE(store.set("keypad", "k")) << store.lastError();
    EXPECT_EQ(DefaultsStore(file()).data("rates"), "old");
}

} // namespace

// Qt lives in a plug-in so that a run without settings never maps it; a write loads it.
TEST_F(DefaultsStoreTest, QtIsLoadedOnlyOnceASettingsFileIsNeeded) {
    auto qtMapped = [] {
        std::ifstream maps("/proc/self/maps");
        return std::string(std::istreambuf_iterator<char>(maps), {}).find("libQt6Core") !=
               std::string::npos;
    };
    if (qtMapped())
        GTEST_SKIP() << "an earlier test in this process loaded the settings plug-in";
    DefaultsStore store(file());
    EXPECT_EQ(store.data("preferences"), std::nullopt);
    EXPECT_TRUE(store.keys().empty());
    EXPECT_FALSE(qtMapped());
    ASSERT_TRUE(store.set("preferences", "{}")) << store.lastError();
    EXPECT_TRUE(qtMapped());
}

// Reads go through a snapshot of the file while it matches; a hand edit and values that are
// not text are still read from the file itself.
TEST_F(DefaultsStoreTest, ReadsStayTrueToTheFileAfterHandEditsAndForBinaryValues) {
    ASSERT_TRUE(DefaultsStore(file()).set("rates", "{\"a\":1}"));
    EXPECT_TRUE(fs::exists(file().string() + ".snapshot"));
    EXPECT_EQ(DefaultsStore(file()).data("rates"), "{\"a\":1}");

    std::ifstream in(file(), std::ios::binary);
    std::string text(std::istreambuf_iterator<char>(in), {});
    // A longer value: Qt itself only notices a change of size or of modification time, which
    // can stay the same within one clock tick.
    text.replace(text.find("1}"), 2, "22}");
    home.write("zelvane/zelvane.conf", text);
    EXPECT_EQ(DefaultsStore(file()).data("rates"), "{\"a\":22}");

    const std::string binary("\xff\0", 2);
    ASSERT_TRUE(DefaultsStore(file()).set("keypad", binary));
    EXPECT_EQ(DefaultsStore(file()).data("keypad"), binary);
    EXPECT_EQ(DefaultsStore(file()).keys(), (std::vector<std::string>{"keypad", "rates"}));
}
