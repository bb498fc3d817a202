// Building a conversion context, which happens for every question the panel asks, and listing
// a category's shown units with their formatted values.
#include <benchmark/benchmark.h>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/Converter.h"

using namespace ravodozu;

namespace {
const std::shared_ptr<const UnitCatalog>& catalog() {
    static const auto loaded = std::make_shared<const UnitCatalog>(*UnitCatalog::loadBundled());
    return loaded;
}

std::shared_ptr<const CustomLibrary> fiftyConversions() {
    CustomLibrary library;
    for (int i = 0; i < 50; ++i) {
        CustomConversion conversion{
            "c" + std::to_string(i), "Conversion", "", std::nullopt, {}, {}, {}};
        conversion.units.push_back({"base", "Base", "", std::nullopt});
        for (int u = 1; u <= 5; ++u)
            conversion.units.push_back(
                {"u" + std::to_string(u), "Unit", "",
                 CustomRule{CustomRule::Formula{"x * " + std::to_string(u + 1) + " + 1", {}}}});
        library.conversions.push_back(std::move(conversion));
    }
    return std::make_shared<const CustomLibrary>(std::move(library));
}

void BuildContextEmptyLibrary(benchmark::State& state) {
    auto preferences = std::make_shared<const UserPreferences>();
    auto library = std::make_shared<const CustomLibrary>();
    for (auto _ : state)
        benchmark::DoNotOptimize(ConversionContext(catalog(), preferences, nullptr, library));
}
BENCHMARK(BuildContextEmptyLibrary);

void BuildContextUnchangedLibrary(benchmark::State& state) {
    auto preferences = std::make_shared<const UserPreferences>();
    auto library = fiftyConversions();
    ConversionContext warm(catalog(), preferences, nullptr, library);
    for (auto _ : state)
        benchmark::DoNotOptimize(ConversionContext(catalog(), preferences, nullptr, library));
}
BENCHMARK(BuildContextUnchangedLibrary);

// The two built-in packs switched on, as the panel builds a context for every question.
void BuildContextWithPacks(benchmark::State& state) {
    auto preferences = std::make_shared<const UserPreferences>();
    auto library = std::make_shared<const CustomLibrary>();
    auto packs = std::make_shared<const std::vector<ExtensionPack>>(*loadPacks());
    auto variants = std::make_shared<const PackVariants>();
    for (auto _ : state)
        benchmark::DoNotOptimize(
            ConversionContext(catalog(), preferences, nullptr, library, packs, variants));
}
BENCHMARK(BuildContextWithPacks);

// Length has about fifty units: every row the panel lists, converted and formatted.
void ShownUnitsFormatted(benchmark::State& state) {
    ConversionContext context(catalog(), std::make_shared<const UserPreferences>(), nullptr,
                              std::make_shared<const CustomLibrary>());
    const auto* from = catalog()->category("length")->unit("km");
    for (auto _ : state) {
        auto shown = context.shownUnits("length", "km");
        for (const auto* list : {&shown.pinned, &shown.others})
            for (const auto* unit : *list)
                benchmark::DoNotOptimize(
                    context.formatValue(Converter::convert(5, *from, *unit), "length", "en_US"));
    }
}
BENCHMARK(ShownUnitsFormatted)->Unit(benchmark::kMicrosecond);
} // namespace
