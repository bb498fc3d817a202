// `defaults`: writing, reading and deleting keys of the settings file.
#include <cstdlib>

#include "CliFixture.h"

namespace {

using DefaultsCommands = zelvane::testing::CliTest;

TEST_F(DefaultsCommands, WritesReadsAndDeletesKeys) {
    EXPECT_EQ(run({"defaults", "write", "preferences", R"({"significantDigits":6})"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "read", "preferences"}).out, "{\"significantDigits\":6}\n");
    EXPECT_EQ(run({"defaults", "delete", "preferences"}).exitCode, 0);
    auto missing = run({"defaults", "read", "preferences"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, "no value stored for preferences\n");
}

TEST_F(DefaultsCommands, RefusesValuesTheirOwnerCannotRead) {
    ASSERT_EQ(run({"defaults", "write", "keypad",
                   R"({"categoryId":"length","fromUnitId":"m","input":"1"})"})
                  .exitCode,
              0);
    auto refused = run({"defaults", "write", "keypad", R"({"categoryId":"length"})"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_NE(refused.err.find("not written"), std::string::npos) << refused.err;
    EXPECT_EQ(run({"defaults", "read", "keypad"}).out,
              "{\"categoryId\":\"length\",\"fromUnitId\":\"m\",\"input\":\"1\"}\n")
        << "a refused write changes nothing";
    EXPECT_EQ(run({"defaults", "frobnicate"}).exitCode, 2);
}

TEST_F(DefaultsCommands, ValuesKeepTheTypeTheyWereWrittenWith) {
    EXPECT_EQ(run({"defaults", "write", "mac.showsInDock", "false"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "write", "mac.lastCopied", R"("3.107 mi")"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "write", "mac.panelX", "-12.5"}).exitCode, 0);
    EXPECT_EQ(run({"defaults", "read"}).out,
              "mac.lastCopied = \"3.107 mi\"\nmac.panelX = -12.5\nmac.showsInDock = false\n");
    for (const auto& [key, value] :
         {std::pair{"mac.panelWidth", R"("560")"}, std::pair{"mac.copiesUnit", "1"},
          std::pair{"mac.hotKey", R"("commandU")"},
          std::pair{"mac.recents", R"([{"categoryId":"length"}])"},
          std::pair{"mac.lastCopied", "null"}}) {
        auto refused = run({"defaults", "write", key, value});
        EXPECT_EQ(refused.exitCode, 1) << key;
        EXPECT_NE(refused.err.find("not written"), std::string::npos) << refused.err;
    }
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
