// CategoryGrid: the groups and cells of the categories page, its search, and its stars.
#include <gtest/gtest.h>

#include "AppState.h"
#include "CategoryGrid.h"
#include "DesktopFixture.h"
#include "SettingsKeys.h"

namespace zelvane {
namespace {

class CategoryGridTest : public testing::DesktopFixture {
  protected:
    CategoryGridTest() {
        EXPECT_TRUE(store.set(
            keys::customLibrary,
            SettingData{
                R"({"version":1,"conversions":[{"id":"brew","name":"Brew","units":[{"id":"cup","name":"Cup"}]},)"
                R"({"id":"off","name":"Off","units":[{"id":"u","name":"U"}]}],"extras":[]})"}));
        auto preferences = UserState(store).preferences();
        preferences.customCategoryIds = {"custom.brew", "custom.off"};
        preferences.hiddenCategories = {"custom.off", "mass"};
        preferences.hasCompletedOnboarding = true;
        EXPECT_TRUE(UserState(store).setPreferences(preferences));
        state = std::make_unique<AppState>(catalog(), store);
        state->setPreference("languageCode", "en");
        grid = std::make_unique<CategoryGrid>();
    }
    QStringList ids() const {
        QStringList listed;
        for (int row = 0; row < grid->count(); ++row)
            listed << grid->categoryAt(row);
        return listed;
    }
    QVariant cell(int row, CategoryGrid::Role role) const {
        return grid->data(grid->index(row), role);
    }

    std::unique_ptr<AppState> state;
    std::unique_ptr<CategoryGrid> grid;
};

TEST_F(CategoryGridTest, GroupsListTheirVisibleCategoriesAndCustomComesLast) {
    EXPECT_EQ(ids(), state->effectiveFavoriteCategories()) << "the favourites at first";
    const QStringList groups = grid->groups();
    ASSERT_GE(groups.size(), 3);
    EXPECT_EQ(groups.first(), "favorites");
    EXPECT_EQ(groups[1], "everyday");
    EXPECT_EQ(groups.last(), "custom");
    for (const auto& group : groups) {
        grid->setGroup(group);
        EXPECT_FALSE(ids().isEmpty()) << group.toStdString();
        EXPECT_FALSE(ids().contains("mass")) << "hidden";
    }
    grid->setGroup("custom");
    EXPECT_EQ(ids(), QStringList({"custom.brew"}));
    EXPECT_EQ(cell(0, CategoryGrid::nameRole), "Brew");
    grid->setGroup("no-such-group");
    EXPECT_EQ(grid->count(), 0);
    EXPECT_EQ(grid->categoryAt(0), "");
}

TEST_F(CategoryGridTest, ASearchFindsNamesUnitNamesAndExactSymbols) {
    using Case = std::tuple<const char*, const char*, bool>;
    for (auto [search, id, found] :
         {Case{"  LENG ", "length", true}, Case{"km", "length", true},
          Case{"kilom", "length", true}, Case{"bre", "custom.brew", true},
          Case{"brew", "custom.off", false}}) {
        SCOPED_TRACE(search);
        grid->setSearch(search);
        EXPECT_EQ(ids().contains(id), found);
    }
    grid->setSearch("   ");
    EXPECT_EQ(ids(), state->effectiveFavoriteCategories()) << "a blank search lists the group";
}

TEST_F(CategoryGridTest, StarsFollowThePreferences) {
    grid->setGroup("everyday");
    const QString first = grid->categoryAt(0);
    const bool starred = cell(0, CategoryGrid::isStarredRole).toBool();
    EXPECT_EQ(starred, state->isStarred(first));
    state->toggleStar(first);
    EXPECT_EQ(cell(0, CategoryGrid::isStarredRole).toBool(), !starred);
}

} // namespace
} // namespace zelvane
