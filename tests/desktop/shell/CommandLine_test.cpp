// zelvane's own answers: help and version, found among the options only.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "LaunchCommand.h"
#include "ZelvaneVersion.h"

namespace {

using zelvane::CommandLine;

TEST(CommandLine, HelpAndVersionAnswerWithoutStarting) {
    auto version = CommandLine::answer({"--toggle", "--version"});
    ASSERT_TRUE(version);
    EXPECT_EQ(version->exitCode, 0);
    EXPECT_EQ(version->text, std::string("zelvane ") + zelvane::version + "\n");

    for (const char* option : {"-h", "--help"}) {
        auto help = CommandLine::answer({"-platform", "offscreen", option});
        ASSERT_TRUE(help) << option;
        EXPECT_EQ(help->text, CommandLine::helpText());
    }
    for (const char* listed : {"--show", "converter, categories, settings, formula", "--toggle",
                               "--hide", "--quit", "--background", "--version"})
        EXPECT_NE(CommandLine::helpText().find(listed), std::string::npos) << listed;
}

TEST(CommandLine, EverythingElseIsForTheLaunch) {
    EXPECT_FALSE(CommandLine::answer({}));
    EXPECT_FALSE(CommandLine::answer({"--show", "settings"}));
    // After "--" option names are plain words.
    EXPECT_FALSE(CommandLine::answer({"--", "--version"}));
    // ... and the launch takes no operands.
    using zelvane::launch::parse;
    EXPECT_EQ(parse({"--toggle", "--"}).value(),
              zelvane::launch::Command{zelvane::launch::Toggle{}});
    EXPECT_EQ(parse({"--", "--toggle"}).error(), "unexpected argument: --toggle");
}

} // namespace
