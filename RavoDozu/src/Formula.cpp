#include "RavoDozu/Formula.h"

#include <algorithm>

namespace ravodozu {

namespace {
// factor and offset of a unit that is a line through the base (linear or affine).
struct Line {
    double factor;
    double offset;
};

std::optional<Line> lineOf(const Conversion& conversion) {
    if (const auto* linear = std::get_if<LinearConversion>(&conversion))
        return Line{linear->factor, 0};
    if (const auto* affine = std::get_if<AffineConversion>(&conversion))
        return Line{affine->factor, affine->offset};
    return std::nullopt;
}

const ReciprocalConversion* reciprocalOf(const Conversion& conversion) {
    return std::get_if<ReciprocalConversion>(&conversion);
}
} // namespace

Formula::Kind Formula::kind(std::span<const UnitDefinition> units) {
    auto any = [&](auto predicate) {
        return std::ranges::any_of(
            units, [&](const UnitDefinition& u) { return predicate(u.conversion); });
    };
    if (any([](const Conversion& c) { return reciprocalOf(c) != nullptr; }))
        return Kind::inverse;
    if (any([](const Conversion& c) {
            const auto* affine = std::get_if<AffineConversion>(&c);
            return affine && affine->offset != 0;
        }))
        return Kind::shifted;
    return Kind::ratio;
}

std::optional<Formula> Formula::between(const UnitDefinition& from, const UnitDefinition& to) {
    const auto* fromReciprocal = reciprocalOf(from.conversion);
    const auto* toReciprocal = reciprocalOf(to.conversion);
    auto fromLine = lineOf(from.conversion);
    auto toLine = lineOf(to.conversion);

    if (fromReciprocal && toReciprocal)
        return Formula{Linear{toReciprocal->k / fromReciprocal->k, 0}};
    if (fromReciprocal && toLine && toLine->offset == 0)
        return Formula{Reciprocal{fromReciprocal->k / toLine->factor}};
    if (fromLine && toReciprocal && fromLine->offset == 0)
        return Formula{Reciprocal{toReciprocal->k / fromLine->factor}};
    if (fromLine && toLine) {
        return Formula{
            Linear{fromLine->factor / toLine->factor,
                   fromLine->offset * fromLine->factor / toLine->factor - toLine->offset}};
    }
    return std::nullopt;
}

std::string_view toString(Formula::Kind kind) {
    switch (kind) {
    case Formula::Kind::ratio:
        return "ratio";
    case Formula::Kind::shifted:
        return "shifted";
    case Formula::Kind::inverse:
        return "inverse";
    }
    return "ratio";
}

} // namespace ravodozu
