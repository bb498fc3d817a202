// zelvane-cli eval: printed values and the error report with its caret.
#include <array>
#include <cstdio>
#include <string>

#include <gtest/gtest.h>

namespace {

struct Run {
    std::string output; ///< stdout and stderr together, in order
    int exitCode;
};

std::string quoted(const std::string& word) {
    std::string text = "'";
    for (char c : word)
        text += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return text + "'";
}

Run cli(const std::vector<std::string>& arguments) {
    std::string command = ZELVANE_CLI;
    for (const auto& argument : arguments)
        command += " " + quoted(argument);
    command += " 2>&1";
    Run run{{}, -1};
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    std::array<char, 4096> buffer;
    while (auto read = fread(buffer.data(), 1, buffer.size(), pipe))
        run.output.append(buffer.data(), read);
    int status = pclose(pipe);
    run.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

TEST(EvalCommand, PrintsTheShortestRoundTripValue) {
    struct Case {
        std::vector<std::string> arguments;
        std::string expected;
    };
    const std::vector<Case> cases{
        {{"eval", "x*2", "--x", "3"}, "6\n"},
        {{"eval", "-x+1", "--x", "2"}, "-1\n"},
        {{"eval", "0.1+0.2"}, "0.30000000000000004\n"},
        {{"eval", "1/3"}, "0.3333333333333333\n"},
        {{"eval", "1e20"}, "1e+20\n"},
        {{"eval", "0/0"}, "nan\n"},
        {{"eval", "-(0/0)"}, "nan\n"},
        {{"eval", "1/0"}, "inf\n"},
        {{"eval", "-1/0"}, "-inf\n"},
        {{"eval", "x * k + b", "--param", "k=3", "--x", "2", "--param", "b=-1"}, "5\n"},
        {{"eval", "k", "--param", "k=3", "--param", "k=4"}, "3\n"},
        {{"eval", "convert(2, length.km, length.m)"}, "2000\n"},
    };
    for (const auto& c : cases) {
        auto run = cli(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << c.arguments[1];
        EXPECT_EQ(run.output, c.expected) << c.arguments[1];
    }
}

TEST(EvalCommand, ParseErrorsShowCodePositionAndCaret) {
    auto run = cli({"eval", "2 + (3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "error: missingClosingParenthesis at 6\n2 + (3\n      ^\n");

    // The caret counts characters, not bytes: "×" and "é" (e + combining accent) are one each.
    run = cli({"eval", "e\u0301×2 + foo(x)"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "error: unknownFunction at 6 (foo)\ne\u0301×2 + foo(x)\n      ^\n");

    run = cli({"eval", "min(1)"});
    EXPECT_EQ(run.output, "error: wrongArgumentCount at 0 (min)\nmin(1)\n^\n");
}

TEST(EvalCommand, UnresolvedNamesAndBadArgumentsFail) {
    auto run = cli({"eval", "x * k"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "error: unknownName k\n");

    run = cli({"eval", "convert(x, length.m, length.zz)"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.output, "error: unknownUnit length.zz\n");

    for (const auto& arguments : std::vector<std::vector<std::string>>{
             {"eval", "x", "--x", "three"},
             {"eval", "x", "--param", "k"},
             {"eval", "x", "--param", "=1"},
             {"eval", "x", "--param", "pi=3"},
             {"eval"},
         })
        EXPECT_EQ(cli(arguments).exitCode, 2) << arguments.back();
}

} // namespace
