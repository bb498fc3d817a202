#include "RavoDozu/InputEditing.h"

#include <algorithm>

namespace ravodozu::InputEditing {

namespace {
struct Step {
    Decimal size;
    int fractionDigits;
};

std::string_view trimmedWhitespace(std::string_view text) {
    auto first = text.find_first_not_of(" \t\n\r");
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(" \t\n\r") - first + 1);
}

// Characters after the first ".", counting UTF-8 sequences as one character each.
int fractionDigits(std::string_view text) {
    auto point = text.find('.');
    if (point == std::string_view::npos)
        return 0;
    return static_cast<int>(std::ranges::count_if(
        text.substr(point + 1), [](unsigned char c) { return (c & 0xC0) != 0x80; }));
}

std::string withPoint(std::string_view text) {
    std::string result(text);
    std::ranges::replace(result, ',', '.');
    return result;
}

Step stepFor(std::string_view input, std::optional<std::string_view> stepText) {
    if (stepText)
        if (auto size = parseStep(*stepText))
            // A comma typed as the point counts like a point, so "0,5" keeps its one digit.
            return {*size, fractionDigits(withPoint(*stepText))};
    int digits = fractionDigits(input);
    return {Decimal::scaled(1, digits), digits};
}
} // namespace

std::optional<Decimal> parseStep(std::string_view text) {
    auto value = Decimal::parse(trimmedWhitespace(withPoint(text)));
    if (!value || !value->isPositive())
        return std::nullopt;
    return value;
}

std::string stepSize(std::string_view input, std::optional<std::string_view> stepText) {
    auto chosen = stepFor(input, stepText);
    return chosen.size.toString(chosen.fractionDigits);
}

std::string step(std::string_view input, long count, std::optional<std::string_view> stepText) {
    std::string_view baseText = input.empty() || input == "-" ? "0" : input;
    Decimal base = Decimal::parse(baseText).value_or(Decimal(0));
    auto chosen = stepFor(input, stepText);
    Decimal result = base + Decimal(count) * chosen.size;
    return result.toString(std::max(fractionDigits(input), chosen.fractionDigits));
}

} // namespace ravodozu::InputEditing
