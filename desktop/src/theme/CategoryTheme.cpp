#include "CategoryTheme.h"

#include <algorithm>
#include <array>

namespace zelvane {

namespace {

struct BuiltInTheme {
    std::string_view categoryId;
    Rgb start;
    Rgb end;
    Rgb shade;
    std::string_view symbol;
};

// Sorted by category id for the binary search in `builtInTheme`.
constexpr auto builtInThemes = std::to_array<BuiltInTheme>({
    {"absorbed_dose", 0xD97706, 0xF6B861, 0x864903, "ut.radiation.absorbed"},
    {"acceleration", 0xE4572E, 0xF7A072, 0x8D351C, "hare"},
    {"angle", 0x2E86AB, 0x7FC8E8, 0x1C536A, "angle"},
    {"area", 0x6FA22A, 0xC6D941, 0x4A6B16, "square.dashed"},
    {"capacitance", 0x4D908E, 0x9CCFCD, 0x2F5958, "ut.capacitor"},
    {"charge", 0x43AA8B, 0x9ED8C4, 0x296956, "battery.100.bolt"},
    {"currency", 0x12A874, 0x8BDD6A, 0x0B7A52, "dollarsign.circle"},
    {"current", 0xF4A261, 0xFAD2A8, 0x97643C, "bolt.horizontal"},
    {"data", 0x2A9D8F, 0x86D0C4, 0x1D6F65, "externaldrive"},
    {"data_rate", 0x2A9D8F, 0x8FD6CC, 0x1A6158, "wifi"},
    {"density", 0x8C6D46, 0xC9A97A, 0x56432B, "cube"},
    {"energy", 0xE8A317, 0xFFD966, 0x8F6200, "flame"},
    {"equivalent_dose", 0xDC2F02, 0xF4845F, 0x881D01, "ut.radiation.person"},
    {"flow", 0x1B98E0, 0x7CCBF2, 0x105E8A, "drop"},
    {"force", 0xD1495B, 0xF28F8F, 0x812D38, "arrow.right.circle"},
    {"frequency", 0x3AAFA9, 0x9EDFD9, 0x236C68, "waveform"},
    {"fuel", 0xF59E0B, 0xFFD166, 0x9A5B00, "fuelpump"},
    {"illuminance", 0xF2B705, 0xFFE066, 0x967103, "sun.max"},
    {"inductance", 0x577590, 0x9FB5C9, 0x354859, "ut.inductor"},
    {"length", 0x13B5A6, 0x6FD6A8, 0x0B7A70, "ruler"},
    {"magnetic_field", 0xC0392B, 0xE9877D, 0x77231A, "ut.magnet.field"},
    {"magnetic_flux", 0x8E5A3C, 0xC9997C, 0x583725, "ut.magnet.flux"},
    {"magnetic_flux_density", 0x2C6E91, 0x86B6D1, 0x1B4459, "ut.magnet.density"},
    {"mass", 0x2F7FEA, 0x5CC8F2, 0x1A5DB8, "scalemass"},
    {"power", 0xF2762E, 0xFFC24B, 0xB8521A, "bolt"},
    {"pressure", 0x3B6FB6, 0x7FB2E5, 0x2A558F, "gauge.with.needle"},
    {"radioactivity", 0x9BB31F, 0xD4E36A, 0x606E13, "ut.radiation"},
    {"resistance", 0x7A8B99, 0xB8C4CE, 0x4B565E, "ut.resistor"},
    {"speed", 0xE5383B, 0xFF8A5B, 0xB0232A, "gauge.with.dots.needle.67percent"},
    {"temperature", 0xF0522E, 0xFFB03A, 0xC23A18, "thermometer.medium"},
    {"time", 0x1E9BD7, 0x8ED1F2, 0x146F9C, "clock"},
    {"torque", 0x6C8EAD, 0xA9C4DB, 0x42586B, "arrow.clockwise.circle"},
    {"viscosity", 0xB5838D, 0xE5B8C0, 0x705157, "drop.halffull"},
    {"voltage", 0xE9C46A, 0xF7E1A1, 0x907941, "bolt.circle"},
    {"volume", 0x0EA5C6, 0x7FDBEA, 0x0A7590, "flask"},
});
static_assert(std::ranges::is_sorted(builtInThemes, {}, &BuiltInTheme::categoryId));

constexpr BuiltInTheme customTheme{"", 0x7A5CF0, 0xC09BFF, 0x4E35B3, "wand.and.stars"};

const BuiltInTheme& builtInTheme(std::string_view categoryId) {
    auto found = std::ranges::lower_bound(builtInThemes, categoryId, {}, &BuiltInTheme::categoryId);
    if (found != builtInThemes.end() && found->categoryId == categoryId)
        return *found;
    return builtInTheme("length");
}

CategoryTheme makeTheme(const BuiltInTheme& entry) {
    return {entry.start, entry.end, entry.shade, std::string(entry.symbol), std::nullopt};
}

} // namespace

CategoryTheme CategoryTheme::forCategory(std::string_view categoryId,
                                         const CustomGlyphs& customGlyphs) {
    if (!ravodozu::isCustomCategoryId(categoryId) && !ravodozu::packOfCategoryId(categoryId))
        return makeTheme(builtInTheme(categoryId));
    auto theme = makeTheme(customTheme);
    if (auto found = customGlyphs.find(categoryId); found != customGlyphs.end())
        theme.glyph = found->second;
    return theme;
}

CategoryTheme::CustomGlyphs
CategoryTheme::customGlyphs(const ravodozu::CustomLibrary& library,
                            std::span<const ravodozu::ExtensionPack> packs) {
    CustomGlyphs glyphs;
    for (const auto& conversion : library.conversions)
        glyphs.emplace("custom." + conversion.id, conversion.glyph);
    for (const auto& pack : packs)
        for (const auto& category : pack.categories)
            glyphs.emplace(ravodozu::packCategoryId(pack.id, category.id), pack.glyph);
    return glyphs;
}

} // namespace zelvane
