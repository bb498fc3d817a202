// RegionProfile: the sixteen regions, their per-category unit presets and region detection.
#pragma once

#include <array>
#include <cstdint>
#include <iosfwd>
#include <map>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include <nlohmann/json_fwd.hpp>

#include "RavoDozu/DecodingError.h"
#include "RavoDozu/ResourceBundle.h"
#include "RavoDozu/Result.h"

namespace ravodozu {

/// A region whose unit habits decide where each category starts. A value type that behaves like
/// an enumeration (`RegionProfile::japan`, `switch`, `==`); the declaration order of the cases is
/// the search order of detection and the order of region lists.
class RegionProfile {
  public:
    enum Case : std::uint8_t {
        mainlandChina,
        unitedStates,
        unitedKingdom,
        taiwan,
        hongKong,
        japan,
        korea,
        germany,
        france,
        spain,
        mexico,
        italy,
        brazil,
        thailand,
        malaysia,
        indonesia,
    };
    static constexpr std::size_t caseCount = 16;

    constexpr RegionProfile(Case value = mainlandChina) : value_(value) {}
    constexpr operator Case() const { return value_; }

    /// Every case in declaration order.
    static constexpr std::array<RegionProfile, caseCount> allCases() {
        std::array<RegionProfile, caseCount> cases{};
        for (std::size_t i = 0; i < caseCount; ++i)
            cases[i] = static_cast<Case>(i);
        return cases;
    }

    /// The case name, which is also the JSON form: "mainlandChina", "unitedStates", …
    std::string_view rawValue() const;
    /// The case with that exact name, or none.
    static std::optional<RegionProfile> named(std::string_view rawValue);
    /// Reads one JSON string; a name of no case gives `mainlandChina`. Only a value that is not a
    /// string fails.
    static Result<RegionProfile, DecodingError> decode(const nlohmann::json& value);

    /// One category's preset: where it starts and which units are pinned.
    struct Entry {
        std::string from;                ///< Id of the default source unit.
        std::string input;               ///< Default input text, e.g. "1".
        std::vector<std::string> pinned; ///< Units pinned at the top, in display order.
        bool operator==(const Entry&) const = default;
    };
    using Presets = std::map<std::string, Entry, std::less<>>;

    /// One region's record in the presets file.
    struct Region {
        std::string id;                     ///< A case name; records naming no case are ignored.
        std::string flag;                   ///< Emoji flag.
        std::vector<std::string> countries; ///< Upper-case ISO 3166 codes that select the region.
        std::vector<std::string> languages; ///< Language codes that select the region.
        Presets presets;                    ///< This region's own presets by category id.
        bool operator==(const Region&) const = default;
    };

    /// The presets file ("units/presets.json"): every key required, unknown keys ignored.
    struct File {
        Presets universal; ///< For every region that has no preset of its own for a category.
        std::vector<Region> regions;

        static Result<File, DecodingError> decode(const nlohmann::json& value);
        bool operator==(const File&) const = default;
    };

    class Tables;

    /// The entry of a category nobody has a preset for: no from-unit, input "1", nothing pinned.
    static const Entry& fallbackEntry();

    // The lookups below read the bundled presets, loaded once per process on first use.

    /// This region's own preset for the category, else the universal one, else the fallback.
    const Entry& preset(std::string_view categoryId) const;
    /// The flag of this region's record; none when the presets have no record for it.
    std::optional<std::string> regionFlag() const;

    /// The region for a platform region identifier ("US", "tw") and preferred languages: a
    /// country match first, then the first preferred language only, else `mainlandChina`.
    static RegionProfile detect(const std::optional<std::string>& regionIdentifier,
                                std::span<const std::string> preferredLanguages);
    /// Every region that matches, country matches first, without duplicates.
    static std::vector<RegionProfile>
    matchingRegions(const std::optional<std::string>& regionIdentifier,
                    std::span<const std::string> preferredLanguages);

  private:
    Case value_;
};

/// The loaded presets file: the universal presets and one record per region (the last record
/// for a case wins). Immutable once built, so it may be read from any thread.
class RegionProfile::Tables {
  public:
    /// Empty tables: every lookup gives the fallback entry.
    Tables() = default;
    explicit Tables(File file);

    /// The presets file of a bundle; empty tables when it is missing or malformed.
    static Tables load(const ResourceBundle& bundle);
    /// `load` of the core bundle, done once per process under a one-time guard.
    static const Tables& bundled();

    const Presets& universal() const { return universal_; }
    /// The region's record, or nullptr.
    const Region* region(RegionProfile region) const;

    const Entry& preset(RegionProfile region, std::string_view categoryId) const;
    std::optional<std::string> regionFlag(RegionProfile region) const;
    RegionProfile detect(const std::optional<std::string>& regionIdentifier,
                         std::span<const std::string> preferredLanguages) const;
    std::vector<RegionProfile>
    matchingRegions(const std::optional<std::string>& regionIdentifier,
                    std::span<const std::string> preferredLanguages) const;

  private:
    struct Loaded {
        Region record;
        std::vector<std::string> normalizedLanguages; // computed once for detection
    };
    const Loaded* loaded(RegionProfile region) const;

    Presets universal_;
    std::array<std::optional<Loaded>, RegionProfile::caseCount> regions_;
};

std::ostream& operator<<(std::ostream& out, RegionProfile region);

} // namespace ravodozu
