// DesktopLanguage: the names the panel shows for the languages it speaks.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace zelvane {

/// The language named in itself, capitalised as that language does ("Deutsch", "日本語"); the
/// code itself when there is no name for it.
std::string languageDisplayName(const std::string& languageCode);

} // namespace zelvane
