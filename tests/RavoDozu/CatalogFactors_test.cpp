// The shipped units against the documents that define them: one or two rows per family of
// definitions (yard-pound, US and imperial measures, East Asian and Thai customary units,
// affine and reciprocal rules, Gaussian units), picked where a factor is easy to get wrong.
#include "RavoDozu/UnitCatalog.h"

#include <cmath>
#include <string>

#include <gtest/gtest.h>

#include "ShippedCatalog.h"

using namespace ravodozu;

namespace {

struct Row {
    const char* category;
    const char* from;
    const char* to;
    double expected; ///< The value of `input` units of `from`, in `to`.
    const char* source;
    double input = 1;
};

constexpr const char* yardPound = "1959 international yard and pound agreement";
constexpr const char* nist = "NIST SP 811 (2008), Appendix B";
constexpr const char* hb44 = "NIST Handbook 44 Appendix C (US gallon = 231 in³)";
constexpr const char* ukWm = "UK Weights and Measures Act 1985 (gallon = 4.54609 L)";
constexpr const char* shiZhi = "PRC State Council order of 1984 on statutory units (市制)";
constexpr const char* hkCap68 = "Hong Kong Weights and Measures Ordinance (Cap. 68), Schedule 1";
constexpr const char* jpAct = "Japan Weights and Measures Act 1891 (尺 = 10/33 m, 貫 = 15/4 kg)";
constexpr const char* thAct = "Thailand Weights and Measures Act B.E. 2466 (วา = 2 m)";
constexpr const char* iec = "IEC 80000-13 (binary prefixes)";

const Row rows[] = {
    // Length
    {"length", "ft_us", "m", 0.3048006096012192,
     "US Metric Law of 1866 (survey foot = 1200/3937 m)"},
    {"length", "cun", "cm", 10.0 / 3, shiZhi},
    {"length", "hk_chek", "m", 0.371475, hkCap68},
    {"length", "shaku", "m", 0.30303030303030304, jpAct},
    // Mass
    {"mass", "lb", "kg", 0.45359237, yardPound},
    {"mass", "ozt", "g", 31.1034768, nist},
    {"mass", "hk_jin", "hk_liang", 16, hkCap68},
    {"mass", "baht", "g", 15, thAct},
    // Area
    {"area", "acre_us", "m2", 4046.872609874252, "US survey acre = 43560 survey ft²"},
    {"area", "mu", "m2", 666.6666666666666, shiZhi},
    {"area", "jo_kyo", "m2", 1.82405, "Kyōma tatami 0.955 m × 1.91 m"},
    {"area", "rai", "m2", 1600, thAct},
    // Volume
    {"volume", "gal_us", "l", 3.785411784, hb44},
    {"volume", "gal_uk", "l", 4.54609, ukWm},
    {"volume", "sho", "l", 1.8039068369646882,
     "Japan Weights and Measures Act 1891 (升 = 2401/1331 L)"},
    // Fuel economy: reciprocal units against km/L
    {"fuel", "l_100km", "km_l", 20, "L/100 km = 100 ÷ (km/L)", 5},
    {"fuel", "mpg_us", "l_100km", 235.21458333333334, "1 mi ÷ 1 US gal (yard-pound, HB 44)"},
    {"fuel", "mpg_uk", "l_100km", 282.48093633182214, "1 mi ÷ 1 imperial gal (UK 1985 Act)"},
    // Temperature
    {"temperature", "f", "c", 100, "ITS-90 with °F = °C × 9/5 + 32", 212},
    {"temperature", "k", "f", -459.67, "absolute zero in °F", 0},
    {"temperature", "re", "c", 100, "Réaumur: 80 °Ré = 100 °C", 80},
    // Pressure, time
    {"pressure", "torr", "pa", 133.32236842105263, "torr = 101325/760 Pa"},
    {"pressure", "mmhg", "pa", 133.322387415, nist},
    {"time", "mo", "d", 30.436875, "Gregorian mean year ÷ 12"},
    // Power, energy, data
    {"power", "hp", "w", 745.6998715822702, "NIST SP 811: hp = 550 ft·lbf/s"},
    {"energy", "cal", "j", 4.184, "NIST SP 811: thermochemical calorie"},
    {"energy", "cal_it", "j", 4.1868, "5th International Conference on Properties of Steam, 1956"},
    {"data", "TB", "GiB", 931.3225746154785, iec},
    // Science
    {"angle", "mil", "deg", 0.05625, "NATO mil: 6400 per turn"},
    {"force", "lbf", "n", 4.4482216152605, nist},
    // Electricity, magnetism, radiation
    {"resistance", "statohm", "ohm", 898755178736.8176, "Gaussian units (c² × 10⁻⁵ Ω)"},
    {"magnetic_field", "oe", "a_m", 79.57747154594767, "Gaussian units: Oe = 1000/(4π) A/m"},
};

TEST(CatalogFactors, MatchTheirDefiningSources) {
    const auto& catalog = zelvane::testing::shippedCatalog();
    for (const auto& row : rows) {
        SCOPED_TRACE(std::string(row.category) + ": " + std::to_string(row.input) + " " + row.from +
                     " → " + row.to + " (" + row.source + ")");
        const auto* category = catalog.category(row.category);
        ASSERT_NE(category, nullptr);
        const auto* from = category->unit(row.from);
        const auto* to = category->unit(row.to);
        ASSERT_NE(from, nullptr);
        ASSERT_NE(to, nullptr);
        double actual = fromBase(to->conversion, toBase(from->conversion, row.input));
        if (row.expected == 0)
            EXPECT_LE(std::abs(actual), 1e-12);
        else
            EXPECT_LE(std::abs(actual - row.expected), 1e-12 * std::abs(row.expected))
                << "got " << actual;
    }
}

} // namespace
