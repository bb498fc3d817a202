#include "QuickInput.h"

#include <algorithm>
#include <functional>
#include <vector>

#include "PhrasePatterns.h"
#include "UnitFinder.h"
#include "UnitText.h"

namespace zelvane {
namespace {

using ravodozu::CategoryRef;

// Reads the source and target texts of one phrase against the candidate categories in order.
class PhraseUnits {
  public:
    PhraseUnits(const NumberReader& numbers, std::vector<std::string> languages,
                std::string_view currentCategoryId, const ravodozu::ConversionContext& context)
        : numbers_(numbers), languages_(std::move(languages)), current_(currentCategoryId),
          context_(context) {}

    // The reading of `source` with `target`; with `needsTarget`, only one whose target is found.
    std::optional<QuickInput> read(double value, const std::string& source,
                                   const std::optional<std::string>& target, bool needsTarget) {
        const auto key = normalizedUnitText(source);
        if (key.empty())
            return std::nullopt;
        std::optional<QuickInput> result;
        auto accept = [&](const CategoryRef& category, const UnitFinder& finder, std::size_t unit,
                          double amount) {
            const auto& from = category->units[unit];
            QuickInput reading{numbers_.inputText(amount), category->id, from.id, std::nullopt, {}};
            if (target)
                aim(reading, category, finder, from, *target);
            if (needsTarget && !reading.toUnitId)
                return false;
            result = std::move(reading);
            return true;
        };
        auto whole = [&](UnitFinder::Names names) {
            return [&, names](const CategoryRef& category) {
                UnitFinder finder(category, numbers_, languages_);
                auto unit = finder.unit(key, {}, names);
                return unit && accept(category, finder, *unit, value);
            };
        };
        auto compound = [&](const CategoryRef& category) {
            UnitFinder finder(category, numbers_, languages_);
            auto amount = finder.compound(source, value);
            return amount && accept(category, finder, amount->unit, amount->value);
        };
        // A name in the user's languages is looked for in every category before a name in
        // another language: a German "Pint" must not shadow the user's own unit of that name.
        if (eachCategory(whole(UnitFinder::Names::shown)) ||
            eachCategory(whole(UnitFinder::Names::any)) || eachCategory(compound))
            return result;
        return std::nullopt;
    }

  private:
    // The source unit's id is never its own target: «5 km to km» has none.
    static void aim(QuickInput& reading, const CategoryRef& category, const UnitFinder& finder,
                    const ravodozu::UnitDefinition& from, const std::string& target) {
        if (auto unit = finder.unit(normalizedUnitText(target), from.id)) {
            reading.toUnitId = category->units[*unit].id;
            return;
        }
        const auto units = finder.mixed(target, from);
        if (units.empty())
            return;
        for (auto unit : units)
            reading.mixedUnitIds.push_back(category->units[unit].id);
        // «5.5 ft to ft in» starts with the source unit, which has no row of its own.
        reading.toUnitId = *std::ranges::find_if(
            reading.mixedUnitIds, [&](const std::string& id) { return id != from.id; });
    }

    // Calls `visit` with each candidate category once, in order, until it answers true.
    bool eachCategory(const std::function<bool(const CategoryRef&)>& visit) {
        std::vector<std::string_view> tried;
        auto tryId = [&](std::string_view id) {
            if (std::ranges::find(tried, id) != tried.end())
                return false;
            tried.push_back(id);
            auto category = context_.category(id);
            return category && visit(category);
        };
        if (tryId(current_))
            return true;
        // The lists are only worked out when the current category does not have the unit.
        if (lists_.empty()) {
            const auto& preferences = context_.preferences();
            lists_ = {preferences.effectiveFavoriteCategories(), context_.visibleCategoryIds()};
        }
        for (const auto& list : lists_)
            for (const auto& id : list)
                if (tryId(id))
                    return true;
        return false;
    }

    const NumberReader& numbers_;
    std::vector<std::string> languages_;
    std::string_view current_;
    const ravodozu::ConversionContext& context_;
    std::vector<std::vector<std::string>> lists_;
};

} // namespace

std::optional<QuickInput> QuickInput::parse(std::string_view text,
                                            std::string_view currentCategoryId,
                                            const ravodozu::ConversionContext& context,
                                            const Environment& environment) {
    const auto& preferences = context.preferences();
    const auto language = PhraseLanguage::of(displayLocale(preferences, environment),
                                             displayLanguage(preferences, environment));
    const auto parts = splitPhrase(text, language);
    if (!parts)
        return std::nullopt;
    PhraseUnits units(language.numbers, languageList(preferences, environment), currentCategoryId,
                      context);
    for (const auto& [source, target] : parts->wordSplits)
        if (auto reading = units.read(parts->value, source, target, true))
            return reading;
    return units.read(parts->value, parts->source, parts->target, false);
}

} // namespace zelvane
