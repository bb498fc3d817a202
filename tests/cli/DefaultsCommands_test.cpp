// `defaults`: writing, reading and deleting keys of the settings file.
#include "CliFixture.h"

namespace {

using DefaultsCommands = zelvane::testing::CliTest;

TEST_F(DefaultsCommands, WritesReadsAndDeletesKeysOfTheRightType) {
    const std::string keypad = R"({"categoryId":"length","fromUnitId":"m","input":"1"})";
    expectRuns({
        {{"defaults", "write", "preferences", R"({"significantDigits":6})"}},
        {{"defaults", "read", "preferences"}, 0, "{\"significantDigits\":6}\n"},
        {{"defaults", "delete", "preferences"}},
        {{"defaults", "read", "preferences"}, 1, "", "no value stored for preferences\n"},
        // A value its owner cannot read is refused, and a refused write changes nothing.
        {{"defaults", "write", "keypad", keypad}},
        {{"defaults", "write", "keypad", R"({"categoryId":"length"})"}, 1, "", "not written"},
        {{"defaults", "read", "keypad"}, 0, keypad + "\n"},
        {{"defaults", "frobnicate"}, 2},
        // Values keep the type they were written with.
        {{"defaults", "write", "mac.showsInDock", "false"}},
        {{"defaults", "write", "mac.lastCopied", R"("3.107 mi")"}},
        {{"defaults", "write", "mac.panelX", "-12.5"}},
        {{"defaults", "read"},
         0,
         "keypad = " + keypad +
             "\nmac.lastCopied = \"3.107 mi\"\nmac.panelX = -12.5\nmac.showsInDock = false\n"},
    });
}

} // namespace
