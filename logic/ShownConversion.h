// ShownConversion: a value converted into every shown unit of a category, formatted for the
// panel's results list: pinned rows first, then the others, and which row is the target.
#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "DisplayLanguage.h"
#include "MixedAmount.h"
#include "RavoDozu/ConversionContext.h"

namespace zelvane {

/// A unit as a row shows it: shared with its category, which it keeps alive, so that building
/// the rows of a long category copies no names.
using UnitRef = std::shared_ptr<const ravodozu::UnitDefinition>;

struct ShownConversion {
    /// What a conversion aims at: nothing, one unit, or two or more units of a mixed result
    /// ("ft", "in"), whose first unit's row is the target row.
    struct Target {
        std::vector<std::string> unitIds;

        Target() = default;
        Target(std::nullopt_t) {}
        Target(const char* unitId) : unitIds{unitId} {}
        Target(std::string unitId) : unitIds{std::move(unitId)} {}
        Target(const std::optional<std::string>& unitId) {
            if (unitId)
                unitIds.push_back(*unitId);
        }
        Target(std::vector<std::string> ids) : unitIds(std::move(ids)) {}
    };

    struct Row {
        UnitRef unit;     ///< Never null.
        std::string text; ///< The converted value, formatted for the category and locale.
        bool isPinned;
        /// 万, 亿 … for values of at least ten thousand, in Chinese display languages only.
        std::optional<std::string> magnitude;

        /// Unique within one conversion: "pinned." + unit id for pinned rows, the unit id else.
        std::string identity() const { return isPinned ? "pinned." + unit->id : unit->id; }
        bool operator==(const Row& other) const {
            return *unit == *other.unit && text == other.text && isPinned == other.isPinned &&
                   magnitude == other.magnitude;
        }
    };

    std::string categoryId;
    UnitRef fromUnit; ///< Null when the category or the unit is unknown.
    double value = 0; ///< The input in the source unit.
    std::vector<Row> pinned;
    std::vector<Row> others;
    /// Index into pinned followed by others; none without a target or when it has no row.
    std::optional<std::size_t> targetIndex;
    /// The value told in the units of a mixed target; the target row shows and copies its text.
    std::optional<MixedAmount> mixed;

    /// The row at `index` of pinned followed by others.
    const Row& row(std::size_t index) const {
        return index < pinned.size() ? pinned[index] : others[index - pinned.size()];
    }
    std::size_t rowCount() const { return pinned.size() + others.size(); }
    /// Whether row `index` is a mixed target's row, whose text carries its units.
    bool isMixedRow(std::size_t index) const { return mixed && targetIndex == index; }
    /// What row `index` shows: the mixed amount on a mixed target's row, else its value.
    const std::string& shownText(std::size_t index) const {
        return isMixedRow(index) ? mixed->text : row(index).text;
    }

    /// Converts `input` (read by `inputValue` in the display locale) from `fromUnitId` into the
    /// shown units of the category. `environment` stands in for the platform's locale settings
    /// when the preferences name no language.
    static ShownConversion build(std::string_view categoryId, std::string_view fromUnitId,
                                 std::string_view input, const Target& target,
                                 const ravodozu::ConversionContext& context,
                                 const Environment& environment = Environment::current());
};

/// Reads a typed value as the NumberReader of `locale` reads a whole number, else as a plain
/// number with "." ("inf", "nan"), else 0.
double inputValue(std::string_view input, const std::string& locale);

} // namespace zelvane
