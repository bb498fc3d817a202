// JsonReader: strict, path-aware reading of JSON for the decoders of this library.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/LocalizedText.h"
#include "RavoDozu/Result.h"

namespace ravodozu::detail {

/// Thrown only inside a decoder and turned into a Result by `decodeWith` before it leaves the
/// library, so nested readers need no error plumbing.
struct DecodingFailure {
    DecodingError error;
};

/// A JSON value and where it sits in its document.
class JsonReader {
  public:
    JsonReader(const nlohmann::json& value, std::string path = {})
        : value_(value), path_(std::move(path)) {}

    const nlohmann::json& json() const { return value_; }
    const std::string& path() const { return path_; }

    /// The value at a required key of this object.
    JsonReader operator[](std::string_view key) const;
    /// The value at an optional key; none when absent or null.
    std::optional<JsonReader> find(std::string_view key) const;
    JsonReader element(std::size_t index) const;

    const nlohmann::json::object_t& object() const;
    const nlohmann::json::array_t& array() const;
    std::string string() const;
    double number() const;
    long long integer() const;
    bool boolean() const;
    LocalizedText localizedText() const;
    std::vector<std::string> strings() const;

    /// Every element decoded by `decode(JsonReader)`; one bad element fails the whole list.
    template <class F> auto list(F&& decode) const {
        std::vector<decltype(decode(element(0)))> result;
        result.reserve(array().size());
        for (std::size_t i = 0; i < value_.size(); ++i)
            result.push_back(decode(element(i)));
        return result;
    }

    [[noreturn]] void fail(std::string message) const;

  private:
    [[noreturn]] void typeMismatch(std::string_view expected) const;
    std::string childPath(std::string_view key) const;

    const nlohmann::json& value_;
    std::string path_;
};

/// Runs a throwing decoder and reports its failure as a Result.
template <class F> auto decodeWith(F&& decoder) -> Result<decltype(decoder()), DecodingError> {
    try {
        return decoder();
    } catch (DecodingFailure& failure) {
        return fail(std::move(failure.error));
    }
}

/// The whole file's bytes; none when it cannot be read.
std::optional<std::string> readFile(const std::filesystem::path& path);

/// Parses bytes as JSON; malformed text is a DecodingError at the top level.
Result<nlohmann::json, DecodingError> parseJson(std::string_view bytes);

} // namespace ravodozu::detail
