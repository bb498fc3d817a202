// ScopedEnvironment: environment variables set for the life of the object (a locale, the rate
// sources), with what was there before put back afterwards.
#pragma once

#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zelvane::testing {

/// A relay's answer with two rates.
inline const std::string relayRates =
    R"({"base":"USD","rates":{"EUR":0.9,"JPY":150},"updatedAt":733000000,"source":"relay"})";

class ScopedEnvironment {
  public:
    ScopedEnvironment(std::initializer_list<std::pair<const char*, std::string>> values) {
        for (const auto& [name, value] : values) {
            const char* old = std::getenv(name);
            saved_.emplace_back(name, old ? std::optional<std::string>(old) : std::nullopt);
            ::setenv(name, value.c_str(), 1);
        }
    }
    ~ScopedEnvironment() {
        for (const auto& [name, old] : saved_)
            old ? ::setenv(name, old->c_str(), 1) : ::unsetenv(name);
    }
    ScopedEnvironment(const ScopedEnvironment&) = delete;
    ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

    /// Every rate source at `base` ("http://127.0.0.1:PORT"): the relay at /rates, both public
    /// services below it.
    static ScopedEnvironment rateSources(const std::string& base, const char* timeout = "0.6") {
        return {{"ZELVANE_RELAY_URL", base + "/rates"},
                {"ZELVANE_ERAPI_BASE", base},
                {"ZELVANE_FRANKFURTER_BASE", base},
                {"ZELVANE_RATES_TIMEOUT", timeout}};
    }

  private:
    std::vector<std::pair<const char*, std::optional<std::string>>> saved_;
};

} // namespace zelvane::testing
