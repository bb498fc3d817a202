// Formatting the values a conversion produces: binary noise in the last digits, every form, and a
// locale that still goes through ICU for comparison.
#include <array>
#include <cstddef>
#include <string>

#include <benchmark/benchmark.h>

#include "RavoDozu/ValueFormatter.h"

using namespace ravodozu;

namespace {

// 5 km in a few length units as the converter computes them, mostly 16 or 17 significant digits.
constexpr std::array<double, 8> converted = {3.1068559611866697,
                                             5468.066491688539,
                                             16404.199475065616,
                                             196850.39370078742,
                                             2.6997840172786174,
                                             5.285004170123078e-13,
                                             5000,
                                             0.03347952726907496};

void Format(benchmark::State& state, const char* locale) {
    ValueFormatter formatter(4, locale);
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.format(converted[i++ % converted.size()]));
}
BENCHMARK_CAPTURE(Format, en_US, "en_US");
BENCHMARK_CAPTURE(Format, sv_SE, "sv_SE");
BENCHMARK_CAPTURE(Format, hi_IN_through_ICU, "hi_IN");

void FormatFixed(benchmark::State& state) {
    ValueFormatter formatter(4, "de_DE");
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.formatFixed(3, converted[i++ % converted.size()]));
}
BENCHMARK(FormatFixed);

void FormatCurrencyAmounts(benchmark::State& state) {
    ValueFormatter formatter(4, "fr_FR");
    constexpr std::array<double, 4> amounts = {1234.5, 0.0123, 98765.4321, 17.999999999999996};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.formatCurrency(2, amounts[i++ % amounts.size()]));
}
BENCHMARK(FormatCurrencyAmounts);

} // namespace
