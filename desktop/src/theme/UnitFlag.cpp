#include "UnitFlag.h"

#include <algorithm>
#include <array>

#include <unicode/utf8.h>

namespace zelvane {

namespace {

constexpr std::string_view currencyCategory = "currency";

struct UnitKey {
    std::string_view categoryId;
    std::string_view unitId;

    bool operator==(const UnitKey&) const = default;
};

struct RegionalUnit {
    UnitKey unit;
    std::string_view region;
};

constexpr auto regionalUnits = std::to_array<RegionalUnit>({
    {{"length", "chi"}, "CN"},     {{"length", "cun"}, "CN"},    {{"length", "li"}, "CN"},
    {{"mass", "jin"}, "CN"},       {{"mass", "liang"}, "CN"},    {{"mass", "hk_jin"}, "HK"},
    {{"mass", "hk_liang"}, "HK"},  {{"mass", "st"}, "GB"},       {{"area", "mu"}, "CN"},
    {{"area", "jo"}, "JP"},        {{"area", "rai"}, "TH"},      {{"area", "ngan"}, "TH"},
    {{"area", "sqwa"}, "TH"},      {{"volume", "tsp_us"}, "US"}, {{"volume", "tbsp_us"}, "US"},
    {{"volume", "floz_us"}, "US"}, {{"volume", "cup_us"}, "US"}, {{"volume", "pt_us"}, "US"},
    {{"volume", "qt_us"}, "US"},   {{"volume", "gal_us"}, "US"}, {{"volume", "gal_uk"}, "GB"},
    {{"fuel", "mpg_us"}, "US"},    {{"fuel", "mpg_uk"}, "GB"},   {{"flow", "galmin"}, "US"},
    {{"density", "lb_gal"}, "US"},
});

constexpr auto taiwanUnits = std::to_array<UnitKey>({
    {"currency", "TWD"},
    {"mass", "tw_jin"},
    {"mass", "tw_liang"},
    {"area", "ping"},
});

struct CurrencyOverride {
    std::string_view code;
    std::string_view region;
};

constexpr auto currencyOverrides = std::to_array<CurrencyOverride>({{"EUR", "EU"}});

std::optional<std::string_view> unitRegion(UnitKey unit) {
    auto found = std::ranges::find(regionalUnits, unit, &RegionalUnit::unit);
    if (found == regionalUnits.end())
        return std::nullopt;
    return found->region;
}

std::optional<std::string_view> currencyRegion(std::string_view code) {
    if (code.size() != 3)
        return std::nullopt;
    auto found = std::ranges::find(currencyOverrides, code, &CurrencyOverride::code);
    return found != currencyOverrides.end() ? found->region : code.substr(0, 2);
}

// Regional indicators start at U+1F1E6 for "A": every letter is shifted by this amount.
constexpr char32_t regionalIndicatorOffset = 127397;
constexpr char32_t lastScalar = 0x10FFFF;

} // namespace

std::optional<std::string> regionFlag(std::string_view region) {
    std::string flag;
    int count = 0;
    for (int32_t i = 0, length = static_cast<int32_t>(region.size()); i < length;) {
        UChar32 scalar;
        U8_NEXT(region.data(), i, length, scalar);
        if (scalar < 0 || static_cast<char32_t>(scalar) > lastScalar - regionalIndicatorOffset)
            continue;
        char bytes[U8_MAX_LENGTH];
        int32_t size = 0;
        U8_APPEND_UNSAFE(bytes, size, scalar + regionalIndicatorOffset);
        flag.append(bytes, static_cast<std::size_t>(size));
        ++count;
    }
    if (count != 2)
        return std::nullopt;
    return flag;
}

bool isTaiwanUnit(std::string_view categoryId, std::string_view unitId) {
    return std::ranges::find(taiwanUnits, UnitKey{categoryId, unitId}) != taiwanUnits.end();
}

std::optional<std::string> flagEmoji(std::string_view categoryId, std::string_view unitId) {
    if (isTaiwanUnit(categoryId, unitId))
        return std::nullopt;
    auto region =
        categoryId == currencyCategory ? currencyRegion(unitId) : unitRegion({categoryId, unitId});
    return region ? regionFlag(*region) : std::nullopt;
}

UnitFlag UnitFlag::of(std::string_view categoryId, std::string_view unitId) {
    if (isTaiwanUnit(categoryId, unitId))
        return {TaiwanImage{}};
    auto emoji = flagEmoji(categoryId, unitId);
    if (emoji)
        return {Emoji{std::move(*emoji)}};
    if (categoryId == currencyCategory)
        return {Banknote{}};
    return {None{}};
}

} // namespace zelvane
