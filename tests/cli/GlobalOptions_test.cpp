// zelvane-cli's own options: help, version, and "--" ending the options.
#include <gtest/gtest.h>

#include "CliRun.h"
#include "ZelvaneVersion.h"

namespace {

using zelvane::testing::runCli;

TEST(GlobalOptions, HelpAndVersionGoToStdoutAndSucceed) {
    auto version = runCli({"--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.out, std::string("zelvane-cli ") + zelvane::version + "\n");

    for (const char* option : {"--help", "-h"}) {
        auto help = runCli({option});
        EXPECT_EQ(help.exitCode, 0) << option;
        EXPECT_TRUE(help.err.empty()) << option;
        for (const char* listed : {"--version", "--lang CODE", "convert ", "format ", "units "})
            EXPECT_NE(help.out.find(listed), std::string::npos) << option << " lacks " << listed;
    }

    // A command's help is its usage and summary; the command does not run.
    auto commandHelp = runCli({"format", "--help"});
    EXPECT_EQ(commandHelp.exitCode, 0);
    EXPECT_TRUE(commandHelp.out.starts_with("usage: zelvane-cli format VALUE")) << commandHelp.out;

    // Without a command it is still a usage error, reported on stderr.
    auto bare = runCli({});
    EXPECT_EQ(bare.exitCode, 2);
    EXPECT_TRUE(bare.out.empty());
}

TEST(GlobalOptions, DoubleDashMakesEveryLaterWordAnOperand) {
    auto negative = runCli({"format", "--", "-0.5"});
    EXPECT_EQ(negative.exitCode, 0) << negative.err;
    EXPECT_EQ(negative.out, "-0.5\n");

    // Options still count before it, and option names after it are plain words.
    EXPECT_EQ(runCli({"format", "--digits", "2", "--", "3.14159"}).out, "3.1\n");
    auto literal = runCli({"format", "--", "--digits"});
    EXPECT_EQ(literal.exitCode, 2);
    EXPECT_NE(literal.err.find("not a number: --digits"), std::string::npos) << literal.err;
    EXPECT_EQ(runCli({"format", "--", "--help"}).exitCode, 2) << "--help after -- is no help";
    EXPECT_EQ(runCli({"format", "--", "1", "2"}).exitCode, 2) << "still one operand at most";

    // Before the command it ends the global options only.
    EXPECT_EQ(runCli({"--", "format", "--", "-2"}).out, "-2\n");
    EXPECT_EQ(runCli({"--", "--version"}).exitCode, 2);
}

} // namespace
