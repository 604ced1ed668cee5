// The settings location rule with real folders and real permissions. Root may write into
// any folder, so as root each case runs in a child process that has dropped to "nobody".
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <functional>

#include "core/app/IniFile.h"
#include "core/app/SettingsLocation.h"
#include "support/TempDir.h"

using averoz::IniFile;
using averoz::SettingsFilePath;
using averoz::test::ReadText;
using averoz::test::TempDir;
using averoz::test::WriteText;
namespace fs = std::filesystem;

namespace {

constexpr uid_t kNobody = 65534;

// Runs the check as an unprivileged user; it returns "" when all is well, else what failed.
std::string AsUser(const std::function<std::string()>& check) {
  if (::geteuid() != 0) return check();
  int fds[2];
  if (::pipe(fds) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    std::string result = ::setgid(kNobody) == 0 && ::setuid(kNobody) == 0 ? check() : "setuid failed";
    if (result.empty()) result = "ok";
    [[maybe_unused]] auto n = ::write(fds[1], result.data(), result.size());
    ::_exit(0);
  }
  ::close(fds[1]);
  std::string result;
  char buffer[256];
  for (ssize_t n; (n = ::read(fds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, size_t(n));
  ::close(fds[0]);
  ::waitpid(child, nullptr, 0);
  return result == "ok" ? "" : result.empty() ? "the check crashed" : result;
}

// A program folder and a config home in a temporary folder that the test user may enter;
// the program folder is made read-only (an installed bin/) or left writable (portable).
struct Layout {
  TempDir root;
  std::string program = root / "bin";
  std::string config = root / "config";
  explicit Layout(bool writableProgram, const std::string& shippedIni = {}) {
    fs::create_directory(program);
    fs::create_directory(config);
    if (!shippedIni.empty()) WriteText(program + "/averoz.INI", shippedIni);
    ::chmod(root.path().c_str(), 0755);
    ::chmod(program.c_str(), writableProgram ? 0777 : 0555);
    ::chmod(config.c_str(), 0777);
    ::setenv("XDG_CONFIG_HOME", config.c_str(), 1);
  }
  ~Layout() { ::chmod(program.c_str(), 0755); }
};

std::string Expect(bool ok, const std::string& what) { return ok ? "" : what; }

}  // namespace

TEST(SettingsLocation, WritableProgramFolderKeepsThePortableLayout) {
  Layout layout(true, "[View]\nLanguage=English\n");
  EXPECT_EQ(AsUser([&] {
              const std::string path = SettingsFilePath(layout.program, "averoz.INI");
              if (path != layout.program + "/averoz.INI") return "path " + path;
              return Expect(!fs::exists(layout.config + "/averoz"), "user folder was made");
            }),
            "");
}

TEST(SettingsLocation, ReadOnlyProgramFolderUsesTheUserFileMadeOnFirstUse) {
  Layout layout(false);
  EXPECT_EQ(AsUser([&] {
              const std::string user = layout.config + "/averoz/averoz.INI";
              const std::string path = SettingsFilePath(layout.program, "averoz.INI");
              if (path != user) return "path " + path;
              if (!fs::is_regular_file(user)) return std::string("no user file");
              IniFile ini(path);
              if (ini.ReadString("View", "Language", "Japanese") != "Japanese")
                return std::string("a key did not read as its default");
              ini.WriteBool("View", "LineDisp", false);
              // The second start finds the user's file and leaves it as it is.
              SettingsFilePath(layout.program, "averoz.INI");
              return Expect(!ini.ReadBool("View", "LineDisp", true), "the user's setting was lost");
            }),
            "");
}

TEST(SettingsLocation, ReadOnlyIniBesideTheProgramIsTheUsersStartingPoint) {
  Layout layout(false, "; site defaults\n[View]\nLanguage=English\n");
  EXPECT_EQ(AsUser([&] {
              IniFile ini(SettingsFilePath(layout.program, "averoz.INI"));
              if (ini.ReadString("View", "Language", "") != "English")
                return "not copied: " + ReadText(ini.path());
              ini.WriteString("View", "Language", "Japanese");  // the copy is the user's to change
              return Expect(ReadText(layout.program + "/averoz.INI").find("English") != std::string::npos,
                            "the shipped file changed");
            }),
            "");
}

TEST(SettingsLocation, ConfigHomeFallsBackToDotConfig) {
  const char* home = std::getenv("HOME");
  const std::string saved = home ? home : "";
  ::setenv("HOME", "/home/someone", 1);
  for (const char* xdg : {"", "relative/dir"}) {
    ::setenv("XDG_CONFIG_HOME", xdg, 1);
    EXPECT_EQ(averoz::UserSettingsFolder(), "/home/someone/.config/averoz") << xdg;
  }
  ::setenv("XDG_CONFIG_HOME", "/x/cfg", 1);
  EXPECT_EQ(averoz::UserSettingsFolder(), "/x/cfg/averoz");
  ::setenv("HOME", saved.c_str(), 1);
}
