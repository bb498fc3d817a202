// The names categories are shown under.
#include "CategoryNames.h"

#include <gtest/gtest.h>

#include "PhraseCatalog.h"

namespace zelvane {
namespace {

using namespace zelvane::testing;

TEST(CategoryDisplayName, CatalogNamesInTheLanguageListCustomNamesFromTheLibrary) {
    auto library = std::make_shared<CustomLibrary>();
    library->conversions.push_back({"brew", "Brew", "", std::nullopt, {}, {}, std::nullopt});
    ConversionContext context(std::make_shared<const UnitCatalog>(phraseCatalog()),
                              std::make_shared<const UserPreferences>(), nullptr, library);
    const std::vector<std::string> chinese{"zh-CN", "en"};
    const std::vector<std::string> none;
    EXPECT_EQ(categoryDisplayName("length", context, chinese), "长度");
    EXPECT_EQ(categoryDisplayName("length", context, none), "Length");
    EXPECT_EQ(categoryDisplayName("currency", context, chinese), "Currency");
    EXPECT_EQ(categoryDisplayName("custom.brew", context, none), "Brew");
    EXPECT_EQ(categoryDisplayName("custom.gone", context, none), "");
    EXPECT_EQ(categoryDisplayName("brew", context, none), "");
}

} // namespace
} // namespace zelvane
