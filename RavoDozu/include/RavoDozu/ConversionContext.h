// ConversionContext: one immutable snapshot that answers every conversion question.
#pragma once

#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/CustomResolver.h"
#include "RavoDozu/ExchangeRates.h"
#include "RavoDozu/PackCategories.h"
#include "RavoDozu/RegionProfile.h"
#include "RavoDozu/UnitCatalog.h"
#include "RavoDozu/UserPreferences.h"
#include "RavoDozu/ValueFormatter.h"

namespace ravodozu {

/// A category as the context sees it; shares the catalog's or the resolved library's storage
/// when nothing has to be added, so handing one out copies no units. Null: no such category.
using CategoryRef = std::shared_ptr<const UnitCategory>;

/// How the values of one category are shown, decided once for a whole list of them: fixed
/// decimals for a custom conversion that sets them, currency digits for money, significant
/// digits otherwise.
struct ValueDisplay {
    enum class Form { significant, fixed, currency };
    ValueFormatter formatter;
    Form form = Form::significant;
    int fractionDigits = 0; ///< For the fixed and currency forms.

    std::string format(double value) const;
};

/// Built from the catalog, the preferences, the rates (null until known), the custom library,
/// and the loaded extension packs (null: none) with the user's variants (null: the first ones).
/// Cheap to build: an empty library is not resolved, an unchanged one comes from the shared
/// resolve cache, and the pack categories are built again only when the packs, the variants or
/// the enabled packs change. Safe to use from any thread.
class ConversionContext {
  public:
    ConversionContext(std::shared_ptr<const UnitCatalog> catalog,
                      std::shared_ptr<const UserPreferences> preferences,
                      std::shared_ptr<const ExchangeRates> rates,
                      std::shared_ptr<const CustomLibrary> customLibrary,
                      std::shared_ptr<const std::vector<ExtensionPack>> packs = nullptr,
                      std::shared_ptr<const PackVariants> packVariants = nullptr);

    const UnitCatalog& catalog() const { return *catalog_; }
    const UserPreferences& preferences() const { return *preferences_; }
    const ExchangeRates* rates() const { return rates_.get(); }
    const CustomLibrary& customLibrary() const { return *customLibrary_; }
    const ResolvedCustomLibrary& custom() const { return *custom_; }
    /// The categories of the enabled packs.
    const PackCategories& packCategories() const { return *packCategories_; }

    /// The preferences' visible categories followed by those of the enabled packs that are not
    /// hidden.
    std::vector<std::string> visibleCategoryIds() const;

    /// A custom category as resolved; otherwise the currency category built from the rates, a
    /// category of the catalog or of an enabled pack, followed by the user's extra units for
    /// it. Null when the id names none of these.
    CategoryRef category(std::string_view categoryId) const;

    /// Where a category starts: for a custom one its base unit, for a pack one its reference
    /// unit, each with "1" and the user's pins; else the region preset with the user's pins.
    RegionProfile::Entry preset(std::string_view categoryId) const;

    /// The units listed under a source unit: pinned ones in pinned order, then the others in the
    /// user's unit order. The source unit and hidden units are in neither list.
    struct ShownUnits {
        CategoryRef category; ///< Keeps the units below alive.
        std::vector<const UnitDefinition*> pinned;
        std::vector<const UnitDefinition*> others;
    };
    ShownUnits shownUnits(std::string_view categoryId, std::string_view fromUnitId) const;

    /// How the category shows its values in `locale`.
    ValueDisplay valueDisplay(std::string_view categoryId, const std::string& locale) const;
    /// A value as the category shows it.
    std::string formatValue(double value, std::string_view categoryId,
                            const std::string& locale) const {
        return valueDisplay(categoryId, locale).format(value);
    }

  private:
    /// The currency category, a catalog category or a pack category, without extra units.
    CategoryRef builtInCategory(std::string_view categoryId) const;

    std::shared_ptr<const UnitCatalog> catalog_;
    std::shared_ptr<const UserPreferences> preferences_;
    std::shared_ptr<const ExchangeRates> rates_;
    std::shared_ptr<const CustomLibrary> customLibrary_;
    ResolvedLibraryRef custom_;
    std::shared_ptr<const PackCategories> packCategories_;
};

} // namespace ravodozu
