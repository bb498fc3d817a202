#include "MixedAmount.h"

#include <algorithm>
#include <cmath>

#include "NumberReader.h"
#include "RavoDozu/Converter.h"

namespace zelvane {

using ravodozu::UnitDefinition;
using ravodozu::Converter::convert;

bool isProportional(const UnitDefinition& unit, const UnitDefinition& other) {
    return convert(0, unit, other) == 0 && convert(0, other, unit) == 0;
}

std::optional<MixedAmount> MixedAmount::of(double value, const UnitDefinition& from,
                                           const std::vector<const UnitDefinition*>& units,
                                           const ravodozu::ValueDisplay& display) {
    if (units.size() < 2 || !std::isfinite(value))
        return std::nullopt;
    for (const auto* unit : units)
        if (!isProportional(from, *unit))
            return std::nullopt;

    // Whole numbers from the first unit down; the rest goes on in the next unit.
    std::vector<double> amounts;
    double rest = convert(std::fabs(value), from, *units.front());
    for (std::size_t index = 0; index + 1 < units.size(); ++index) {
        const double whole = std::floor(rest);
        amounts.push_back(whole);
        rest = convert(rest - whole, *units[index], *units[index + 1]);
    }
    // The last part as shown; where it rounds up to a whole unit before it, that one carries.
    const NumberReader reader(display.formatter.locale());
    double last = reader.readWhole(display.format(rest)).value_or(rest);
    for (auto index = amounts.size(); index > 0; --index) {
        double& amount = index == amounts.size() ? last : amounts[index];
        const double whole = convert(1, *units[index - 1], *units[index]);
        if (amount < whole * (1 - 1e-12))
            break;
        amount = std::max(0.0, amount - whole);
        amounts[index - 1] += 1;
    }

    MixedAmount mixed;
    for (std::size_t index = 0; index < units.size(); ++index) {
        const bool isLast = index + 1 == units.size();
        const double amount = isLast ? last : amounts[index];
        auto text = isLast ? display.format(amount) : display.formatter.formatFixed(0, amount);
        if (index == 0 && std::signbit(value))
            text.insert(0, "-");
        if (!mixed.text.empty())
            mixed.text += ' ';
        mixed.text += text + " " + units[index]->symbol;
        mixed.parts.push_back({units[index]->id, units[index]->symbol,
                               std::signbit(value) && index == 0 ? -amount : amount,
                               std::move(text)});
    }
    return mixed;
}

} // namespace zelvane
