// IconAssets: the icons the application ships, by the names the views ask for.
#pragma once

#include <optional>
#include <span>
#include <string_view>

namespace zelvane {

/// The icons are SVG files in the application's resources, one per name, named after it. A
/// name is either a symbol of the shared symbol set ("gearshape", "star.fill") or one of the
/// application's own images ("ut." symbols, "TrayIcon", "FlagTW"). Symbols are drawn in one
/// neutral ink, `IconAssets::ink`, so they can be tinted; the application's images other than
/// the "ut." symbols keep their own colours.
struct IconAssets {
    /// The ink of every tintable icon, as it stands in the files.
    static constexpr std::string_view ink = "#808080";

    /// The file stem of the icon for `name`; none for a name nothing is shipped for.
    static std::optional<std::string_view> file(std::string_view name);
    /// True when the icon is drawn in `ink` alone.
    static bool isTintable(std::string_view name);
    /// Every name with an icon.
    static std::span<const std::string_view> names();
};

} // namespace zelvane
