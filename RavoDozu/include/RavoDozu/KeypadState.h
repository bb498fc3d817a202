// KeypadState: a converter driven by twenty fixed keys, as a small storable value.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include <nlohmann/json_fwd.hpp>

#include "RavoDozu/ConversionContext.h"
#include "RavoDozu/DecodingError.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// The category, the source unit and the typed input ("0", "-12.5"). Every key press is a pure
/// edit given the current context; a key that cannot act leaves the state as it is.
struct KeypadState {
    enum class Key {
        d0,
        d1,
        d2,
        d3,
        d4,
        d5,
        d6,
        d7,
        d8,
        d9,
        dot,
        backspace,
        clear,
        negate,
        swap,
        cycleUnit,
        nextCategory,
        previousCategory,
        stepDown,
        stepUp,
    };
    static constexpr std::array<Key, 20> allKeys = {
        Key::d0,        Key::d1,           Key::d2,
        Key::d3,        Key::d4,           Key::d5,
        Key::d6,        Key::d7,           Key::d8,
        Key::d9,        Key::dot,          Key::backspace,
        Key::clear,     Key::negate,       Key::swap,
        Key::cycleUnit, Key::nextCategory, Key::previousCategory,
        Key::stepDown,  Key::stepUp,
    };
    /// The most digits the input takes.
    static constexpr int maxKeypadDigits = 12;

    std::string categoryId;
    std::string fromUnitId;
    std::string input;

    /// The category's preset start.
    static KeypadState starting(std::string_view categoryId, const ConversionContext& context);

    /// The input as a number; 0 when it does not read as one.
    double keypadValue() const;
    void apply(Key key, const ConversionContext& context);

    /// {"categoryId", "fromUnitId", "input"}, all required strings.
    nlohmann::json encode() const;
    static Result<KeypadState, DecodingError> decode(const nlohmann::json& value);

    bool operator==(const KeypadState&) const = default;

  private:
    void type(char character);
    void switchUnit(std::string_view unitId, const ConversionContext& context);
    void cycleUnit(const ConversionContext& context);
    void moveCategory(int direction, const ConversionContext& context);
};

/// The key's stored form: "0"…"9", ".", "back", "clear", "neg", "swap", "unit", "next", "prev",
/// "stepDown", "stepUp".
std::string_view rawValue(KeypadState::Key key);
std::optional<KeypadState::Key> keypadKey(std::string_view rawValue);

/// The input text that stands for a number, taken to seven significant digits: plain decimals
/// while it has at most 15 integer digits and is not below 1e-6 ("1609", "-3", "0.0001"),
/// otherwise the shortest round-trip form with an exponent ("1e-07", "1e+15").
std::string keypadInputText(double value);

} // namespace ravodozu
