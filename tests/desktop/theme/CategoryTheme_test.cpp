// Category themes: the table, the custom theme and the icon a theme is drawn with.
#include <gtest/gtest.h>

#include "CategoryTheme.h"
#include "RavoDozu/UnitCatalog.h"
#include "ThemeIcon.h"

namespace zelvane {
namespace {

const CategoryTheme::CustomGlyphs noGlyphs;

TEST(CategoryTheme, BuiltInCategoriesGetTheirOwnEntry) {
    auto temperature = CategoryTheme::forCategory("temperature", noGlyphs);
    EXPECT_EQ(temperature, (CategoryTheme{0xF0522E, 0xFFB03A, 0xC23A18, "thermometer.medium", {}}));
    auto dose = CategoryTheme::forCategory("equivalent_dose", noGlyphs);
    EXPECT_EQ(dose, (CategoryTheme{0xDC2F02, 0xF4845F, 0x881D01, "ut.radiation.person", {}}));
    auto dataRate = CategoryTheme::forCategory("data_rate", noGlyphs);
    EXPECT_EQ(dataRate.symbol, "wifi");
    EXPECT_EQ(dataRate.end, 0x8FD6CCu);
}

TEST(CategoryTheme, EveryBundledCategoryHasAnEntryOfItsOwn) {
    auto catalog = ravodozu::UnitCatalog::loadBundled();
    ASSERT_TRUE(catalog) << catalog.error().describe();
    const auto length = CategoryTheme::forCategory("length", noGlyphs);
    for (const auto& category : catalog->categories()) {
        if (category.id == "length")
            continue;
        EXPECT_NE(CategoryTheme::forCategory(category.id, noGlyphs), length) << category.id;
    }
    EXPECT_NE(CategoryTheme::forCategory(catalog->currencyCategoryId(), noGlyphs), length);
}

TEST(CategoryTheme, UnknownIdsFallBackToLength) {
    const auto length = CategoryTheme::forCategory("length", noGlyphs);
    for (auto id : {"", "Length", "pack.sewing", "customs", "temperature "}) {
        EXPECT_EQ(CategoryTheme::forCategory(id, noGlyphs), length) << id;
    }
}

TEST(CategoryTheme, CustomCategoriesAreVioletWithTheirGlyph) {
    ravodozu::CustomLibrary library;
    for (auto [id, glyph] : {std::pair{"dough", "🍞"}, {"plain", ""}, {"dough", "🥐"}}) {
        ravodozu::CustomConversion conversion;
        conversion.id = id;
        conversion.glyph = glyph;
        library.conversions.push_back(conversion);
    }
    auto glyphs = CategoryTheme::customGlyphs(library);

    auto dough = CategoryTheme::forCategory("custom.dough", glyphs);
    EXPECT_EQ(dough, (CategoryTheme{0x7A5CF0, 0xC09BFF, 0x4E35B3, "wand.and.stars", "🍞"}));
    EXPECT_EQ(CategoryTheme::forCategory("custom.plain", glyphs).glyph, "");
    EXPECT_EQ(CategoryTheme::forCategory("custom.gone", glyphs).glyph, std::nullopt);
    EXPECT_EQ(CategoryTheme::forCategory("custom.gone", glyphs).symbol, "wand.and.stars");
}

TEST(CategoryTheme, AccentFollowsTheAppearanceAndTheSurfaceToo) {
    auto mass = CategoryTheme::forCategory("mass", noGlyphs);
    EXPECT_EQ(mass.deep().in(false), 0x1A5DB8u);
    EXPECT_EQ(mass.deep().in(true), 0x5CC8F2u);
    EXPECT_EQ(panelSurface.in(false), 0xF5F3EEu);
    EXPECT_EQ(panelSurface.in(true), 0x0D0E12u);
}

TEST(ThemeIcon, GlyphThenOwnImageThenSymbol) {
    auto custom = CategoryTheme::forCategory("custom.x", {{"custom.x", "★"}});
    EXPECT_EQ(std::get<ThemeIcon::Glyph>(ThemeIcon::of(custom).kind).text, "★");
    auto blank = CategoryTheme::forCategory("custom.x", {{"custom.x", ""}});
    EXPECT_EQ(std::get<ThemeIcon::Symbol>(ThemeIcon::of(blank).kind).name, "wand.and.stars");
    auto capacitance = CategoryTheme::forCategory("capacitance", noGlyphs);
    EXPECT_EQ(std::get<ThemeIcon::Image>(ThemeIcon::of(capacitance).kind).name, "ut.capacitor");
    auto time = CategoryTheme::forCategory("time", noGlyphs);
    EXPECT_EQ(std::get<ThemeIcon::Symbol>(ThemeIcon::of(time).kind).name, "clock");
}

} // namespace
} // namespace zelvane
