// `defaults`: writing, reading and deleting keys of the user-defaults store.
#include <cstdlib>

#include "CliFixture.h"

namespace {

using DefaultsCommands = zelvane::testing::CliTest;

TEST_F(DefaultsCommands, WritesReadsAndDeletesKeys) {
    EXPECT_EQ(run({"defaults", "write", "preferences", R"({"significantDigits":6})"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "write", "mac.panelWidth", "420"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "read", "preferences"}).out, "{\"significantDigits\":6}\n");
    EXPECT_EQ(run({"defaults", "delete", "mac.panelWidth"}).exitCode, 0);
    auto missing = run({"defaults", "read", "mac.panelWidth"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "no value stored for mac.panelWidth\n");
    EXPECT_EQ(run({"defaults", "read", "preferences"}).exitCode, 0)
        << "other keys survive a delete";
}

TEST_F(DefaultsCommands, RefusesValuesTheirOwnerCannotRead) {
    ASSERT_EQ(run({"defaults", "write", "keypad",
                   R"({"categoryId":"length","fromUnitId":"m","input":"1"})"})
                  .exitCode,
              0);
    const char* refused[][2] = {
        {"preferences", "[1,2]"},
        {"keypad", R"({"categoryId":"length","fromUnitId":"m"})"},
    };
    for (auto [key, value] : refused) {
        auto result = run({"defaults", "write", key, value});
        EXPECT_EQ(result.exitCode, 1) << key;
        EXPECT_NE(result.err.find("not written"), std::string::npos) << result.err;
    }
    EXPECT_EQ(run({"defaults", "read", "keypad"}).out,
              "{\"categoryId\":\"length\",\"fromUnitId\":\"m\",\"input\":\"1\"}\n")
        << "a refused write changes nothing";
    EXPECT_EQ(run({"defaults", "frobnicate"}).exitCode, 2);
}

TEST_F(DefaultsCommands, ConcurrentWritersKeepEachOthersKeys) {
    constexpr int writers = 12;
    std::string script = "for i in $(seq 1 " + std::to_string(writers) + "); do " +
                         zelvane::testing::shellQuoted(ZELVANE_CLI) +
                         " defaults write mac.writer$i $i & done; wait";
    ASSERT_EQ(std::system(("XDG_CONFIG_HOME=" + home.path().string() + " sh -c " +
                           zelvane::testing::shellQuoted(script))
                              .c_str()),
              0);
    for (int i = 1; i <= writers; ++i)
        EXPECT_EQ(run({"defaults", "read", "mac.writer" + std::to_string(i)}).out,
                  std::to_string(i) + "\n");
}

} // namespace
