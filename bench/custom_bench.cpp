// Custom units: resolving a large library, and converting through a searched inverse.
#include <benchmark/benchmark.h>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomResolver.h"

using namespace ravodozu;

namespace {

UnitCatalog benchCatalog() {
    return UnitCatalog(
        {{"length",
          LocalizedText{{{"en", "Length"}}},
          "m",
          {{"m", "m", LocalizedText{{{"en", "Metre"}}}, LinearConversion{1}},
           {"ft", "ft", LocalizedText{{{"en", "Foot"}}}, LinearConversion{0.3048}}}}},
        {});
}

/// 50 conversions of a base and 5 formula units each; every other formula unit is a curve that
/// only the numeric search can invert, the rest are lines.
CustomLibrary largeLibrary() {
    const char* lines[] = {"x * k + 1", "convert(x, length.m, length.ft) * k", "(x - 3) / k"};
    const char* curves[] = {"x^2 * k", "sqrt(x) + k", "1 / x + k"};
    CustomLibrary library;
    int formula = 0;
    for (int c = 0; c < 50; ++c) {
        CustomConversion conversion{"c" + std::to_string(c),
                                    "C",
                                    "",
                                    {},
                                    {{"k", 1.5 + c, ""}},
                                    {{"base", "Base", "", std::nullopt}},
                                    std::nullopt};
        for (int u = 0; u < 5; ++u, ++formula) {
            const char* text = formula % 2 ? curves[formula % 3] : lines[formula % 3];
            conversion.units.push_back({conversion.id + "u" + std::to_string(u), "U", "",
                                        CustomRule{CustomRule::Formula{text, std::nullopt}}});
        }
        library.conversions.push_back(std::move(conversion));
    }
    return library;
}

void BM_ResolveLibrary(benchmark::State& state) {
    auto catalog = benchCatalog();
    auto library = largeLibrary();
    CustomResolver resolver(catalog, std::nullopt);
    auto check = resolver.resolve(library);
    std::size_t searched = 0;
    for (const auto& [key, status] : check.statuses)
        searched += status == InverseStatus::searched;
    state.counters["searched"] = static_cast<double>(searched);
    state.counters["errors"] = static_cast<double>(check.errors.size());
    for (auto _ : state)
        benchmark::DoNotOptimize(resolver.resolve(library));
}
BENCHMARK(BM_ResolveLibrary)->Unit(benchmark::kMillisecond);

void BM_ResolvedLibraryCacheHit(benchmark::State& state) {
    auto catalog = benchCatalog();
    auto library = largeLibrary();
    resolvedLibrary(catalog, std::nullopt, library);
    for (auto _ : state)
        benchmark::DoNotOptimize(resolvedLibrary(catalog, std::nullopt, library));
}
BENCHMARK(BM_ResolvedLibraryCacheHit)->Unit(benchmark::kMicrosecond);

// What building a context costs: the library is the shared object the cache already holds.
void BM_ResolvedLibraryCacheHitSameObject(benchmark::State& state) {
    auto catalog = benchCatalog();
    auto library = std::make_shared<const CustomLibrary>(largeLibrary());
    resolvedLibrary(catalog, nullptr, library);
    for (auto _ : state)
        benchmark::DoNotOptimize(resolvedLibrary(catalog, nullptr, library));
}
BENCHMARK(BM_ResolvedLibraryCacheHitSameObject);

void BM_ConvertThroughNumericInverse(benchmark::State& state) {
    auto compiled =
        compile({CustomRule::Formula{"x^2 + 3x", std::nullopt}}, {}, LinearConversion{1}, nullptr);
    if (!compiled || compiled->status != InverseStatus::searched) {
        state.SkipWithError("the formula did not compile to a searched inverse");
        return;
    }
    Conversion conversion = CustomMappingConversion{compiled->mapping};
    double value = 1234.5;
    for (auto _ : state) {
        benchmark::DoNotOptimize(toBase(conversion, value));
        value += 0.25;
    }
}
BENCHMARK(BM_ConvertThroughNumericInverse)->Unit(benchmark::kMicrosecond);

} // namespace
