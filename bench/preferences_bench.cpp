// Reading the stored preferences at start, and the preference lookups behind every shown list.
#include <benchmark/benchmark.h>

#include "RavoDozu/UserPreferences.h"

using namespace ravodozu;

namespace {
UserPreferences typicalPreferences() {
    UserPreferences preferences;
    preferences.region = RegionProfile::unitedStates;
    preferences.pinnedOverrides = {{"length", {"ft", "m", "km"}}, {"mass", {"lb", "kg"}}};
    preferences.hiddenCategories = {"fuel", "viscosity"};
    preferences.favoriteCategories = std::vector<std::string>{"length", "mass", "temperature"};
    preferences.unitOrder = {{"length", {"mi", "km", "ft", "m", "in", "cm"}}};
    return preferences;
}
} // namespace

static void DecodePreferences(benchmark::State& state) {
    auto bytes = typicalPreferences().encode().dump();
    for (auto _ : state)
        benchmark::DoNotOptimize(UserPreferences::decode(std::string_view(bytes)));
}
BENCHMARK(DecodePreferences);

static void PresetLookup(benchmark::State& state) {
    RegionProfile region = RegionProfile::unitedKingdom;
    (void)region.preset("length"); // the tables load once, outside the timing
    for (auto _ : state) {
        benchmark::DoNotOptimize(&region.preset("mass"));
        benchmark::DoNotOptimize(&region.preset("voltage"));
    }
}
BENCHMARK(PresetLookup);

static void EffectiveFavorites(benchmark::State& state) {
    auto preferences = typicalPreferences();
    for (auto _ : state)
        benchmark::DoNotOptimize(preferences.effectiveFavoriteCategories());
}
BENCHMARK(EffectiveFavorites);

static void OrderFiftyUnits(benchmark::State& state) {
    auto preferences = typicalPreferences();
    std::vector<std::string> units;
    for (int i = 0; i < 44; ++i)
        units.push_back("unit" + std::to_string(i));
    for (const char* id : {"in", "cm", "m", "ft", "km", "mi"})
        units.emplace_back(id);
    auto id = [](const std::string& unit) -> const std::string& { return unit; };
    for (auto _ : state)
        benchmark::DoNotOptimize(preferences.orderedUnits(units, "length", id));
}
BENCHMARK(OrderFiftyUnits);
