// zelvane-cli eval: printed values and the error report with its caret.
#include <gtest/gtest.h>

#include "CliRun.h"

namespace {

using zelvane::testing::runCli;

TEST(EvalCommand, PrintsTheShortestRoundTripValue) {
    auto run = runCli({"eval", "0.1+0.2"});
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "0.30000000000000004\n");
    // A formula that starts with "-" is still the formula, not an option.
    EXPECT_EQ(runCli({"eval", "-x * k", "--x", "2", "--param", "k=3"}).out, "-6\n");
}

TEST(EvalCommand, ErrorsShowCodePositionAndCaretBadArgumentsAreUsageErrors) {
    // The caret counts characters, not bytes: "×" and "é" (e + combining accent) are one each.
    auto run = runCli({"eval", "e\u0301×2 + foo(x)"});
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_EQ(run.err, "error: unknownFunction at 6 (foo)\ne\u0301×2 + foo(x)\n      ^\n");

    auto unresolved = runCli({"eval", "x * k"});
    EXPECT_EQ(unresolved.exitCode, 1);
    EXPECT_EQ(unresolved.err, "error: unknownName k\n");

    EXPECT_EQ(runCli({"eval", "x", "--x", "three"}).exitCode, 2);
    EXPECT_EQ(runCli({"eval", "x", "--param", "pi=3"}).exitCode, 2) << "reserved name";
}

} // namespace
