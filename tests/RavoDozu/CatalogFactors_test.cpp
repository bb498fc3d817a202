// The shipped units against the documents that define them: each row converts between two
// units of a category and names where the reference value comes from.
#include "RavoDozu/UnitCatalog.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "ShippedCatalog.h"

using namespace ravodozu;

namespace {

const UnitCatalog& shipped() {
    return zelvane::testing::shippedCatalog();
}

struct Row {
    const char* category;
    const char* from;
    const char* to;
    double expected; ///< The value of `input` units of `from`, in `to`.
    const char* source;
    double input = 1;
};

constexpr const char* yardPound = "1959 international yard and pound agreement";
constexpr const char* si = "SI Brochure, 9th edition (prefixes, defining constants)";
constexpr const char* nist = "NIST SP 811 (2008), Appendix B";
constexpr const char* hb44 = "NIST Handbook 44 Appendix C (US gallon = 231 in³)";
constexpr const char* ukWm = "UK Weights and Measures Act 1985 (gallon = 4.54609 L)";
constexpr const char* shiZhi = "PRC State Council order of 1984 on statutory units (市制)";
constexpr const char* hkCap68 = "Hong Kong Weights and Measures Ordinance (Cap. 68), Schedule 1";
constexpr const char* twUnits = "Taiwan customary units (台斤 = 600 g, 坪 = 400/121 m²)";
constexpr const char* jpAct = "Japan Weights and Measures Act 1891 (尺 = 10/33 m, 貫 = 15/4 kg)";
constexpr const char* thAct = "Thailand Weights and Measures Act B.E. 2466 (วา = 2 m)";
constexpr const char* iau = "IAU 2012 Resolution B2 and IAU 2015 Resolution B2";
constexpr const char* iec = "IEC 80000-13 (binary prefixes)";
constexpr const char* gn = "3rd CGPM 1901 (standard gravity 9.80665 m/s²)";
constexpr const char* btu = "International Table BTU = 1055.05585262 J (ISO 31-4)";

const Row rows[] = {
    // Length
    {"length", "km", "m", 1000, si},
    {"length", "cm", "m", 0.01, si},
    {"length", "mm", "m", 0.001, si},
    {"length", "um", "m", 1e-6, si},
    {"length", "nm", "m", 1e-9, si},
    {"length", "angstrom", "m", 1e-10, nist},
    {"length", "in", "m", 0.0254, yardPound},
    {"length", "ft", "m", 0.3048, yardPound},
    {"length", "yd", "m", 0.9144, yardPound},
    {"length", "mi", "m", 1609.344, yardPound},
    {"length", "mi", "ft", 5280, yardPound},
    {"length", "mi", "km", 1.609344, yardPound},
    {"length", "nmi", "m", 1852, "SI Brochure Table 8 (nautical mile)"},
    {"length", "mil", "mm", 0.0254, nist},
    {"length", "hand", "in", 4, nist},
    {"length", "fathom", "ft", 6, nist},
    {"length", "chain", "m", 20.1168, nist},
    {"length", "furlong", "yd", 220, nist},
    {"length", "rod", "ft", 16.5, nist},
    {"length", "link", "m", 0.201168, nist},
    {"length", "league", "mi", 3, nist},
    {"length", "ft_us", "m", 0.3048006096012192,
     "US Metric Law of 1866 (survey foot = 1200/3937 m)"},
    {"length", "mi_us", "m", 1609.3472186944373, "US survey mile = 5280 survey feet"},
    {"length", "pt", "in", 1.0 / 72, "PostScript point = 1/72 in"},
    {"length", "au", "m", 149597870700, iau},
    {"length", "ly", "m", 9460730472580800, "IAU: Julian year × speed of light"},
    {"length", "pc", "m", 3.085677581491367e16, iau},
    {"length", "li", "m", 500, shiZhi},
    {"length", "zhang", "m", 10.0 / 3, shiZhi},
    {"length", "chi", "m", 1.0 / 3, shiZhi},
    {"length", "cun", "cm", 10.0 / 3, shiZhi},
    {"length", "li", "chi", 1500, shiZhi},
    {"length", "hk_chek", "m", 0.371475, hkCap68},
    {"length", "hk_tsun", "m", 0.0371475, hkCap68},
    {"length", "tw_chi", "m", 0.30303030303030304, "Taiwan 台尺 = 10/33 m"},
    {"length", "shaku", "m", 0.30303030303030304, jpAct},
    {"length", "ken", "m", 1.8181818181818181, jpAct},
    {"length", "ri", "m", 3927.2727272727275, jpAct},
    {"length", "wa", "m", 2, thAct},
    {"length", "sen", "wa", 20, thAct},
    {"length", "yot", "km", 16, thAct},

    // Mass
    {"mass", "g", "kg", 0.001, si},
    {"mass", "t", "kg", 1000, si},
    {"mass", "ct", "g", 0.2, "4th CGPM 1907 (metric carat)"},
    {"mass", "lb", "kg", 0.45359237, yardPound},
    {"mass", "oz", "g", 28.349523125, yardPound},
    {"mass", "gr", "mg", 64.79891, yardPound},
    {"mass", "dr", "kg", 0.0017718451953125, nist},
    {"mass", "st", "kg", 6.35029318, "UK Weights and Measures Act 1985 (stone = 14 lb)"},
    {"mass", "cwt_us", "lb", 100, nist},
    {"mass", "cwt_uk", "kg", 50.80234544, nist},
    {"mass", "ton_us", "kg", 907.18474, nist},
    {"mass", "ton_uk", "kg", 1016.0469088, nist},
    {"mass", "ozt", "g", 31.1034768, nist},
    {"mass", "dwt", "g", 1.55517384, nist},
    {"mass", "lbt", "kg", 0.3732417216, nist},
    {"mass", "slug", "kg", 14.593902937206364, "NIST SP 811: slug = lbf·s²/ft"},
    {"mass", "jin", "kg", 0.5, shiZhi},
    {"mass", "liang", "g", 50, shiZhi},
    {"mass", "jin", "liang", 10, shiZhi},
    {"mass", "dan", "jin", 100, shiZhi},
    {"mass", "hk_jin", "kg", 0.60478982, hkCap68},
    {"mass", "hk_liang", "kg", 0.03779936375, hkCap68},
    {"mass", "hk_jin", "hk_liang", 16, hkCap68},
    {"mass", "hk_picul", "hk_jin", 100, hkCap68},
    {"mass", "tw_jin", "kg", 0.6, twUnits},
    {"mass", "tw_liang", "g", 37.5, twUnits},
    {"mass", "tw_jin", "tw_liang", 16, twUnits},
    {"mass", "kan", "kg", 3.75, jpAct},
    {"mass", "monme", "g", 3.75, jpAct},
    {"mass", "baht", "g", 15, thAct},
    {"mass", "chang", "kg", 1.2, thAct},

    // Area
    {"area", "km2", "m2", 1e6, si},
    {"area", "ha", "m2", 10000, si},
    {"area", "in2", "m2", 0.00064516, yardPound},
    {"area", "ft2", "m2", 0.09290304, yardPound},
    {"area", "mi2", "m2", 2589988.110336, yardPound},
    {"area", "acre", "m2", 4046.8564224, "1959 international acre = 43560 ft²"},
    {"area", "acre", "ft2", 43560, nist},
    {"area", "acre_us", "m2", 4046.872609874252, "US survey acre = 43560 survey ft²"},
    {"area", "mu", "m2", 666.6666666666666, shiZhi},
    {"area", "ha", "mu", 15, shiZhi},
    {"area", "qing", "mu", 100, shiZhi},
    {"area", "ping", "m2", 3.3057851239669422, twUnits},
    {"area", "tw_jia", "ping", 2934, "Taiwan 甲 = 2934 坪"},
    {"area", "tsubo", "m2", 3.3057851239669422, jpAct},
    {"area", "tan", "m2", 991.7355371900826, jpAct},
    {"area", "jo", "m2", 1.62, "Japan Real Estate Fair Trade Council rule: 1 畳 = 1.62 m²"},
    {"area", "jo_edo", "m2", 1.5488, "Edoma tatami 0.88 m × 1.76 m"},
    {"area", "jo_kyo", "m2", 1.82405, "Kyōma tatami 0.955 m × 1.91 m"},
    {"area", "rai", "m2", 1600, thAct},
    {"area", "ngan", "m2", 400, thAct},
    {"area", "sqwa", "m2", 4, thAct},
    {"area", "rai", "ngan", 4, thAct},

    // Volume
    {"volume", "ml", "l", 0.001, si},
    {"volume", "m3", "l", 1000, si},
    {"volume", "gal_us", "l", 3.785411784, hb44},
    {"volume", "qt_us", "l", 0.946352946, hb44},
    {"volume", "pt_us", "l", 0.473176473, hb44},
    {"volume", "cup_us", "ml", 236.5882365, hb44},
    {"volume", "floz_us", "ml", 29.5735295625, hb44},
    {"volume", "tbsp_us", "ml", 14.78676478125, hb44},
    {"volume", "tsp_us", "ml", 4.92892159375, hb44},
    {"volume", "tbsp_us", "tsp_us", 3, hb44},
    {"volume", "cup_us", "floz_us", 8, hb44},
    {"volume", "gal_us", "in3", 231, hb44},
    {"volume", "bbl_oil", "gal_us", 42, "API petroleum barrel = 42 US gal"},
    {"volume", "bu_us", "l", 35.23907016688, "Winchester bushel = 2150.42 in³ (NIST HB 44)"},
    {"volume", "pt_dry", "l", 0.5506104713575, hb44},
    {"volume", "cup_legal", "ml", 240, "US FDA 21 CFR 101.9(b)(5)(viii)"},
    {"volume", "gal_uk", "l", 4.54609, ukWm},
    {"volume", "pt_uk", "l", 0.56826125, ukWm},
    {"volume", "floz_uk", "ml", 28.4130625, ukWm},
    {"volume", "gal_uk", "gal_us", 1.200949925504855, "UK and US gallon definitions"},
    {"volume", "ft3", "l", 28.316846592, yardPound},
    {"volume", "acre_ft", "m3", 1233.48183754752, nist},
    {"volume", "sho", "l", 1.8039068369646882,
     "Japan Weights and Measures Act 1891 (升 = 2401/1331 L)"},

    // Fuel economy: reciprocal units against km/L
    {"fuel", "km_l", "l_100km", 1, "L/100 km = 100 ÷ (km/L)", 100},
    {"fuel", "l_100km", "km_l", 100, "L/100 km = 100 ÷ (km/L)", 1},
    {"fuel", "l_100km", "km_l", 20, "L/100 km = 100 ÷ (km/L)", 5},
    {"fuel", "mpg_us", "km_l", 0.425143707430272, "1 mi ÷ 1 US gal (yard-pound, HB 44)"},
    {"fuel", "mpg_us", "l_100km", 235.21458333333334, "1 mi ÷ 1 US gal (yard-pound, HB 44)"},
    {"fuel", "mpg_uk", "l_100km", 282.48093633182214, "1 mi ÷ 1 imperial gal (UK 1985 Act)"},
    {"fuel", "mpg_us", "mpg_uk", 1.200949925504855, "UK and US gallon definitions", 1},
    {"fuel", "l_100km", "mpg_us", 23.521458333333334, "1 mi ÷ 1 US gal", 10},

    // Temperature
    {"temperature", "c", "k", 273.15, "SI Brochure (0 °C = 273.15 K)", 0},
    {"temperature", "f", "c", 100, "ITS-90 with °F = °C × 9/5 + 32", 212},
    {"temperature", "f", "c", -40, "ITS-90 with °F = °C × 9/5 + 32", -40},
    {"temperature", "c", "f", 98.6, "°F = °C × 9/5 + 32", 37},
    {"temperature", "k", "f", -459.67, "absolute zero in °F", 0},
    {"temperature", "r", "k", 273.15, "Rankine = 5/9 K", 491.67},
    {"temperature", "re", "c", 100, "Réaumur: 80 °Ré = 100 °C", 80},

    // Speed, pressure, time
    {"speed", "km_h", "m_s", 0.2777777777777778, si},
    {"speed", "mph", "m_s", 0.44704, yardPound},
    {"speed", "kn", "km_h", 1.852, "knot = 1 nmi/h"},
    {"speed", "light", "m_s", 299792458, si},
    {"pressure", "atm", "pa", 101325, "10th CGPM 1954 (standard atmosphere)"},
    {"pressure", "bar", "kpa", 100, nist},
    {"pressure", "torr", "pa", 133.32236842105263, "torr = 101325/760 Pa"},
    {"pressure", "mmhg", "pa", 133.322387415, nist},
    {"pressure", "psi", "pa", 6894.757293168362, "lbf/in² from the yard-pound agreement"},
    {"pressure", "psi", "kpa", 6.894757293168362, "lbf/in²"},
    {"pressure", "at", "pa", 98066.5, gn},
    {"pressure", "inh2o", "pa", 249.08891, nist},
    {"time", "h", "s", 3600, si},
    {"time", "d", "h", 24, si},
    {"time", "wk", "d", 7, si},
    {"time", "yr", "d", 365.2425, "Gregorian calendar mean year"},
    {"time", "yr_julian", "s", 31557600, "IAU Julian year (365.25 d)"},
    {"time", "mo", "d", 30.436875, "Gregorian mean year ÷ 12"},

    // Power, energy, data
    {"power", "kw", "w", 1000, si},
    {"power", "hp", "w", 745.6998715822702, "NIST SP 811: hp = 550 ft·lbf/s"},
    {"power", "ps", "w", 735.49875, "DIN 66036 metric horsepower = 75 kgf·m/s"},
    {"power", "btu_h", "w", 0.2930710701722222, btu},
    {"power", "ton_ref", "btu_h", 12000, "ton of refrigeration = 12000 BTU/h"},
    {"power", "kcal_h", "w", 1.163, "IT kilocalorie per hour"},
    {"energy", "kwh", "j", 3.6e6, si},
    {"energy", "cal", "j", 4.184, "NIST SP 811: thermochemical calorie"},
    {"energy", "kcal", "kj", 4.184, "NIST SP 811: thermochemical calorie"},
    {"energy", "cal_it", "j", 4.1868, "5th International Conference on Properties of Steam, 1956"},
    {"energy", "btu", "j", 1055.05585262, btu},
    {"energy", "ev", "j", 1.602176634e-19, si},
    {"energy", "therm", "j", 105480400, nist},
    {"energy", "ft_lbf", "j", 1.3558179483314003, nist},
    {"energy", "toe", "gj", 41.868, "IEA tonne of oil equivalent = 10^7 kcal (IT)"},
    {"energy", "tnt", "j", 4.184e9, "ton of TNT = 10^9 cal (thermochemical)"},
    {"data", "bit", "B", 0.125, iec},
    {"data", "KiB", "B", 1024, iec},
    {"data", "MiB", "KiB", 1024, iec},
    {"data", "GiB", "B", 1073741824, iec},
    {"data", "GB", "MB", 1000, si},
    {"data", "TB", "GiB", 931.3225746154785, iec},
    {"data_rate", "MBps", "mbps", 8, iec},
    {"data_rate", "gbps", "MBps", 125, si},

    // Science
    {"density", "g_cm3", "kg_m3", 1000, si},
    {"density", "lb_ft3", "kg_m3", 16.018463373960138, yardPound},
    {"density", "lb_gal", "kg_m3", 119.82642731689663, hb44},
    {"angle", "deg", "rad", 0.017453292519943295, "π/180"},
    {"angle", "turn", "deg", 360, si},
    {"angle", "arcsec", "rad", 4.84813681109536e-6, "π/648000"},
    {"angle", "grad", "deg", 0.9, "400 gon per turn"},
    {"angle", "mil", "deg", 0.05625, "NATO mil: 6400 per turn"},
    {"force", "kgf", "n", 9.80665, gn},
    {"force", "lbf", "n", 4.4482216152605, nist},
    {"force", "dyn", "n", 1e-5, nist},
    {"force", "pdl", "n", 0.138254954376, nist},
    {"torque", "lbf_ft", "n_m", 1.3558179483314003, nist},
    {"torque", "kgf_m", "n_m", 9.80665, gn},
    {"acceleration", "gn", "m_s2", 9.80665, gn},
    {"acceleration", "gal", "m_s2", 0.01, nist},
    {"flow", "galmin", "m3_s", 6.30901964e-5, hb44},
    {"flow", "cfm", "l_s", 0.4719474432, yardPound},
    {"flow", "m3_h", "l_min", 1000.0 / 60, si},
    {"frequency", "rpm", "hz", 1.0 / 60, si},
    {"frequency", "rad_s", "hz", 0.15915494309189535, "1/(2π)"},
    {"viscosity", "cp", "pa_s", 0.001, nist},
    {"viscosity", "p", "pa_s", 0.1, nist},
    {"illuminance", "fc", "lx", 10.763910416709722, "lm/ft² from the yard-pound agreement"},
    {"illuminance", "ph", "lx", 10000, nist},

    // Electricity, magnetism, radiation
    {"voltage", "kv", "v", 1000, si},
    {"voltage", "statv", "v", 299.792458, "Gaussian units (c = 299792458 m/s)"},
    {"current", "ma", "a", 0.001, si},
    {"current", "aba", "a", 10, nist},
    {"resistance", "kohm", "ohm", 1000, si},
    {"resistance", "statohm", "ohm", 898755178736.8176, "Gaussian units (c² × 10⁻⁵ Ω)"},
    {"capacitance", "uf", "farad", 1e-6, si},
    {"capacitance", "pf", "nf", 0.001, si},
    {"inductance", "mh", "h", 0.001, si},
    {"charge", "mah", "coulomb", 3.6, si},
    {"charge", "ah", "mah", 1000, si},
    {"charge", "e", "coulomb", 1.602176634e-19, si},
    {"charge", "faraday", "coulomb", 96485.33212331001, "SI: e × N_A"},
    {"magnetic_field", "oe", "a_m", 79.57747154594767, "Gaussian units: Oe = 1000/(4π) A/m"},
    {"magnetic_flux_density", "gs", "t", 1e-4, nist},
    {"magnetic_flux_density", "t", "mt", 1000, si},
    {"magnetic_flux", "mx", "wb", 1e-8, nist},
    {"radioactivity", "ci", "bq", 3.7e10, nist},
    {"radioactivity", "mci", "mbq", 37, nist},
    {"radioactivity", "rd", "bq", 1e6, nist},
    {"absorbed_dose", "rad", "gy", 0.01, nist},
    {"absorbed_dose", "gy", "mgy", 1000, si},
    {"equivalent_dose", "rem", "sv", 0.01, nist},
    {"equivalent_dose", "msv", "usv", 1000, si},
};

static_assert(std::size(rows) >= 120, "keep a broad sample of the catalog under test");

double convert(const UnitDefinition& from, const UnitDefinition& to, double value) {
    return fromBase(to.conversion, toBase(from.conversion, value));
}

TEST(CatalogFactors, MatchTheirDefiningSources) {
    const auto& catalog = shipped();
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.category) + ": " + std::to_string(row.input) + " " + row.from +
                     " → " + row.to + " (" + row.source + ")");
        const auto* category = catalog.category(row.category);
        ASSERT_NE(category, nullptr);
        const auto* from = category->unit(row.from);
        const auto* to = category->unit(row.to);
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        double actual = convert(*from, *to, row.input);
        if (row.expected == 0)
            EXPECT_LE(std::abs(actual), 1e-12);
        else
            EXPECT_LE(std::abs(actual - row.expected), 1e-12 * std::abs(row.expected))
                << "got " << actual;
    }
}

TEST(CatalogFactors, TemperatureRoundTripsThroughKelvin) {
    const auto* temperature = shipped().category("temperature");
    ASSERT_NE(temperature, nullptr);
    const auto& celsius = *temperature->unit("c");
    const auto& fahrenheit = *temperature->unit("f");
    for (double value : {-273.15, -40.0, 0.0, 36.6, 100.0, 1000.0}) {
        double there = convert(celsius, fahrenheit, value);
        EXPECT_NEAR(there, value * 9 / 5 + 32, 1e-9) << value;
        EXPECT_NEAR(convert(fahrenheit, celsius, there), value, 1e-9) << value;
    }
}

TEST(CatalogFactors, ReciprocalFuelUnitsAreInverseOfEachOther) {
    const auto* fuel = shipped().category("fuel");
    ASSERT_NE(fuel, nullptr);
    const auto& perHundred = *fuel->unit("l_100km");
    const auto& mpg = *fuel->unit("mpg_us");
    // A higher consumption is a lower economy: the product stays constant.
    for (double litres : {2.0, 5.0, 7.5, 12.0, 40.0})
        EXPECT_NEAR(convert(perHundred, mpg, litres) * litres, 235.21458333333334, 1e-9);
    EXPECT_TRUE(std::isinf(convert(perHundred, mpg, 0.0)));
}

} // namespace
