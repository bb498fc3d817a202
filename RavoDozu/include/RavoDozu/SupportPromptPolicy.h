// SupportPromptPolicy: usage counters that decide when a request for a tip may be shown.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include <nlohmann/json_fwd.hpp>

namespace ravodozu {

/// The persisted record. Counters only grow and `hasTipped` is never cleared; the owner stores
/// the record after every change. Dates are seconds since 2001-01-01 00:00:00 UTC.
struct SupportPromptPolicy {
    static constexpr std::int64_t firstQueryThreshold = 10;
    static constexpr std::int64_t queriesBetweenPrompts = 20;
    static constexpr std::int64_t firstWidgetThreshold = 30;
    static constexpr std::int64_t widgetTapsBetweenPrompts = 60;
    static constexpr double widgetPromptSpacing = 259'200; ///< Three days, in seconds.

    std::int64_t launchCount = 0;
    std::optional<double> firstLaunch;
    std::int64_t queryCount = 0;
    std::optional<std::string> lastQueryKey; ///< Repeats of the last key are not counted.
    std::optional<std::int64_t> lastPromptQueries;
    std::optional<double> lastPromptDate;
    bool hasTipped = false;
    std::int64_t widgetTaps = 0;
    std::optional<std::int64_t> lastWidgetPromptTaps;

    void recordLaunch(double now);
    /// Counts a conversion unless it repeats the previous key; true when it was counted.
    bool recordQuery(const std::string& key);
    bool isQueryPromptDue() const;
    void markPromptShown(double now);
    void markTipped() { hasTipped = true; }
    /// Counts a widget tap; true when a request should be shown now (and records that it was).
    bool recordWidgetTap(double now);

    bool operator==(const SupportPromptPolicy&) const = default;
};

/// Reads the record key by key: a missing or mistyped key keeps its default, the rest survives.
/// Anything that is not an object gives the fresh record.
SupportPromptPolicy decodeSupportPromptPolicy(const nlohmann::json& value);
/// The JSON object; absent optionals are left out.
nlohmann::json encodeSupportPromptPolicy(const SupportPromptPolicy& policy);

} // namespace ravodozu
