// PlatformLocale: what the locale environment (LANGUAGE, LC_*, LANG) says about the user.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace ravodozu::PlatformLocale {

/// The environment a lookup reads; `current()` takes it from the process.
struct Environment {
    std::string language{}; ///< LANGUAGE: a colon-separated list of locales.
    std::string lcAll{};
    std::string lcMessages{};
    std::string lcNumeric{};
    std::string lang{};
    std::string lcMeasurement{}; ///< Where desktops keep the region of the user's formats.

    static Environment current();
};

/// Preferred languages as BCP 47 codes: LANGUAGE's entries first, else the first locale set among
/// LC_ALL, LC_MESSAGES, LANG. "zh_TW.UTF-8" → ["zh-TW"], "sr_Latn_RS" → ["sr-Latn-RS"]; "C" and
/// "POSIX" give none.
std::vector<std::string>
preferredLanguages(const Environment& environment = Environment::current());

/// The region of the locale that governs measurement: the first set among LC_ALL, LC_MEASUREMENT,
/// LANG ("TW" for zh_TW.UTF-8). A desktop whose language differs from its regional formats keeps
/// the language in LANG and the region in LC_MEASUREMENT, and units follow the region.
std::optional<std::string> regionCode(const Environment& environment = Environment::current());

/// The locale for numbers, from LC_ALL, LC_NUMERIC, LANG, as an ICU id ("de_DE"); "en_US_POSIX"
/// for C, POSIX or nothing set.
std::string numberLocale(const Environment& environment = Environment::current());

} // namespace ravodozu::PlatformLocale
