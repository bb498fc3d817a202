// Fuzzes the formula parser and evaluator: no crash, no tree deeper than the limit, and
// errors that agree with the tokenizer and carry a detail only where one belongs.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <string_view>

#include "RavoDozu/ExpressionBinding.h"

using namespace ravodozu;

namespace {

void check(bool condition) {
    if (!condition)
        std::abort();
}

bool hasDetail(ExpressionError::Code code) {
    return code == ExpressionError::Code::wrongArgumentCount ||
           code == ExpressionError::Code::unknownFunction;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    auto tokens = Expr::tokenize(text);
    auto parsed = Expr::parse(text);

    if (!parsed) {
        const auto& error = parsed.error();
        check(error.position >= 0 && error.position <= Expr::maxCharacters);
        check(hasDetail(error.code) == error.detail.has_value());
        // A character problem is the same whichever entry point finds it.
        if (!tokens)
            check(tokens.error() == error);
        return 0;
    }
    check(tokens.hasValue());
    check(parsed->depth() <= Expr::maxDepth);

    constexpr double inf = std::numeric_limits<double>::infinity();
    for (double x : {0.0, -0.0, 1.0, -2.5, 1e300, inf, -inf, std::nan("")})
        (void)parsed->evaluate(x);

    // Every name resolves here, so binding must succeed and keep the shape.
    ExpressionBinding binding{
        [](std::string_view) { return std::optional<double>(2.0); },
        [](std::string_view) { return std::optional<Conversion>(LinearConversion{3}); }};
    auto prepared = binding.prepare(*parsed);
    check(prepared.hasValue());
    check(prepared->depth() == parsed->depth());
    check(prepared->unitReferences().empty());
    (void)prepared->evaluate(1.5);
    return 0;
}
