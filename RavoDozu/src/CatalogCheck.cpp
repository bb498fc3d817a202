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
    for (const auto& pack : packs) {
        names.check(pack.id, pack.name);
        names.check(pack.id + ".summary", pack.summary);
        names.check(pack.id + ".disclaimer", pack.disclaimer);
        for (const auto& category : pack.categories) {
            auto where = pack.id + "." + category.id;
            names.check(where, category.name);
            names.checkUnits(where, category.units);
            for (const auto& variant : category.variants) {
                auto variantWhere = where + "." + variant.id;
                names.check(variantWhere, variant.name);
                names.check(variantWhere + ".period", variant.period);
                names.check(variantWhere + ".basis", variant.basis);
            }
            for (std::size_t i = 0; i < category.notes.size(); ++i) {
                auto noteWhere = where + ".notes[" + std::to_string(i) + "]";
                names.check(noteWhere + ".title", category.notes[i].title);
                names.check(noteWhere + ".quote", category.notes[i].quote);
                names.check(noteWhere + ".body", category.notes[i].body);
            }
        }
    }
    return std::move(names).problems();
}

std::vector<std::string> missingTexts(const CustomTemplateLibrary& templates) {
    NameCheck names;
    for (const auto& [id, name] : templates.tags)
        names.check("tags." + id, name);
    for (const auto& item : templates.templates) {
        names.check(item.id + ".title", item.title);
        names.check(item.id + ".summary", item.summary);
        LocalizedText variantLanguages;
        for (const auto& variant : item.variants)
            variantLanguages.values.emplace(variant.first, "");
        names.check(item.id + ".variants", variantLanguages);
    }
    return std::move(names).problems();
}

} // namespace ravodozu
