// SettingsKeys: the name of every key in the settings store.
#pragma once

#include <string_view>

namespace zelvane::keys {

inline constexpr std::string_view preferences = "preferences";
inline constexpr std::string_view rates = "rates";
inline constexpr std::string_view customLibrary = "customLibrary";
inline constexpr std::string_view categoryMemory = "categoryMemory";
inline constexpr std::string_view keypad = "keypad";
inline constexpr std::string_view packVariants = "packVariants";
/// Obsolete; removed when the converter model is created.
inline constexpr std::string_view recentCategories = "recentCategories";

inline constexpr std::string_view hasLaunched = "mac.hasLaunched";
inline constexpr std::string_view panelWidth = "mac.panelWidth";
inline constexpr std::string_view panelHeight = "mac.panelHeight";
inline constexpr std::string_view panelX = "mac.panelX";
inline constexpr std::string_view panelY = "mac.panelY";
inline constexpr std::string_view hotKey = "mac.hotKey";
inline constexpr std::string_view showsInTaskbar = "mac.showsInDock";
inline constexpr std::string_view showsLastResult = "mac.showsLastResult";
inline constexpr std::string_view copiesUnit = "mac.copiesUnit";
inline constexpr std::string_view recents = "mac.recents";
inline constexpr std::string_view lastCopied = "mac.lastCopied";

} // namespace zelvane::keys
