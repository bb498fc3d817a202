// SettingsStore: typed values survive as written, writers lose nothing, damage loses nothing.
#include "SettingsStore.h"

#include <cmath>
#include <cstdlib>

#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include "TempDirectory.h"

namespace fs = std::filesystem;
using zelvane::SettingData;
using zelvane::SettingsStore;
using zelvane::SettingValue;

namespace {

class SettingsStoreTest : public ::testing::Test {
  protected:
    void SetUp() override { setenv("XDG_CONFIG_HOME", home.path().c_str(), 1); }
    fs::path file() const { return home.path() / "zelvane" / "settings.json"; }
    void expectWritten(const zelvane::StoreResult& result) {
        EXPECT_TRUE(result) << (result ? "" : result.error().message);
    }
    zelvane::testing::TempDirectory home;
};

TEST_F(SettingsStoreTest, ValuesComeBackWithTheirTypeAndExactBytes) {
    EXPECT_EQ(SettingsStore::standardPath(), file());
    const std::string binary("a\0b\xff", 4);
    const std::vector<std::pair<std::string, SettingValue>> values = {
        {"mac.panelWidth", 560.0},
        {"mac.panelX", -12.625},
        {"mac.showsInDock", false},
        {"mac.hotKey", std::string("optionSpace")},
        {"mac.lastCopied", std::string("{\"looks\":\"like json\"}")},
        {"binary", SettingData{binary}},
        {"scalarJson", SettingData{"42"}},
        {"notJson", SettingData{"5 km, \"quoted\""}},
        {"lookalike", SettingData{R"({"$data":"x"})"}},
    };
    SettingsStore writer(file());
    for (const auto& [key, value] : values)
        expectWritten(writer.set(key, value));

    SettingsStore reader(file());
    for (const auto& [key, value] : values)
        EXPECT_EQ(reader.value(key), value) << key;
    EXPECT_EQ(reader.number("mac.showsInDock"), std::nullopt) << "another type reads as none";
    EXPECT_EQ(reader.text("binary"), std::nullopt);
    EXPECT_EQ(reader.boolean("missing"), std::nullopt);
    EXPECT_EQ(reader.readProblem(), std::nullopt);
}

TEST_F(SettingsStoreTest, JsonDataIsKeptReadableInTheFile) {
    SettingsStore store(file());
    expectWritten(store.set("preferences", SettingData{R"({"zeta": 1, "alpha": [true, "€"]})"}));
    expectWritten(store.set("mac.panelWidth", 560.0));

    auto document = nlohmann::json::parse(zelvane::testing::readFile(file()));
    EXPECT_EQ(document["preferences"]["alpha"][1], "€");
    EXPECT_EQ(document["mac.panelWidth"], 560);
    EXPECT_EQ(SettingsStore(file()).data("preferences"), R"({"zeta":1,"alpha":[true,"€"]})")
        << "compact, in the order written";
}

TEST_F(SettingsStoreTest, ChangesFromOtherWritersAndHandEditsAreSeen) {
    SettingsStore first(file());
    SettingsStore second(file());
    expectWritten(first.set("rates", SettingData{"{}"}));
    expectWritten(second.set("keypad", SettingData{"[]"}));
    expectWritten(first.apply({{"mac.hotKey", std::string("none")}, {"keypad", std::nullopt}}));
    EXPECT_EQ(second.keys(), (std::vector<std::string>{"mac.hotKey", "rates"}));

    home.write("zelvane/settings.json", R"({"mac.panelWidth": 700, "mac.copiesUnit": false})");
    EXPECT_EQ(first.number("mac.panelWidth"), 700);
    EXPECT_EQ(first.keys(), (std::vector<std::string>{"mac.copiesUnit", "mac.panelWidth"}));
    expectWritten(first.remove("absent"));
}

TEST_F(SettingsStoreTest, WritesThatCannotHappenFailWithThePathAndTheReason) {
    home.write("zelvane", "a file where the folder belongs");
    auto blocked = SettingsStore(file()).set("rates", SettingData{"{}"});
    ASSERT_FALSE(blocked);
    EXPECT_NE(blocked.error().message.find("cannot create folder"), std::string::npos);
    fs::remove(home.path() / "zelvane");

    SettingsStore store(file());
    expectWritten(store.set("rates", SettingData{"old"}));
    auto notFinite = store.set("mac.panelX", std::nan(""));
    EXPECT_FALSE(notFinite);
    EXPECT_EQ(store.number("mac.panelX"), std::nullopt);

    if (geteuid() == 0)
        GTEST_SKIP() << "permissions do not bind root";
    fs::permissions(file(), fs::perms::none);
    EXPECT_EQ(SettingsStore(file()).data("rates"), std::nullopt);
    ASSERT_TRUE(SettingsStore(file()).readProblem());
    EXPECT_FALSE(SettingsStore(file()).set("keypad", SettingData{"{}"}))
        << "an unreadable file is not written over";
    fs::permissions(file(), fs::perms::owner_read);
    fs::permissions(file().parent_path(), fs::perms::owner_read | fs::perms::owner_exec);
    auto readOnly = SettingsStore(file()).set("keypad", SettingData{"{}"});
    ASSERT_FALSE(readOnly);
    EXPECT_NE(readOnly.error().message.find("Permission denied"), std::string::npos);
    fs::permissions(file().parent_path(), fs::perms::owner_all);
}

TEST_F(SettingsStoreTest, ConcurrentWritersFromSeveralProcessesKeepEveryKey) {
    constexpr int writers = 12;
    constexpr int rounds = 5;
    std::vector<pid_t> children;
    for (int writer = 0; writer < writers; ++writer) {
        pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            SettingsStore store(file());
            const std::string prefix = "writer" + std::to_string(writer) + ".";
            int failed = 0;
            for (int round = 0; round < rounds; ++round)
                failed += !store.set(prefix + std::to_string(round), double(writer));
            _exit(failed);
        }
        children.push_back(child);
    }
    for (pid_t child : children) {
        int status = 0;
        waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }
    SettingsStore store(file());
    EXPECT_EQ(store.keys().size(), std::size_t{writers * rounds});
    EXPECT_EQ(store.number("writer11.4"), 11);
}

} // namespace
