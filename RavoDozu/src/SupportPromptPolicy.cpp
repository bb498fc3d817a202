#include "RavoDozu/SupportPromptPolicy.h"

#include <cstdint> // INT64_MAX

#include <nlohmann/json.hpp>

namespace ravodozu {

using nlohmann::json;

void SupportPromptPolicy::recordLaunch(double now) {
    ++launchCount;
    if (!firstLaunch)
        firstLaunch = now;
}

bool SupportPromptPolicy::recordQuery(const std::string& key) {
    if (lastQueryKey == key)
        return false;
    lastQueryKey = key;
    ++queryCount;
    return true;
}

bool SupportPromptPolicy::isQueryPromptDue() const {
    if (hasTipped)
        return false;
    if (lastPromptQueries)
        return queryCount - *lastPromptQueries >= queriesBetweenPrompts;
    return queryCount >= firstQueryThreshold;
}

void SupportPromptPolicy::markPromptShown(double now) {
    lastPromptQueries = queryCount;
    lastPromptDate = now;
}

bool SupportPromptPolicy::recordWidgetTap(double now) {
    std::int64_t taps = ++widgetTaps;
    if (hasTipped)
        return false;
    if (lastPromptDate && now < *lastPromptDate + widgetPromptSpacing)
        return false;
    if (lastWidgetPromptTaps ? taps - *lastWidgetPromptTaps < widgetTapsBetweenPrompts
                             : taps < firstWidgetThreshold)
        return false;
    lastWidgetPromptTaps = taps;
    lastPromptDate = now;
    return true;
}

namespace {

// Tolerant readers: a value of the wrong kind reads as absent.
std::optional<std::int64_t> integerAt(const json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end())
        return std::nullopt;
    if (found->is_number_unsigned()) {
        auto number = found->get<std::uint64_t>();
        if (number > static_cast<std::uint64_t>(INT64_MAX))
            return std::nullopt;
        return static_cast<std::int64_t>(number);
    }
    if (found->is_number_integer())
        return found->get<std::int64_t>();
    if (found->is_number_float()) {
        // A whole number written as 12.0 still counts; fractions and huge values do not.
        double number = found->get<double>();
        if (number >= -9.2e18 && number <= 9.2e18 &&
            number == static_cast<double>(static_cast<std::int64_t>(number)))
            return static_cast<std::int64_t>(number);
    }
    return std::nullopt;
}

std::optional<double> numberAt(const json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_number())
        return std::nullopt;
    return found->get<double>();
}

std::optional<std::string> stringAt(const json& object, const char* key) {
    auto found = object.find(key);
    if (found == object.end() || !found->is_string())
        return std::nullopt;
    return found->get<std::string>();
}

} // namespace

SupportPromptPolicy decodeSupportPromptPolicy(const json& value) {
    SupportPromptPolicy policy;
    if (!value.is_object())
        return policy;
    policy.launchCount = integerAt(value, "launchCount").value_or(0);
    policy.firstLaunch = numberAt(value, "firstLaunch");
    policy.queryCount = integerAt(value, "queryCount").value_or(0);
    policy.lastQueryKey = stringAt(value, "lastQueryKey");
    policy.lastPromptQueries = integerAt(value, "lastPromptQueries");
    policy.lastPromptDate = numberAt(value, "lastPromptDate");
    auto tipped = value.find("hasTipped");
    policy.hasTipped = tipped != value.end() && tipped->is_boolean() && tipped->get<bool>();
    policy.widgetTaps = integerAt(value, "widgetTaps").value_or(0);
    policy.lastWidgetPromptTaps = integerAt(value, "lastWidgetPromptTaps");
    return policy;
}

json encodeSupportPromptPolicy(const SupportPromptPolicy& policy) {
    json object = {{"launchCount", policy.launchCount},
                   {"queryCount", policy.queryCount},
                   {"hasTipped", policy.hasTipped},
                   {"widgetTaps", policy.widgetTaps}};
    if (policy.firstLaunch)
        object["firstLaunch"] = *policy.firstLaunch;
    if (policy.lastQueryKey)
        object["lastQueryKey"] = *policy.lastQueryKey;
    if (policy.lastPromptQueries)
        object["lastPromptQueries"] = *policy.lastPromptQueries;
    if (policy.lastPromptDate)
        object["lastPromptDate"] = *policy.lastPromptDate;
    if (policy.lastWidgetPromptTaps)
        object["lastWidgetPromptTaps"] = *policy.lastWidgetPromptTaps;
    return object;
}

} // namespace ravodozu
