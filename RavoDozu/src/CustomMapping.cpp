#include "RavoDozu/CustomMapping.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

namespace ravodozu {

namespace {

constexpr double nan = std::numeric_limits<double>::quiet_NaN();

template <class... F> struct Overloaded : F... { using F::operator()...; };
template <class... F> Overloaded(F...) -> Overloaded<F...>;

constexpr int gridSize = 55;

/// 10^(k/3 − 6) for k = 0 … 54; the fused multiply-add keeps the last exponent just under 12.
const std::array<double, gridSize>& grid() {
    static const auto points = [] {
        std::array<double, gridSize> values{};
        for (int k = 0; k < gridSize; ++k)
            values[k] = std::pow(10.0, std::fma(static_cast<double>(k), 1.0 / 3.0, -6.0));
        return values;
    }();
    return points;
}

bool differInSign(double a, double b) {
    return (a >= 0 && b < 0) || (a < 0 && b >= 0);
}

template <class F> double bisect(const F& difference, double lo, double hi) {
    double dLo = difference(lo);
    double mid = (lo + hi) / 2;
    double dMid = difference(mid);
    if (dMid == 0)
        return mid;
    for (int repetition = 1; repetition <= 199; ++repetition) {
        if (differInSign(dLo, dMid)) {
            hi = mid;
        } else {
            lo = mid;
            dLo = dMid;
        }
        if (std::fabs(hi - lo) <= 1e-15 * std::max(1.0, std::fabs(mid)) || repetition == 199)
            return (lo + hi) / 2;
        mid = (lo + hi) / 2;
        dMid = difference(mid);
        if (dMid == 0)
            return mid;
    }
    return (lo + hi) / 2;
}

template <class F> double searchInverse(const F& forward, double y) {
    if (!std::isfinite(y))
        return nan;
    auto difference = [&](double t) { return forward(t) - y; };
    for (double sign : {1.0, -1.0}) {
        bool havePrevious = false;
        double previousT = 0, previousD = 0;
        for (double point : grid()) {
            double t = sign * point;
            double d = difference(t);
            if (!std::isfinite(d)) {
                havePrevious = false;
                continue;
            }
            if (d == 0)
                return t;
            if (havePrevious && (previousD < 0) != (d < 0))
                return bisect(difference, previousT, t);
            havePrevious = true;
            previousT = t;
            previousD = d;
        }
    }
    return nan;
}

} // namespace

std::shared_ptr<const CustomMapping> CustomMapping::unavailable(Conversion reference) {
    return std::make_shared<const CustomMapping>(
        CustomMapping{std::move(reference), Expr::number(nan), {Inverse::Unavailable{}}});
}

bool CustomMapping::hasInverse() const {
    return !std::holds_alternative<Inverse::Unavailable>(inverse.value);
}

double CustomMapping::inverted(double value) const {
    return std::visit(
        Overloaded{
            [&](const Inverse::Linear& line) { return value * line.slope + line.intercept; },
            [&](const Inverse::Expression& written) { return written.expr.evaluate(value); },
            [&](const Inverse::Numeric&) { return numericInverse(forward, value); },
            [](const Inverse::Unavailable&) { return nan; },
        },
        inverse.value);
}

double CustomMapping::toBase(double value) const {
    return ravodozu::toBase(reference, inverted(value));
}

double CustomMapping::fromBase(double base) const {
    return forward.evaluate(ravodozu::fromBase(reference, base));
}

double numericInverse(const CustomFunction& forward, double y) {
    return searchInverse(forward, y);
}

double numericInverse(const Expr& forward, double y) {
    return searchInverse([&](double t) { return forward.evaluate(t); }, y);
}

} // namespace ravodozu
