#include "RavoDozu/PlatformLocale.h"

#include <cstdlib>
#include <ranges>

namespace ravodozu::PlatformLocale {

namespace {
struct PosixLocale {
    std::string language;
    std::string region;
};

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "zh_TW.UTF-8@modifier" → {zh, TW}; "C", "POSIX" and "" → none.
std::optional<PosixLocale> parsePosix(std::string_view text) {
    text = text.substr(0, text.find_first_of(".@"));
    if (text.empty() || text == "C" || text == "POSIX")
        return std::nullopt;
    auto separator = text.find_first_of("_-");
    if (separator == std::string_view::npos)
        return PosixLocale{std::string(text), {}};
    return PosixLocale{std::string(text.substr(0, separator)),
                       std::string(text.substr(separator + 1))};
}

std::string bcp47(const PosixLocale& locale) {
    return locale.region.empty() ? locale.language : locale.language + "-" + locale.region;
}

std::optional<PosixLocale> firstSet(std::initializer_list<const std::string*> variables) {
    for (const auto* value : variables)
        if (!value->empty())
            return parsePosix(*value);
    return std::nullopt;
}
} // namespace

Environment Environment::current() {
    return {variable("LANGUAGE"), variable("LC_ALL"), variable("LC_MESSAGES"),
            variable("LC_NUMERIC"), variable("LANG")};
}

std::vector<std::string> preferredLanguages(const Environment& environment) {
    std::vector<std::string> languages;
    for (auto entry : environment.language | std::views::split(':'))
        if (auto locale = parsePosix(std::string_view(entry.begin(), entry.end())))
            languages.push_back(bcp47(*locale));
    if (languages.empty())
        if (auto locale =
                firstSet({&environment.lcAll, &environment.lcMessages, &environment.lang}))
            languages.push_back(bcp47(*locale));
    return languages;
}

std::optional<std::string> regionCode(const Environment& environment) {
    auto locale = firstSet({&environment.lcAll, &environment.lcMessages, &environment.lang});
    if (!locale || locale->region.empty())
        return std::nullopt;
    return locale->region;
}

std::string numberLocale(const Environment& environment) {
    auto locale = firstSet({&environment.lcAll, &environment.lcNumeric, &environment.lang});
    if (!locale)
        return "en_US_POSIX";
    return locale->region.empty() ? locale->language : locale->language + "_" + locale->region;
}

} // namespace ravodozu::PlatformLocale
