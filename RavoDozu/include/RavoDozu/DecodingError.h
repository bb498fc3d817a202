// DecodingError: why a JSON document did not decode, and where.
#pragma once

#include <string>

namespace ravodozu {

/// A strict decoder's failure. `codingPath` names the offending key ("categories[3].units[0].
/// conversion.type"); `message` is the contract text, e.g. "Unknown conversion type Linear".
struct DecodingError {
    std::string codingPath;
    std::string message;

    /// "path: message", or the message alone at the top level.
    std::string describe() const {
        return codingPath.empty() ? message : codingPath + ": " + message;
    }
    bool operator==(const DecodingError&) const = default;
};

} // namespace ravodozu
