#include "RavoDozu/PlatformLocale.h"

#include "TextPieces.h"

#include <cstdlib>

namespace ravodozu::PlatformLocale {

namespace {
struct PosixLocale {
    std::string language;
    std::string script;
    std::string region;
};

std::string variable(const char* name) {
    const char* value = std::getenv(name);
    return value ? value : "";
}

// "zh_TW.UTF-8@modifier" → {zh, TW}; "sr_Latn_RS" → {sr, Latn, RS}; "C", "POSIX" and "" → none.
std::optional<PosixLocale> parsePosix(std::string_view text) {
    text = text.substr(0, text.find_first_of(".@"));
    if (text.empty() || text == "C" || text == "POSIX")
        return std::nullopt;
    PosixLocale locale;
    auto separator = text.find_first_of("_-");
    locale.language = std::string(text.substr(0, separator));
    while (separator != std::string_view::npos) {
        text.remove_prefix(separator + 1);
        separator = text.find_first_of("_-");
        auto piece = text.substr(0, separator);
        if (piece.size() == 4 && locale.script.empty() && locale.region.empty())
            locale.script = piece;
        else if (!piece.empty() && locale.region.empty())
            locale.region = piece;
    }
    if (locale.language.empty())
        return std::nullopt;
    return locale;
}

std::string bcp47(const PosixLocale& locale) {
    std::string code = locale.language;
    for (const auto* part : {&locale.script, &locale.region})
        if (!part->empty())
            code += "-" + *part;
    return code;
}

std::optional<PosixLocale> firstSet(std::initializer_list<const std::string*> variables) {
    for (const auto* value : variables)
        if (!value->empty())
            return parsePosix(*value);
    return std::nullopt;
}
} // namespace

Environment Environment::current() {
    return {variable("LANGUAGE"),   variable("LC_ALL"), variable("LC_MESSAGES"),
            variable("LC_NUMERIC"), variable("LANG"),   variable("LC_MEASUREMENT")};
}

std::vector<std::string> preferredLanguages(const Environment& environment) {
    std::vector<std::string> languages;
    for (auto entry : detail::splitText(environment.language, ':'))
        if (auto locale = parsePosix(entry))
            languages.push_back(bcp47(*locale));
    if (languages.empty())
        if (auto locale =
                firstSet({&environment.lcAll, &environment.lcMessages, &environment.lang}))
            languages.push_back(bcp47(*locale));
    return languages;
}

std::optional<std::string> regionCode(const Environment& environment) {
    auto locale = firstSet({&environment.lcAll, &environment.lcMeasurement, &environment.lang});
    if (!locale || locale->region.empty())
        return std::nullopt;
    return locale->region;
}

std::string numberLocale(const Environment& environment) {
    auto locale = firstSet({&environment.lcAll, &environment.lcNumeric, &environment.lang});
    if (!locale)
        return "en_US_POSIX";
    std::string id = locale->language;
    for (const auto* part : {&locale->script, &locale->region})
        if (!part->empty())
            id += "_" + *part;
    return id;
}

} // namespace ravodozu::PlatformLocale
