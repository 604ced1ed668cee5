#pragma once
// Where the editor and averoz-cli keep their settings file; both follow this one rule.
//
// Portable layout: the program's folder is writable, so the file sits beside the program
// (<folder>/<portableName>, e.g. build/averoz.INI). Installed layout: that folder is not
// writable (a settings write goes through a temporary file beside the INI), so the file is
// $XDG_CONFIG_HOME/averoz/averoz.INI ($HOME/.config when the variable is unset or not an
// absolute path), made on first use: a copy of a read-only INI beside the program when
// there is one (a packager's or administrator's defaults), otherwise a file that holds only
// a comment, so every key reads as the program's built-in default.
#include <string>

namespace averoz {

inline constexpr const char* kSettingsFileName = "averoz.INI";

std::string SettingsFilePath(const std::string& programFolder, const std::string& portableName);

// $XDG_CONFIG_HOME/averoz, or $HOME/.config/averoz.
std::string UserSettingsFolder();

}  // namespace averoz
