#include "RavoDozu/Decimal.h"

#include <algorithm>
#include <cctype>

namespace ravodozu {

namespace {
// Exponents beyond this would only build enormous integers from a typo such as "1e999999999".
constexpr long maxExponent = 1000;

mpz_class powerOfTen(int exponent) {
    mpz_class result;
    mpz_ui_pow_ui(result.get_mpz_t(), 10, static_cast<unsigned long>(exponent));
    return result;
}

bool allDigits(std::string_view text) {
    return std::ranges::all_of(text, [](unsigned char c) { return std::isdigit(c); });
}
} // namespace

std::optional<Decimal> Decimal::parse(std::string_view text) {
    bool negative = !text.empty() && text.front() == '-';
    if (!text.empty() && (text.front() == '-' || text.front() == '+'))
        text.remove_prefix(1);

    long exponent = 0;
    if (auto e = text.find_first_of("eE"); e != std::string_view::npos) {
        auto exponentText = text.substr(e + 1);
        bool negativeExponent = !exponentText.empty() && exponentText.front() == '-';
        if (!exponentText.empty() && (exponentText.front() == '-' || exponentText.front() == '+'))
            exponentText.remove_prefix(1);
        if (exponentText.empty() || exponentText.size() > 6 || !allDigits(exponentText))
            return std::nullopt;
        exponent = std::stol(std::string(exponentText));
        if (exponent > maxExponent)
            return std::nullopt;
        if (negativeExponent)
            exponent = -exponent;
        text = text.substr(0, e);
    }

    auto point = text.find('.');
    auto whole = text.substr(0, point);
    auto fraction = point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (whole.size() + fraction.size() == 0 || !allDigits(whole) || !allDigits(fraction))
        return std::nullopt;

    std::string digits = std::string(whole) + std::string(fraction);
    mpz_class unscaled(digits.empty() ? "0" : digits, 10);
    if (negative)
        unscaled = -unscaled;
    long scale = static_cast<long>(fraction.size()) - exponent;
    if (scale < 0)
        return Decimal(unscaled * powerOfTen(static_cast<int>(-scale)), 0);
    return Decimal(std::move(unscaled), static_cast<int>(scale));
}

Decimal Decimal::rescaled(int scale) const {
    if (scale >= scale_)
        return {unscaled_ * powerOfTen(scale - scale_), scale};
    mpz_class divisor = powerOfTen(scale_ - scale);
    mpz_class magnitude = abs(unscaled_);
    mpz_class quotient = magnitude / divisor;
    mpz_class remainder = magnitude - quotient * divisor;
    if (2 * remainder >= divisor)
        ++quotient; // halves away from zero
    return {sgn(unscaled_) < 0 ? mpz_class(-quotient) : quotient, scale};
}

Decimal Decimal::operator+(const Decimal& other) const {
    int scale = std::max(scale_, other.scale_);
    return {rescaled(scale).unscaled_ + other.rescaled(scale).unscaled_, scale};
}

Decimal Decimal::operator*(const Decimal& other) const {
    return {unscaled_ * other.unscaled_, scale_ + other.scale_};
}

bool Decimal::operator==(const Decimal& other) const {
    int scale = std::max(scale_, other.scale_);
    return rescaled(scale).unscaled_ == other.rescaled(scale).unscaled_;
}

std::string Decimal::toString(int fractionDigits) const {
    fractionDigits = std::max(0, fractionDigits);
    mpz_class unscaled = rescaled(fractionDigits).unscaled_;
    std::string digits = mpz_class(abs(unscaled)).get_str();
    if (digits.size() <= static_cast<std::size_t>(fractionDigits))
        digits.insert(0, fractionDigits + 1 - digits.size(), '0');
    if (fractionDigits > 0)
        digits.insert(digits.size() - fractionDigits, ".");
    return sgn(unscaled) < 0 ? "-" + digits : digits;
}

std::string Decimal::toString() const {
    Decimal reduced = *this;
    while (reduced.scale_ > 0 && mpz_divisible_ui_p(reduced.unscaled_.get_mpz_t(), 10)) {
        reduced.unscaled_ /= 10;
        --reduced.scale_;
    }
    return reduced.toString(reduced.scale_);
}

} // namespace ravodozu
