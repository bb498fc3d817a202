#include "RavoDozu/KeypadState.h"

#include <algorithm>
#include <cmath>

#include "JsonReader.h"
#include "RavoDozu/Converter.h"
#include "RavoDozu/InputEditing.h"
#include "RavoDozu/NumberText.h"

namespace ravodozu {

namespace {
constexpr std::array<std::string_view, 20> rawValues = {
    "0", "1",    "2",     "3",   "4",    "5",    "6",    "7",    "8",        "9",
    ".", "back", "clear", "neg", "swap", "unit", "next", "prev", "stepDown", "stepUp",
};

int digitCount(std::string_view text) {
    return static_cast<int>(
        std::ranges::count_if(text, [](char c) { return c >= '0' && c <= '9'; }));
}

} // namespace

std::string_view rawValue(KeypadState::Key key) {
    return rawValues[static_cast<std::size_t>(key)];
}

std::optional<KeypadState::Key> keypadKey(std::string_view raw) {
    auto found = std::ranges::find(rawValues, raw);
    if (found == rawValues.end())
        return std::nullopt;
    return static_cast<KeypadState::Key>(found - rawValues.begin());
}

std::string keypadInputText(double value) {
    double rounded = readNumber(significantNumberText(value, 7)).value_or(value);
    // A person edits this text digit by digit, so it stays plain wherever that is readable.
    const double magnitude = std::fabs(rounded);
    if (rounded == 0 || (magnitude >= 1e-6 && magnitude < 1e15))
        return plainNumberText(rounded);
    return shortestNumberText(rounded);
}

KeypadState KeypadState::starting(std::string_view categoryId, const ConversionContext& context) {
    auto preset = context.preset(categoryId);
    return {std::string(categoryId), std::move(preset.from), std::move(preset.input)};
}

double KeypadState::keypadValue() const {
    auto value = Decimal::parse(input);
    return value ? readNumber(value->toString()).value_or(0) : 0;
}

void KeypadState::type(char digit) {
    if (input == "0")
        input = std::string(1, digit);
    else if (input == "-0")
        input = std::string("-") + digit;
    else if (digitCount(input) < maxKeypadDigits)
        input += digit;
}

void KeypadState::apply(Key key, const ConversionContext& context) {
    switch (key) {
    case Key::dot:
        if (input.find('.') == std::string::npos)
            input += '.';
        return;
    case Key::backspace:
        if (!input.empty())
            input.pop_back();
        if (input.empty() || input == "-")
            input = "0";
        return;
    case Key::clear:
        input = "0";
        return;
    case Key::negate:
        if (input.starts_with('-'))
            input.erase(0, 1);
        else
            input.insert(0, "-");
        return;
    case Key::swap: {
        auto shown = context.shownUnits(categoryId, fromUnitId);
        const auto* first = !shown.pinned.empty()   ? shown.pinned.front()
                            : !shown.others.empty() ? shown.others.front()
                                                    : nullptr;
        if (first)
            switchUnit(first->id, context);
        return;
    }
    case Key::cycleUnit:
        cycleUnit(context);
        return;
    case Key::nextCategory:
        moveCategory(+1, context);
        return;
    case Key::previousCategory:
        moveCategory(-1, context);
        return;
    case Key::stepDown:
    case Key::stepUp: {
        const auto& steps = context.preferences().stepSizes;
        auto stepText = steps.find(categoryId);
        input = InputEditing::step(input, key == Key::stepUp ? 1 : -1,
                                   stepText == steps.end()
                                       ? std::nullopt
                                       : std::optional<std::string_view>(stepText->second));
        return;
    }
    default:
        type(static_cast<char>('0' + static_cast<int>(key)));
        return;
    }
}

void KeypadState::switchUnit(std::string_view unitId, const ConversionContext& context) {
    auto category = context.category(categoryId);
    if (!category)
        return;
    const auto* from = category->unit(fromUnitId);
    const auto* to = category->unit(unitId);
    if (!from || !to)
        return;
    double value = Converter::convert(keypadValue(), *from, *to);
    fromUnitId = to->id;
    input = std::isfinite(value) ? keypadInputText(value) : "0";
}

void KeypadState::cycleUnit(const ConversionContext& context) {
    auto category = context.category(categoryId);
    if (!category || category->units.empty())
        return;
    const auto& units = category->units;
    auto current = std::ranges::find(units, fromUnitId, &UnitDefinition::id);
    auto next = current == units.end() || current + 1 == units.end() ? units.begin() : current + 1;
    fromUnitId = next->id;
}

void KeypadState::moveCategory(int direction, const ConversionContext& context) {
    auto favourites = context.preferences().effectiveFavoriteCategories();
    if (favourites.empty())
        return;
    auto count = static_cast<long>(favourites.size());
    long position = std::ranges::find(favourites, categoryId) - favourites.begin();
    if (position == count)
        position = count - 1;
    long target = ((position + direction) % count + count) % count;
    *this = starting(favourites[static_cast<std::size_t>(target)], context);
}

nlohmann::json KeypadState::encode() const {
    return {{"categoryId", categoryId}, {"fromUnitId", fromUnitId}, {"input", input}};
}

Result<KeypadState, DecodingError> KeypadState::decode(const nlohmann::json& value) {
    return detail::decodeWith([&] {
        detail::JsonReader reader(value);
        return KeypadState{reader["categoryId"].string(), reader["fromUnitId"].string(),
                           reader["input"].string()};
    });
}

} // namespace ravodozu
