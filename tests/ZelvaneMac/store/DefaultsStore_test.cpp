// DefaultsStore: values survive, neighbours survive, damaged or unwritable files do not crash.
#include "DefaultsStore.h"

#include <cstdlib>
#include <fstream>

#include <unistd.h>

#include <gtest/gtest.h>

namespace fs = std::filesystem;
using zelvane::DefaultsStore;

namespace {

class DefaultsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override {
        std::string pattern = (fs::temp_directory_path() / "zelvane-store-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        home_ = pattern;
        setenv("XDG_CONFIG_HOME", home_.c_str(), 1);
    }
    void TearDown() override {
        fs::permissions(home_ / "zelvane", fs::perms::owner_all, fs::perm_options::add, ignored_);
        fs::remove_all(home_, ignored_);
        unsetenv("XDG_CONFIG_HOME");
    }
    fs::path file() const { return home_ / "zelvane" / "zelvane.conf"; }
    void writeFile(const std::string& bytes) const {
        fs::create_directories(file().parent_path());
        std::ofstream(file(), std::ios::binary) << bytes;
    }

    fs::path home_;
    std::error_code ignored_;
};

TEST_F(DefaultsStoreTest, StandardPathFollowsXdgConfigHome) {
    EXPECT_EQ(DefaultsStore::standardPath(), file());
    setenv("XDG_CONFIG_HOME", "relative/dir", 1); // not absolute: ignored, as XDG says
    setenv("HOME", home_.c_str(), 1);
    EXPECT_EQ(DefaultsStore::standardPath(), home_ / ".config" / "zelvane" / "zelvane.conf");
}

TEST_F(DefaultsStoreTest, BytesRoundTripExactlyThroughTheFile) {
    // JSON with quotes, newlines, non-ASCII text, and a NUL byte for good measure.
    const std::string json = "{\"base\":\"EUR\",\n\"name\":\"\xe2\x82\xac uro\"}";
    const std::string binary("a\0b=[c]", 7);
    {
        DefaultsStore store(file());
        ASSERT_TRUE(store.set("rates", json)) << store.lastError();
        ASSERT_TRUE(store.set("mac.hotKey", binary)) << store.lastError();
        ASSERT_TRUE(store.set("keypad", "")) << store.lastError();
    }
    DefaultsStore reopened(file());
    EXPECT_EQ(reopened.data("rates"), json);
    EXPECT_EQ(reopened.data("mac.hotKey"), binary);
    EXPECT_EQ(reopened.data("keypad"), "");
    EXPECT_EQ(reopened.data("preferences"), std::nullopt);
    EXPECT_EQ(reopened.keys(), (std::vector<std::string>{"keypad", "mac.hotKey", "rates"}));
}

TEST_F(DefaultsStoreTest, WritingOneKeyKeepsTheOthers) {
    DefaultsStore first(file());
    ASSERT_TRUE(first.set("preferences", "{\"a\":1}"));
    ASSERT_TRUE(first.set("rates", "{\"r\":1}"));

    // A second writer of the same file, as the CLI beside the running panel.
    DefaultsStore second(file());
    ASSERT_TRUE(second.set("rates", "{\"r\":2}"));
    ASSERT_TRUE(first.set("customLibrary", "[]"));
    ASSERT_TRUE(first.remove("preferences"));

    DefaultsStore reopened(file());
    EXPECT_EQ(reopened.keys(), (std::vector<std::string>{"customLibrary", "rates"}));
    EXPECT_EQ(reopened.data("rates"), "{\"r\":2}");
    EXPECT_TRUE(reopened.remove("never.stored"));
}

TEST_F(DefaultsStoreTest, DamagedFilesReadAsEmptyAndAreReplacedOnWrite) {
    const std::string damaged[] = {
        std::string("\0\xff\xfe[[[garbage\n=\n[x\nkey\xff=@ByteArray(", 32),
        "[General]\nrates=@ByteArray({\\\"base\\\":\\\"US", // cut off mid-value
        "[General\npreferences",
    };
    for (const auto& bytes : damaged) {
        writeFile(bytes);
        DefaultsStore store(file());
        auto rates = store.data("rates");
        EXPECT_TRUE(!rates || !rates->ends_with("}")) << "a truncated value must not look whole";
        ASSERT_TRUE(store.set("preferences", "{}")) << store.lastError();
        DefaultsStore reopened(file());
        EXPECT_EQ(reopened.data("preferences"), "{}");
    }
}

TEST_F(DefaultsStoreTest, UnwritableLocationsFailWithAReasonAndKeepMemoryHonest) {
    struct Case {
        const char* name;
        void (*prepare)(const fs::path& file);
        const char* reason;
    };
    const Case cases[] = {
        {"config folder is a file",
         [](const fs::path& file) { std::ofstream(file.parent_path()) << "x"; },
         "cannot create folder"},
        {"settings file is a folder", [](const fs::path& file) { fs::create_directories(file); },
         "it is a folder"},
        {"read-only folder",
         [](const fs::path& file) {
             fs::create_directories(file.parent_path());
             fs::permissions(file.parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
         },
         "Permission denied"},
    };
    for (const auto& test : cases) {
        SCOPED_TRACE(test.name);
        TearDown();
        SetUp();
        test.prepare(file());
        if (std::string(test.name) == "read-only folder" && geteuid() == 0)
            continue; // root writes anyway

        DefaultsStore store(file());
        EXPECT_FALSE(store.set("rates", "{}"));
        EXPECT_NE(store.lastError().find(test.reason), std::string::npos) << store.lastError();
        EXPECT_NE(store.lastError().find(home_.string()), std::string::npos) << store.lastError();
        EXPECT_EQ(store.data("rates"), std::nullopt);
        EXPECT_TRUE(store.keys().empty());
    }
}

TEST_F(DefaultsStoreTest, AFailedWriteLeavesTheStoredValueAndLaterWritesSucceed) {
    DefaultsStore store(file());
    ASSERT_TRUE(store.set("rates", "old"));
    fs::rename(file(), home_ / "moved");
    fs::create_directories(file()); // the file's place is now taken

    EXPECT_FALSE(store.set("rates", "new"));
    EXPECT_EQ(store.data("rates"), "old");
    EXPECT_FALSE(store.remove("rates"));
    EXPECT_EQ(store.data("rates"), "old");

    fs::remove(file());
    fs::rename(home_ / "moved", file());
    EXPECT_TRUE(store.set("keypad", "k")) << store.lastError();
    EXPECT_TRUE(store.lastError().empty());
    EXPECT_EQ(DefaultsStore(file()).data("rates"), "old");
}

} // namespace
