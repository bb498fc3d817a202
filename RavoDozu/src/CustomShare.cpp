#include "RavoDozu/CustomShare.h"

#include <algorithm>
#include <climits> // INT64_MAX
#include <cmath>   // std::isfinite
#include <cstdint>
#include <set>
#include <type_traits>
#include <utility>

#include <nlohmann/json.hpp>

#include "Base64.h"
#include "JsonReader.h"
#include "RavoDozu/Expr.h"
#include "UnicodeText.h"

namespace ravodozu::CustomShare {

using detail::characterCount;
using detail::firstCharacters;
using detail::JsonReader;
using detail::trimmedWhiteSpace;
using nlohmann::json;

namespace {

// Limits on what an import may carry, in user-perceived characters or counts.
constexpr std::size_t maxNameLength = 40;
constexpr std::size_t maxSymbolLength = 12;
constexpr std::size_t maxGlyphLength = 2;
constexpr std::size_t maxNoteLength = 40;
constexpr std::size_t minUnits = 2;
constexpr std::size_t maxUnits = 12;
constexpr std::size_t maxParameters = 10;
constexpr std::size_t maxSteps = 30;
constexpr std::size_t maxReferenceLength = 60;
constexpr std::size_t maxFunctionLength = 20;
constexpr std::size_t maxFormulaLength = 400;
constexpr std::size_t maxIdLength = 40;
constexpr int maxDecimals = 10;

bool longerThan(const std::optional<std::string>& text, std::size_t limit) {
    // Bytes bound characters from above, so short texts skip the grapheme walk.
    return text && text->size() > limit && characterCount(*text) > limit;
}

bool longerThan(const std::string& text, std::size_t limit) {
    return text.size() > limit && characterCount(text) > limit;
}

std::string trimmedAndCut(const std::string& text, std::size_t limit) {
    return firstCharacters(trimmedWhiteSpace(text), limit);
}

std::optional<ShareError> sanitizeUnit(CustomUnit& unit) {
    unit.id = freshCustomId();
    unit.name = trimmedAndCut(unit.name, maxNameLength);
    unit.symbol = trimmedAndCut(unit.symbol, maxSymbolLength);
    if (unit.name.empty())
        return ShareError::invalid("name");
    if (!unit.rule)
        return std::nullopt;
    if (const auto* steps = std::get_if<CustomRule::Steps>(&unit.rule->value)) {
        if (steps->steps.size() > maxSteps)
            return ShareError::invalid("steps");
        for (const auto& step : steps->steps)
            if (longerThan(step.from, maxReferenceLength) ||
                longerThan(step.to, maxReferenceLength) ||
                longerThan(step.function, maxFunctionLength))
                return ShareError::invalid("steps");
    } else if (const auto* formula = std::get_if<CustomRule::Formula>(&unit.rule->value)) {
        if (longerThan(formula->forward, maxFormulaLength) ||
            longerThan(formula->inverse, maxFormulaLength))
            return ShareError::invalid("formula");
    }
    return std::nullopt;
}

std::optional<ShareError> sanitizeParameters(std::vector<CustomParameter>& parameters) {
    for (auto& parameter : parameters) {
        if (!isValidParameterName(parameter.name) || !std::isfinite(parameter.value))
            return ShareError::invalid("parameter");
        parameter.note = firstCharacters(parameter.note, maxNoteLength);
    }
    std::set<std::string_view> names;
    for (const auto& parameter : parameters)
        if (!names.insert(parameter.name).second)
            return ShareError::invalid("parameters");
    return std::nullopt;
}

json envelopeJson(const Payload& payload) {
    json envelope = {{"format", formatTag}, {"version", currentShareVersion}};
    if (const auto* conversion = payload.conversion())
        envelope["conversion"] = encodeCustomConversion(*conversion);
    else
        envelope["extra"] = encodeCustomExtraUnit(*payload.extra());
    return envelope;
}

// nlohmann's objects keep their keys sorted and it never escapes "/"; it throws only for
// texts that are not UTF-8.
Result<std::string, WriteError> written(const json& value, int indent) {
    try {
        return value.dump(indent);
    } catch (const json::exception& error) {
        return fail(WriteError{error.what()});
    }
}

// The format version; a count beyond any signed integer is from the future all the same.
long long readVersion(const JsonReader& reader) {
    if (reader.json().is_number_unsigned() &&
        reader.json().get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX))
        return INT64_MAX;
    return reader.integer();
}

Envelope readEnvelope(const JsonReader& reader) {
    Envelope envelope;
    envelope.format = reader["format"].string();
    envelope.version = readVersion(reader["version"]);
    auto item = [](const JsonReader& value, auto decode) {
        auto decoded = decode(value.json());
        if (!decoded)
            throw detail::DecodingFailure{decoded.error()};
        return std::move(decoded).value();
    };
    if (auto conversion = reader.find("conversion"))
        envelope.conversion =
            item(*conversion, [](const json& object) { return decodeCustomConversion(object); });
    if (auto extra = reader.find("extra"))
        envelope.extra =
            item(*extra, [](const json& object) { return decodeCustomExtraUnit(object); });
    return envelope;
}

bool equalsIgnoringAsciiCase(std::string_view text, std::string_view lowerCase) {
    if (text.size() != lowerCase.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
        if (c != lowerCase[i])
            return false;
    }
    return true;
}

std::optional<std::size_t> findLinkPrefix(std::string_view text) {
    for (std::size_t at = 0; at + linkPrefix.size() <= text.size(); ++at)
        if (equalsIgnoringAsciiCase(text.substr(at, linkPrefix.size()), linkPrefix))
            return at;
    return std::nullopt;
}

} // namespace

std::string ShareError::describe() const {
    switch (kind) {
    case Kind::invalid: {
        static const std::pair<std::string_view, std::string_view> reasons[] = {
            {"name", "a name is empty"},
            {"units", "a conversion needs between 2 and 12 units"},
            {"parameters", "there are more than 10 parameters, or two with the same name"},
            {"parameter", "a parameter has an invalid name or a value that is not finite"},
            {"rule", "a unit lacks its rule, or an extra unit breaks a limit"},
            {"steps", "a step rule has more than 30 steps, or a step is too long"},
            {"formula", "a formula is longer than 400 characters"},
        };
        for (auto [word, reason] : reasons)
            if (word == field)
                return "The shared item is not valid: " + std::string(reason) + ".";
        return "The shared item is not valid (" + field + ").";
    }
    case Kind::notAConversion:
        return "The text is not a shared custom conversion or unit.";
    case Kind::tooLarge:
        return "The shared item is larger than 65,536 bytes.";
    case Kind::newerVersion:
        return "The shared item was made by a newer version of Zelvane; update to import it.";
    }
    return {};
}

Result<std::string, WriteError> shareJSON(const Payload& payload) {
    return written(envelopeJson(payload), 2);
}

Result<std::string, WriteError> shareLink(const Payload& payload) {
    auto compact = written(envelopeJson(payload), -1);
    if (!compact)
        return fail(compact.error());
    return std::string(linkPrefix) +
           detail::base64Encode(*compact, detail::Base64Alphabet::urlSafe, /*padded=*/false);
}

Result<Payload, ShareError> arrivedShareText(std::string_view text) {
    auto trimmed = trimmedWhiteSpace(text);
    if (auto at = findLinkPrefix(trimmed)) {
        // Links broken over lines are rejoined; anything else after the link stays and fails.
        auto encoded = detail::withoutWhiteSpace(trimmed.substr(*at + linkPrefix.size()));
        for (char& c : encoded) {
            if (c == '-')
                c = '+';
            if (c == '_')
                c = '/';
        }
        encoded.append((4 - encoded.size() % 4) % 4, '=');
        auto bytes = detail::base64Decode(encoded, detail::Base64Alphabet::standard);
        if (!bytes)
            return fail(ShareError::notAConversion());
        return arrivedShareData(*bytes);
    }
    if (trimmed.starts_with('{'))
        return arrivedShareData(trimmed);
    return fail(ShareError::notAConversion());
}

Result<Payload, ShareError> arrivedShareData(std::string_view bytes) {
    if (bytes.size() > maxPayloadBytes)
        return fail(ShareError::tooLarge());
    auto document = detail::parseJson(bytes);
    if (!document)
        return fail(ShareError::notAConversion());
    auto envelope = detail::decodeWith([&] { return readEnvelope(JsonReader(*document)); });
    if (!envelope || envelope->format != formatTag)
        return fail(ShareError::notAConversion());
    if (envelope->version > currentShareVersion)
        return fail(ShareError::newerVersion());
    if (envelope->conversion)
        return Payload{std::move(*envelope->conversion)};
    if (envelope->extra)
        return Payload{std::move(*envelope->extra)};
    return fail(ShareError::notAConversion());
}

Result<Payload, ShareError> sanitized(Payload arrived) {
    auto wrapped = [](auto item) -> Result<Payload, ShareError> {
        if (!item)
            return fail(item.error());
        return Payload{std::move(item).value()};
    };
    if (auto* conversion = std::get_if<CustomConversion>(&arrived.item))
        return wrapped(sanitizedConversion(std::move(*conversion)));
    return wrapped(sanitizedExtra(std::move(std::get<CustomExtraUnit>(arrived.item))));
}

Result<Payload, ShareError> decodeShareText(std::string_view text) {
    auto arrived = arrivedShareText(text);
    if (!arrived)
        return fail(arrived.error());
    return sanitized(std::move(arrived).value());
}

Result<Payload, ShareError> decodeShareData(std::string_view bytes) {
    auto arrived = arrivedShareData(bytes);
    if (!arrived)
        return fail(arrived.error());
    return sanitized(std::move(arrived).value());
}

Result<CustomConversion, ShareError> sanitizedConversion(CustomConversion conversion) {
    conversion.id = freshCustomId();
    conversion.source.reset();
    conversion.name = trimmedAndCut(conversion.name, maxNameLength);
    conversion.glyph = firstCharacters(conversion.glyph, maxGlyphLength);
    if (conversion.name.empty())
        return fail(ShareError::invalid("name"));
    if (conversion.units.size() < minUnits || conversion.units.size() > maxUnits)
        return fail(ShareError::invalid("units"));
    if (conversion.parameters.size() > maxParameters)
        return fail(ShareError::invalid("parameters"));
    if (conversion.decimals && (*conversion.decimals < 0 || *conversion.decimals > maxDecimals))
        conversion.decimals.reset();
    for (std::size_t i = 0; i < conversion.units.size(); ++i) {
        auto& unit = conversion.units[i];
        if (auto error = sanitizeUnit(unit))
            return fail(std::move(*error));
        if (i == 0)
            unit.rule.reset(); // The reference unit is the category's base.
        else if (!unit.rule)
            return fail(ShareError::invalid("rule"));
    }
    if (auto error = sanitizeParameters(conversion.parameters))
        return fail(std::move(*error));
    return conversion;
}

Result<CustomExtraUnit, ShareError> sanitizedExtra(CustomExtraUnit extra) {
    extra.id = freshCustomId();
    extra.source.reset();
    if (!extra.unit.rule || extra.parameters.size() > maxParameters ||
        longerThan(extra.categoryId, maxIdLength) || longerThan(extra.referenceUnitId, maxIdLength))
        return fail(ShareError::invalid("rule"));
    if (auto error = sanitizeUnit(extra.unit))
        return fail(std::move(*error));
    if (auto error = sanitizeParameters(extra.parameters))
        return fail(std::move(*error));
    return extra;
}

Preview preview(const Payload& payload, const CustomReferenceLookup& resolve) {
    Preview result;
    std::vector<const CustomUnit*> considered;
    std::optional<std::string> target;
    if (const auto* conversion = payload.conversion()) {
        result.name = conversion->name;
        result.unitCount = conversion->units.size();
        result.parameterCount = conversion->parameters.size();
        for (std::size_t i = 1; i < conversion->units.size(); ++i)
            considered.push_back(&conversion->units[i]);
    } else {
        const auto& extra = *payload.extra();
        result.name = extra.unit.name;
        result.unitCount = 1;
        result.parameterCount = extra.parameters.size();
        considered.push_back(&extra.unit);
        target = extra.categoryId + "." + extra.referenceUnitId;
    }

    for (const auto* unit : considered) {
        if (!unit->rule)
            continue;
        std::string formula = std::visit(
            [](const auto& rule) -> std::string {
                using Rule = std::decay_t<decltype(rule)>;
                if constexpr (std::is_same_v<Rule, CustomRule::Ratio>)
                    return "x / " + numberText(rule.value);
                else if constexpr (std::is_same_v<Rule, CustomRule::Steps>)
                    return stepsText(rule.steps);
                else
                    return rule.forward;
            },
            unit->rule->value);
        if (auto parsed = Expr::parse(formula))
            for (auto& reference : parsed->unitReferences())
                if (std::ranges::find(result.references, reference) == result.references.end())
                    result.references.push_back(std::move(reference));
        result.lines.push_back({unit->name, std::move(formula)});
    }

    auto unresolved = [&](const std::string& reference) { return !resolve || !resolve(reference); };
    if (target && unresolved(*target))
        result.unknown.push_back(*target);
    for (const auto& reference : result.references)
        if (unresolved(reference))
            result.unknown.push_back(reference);
    return result;
}

} // namespace ravodozu::CustomShare
