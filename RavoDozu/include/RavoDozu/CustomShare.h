// CustomShare: handing a custom conversion or extra unit to somebody else as a link or JSON.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "RavoDozu/CustomCompiler.h"
#include "RavoDozu/CustomLibrary.h"
#include "RavoDozu/Result.h"

namespace ravodozu::CustomShare {

inline constexpr std::string_view formatTag = "zelvane.custom";
inline constexpr std::string_view linkScheme = "zelvane";
inline constexpr std::string_view linkPrefix = "zelvane:";
inline constexpr std::size_t maxPayloadBytes = 65'536; ///< Bytes of JSON, not characters.
inline constexpr long long currentShareVersion = 1;

/// What is shared: a whole conversion or one extra unit.
struct Payload {
    std::variant<CustomConversion, CustomExtraUnit> item;

    const CustomConversion* conversion() const { return std::get_if<CustomConversion>(&item); }
    const CustomExtraUnit* extra() const { return std::get_if<CustomExtraUnit>(&item); }
    bool operator==(const Payload&) const = default;
};

/// The JSON object that travels. Written with exactly one item; read with "conversion" winning
/// when both are present.
struct Envelope {
    std::string format{formatTag};
    long long version = currentShareVersion;
    std::optional<CustomConversion> conversion;
    std::optional<CustomExtraUnit> extra;
    bool operator==(const Envelope&) const = default;
};

/// Why an import is refused. An imported item is never taken on trust: every check below is
/// made on whatever arrives, and the first failing one wins.
struct ShareError {
    enum class Kind {
        invalid,        ///< Present but breaks a limit; `field` names what.
        notAConversion, ///< Not a link or envelope, a foreign format, or no item in it.
        tooLarge,       ///< More than `maxPayloadBytes` of JSON.
        newerVersion,   ///< Written by a newer format version.
    };
    Kind kind;
    /// For `invalid`: "name", "units", "parameters", "parameter", "rule", "steps" or "formula".
    std::string field;

    static ShareError invalid(std::string field) { return {Kind::invalid, std::move(field)}; }
    static ShareError notAConversion() { return {Kind::notAConversion, {}}; }
    static ShareError tooLarge() { return {Kind::tooLarge, {}}; }
    static ShareError newerVersion() { return {Kind::newerVersion, {}}; }

    /// An English sentence for the user.
    std::string describe() const;
    bool operator==(const ShareError&) const = default;
};

/// The JSON writer could not write the item (its texts are not valid UTF-8).
struct WriteError {
    std::string message;
    bool operator==(const WriteError&) const = default;
};

/// What a receiver is shown before accepting an import.
struct Preview {
    struct Line {
        std::string name;    ///< The unit's name.
        std::string formula; ///< The text of its rule.
        bool operator==(const Line&) const = default;
    };

    std::string name;          ///< The conversion's name, or the extra unit's unit name.
    std::size_t unitCount = 0; ///< Including a conversion's reference unit; 1 for an extra unit.
    std::size_t parameterCount = 0;
    std::vector<Line> lines; ///< One per unit that has a rule.
    /// Every «category.unit» reference the lines' formulas use, once, in order of appearance.
    std::vector<std::string> references;
    /// The references (and an extra unit's target) that name no unit.
    std::vector<std::string> unknown;
    bool operator==(const Preview&) const = default;
};

/// The envelope, pretty-printed with sorted keys and "/" unescaped; the item is unchanged.
Result<std::string, WriteError> shareJSON(const Payload& payload);
/// "zelvane:" and the unpadded URL-safe Base64 of the compact envelope with sorted keys.
Result<std::string, WriteError> shareLink(const Payload& payload);

/// A link anywhere in `text` (any letter case of the scheme, white space and line breaks
/// inside it ignored), or raw JSON starting with "{".
Result<Payload, ShareError> decodeShareText(std::string_view text);
/// Size check, envelope check and clean-up of envelope JSON.
Result<Payload, ShareError> decodeShareData(std::string_view bytes);

/// `decodeShareText` and `decodeShareData` without the clean-up: the item as it arrived, for
/// telling the receiver what the clean-up changed. Never to be stored as it is.
Result<Payload, ShareError> arrivedShareText(std::string_view text);
Result<Payload, ShareError> arrivedShareData(std::string_view bytes);
/// `sanitizedConversion` or `sanitizedExtra` of the item.
Result<Payload, ShareError> sanitized(Payload arrived);

/// An incoming conversion made safe: fresh ids, no source, texts trimmed and cut, limits on
/// units, parameters, steps and formulas checked.
Result<CustomConversion, ShareError> sanitizedConversion(CustomConversion conversion);
/// The same for an incoming extra unit.
Result<CustomExtraUnit, ShareError> sanitizedExtra(CustomExtraUnit extra);

/// The preview of `payload`, with references resolved as the custom resolver resolves them;
/// never fails (formulas that do not parse give no references).
Preview preview(const Payload& payload, const CustomReferenceLookup& resolve);

} // namespace ravodozu::CustomShare
