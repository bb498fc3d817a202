// zelvane's own answers (help and version, found among the options only) and the launch
// command read from the rest.
#include <gtest/gtest.h>

#include "CommandLine.h"
#include "LaunchCommand.h"
#include "ZelvaneVersion.h"

namespace {

using zelvane::CommandLine;
using namespace zelvane::launch;

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
    // Everything else is for the launch; after "--" option names are plain words.
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{}, {"--show", "settings"}, {"--", "--version"}})
        EXPECT_FALSE(CommandLine::answer(arguments));
}

TEST(LaunchCommand, ReadsEachOptionAndRefusesTheRest) {
    const std::pair<QStringList, Command> commands[] = {
        {{}, Reopen{}},
        {{"--toggle"}, Toggle{}},
        {{"--toggle", "--"}, Toggle{}},
        {{"--hide"}, Hide{}},
        {{"--show"}, Show{"converter"}},
        {{"--show", "formula"}, Show{"formula"}},
        {{"ZELVANE:eyJ9"}, Import{"ZELVANE:eyJ9"}}, // read whatever follows; the page says why not
    };
    for (const auto& [arguments, command] : commands)
        EXPECT_EQ(parse(arguments).value(), command) << arguments.join(' ').toStdString();
    const std::pair<QStringList, QString> refused[] = {
        {{"--show", "about"}, "unknown page: about"},
        {{"--toggle", "now"}, "unexpected argument: now"},
        {{"settings"}, "unknown option: settings"},
        {{"--", "--toggle"}, "unexpected argument: --toggle"}, // the launch takes no operands
        {{"zelvane:a", "zelvane:b"}, "unexpected argument: zelvane:b"},
        {{"zelvane:" + QString(zelvane::launch::maxLinkLength, 'A')},
         "the link is longer than any shared item can be"},
    };
    for (const auto& [arguments, error] : refused)
        EXPECT_EQ(parse(arguments).error(), error);
}

} // namespace
