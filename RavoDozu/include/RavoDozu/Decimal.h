// Decimal: exact base-10 numbers for editing typed input without binary noise.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

namespace ravodozu {

/// unscaled × 10^-scale, exact at any size.
class Decimal {
  public:
    Decimal() = default;
    Decimal(long integer) : unscaled_(integer) {}
    /// unscaled × 10^-scale, e.g. scaled(1, 2) is 0.01.
    static Decimal scaled(long unscaled, int scale) { return {mpz_class(unscaled), scale}; }

    /// Reads plain decimal text with "." as the point: "-12.50", ".5", "3e-2". No grouping.
    static std::optional<Decimal> parse(std::string_view text);

    Decimal operator+(const Decimal& other) const;
    Decimal operator*(const Decimal& other) const;
    bool isPositive() const { return sgn(unscaled_) > 0; }

    /// Rounded (halves away from zero) to exactly `fractionDigits` digits after the point.
    std::string toString(int fractionDigits) const;
    /// The exact value in plain text, without trailing fraction zeros.
    std::string toString() const;

    bool operator==(const Decimal& other) const;

  private:
    Decimal(mpz_class unscaled, int scale) : unscaled_(std::move(unscaled)), scale_(scale) {}
    Decimal rescaled(int scale) const;

    mpz_class unscaled_;
    int scale_ = 0;
};

} // namespace ravodozu
