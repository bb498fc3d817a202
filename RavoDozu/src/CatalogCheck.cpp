#include "RavoDozu/CatalogCheck.h"

namespace ravodozu {

namespace {
class NameCheck {
  public:
    void check(const std::string& where, const LocalizedText& name) {
        std::string missing;
        for (auto language : interfaceLanguages)
            if (!name.values.contains(language))
                missing += (missing.empty() ? "" : ", ") + std::string(language);
        if (!missing.empty())
            problems_.push_back(where + ": " + missing);
    }

    template <class Unit>
    void checkUnits(const std::string& category, const std::vector<Unit>& units) {
        for (const auto& unit : units)
            check(category + "." + unit.id, unit.name);
    }

    std::vector<std::string> problems() && { return std::move(problems_); }

  private:
    std::vector<std::string> problems_;
};
} // namespace

std::vector<std::string> missingNames(const UnitCatalog& catalog,
                                      std::span<const ExtensionPack> packs) {
    NameCheck names;
    for (const auto& category : catalog.categories()) {
        names.check(category.id, category.name);
        names.checkUnits(category.id, category.units);
    }
    const auto& currency = catalog.currency();
    names.check(currency.id, currency.name);
    for (const auto& info : currency.currencies)
        names.check(currency.id + "." + info.code, info.name);
    for (const auto& pack : packs)
        for (const auto& category : pack.categories) {
            auto where = pack.id + "." + category.id;
            names.check(where, category.name);
            names.checkUnits(where, category.units);
        }
    return std::move(names).problems();
}

} // namespace ravodozu
