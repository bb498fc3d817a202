// UnitText: how a written unit ("Feet", "°C", "美金") is compared with the units of a category.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/UnitCatalog.h"

namespace zelvane {

/// The comparison form of a unit text: fully lower-cased (Unicode), trimmed of space separators
/// and tabs (not line breaks), one leading "°" removed, then "℃" → "c" and "℉" → "f".
std::string normalizedUnitText(std::string_view text);

/// The written forms a normalised English unit name takes besides itself: plurals with "s",
/// "es", "y" → "ies" and "foot" → "feet", and the other spelling of "meter"/"metre" and
/// "liter"/"litre" with its plurals. None for an empty name.
std::vector<std::string> englishForms(const std::string& name);

/// Whether `text` names `unit`: by its symbol, its id (lower-cased only), any of its names, the
/// English name's other forms (`englishForms`), its symbol with "s" when that is a word of three
/// or more letters ("cups"), or one of the fixed extra written forms of its id.
bool unitMatches(const ravodozu::UnitDefinition& unit, std::string_view text);

/// Extra written forms by exact unit id ("ft" → "feet", "foot", "'"), in normalised form. Built
/// once, on first use; never changes.
const std::map<std::string, std::set<std::string, std::less<>>, std::less<>>& unitAliases();

namespace detail {

/// The normalised forms of one unit, and the unit fields they were made from so that a cached
/// entry can tell whether it still describes a unit.
struct UnitKeys {
    std::string id;
    std::string symbol;
    ravodozu::LocalizedText name;

    std::string normalizedSymbol;
    std::string lowerId;
    struct Name {
        std::string language;
        std::string normalized;
    };
    std::vector<Name> names;
    std::vector<std::string> english; ///< Other forms of the English name and the symbol.
    const std::set<std::string, std::less<>>* aliases = nullptr;

    explicit UnitKeys(const ravodozu::UnitDefinition& unit);
    bool describes(const ravodozu::UnitDefinition& unit) const {
        return unit.id == id && unit.symbol == symbol && unit.name == name;
    }
    /// `key` must already be normalised; an empty key matches nothing. With `languages`, of
    /// the unit's names only the one shown in those languages and the English one count;
    /// without, a name in any language does.
    bool matches(std::string_view key, const std::vector<std::string>* languages = nullptr) const;
};

/// The keys of a category's units, position by position. An entry is made on first use and
/// remade only when the unit at its position changed, so a phrase typed letter by letter
/// normalises each unit's names once rather than on every keystroke, whether the unit comes from
/// the catalog, the exchange rates or the user's custom library.
///
/// A category handed out again as the same shared object (the catalog's and the resolved
/// library's are) is not compared unit by unit again: the keys hold on to the object they were
/// checked against, so its address cannot be reused for a different category meanwhile.
class CategoryKeys {
  public:
    /// Makes the following lookups answer for `category`.
    void follow(const std::shared_ptr<const ravodozu::UnitCategory>& category);
    const UnitKeys& at(const ravodozu::UnitCategory& category, std::size_t position);

  private:
    std::vector<UnitKeys> keys_;
    std::shared_ptr<const ravodozu::UnitCategory> followed_;
    std::vector<bool> checked_; ///< Per entry: known to describe `followed_`'s unit.
};

/// The keys kept for the category with that id, for this thread.
CategoryKeys& categoryKeys(std::string_view categoryId);

} // namespace detail
} // namespace zelvane
