// Formatting one value and loading the catalog: the work behind every shown row and every start.
#include <benchmark/benchmark.h>

#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/ValueFormatter.h"

using namespace ravodozu;

static void FormatSignificant(benchmark::State& state) {
    ValueFormatter formatter(4, "en_US");
    const double values[] = {1.5, 1609.344, 0.000123456, 123400000, 9.99996e20, -42.125};
    std::size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.format(values[i++ % 6]));
}
BENCHMARK(FormatSignificant);

static void FormatCurrency(benchmark::State& state) {
    ValueFormatter formatter(4, "de_DE");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.formatCurrency(2, 1234.5));
}
BENCHMARK(FormatCurrency);

static void ParseTypedNumber(benchmark::State& state) {
    ValueFormatter formatter(4, "en_US");
    for (auto _ : state)
        benchmark::DoNotOptimize(formatter.parse("1,234.5"));
}
BENCHMARK(ParseTypedNumber);

static void LoadCatalog(benchmark::State& state) {
    const auto& bundle = ResourceBundle::core();
    for (auto _ : state)
        benchmark::DoNotOptimize(UnitCatalog::load(bundle));
}
BENCHMARK(LoadCatalog)->Unit(benchmark::kMillisecond);

// Loading and then decoding every category and the currencies, as listing all categories does.
static void LoadCatalogDecodingEverything(benchmark::State& state) {
    const auto& bundle = ResourceBundle::core();
    for (auto _ : state) {
        auto catalog = UnitCatalog::load(bundle);
        benchmark::DoNotOptimize(catalog->categories());
        benchmark::DoNotOptimize(catalog->currency());
    }
}
BENCHMARK(LoadCatalogDecodingEverything)->Unit(benchmark::kMillisecond);
