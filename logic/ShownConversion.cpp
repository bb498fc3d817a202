#include "ShownConversion.h"

#include "NumberReader.h"
#include "RavoDozu/Converter.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"

namespace zelvane {

using ravodozu::UnitDefinition;
using ravodozu::ValueFormatter;

double inputValue(std::string_view input, const std::string& locale) {
    if (auto value = NumberReader(locale).readWhole(input))
        return *value;
    return ravodozu::readNumber(input).value_or(0);
}

ShownConversion ShownConversion::build(std::string_view categoryId, std::string_view fromUnitId,
                                       std::string_view input, const Target& target,
                                       const ravodozu::ConversionContext& context,
                                       const Environment& environment) {
    const auto& preferences = context.preferences();
    const auto locale = displayLocale(preferences, environment);
    ShownConversion shown{
        std::string(categoryId), nullptr, inputValue(input, locale), {}, {}, std::nullopt, {}};

    auto category = context.category(categoryId);
    const UnitDefinition* from = category ? category->unit(fromUnitId) : nullptr;
    if (!from)
        return shown;
    shown.fromUnit = UnitRef(category, from);

    const auto language = displayLanguage(preferences, environment);
    const bool chinese = isChinese(language);
    const bool traditional = isTraditionalChinese(language);
    auto units = context.shownUnits(categoryId, fromUnitId);
    const auto display = context.valueDisplay(categoryId, locale);
    auto rowsOf = [&](const std::vector<const UnitDefinition*>& listed, bool pinned) {
        std::vector<Row> rows;
        rows.reserve(listed.size());
        for (const auto* unit : listed) {
            double value = ravodozu::Converter::convert(shown.value, *from, *unit);
            std::optional<std::string> magnitude;
            if (chinese)
                if (auto word = ValueFormatter::magnitude(traditional, value))
                    magnitude = std::string(*word);
            rows.push_back({UnitRef(units.category, unit), display.format(value), pinned,
                            std::move(magnitude)});
        }
        return rows;
    };
    shown.pinned = rowsOf(units.pinned, true);
    shown.others = rowsOf(units.others, false);

    if (target.unitIds.empty())
        return shown;
    // The first target unit with a row: a mixed target may start with the source unit.
    for (const auto& id : target.unitIds)
        for (std::size_t index = 0; index < shown.rowCount() && !shown.targetIndex; ++index)
            if (shown.row(index).unit->id == id)
                shown.targetIndex = index;
    std::vector<const UnitDefinition*> mixedUnits;
    for (const auto& id : target.unitIds)
        if (const auto* unit = category->unit(id))
            mixedUnits.push_back(unit);
    if (mixedUnits.size() == target.unitIds.size())
        shown.mixed = MixedAmount::of(shown.value, *from, mixedUnits, display);
    return shown;
}

} // namespace zelvane
