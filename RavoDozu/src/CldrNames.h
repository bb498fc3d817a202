// CldrNames: the names of currencies and measure units that ICU carries from CLDR.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "RavoDozu/LocalizedText.h"

namespace ravodozu::detail {

/// The long name of a currency ("US-Dollar" for USD in "de"); none when CLDR has no name for it
/// in that language.
std::optional<std::string> cldrCurrencyName(std::string_view code, std::string_view language);

/// The name of a CLDR measure unit (an ICU identifier such as "kilometer-per-hour") as it reads
/// beside the number one; none when the language has no name of its own for the unit, or puts
/// the number inside it (時速 1 キロメートル).
std::optional<std::string> cldrUnitName(std::string_view identifier, std::string_view language);

/// Adds to `text`, for each interface language it has no text in, what `lookup(language)` finds.
template <class Lookup> void addMissingNames(LocalizedText& text, Lookup lookup) {
    for (auto language : interfaceLanguages)
        if (!text.values.contains(language))
            if (auto name = lookup(language))
                text.values.emplace(language, std::move(*name));
}

} // namespace ravodozu::detail
