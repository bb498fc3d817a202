// zelvane's command line: requests, help and version, usage problems, Qt's options left alone.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "ZelvaneVersion.h"

namespace {

using zelvane::CommandLine;

std::optional<CommandLine::Request> requestOf(const std::vector<std::string>& arguments) {
    auto outcome = CommandLine::parse(arguments);
    if (auto* request = std::get_if<CommandLine::Request>(&outcome))
        return *request;
    return std::nullopt;
}

CommandLine::Exit exitOf(const std::vector<std::string>& arguments) {
    auto outcome = CommandLine::parse(arguments);
    auto* exit = std::get_if<CommandLine::Exit>(&outcome);
    return exit ? *exit : CommandLine::Exit{"(runs)", -1};
}

TEST(CommandLine, RequestsAndQtOptionsRun) {
    using R = CommandLine::Request;
    EXPECT_EQ(requestOf({}), R(CommandLine::Reopen{}));
    EXPECT_EQ(requestOf({"--toggle"}), R(CommandLine::Toggle{}));
    EXPECT_EQ(requestOf({"--quit", "--"}), R(CommandLine::Quit{}));
    EXPECT_EQ(requestOf({"--show"}), R(CommandLine::Show{"converter"}));
    EXPECT_EQ(requestOf({"--show", "settings"}), R(CommandLine::Show{"settings"}));
    // Qt's options, with one dash or two, and their values, belong to QGuiApplication.
    EXPECT_EQ(requestOf({"-platform", "offscreen", "--show", "--reverse"}),
              R(CommandLine::Show{"converter"}));
    EXPECT_EQ(requestOf({"--platform", "xcb", "-qmljsdebugger=port:5555", "--background"}),
              R(CommandLine::Background{}));
}

TEST(CommandLine, HelpAndVersionExitSuccessfully) {
    auto version = exitOf({"--toggle", "--version"});
    EXPECT_EQ(version.exitCode, 0);
    EXPECT_EQ(version.text, std::string("zelvane ") + zelvane::version + "\n");
    auto help = exitOf({"-h"});
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_EQ(help.text, CommandLine::helpText());
    for (const char* option :
         {"--show", "--toggle", "--hide", "--quit", "--background", "--version"})
        EXPECT_NE(help.text.find(option), std::string::npos) << option;
}

TEST(CommandLine, UsageProblemsExitWithTwoAndSayWhat) {
    struct Case {
        std::vector<std::string> arguments;
        std::string said;
    };
    for (const auto& [arguments, said] : std::vector<Case>{
             {{"--frobnicate"}, "unknown option --frobnicate"},
             {{"panel"}, "unexpected argument panel"},
             {{"--show", "history"}, "unknown page history"},
             {{"--toggle", "--background"}, "only one of"},
             {{"--show", "formula", "--show"}, "only one of"},
             {{"-platform"}, "-platform needs a value"},
             // After "--" nothing is an option, and zelvane takes no operands.
             {{"--", "--help"}, "unexpected argument --help"},
         }) {
        auto exit = exitOf(arguments);
        EXPECT_EQ(exit.exitCode, 2) << said;
        EXPECT_TRUE(exit.text.starts_with("zelvane: " + said)) << exit.text;
    }
}

} // namespace
