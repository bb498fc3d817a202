#include "RavoDozu/TipPlanner.h"

#include <algorithm> // std::max

namespace ravodozu::TipPlanner {

std::optional<Plan> planTip(std::int64_t amount) {
    if (amount < 1)
        return std::nullopt;
    std::optional<Plan> best;
    for (std::int64_t price : tipUnitPrices) {
        if (price * maxTipQuantity < amount)
            continue;
        // Ceiling division, never below the smallest quantity.
        std::int64_t quantity = std::max(minTipQuantity, (amount + price - 1) / price);
        // Strictly smaller only: on a tie the cheaper unit, met first, is kept.
        if (!best || price * quantity < best->unitPrice * best->quantity)
            best = Plan{price, quantity};
    }
    return best;
}

} // namespace ravodozu::TipPlanner
