// BoundedJson: JSON read from files, links and the network, with a limit on how deep it nests.
#pragma once

#include <cstddef>
#include <string_view>

#include <nlohmann/json.hpp>

namespace ravodozu {

/// The deepest nesting of objects and arrays a document read from outside may have. Our own
/// records nest a handful of levels; copying, comparing and writing a JSON value recurse once
/// per level, so a document nested thousands deep would overflow the stack after parsing.
inline constexpr std::size_t maxJsonDepth = 64;

/// Builds a JSON value from parse events and stops (as at a syntax error) at an object or
/// array nested deeper than `maxJsonDepth`. What was read before the stop stays in the value,
/// so a reader of a damaged file can keep that much.
template <class Json>
class BoundedJsonBuilder : public nlohmann::detail::json_sax_dom_parser<Json> {
    using Base = nlohmann::detail::json_sax_dom_parser<Json>;

  public:
    explicit BoundedJsonBuilder(Json& result) : Base(result, /*allow_exceptions=*/false) {}

    bool start_object(std::size_t elements) { return enter() && Base::start_object(elements); }
    bool end_object() { return --depth_, Base::end_object(); }
    bool start_array(std::size_t elements) { return enter() && Base::start_array(elements); }
    bool end_array() { return --depth_, Base::end_array(); }

    /// Whether reading stopped at the depth limit.
    bool tooDeep() const { return tooDeep_; }

  private:
    bool enter() {
        tooDeep_ = ++depth_ > maxJsonDepth;
        return !tooDeep_;
    }

    std::size_t depth_ = 0;
    bool tooDeep_ = false;
};

/// Reads `bytes` as one JSON document: a discarded value when it is no JSON or nests deeper
/// than `maxJsonDepth`.
template <class Json = nlohmann::json> Json parseBoundedJson(std::string_view bytes) {
    Json document;
    BoundedJsonBuilder<Json> builder(document);
    if (!Json::sax_parse(bytes, &builder, nlohmann::json::input_format_t::json, true))
        return Json(nlohmann::json::value_t::discarded);
    return document;
}

} // namespace ravodozu
