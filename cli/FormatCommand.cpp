// format: a value as the converter would show it.
#include <algorithm>
#include <climits> // INT_MIN, INT_MAX
#include <iostream>

#include "Command.h"
#include "RavoDozu/NumberText.h"
#include "RavoDozu/ValueFormatter.h"

namespace zelvane::cli {
namespace {

int formatValue(Arguments& arguments, const Session& session);

const Command formatCommand{
    "format", "VALUE [--digits N] [--locale L] [--fixed F | --currency F]",
    "VALUE by significant digits (default 4), fixed or currency fraction digits", formatValue};
const bool registered = registerCommand(formatCommand);

int clampedInt(long long value) {
    return static_cast<int>(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

int formatValue(Arguments& arguments, const Session& session) {
    auto digits = arguments.integer("--digits");
    auto locale = arguments.value("--locale");
    auto fixed = arguments.integer("--fixed");
    auto currency = arguments.integer("--currency");
    auto words = arguments.finish(1, 1);
    if (!words)
        return usage(formatCommand, arguments.problem());
    if (fixed && currency)
        return usage(formatCommand, "--fixed and --currency exclude each other");
    auto value = ravodozu::readNumber(words->front());
    if (!value)
        return usage(formatCommand, "not a number: " + words->front());

    ravodozu::ValueFormatter formatter(clampedInt(digits.value_or(4)),
                                       locale.value_or(session.numberLocale));
    if (fixed)
        std::cout << formatter.formatFixed(clampedInt(*fixed), *value) << "\n";
    else if (currency)
        std::cout << formatter.formatCurrency(clampedInt(*currency), *value) << "\n";
    else
        std::cout << formatter.format(*value) << "\n";
    return success;
}

} // namespace
} // namespace zelvane::cli
