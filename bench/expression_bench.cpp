// Parsing and evaluating formulas: compiling a custom unit parses once, while converting
// through a numerically inverted unit evaluates its formula a few hundred times.
#include <string>

#include <benchmark/benchmark.h>

#include "RavoDozu/Expr.h"

using namespace ravodozu;

namespace {
const char* const typical = "if(x >= 0, round(x * 1.8 + 32, 2), -sqrt(abs(x)) / 2)";
}

static void ParseTypicalFormula(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(Expr::parse(typical));
}
BENCHMARK(ParseTypicalFormula);

static void ParseLongestFormula(benchmark::State& state) {
    std::string longest = "x";
    while (longest.size() + 4 <= Expr::maxCharacters)
        longest += " × x";
    for (auto _ : state)
        benchmark::DoNotOptimize(Expr::parse(longest));
}
BENCHMARK(ParseLongestFormula);

static void EvaluateTypicalFormula(benchmark::State& state) {
    Expr expr = *Expr::parse(typical);
    double x = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(expr.evaluate(x));
        x += 0.5;
    }
}
BENCHMARK(EvaluateTypicalFormula);
