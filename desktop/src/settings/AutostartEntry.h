// AutostartEntry: the desktop entry that starts the panel when the user logs in.
#pragma once

#include <filesystem>
#include <string>
#include <variant>

#include "RavoDozu/Result.h"

namespace zelvane {

class AutostartEntry {
  public:
    /// `$XDG_CONFIG_HOME/autostart/zelvane.desktop`.
    static std::filesystem::path standardPath();

    AutostartEntry(std::filesystem::path file, std::filesystem::path executable);

    const std::filesystem::path& path() const { return file_; }
    /// The entry's presence is the status: the user may remove it by hand.
    bool isEnabled() const;
    /// Writes the entry atomically (starting `executable --background`) or removes it; why it
    /// could not, for a person.
    ravodozu::Result<std::monostate, std::string> setEnabled(bool enabled) const;

    /// The entry's text.
    std::string contents() const;

  private:
    std::filesystem::path file_;
    std::filesystem::path executable_;
};

} // namespace zelvane
