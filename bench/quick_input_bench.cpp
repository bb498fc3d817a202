// One keystroke of a typed phrase: reading it and building the rows the panel draws.
#include <benchmark/benchmark.h>

#include "PhrasePatterns.h"
#include "QuickInput.h"
#include "RavoDozu/ConversionContext.h"
#include "ShownConversion.h"

namespace {

using namespace zelvane;

// The bundled catalog with a rate for every currency, so that the currency category is as
// large as a user's.
const ravodozu::ConversionContext& context() {
    static const ravodozu::ConversionContext made = [] {
        auto catalog = std::make_shared<const ravodozu::UnitCatalog>(
            ravodozu::UnitCatalog::loadBundled().value());
        auto rates = std::make_shared<ravodozu::ExchangeRates>();
        rates->base = "USD";
        for (const auto& currency : catalog->currency().currencies)
            rates->rates[currency.code] = 1.5;
        return ravodozu::ConversionContext(
            catalog, std::make_shared<const ravodozu::UserPreferences>(), rates,
            std::make_shared<const ravodozu::CustomLibrary>());
    }();
    return made;
}

// The last visible category with units, and its last unit's symbol: the longest search.
std::pair<std::string, std::string> lastVisibleUnit() {
    auto ids = context().preferences().visibleCategoryIds();
    for (auto id = ids.rbegin(); id != ids.rend(); ++id)
        if (auto category = context().category(*id); category && !category->units.empty())
            return {*id, category->units.back().symbol};
    return {};
}

void keystroke(benchmark::State& state, const std::string& phrase) {
    for (auto _ : state) {
        auto quick = QuickInput::parse(phrase, "length", context());
        if (!quick)
            state.SkipWithError("phrase not understood");
        auto shown = ShownConversion::build(quick->categoryId, quick->fromUnitId, quick->number,
                                            quick->targetUnitIds(), context());
        benchmark::DoNotOptimize(shown);
    }
}

void BM_KeystrokeUnitInCurrentCategory(benchmark::State& state) {
    keystroke(state, "5 km to mi");
}
BENCHMARK(BM_KeystrokeUnitInCurrentCategory);

void BM_KeystrokeUnitInLastVisibleCategory(benchmark::State& state) {
    auto [categoryId, symbol] = lastVisibleUnit();
    state.SetLabel(categoryId + " " + symbol);
    keystroke(state, "5 " + symbol);
}
BENCHMARK(BM_KeystrokeUnitInLastVisibleCategory);

// The longer readings: an amount in two units, a mixed target, "in" tried as a separator.
void BM_KeystrokeCompoundAndMixed(benchmark::State& state, const std::string& phrase) {
    keystroke(state, phrase);
}
BENCHMARK_CAPTURE(BM_KeystrokeCompoundAndMixed, compound, std::string("5 ft 3 in in cm"));
BENCHMARK_CAPTURE(BM_KeystrokeCompoundAndMixed, mixed, std::string("160 cm to ft in"));

void BM_PhraseNamingNoUnit(benchmark::State& state) {
    for (auto _ : state)
        benchmark::DoNotOptimize(QuickInput::parse("5 qwertz", "length", context()));
}
BENCHMARK(BM_PhraseNamingNoUnit);

// Pasted text of 100 kB: a digit run that fails to match, blanks, and a plain number.
void BM_PastedPhrase(benchmark::State& state, std::string text) {
    for (auto _ : state) {
        benchmark::DoNotOptimize(QuickInput::parse(text, "length", context()));
        benchmark::DoNotOptimize(isPlainNumber(text));
    }
}
BENCHMARK_CAPTURE(BM_PastedPhrase, digitsThenLineBreak, std::string(100'000, '1') + "\n\nkm\nto mi")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PastedPhrase, blankRun, "5 km" + std::string(100'000, ' ') + "x")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PastedPhrase, commas, "1" + std::string(100'000, ',') + "\nx")
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_PastedPhrase, plainNumber, std::string(100'000, '7'))
    ->Unit(benchmark::kMillisecond);

// The same shapes just within the length a phrase is read at.
void BM_LongestReadPhrase(benchmark::State& state, std::string text) {
    const auto english = PhraseLanguage::of("en_US", "en");
    for (auto _ : state)
        benchmark::DoNotOptimize(splitPhrase(text, english));
}
BENCHMARK_CAPTURE(BM_LongestReadPhrase, digitsThenLineBreak,
                  std::string(maxPhraseLength - 8, '1') + "\nkm\nto mi");
BENCHMARK_CAPTURE(BM_LongestReadPhrase, blankRun,
                  "5 km" + std::string(maxPhraseLength - 5, ' ') + "x");

// A phrase that reads as no unit but has a number after every word: each is a place a compound
// amount could go on, in every category searched.
void BM_CompoundLookalike(benchmark::State& state) {
    std::string text = "5";
    while (text.size() + 4 < maxPhraseLength)
        text += " q 1";
    for (auto _ : state)
        benchmark::DoNotOptimize(QuickInput::parse(text, "length", context()));
}
BENCHMARK(BM_CompoundLookalike)->Unit(benchmark::kMicrosecond);

} // namespace
