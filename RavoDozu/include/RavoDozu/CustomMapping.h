// CustomMapping: a compiled custom rule, from a custom unit to its reference unit and back.
#pragma once

#include <functional>

namespace ravodozu {

/// Shared and immutable once built. Both directions never fail: impossibility is NaN or ±∞.
class CustomMapping {
  public:
    using Function = std::function<double(double)>;

    CustomMapping(Function forward, Function inverse)
        : forward_(std::move(forward)), inverse_(std::move(inverse)) {}

    /// A value in the custom unit → the value in the reference (base) unit.
    double toBase(double value) const { return forward_(value); }
    /// A value in the reference unit → the value in the custom unit.
    double fromBase(double base) const { return inverse_(base); }

  private:
    Function forward_;
    Function inverse_;
};

} // namespace ravodozu
