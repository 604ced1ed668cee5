#include "core/app/SettingsLocation.h"

#include <pwd.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

namespace averoz {
namespace fs = std::filesystem;
namespace {

std::string HomeFolder() {
  if (const char* home = std::getenv("HOME"); home && *home) return home;
  if (const passwd* pw = ::getpwuid(::getuid()); pw && pw->pw_dir) return pw->pw_dir;
  return "/";
}

// First use: the defaults. A failure here is left to the first write, which names the file.
void CreateFromDefaults(const fs::path& target, const fs::path& shipped) {
  std::error_code ec;
  fs::create_directories(target.parent_path(), ec);
  if (fs::is_regular_file(shipped, ec) && fs::copy_file(shipped, target, ec)) {
    // The copy keeps the read-only mode of the shipped file; the user's copy must be writable.
    fs::permissions(target, fs::perms::owner_read | fs::perms::owner_write,
                    fs::perm_options::add, ec);
    return;
  }
  std::ofstream(target) << "; Averoz settings. A missing key takes the program's default.\n";
}

}  // namespace

std::string UserSettingsFolder() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  const fs::path base = xdg && *xdg == '/' ? fs::path(xdg) : fs::path(HomeFolder()) / ".config";
  return (base / "averoz").string();
}

std::string SettingsFilePath(const std::string& programFolder, const std::string& portableName) {
  const fs::path portable = fs::path(programFolder) / portableName;
  if (::access(programFolder.c_str(), W_OK) == 0) return portable.string();
  const fs::path user = fs::path(UserSettingsFolder()) / kSettingsFileName;
  std::error_code ec;
  if (!fs::exists(user, ec)) CreateFromDefaults(user, portable);
  return user.string();
}

}  // namespace averoz
