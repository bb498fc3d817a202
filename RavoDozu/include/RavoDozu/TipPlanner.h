// TipPlanner: turns the amount a user wants to give into a purchase of fixed tip units.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

namespace ravodozu::TipPlanner {

/// `quantity` units of the tip unit priced `unitPrice`.
struct Plan {
    std::int64_t unitPrice = 0;
    std::int64_t quantity = 0;
    bool operator==(const Plan&) const = default;
};

inline constexpr std::array<std::int64_t, 3> tipUnitPrices{1, 10, 100};
inline constexpr std::int64_t minTipQuantity = 1;
inline constexpr std::int64_t maxTipQuantity = 10;
inline constexpr std::int64_t maxTipAmount = tipUnitPrices.back() * maxTipQuantity;

/// The plan of smallest total that covers `amount` (the cheaper unit on equal totals); none
/// below 1 or above `maxTipAmount`.
std::optional<Plan> planTip(std::int64_t amount);

} // namespace ravodozu::TipPlanner
