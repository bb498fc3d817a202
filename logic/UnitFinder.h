// UnitFinder: what the texts of a phrase name among the units of one category — a unit, an
// amount in several units ("ft 3 in") or a target of several units ("ft in").
#pragma once

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

#include "NumberReader.h"
#include "RavoDozu/ConversionContext.h"

namespace zelvane {

class UnitFinder {
  public:
    /// `numbers` reads the numbers inside compound amounts; `languages` are the ones the user
    /// reads names in. Both must outlive the finder.
    UnitFinder(const ravodozu::CategoryRef& category, const NumberReader& numbers,
               const std::vector<std::string>& languages);

    /// Which of a unit's names a text may match besides its symbol, id and English forms.
    enum class Names {
        shown, ///< The name shown to the user only.
        any,   ///< The name shown first; failing that, a name in any language.
    };

    /// The position of the first unit that `key` (already normalised) names and whose id is not
    /// `skipId`, in the category's order.
    std::optional<std::size_t> unit(std::string_view key, std::string_view skipId = {},
                                    Names names = Names::any) const;

    struct Amount {
        std::size_t unit; ///< The position of the first part's unit.
        double value;     ///< All parts summed in that unit.
    };
    /// The rest of a compound amount whose first number `leading` was already read: "ft 3 in"
    /// of «5 ft 3 in», "'3\"" of «5'3"», "h 30 min". Two to six parts, each a unit text and the
    /// next part's number, all units added by factor alone; the parts take the sign of
    /// `leading`. None when the text is not such an amount.
    std::optional<Amount> compound(std::string_view text, double leading) const;

    /// The positions of a target of two or more distinct units written one after the other,
    /// apart by blanks or "+" ("ft in", "h+min"), each converting into `from` by a factor
    /// alone; empty when the text is not one.
    std::vector<std::size_t> mixed(std::string_view text,
                                   const ravodozu::UnitDefinition& from) const;

  private:
    ravodozu::CategoryRef category_;
    const NumberReader& numbers_;
    const std::vector<std::string>& languages_;
};

} // namespace zelvane
