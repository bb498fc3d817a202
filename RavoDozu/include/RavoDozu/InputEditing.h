// InputEditing: stepping typed decimal input up and down by whole steps, exactly.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "RavoDozu/Decimal.h"

namespace ravodozu::InputEditing {

/// The step sizes offered in the step menu, in menu order.
inline constexpr std::array<std::string_view, 9> stepPresets = {"0.01", "0.1", "0.5", "1",  "2",
                                                                "3",    "5",   "10",  "100"};

/// A step text (a comma counts as the point; blanks are trimmed) when it is a decimal > 0.
std::optional<Decimal> parseStep(std::string_view text);

/// The step that applies to `input`: a valid `stepText`, else 1 or 10^-k for an input with k
/// fraction digits. Printed with exactly its fraction digits ("0.01" for input "2.50").
std::string stepSize(std::string_view input, std::optional<std::string_view> stepText = {});

/// `input` moved by `count` steps, printed with the larger of the input's and the step's fraction
/// digits: step("0.30", 1) is "0.31", step("5", -1, "0.5") is "4.5".
std::string step(std::string_view input, long count, std::optional<std::string_view> stepText = {});

} // namespace ravodozu::InputEditing
