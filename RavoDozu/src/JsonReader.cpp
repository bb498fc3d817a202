#include "JsonReader.h"

#include <cmath>
#include <cstdint>
#include <fstream>
#include <sstream>

#include "RavoDozu/BoundedJson.h"

namespace ravodozu::detail {

using nlohmann::json;

namespace {
std::string_view typeName(const json& value) {
    switch (value.type()) {
    case json::value_t::null:
        return "null";
    case json::value_t::object:
        return "an object";
    case json::value_t::array:
        return "an array";
    case json::value_t::string:
        return "a string";
    case json::value_t::boolean:
        return "a boolean";
    case json::value_t::discarded:
        return "nothing";
    default:
        return "a number";
    }
}
} // namespace

void JsonReader::fail(std::string message) const {
    throw DecodingFailure{{path_, std::move(message)}};
}

void JsonReader::typeMismatch(std::string_view expected) const {
    fail("Expected to decode " + std::string(expected) + " but found " +
         std::string(typeName(value_)) + " instead.");
}

std::string JsonReader::childPath(std::string_view key) const {
    return path_.empty() ? std::string(key) : path_ + "." + std::string(key);
}

JsonReader JsonReader::operator[](std::string_view key) const {
    const auto& members = object();
    auto found = members.find(std::string(key));
    if (found == members.end())
        fail("No value associated with key \"" + std::string(key) + "\".");
    return {found->second, childPath(key)};
}

std::optional<JsonReader> JsonReader::find(std::string_view key) const {
    const auto& members = object();
    auto found = members.find(std::string(key));
    if (found == members.end() || found->second.is_null())
        return std::nullopt;
    return JsonReader{found->second, childPath(key)};
}

JsonReader JsonReader::element(std::size_t index) const {
    return {array().at(index), path_ + "[" + std::to_string(index) + "]"};
}

const json::object_t& JsonReader::object() const {
    if (!value_.is_object())
        typeMismatch("Dictionary");
    return value_.get_ref<const json::object_t&>();
}

const json::array_t& JsonReader::array() const {
    if (!value_.is_array())
        typeMismatch("Array");
    return value_.get_ref<const json::array_t&>();
}

std::string JsonReader::string() const {
    if (!value_.is_string())
        typeMismatch("String");
    return value_.get<std::string>();
}

double JsonReader::number() const {
    if (!value_.is_number())
        typeMismatch("Double");
    return value_.get<double>();
}

long long JsonReader::integer() const {
    // An unsigned value beyond the signed range would otherwise wrap around to a negative one.
    if (value_.is_number_unsigned() &&
        value_.get<std::uint64_t>() > static_cast<std::uint64_t>(INT64_MAX))
        fail("Parsed JSON number <" + value_.dump() + "> does not fit in Int.");
    if (value_.is_number_integer())
        return value_.get<long long>();
    if (value_.is_number_float()) {
        // The range is checked before the cast, which would be undefined outside it.
        double number = value_.get<double>();
        if (number >= -9.2e18 && number <= 9.2e18 && number == std::trunc(number))
            return static_cast<long long>(number);
        fail("Parsed JSON number <" + value_.dump() + "> does not fit in Int.");
    }
    typeMismatch("Int");
}

bool JsonReader::boolean() const {
    if (!value_.is_boolean())
        typeMismatch("Bool");
    return value_.get<bool>();
}

LocalizedText JsonReader::localizedText() const {
    LocalizedText text;
    for (const auto& [code, value] : object())
        text.values.emplace(code, JsonReader(value, childPath(code)).string());
    return text;
}

std::vector<std::string> JsonReader::strings() const {
    return list([](const JsonReader& element) { return element.string(); });
}

std::optional<std::string> readFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file)
        return std::nullopt;
    std::ostringstream bytes;
    bytes << file.rdbuf();
    if (file.bad())
        return std::nullopt;
    return std::move(bytes).str();
}

Result<json, DecodingError> parseJson(std::string_view bytes) {
    json document = parseBoundedJson(bytes);
    if (document.is_discarded())
        return fail(DecodingError{"", "The given data was not valid JSON."});
    return document;
}

} // namespace ravodozu::detail
