// zelvane-cli eval: printed values and the error report with its caret.
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "CliRun.h"

namespace {

using zelvane::testing::runCli;

TEST(EvalCommand, PrintsTheShortestRoundTripValue) {
    auto run = runCli({"eval", "0.1+0.2"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0.30000000000000004\n");
    EXPECT_EQ(runCli({"eval", "-1/0"}).out, "-inf\n");
    EXPECT_EQ(runCli({"eval", "convert(2, length.km, length.m)"}).out, "2000\n");
}

TEST(EvalCommand, TakesTheInputAndParameters) {
    // A formula that starts with "-" is still the formula, not an option.
    EXPECT_EQ(runCli({"eval", "-x+1", "--x", "2"}).out, "-1\n");
    EXPECT_EQ(runCli({"eval", "x * k + b", "--param", "k=3", "--x", "2", "--param", "b=-1"}).out,
              "5\n");
}

TEST(EvalCommand, ParseErrorsShowCodePositionAndCaret) {
    auto run = runCli({"eval", "2 + (3"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "error: missingClosingParenthesis at 6\n2 + (3\n      ^\n");

    // The caret counts characters, not bytes: "×" and "é" (e + combining accent) are one each.
    run = runCli({"eval", "e\u0301×2 + foo(x)"});
    EXPECT_EQ(run.err, "error: unknownFunction at 6 (foo)\ne\u0301×2 + foo(x)\n      ^\n");
}

TEST(EvalCommand, UnresolvedNamesAndBadArgumentsFail) {
    auto run = runCli({"eval", "x * k"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "error: unknownName k\n");

    EXPECT_EQ(runCli({"eval", "x", "--x", "three"}).exitCode, 2);
    EXPECT_EQ(runCli({"eval", "x", "--param", "pi=3"}).exitCode, 2) << "reserved name";
}

} // namespace
