#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <vector>

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/MessageCatalog.h"
#include "support/TempDir.h"

using namespace averoz;
using averoz::test::TempDir;
using averoz::test::WriteText;

TEST(Language, SettingsKeyDecidesElseTheLocale) {
  TempDir dir;
  struct Case {
    const char* settings;  // nullptr: no settings file at all
    const char* locale;
    const char* name;
    bool builtInEnglish;
  };
  for (const Case& c : {
           Case{nullptr, "ja_JP.UTF-8", "Japanese", false},
           Case{nullptr, "ja", "Japanese", false},
           Case{"[View]\nLineDisp=1\n", "ja_JP@cjknarrow", "Japanese", false},
           Case{nullptr, "en_US.UTF-8", "English", true},
           Case{nullptr, "C", "English", true},
           Case{nullptr, "POSIX", "English", true},
           Case{nullptr, "", "English", true},
           Case{nullptr, "jv_ID", "English", true},  // Javanese, not Japanese
           // The key wins over the locale, exactly as written.
           Case{"[View]\nLanguage=Japanese\n", "en_US.UTF-8", "Japanese", false},
           Case{"[View]\nLanguage=English\n", "ja_JP.UTF-8", "English", false},
           Case{"[view]\nlanguage=japanese\n", "ja_JP.UTF-8", "japanese", false},
           Case{"[View]\nLanguage=\n", "ja_JP.UTF-8", "", false},
       }) {
    const std::string path = dir.file("a.INI");
    std::filesystem::remove(path);
    if (c.settings) WriteText(path, c.settings);
    const RunLanguage language = ChooseLanguage(IniFile(path), c.locale);
    EXPECT_EQ(language.name, c.name) << (c.settings ? c.settings : "(none)") << c.locale;
    EXPECT_EQ(language.builtInEnglish, c.builtInEnglish) << c.locale;
  }
}

TEST(Language, MessageLocaleFollowsThePosixOrder) {
  struct Saved {
    const char* name;
    std::string value;
    bool set;
  };
  std::vector<Saved> saved;
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
    const char* v = std::getenv(name);
    saved.push_back({name, v ? v : "", v != nullptr});
  }
  ::setenv("LC_ALL", "", 1);
  ::setenv("LC_MESSAGES", "ja_JP.UTF-8", 1);
  ::setenv("LANG", "en_US.UTF-8", 1);
  EXPECT_EQ(MessageLocale(), "ja_JP.UTF-8");  // an empty LC_ALL counts as unset
  ::setenv("LC_ALL", "C", 1);
  EXPECT_EQ(MessageLocale(), "C");
  ::unsetenv("LC_ALL");
  ::unsetenv("LC_MESSAGES");
  EXPECT_EQ(MessageLocale(), "en_US.UTF-8");
  for (const Saved& s : saved) {
    if (s.set) ::setenv(s.name, s.value.c_str(), 1);
    else ::unsetenv(s.name);
  }
}

TEST(Language, EnglishFromTheLocaleIsBuiltInAndTheSettingsStillOverride) {
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  const RunLanguage english{"English", true};
  // No settings file at all: the built-in English texts.
  EXPECT_EQ(MessageText(ERRMSG(27), english, ini), "Too many windows are open.");
  WriteText(ini.path(), "[Message]\nERRMSG27=Window limit reached.\nIMFMSG9=\n");
  EXPECT_EQ(MessageText(ERRMSG(27), english, ini), "Window limit reached.");
  EXPECT_EQ(MessageText(IMFMSG(9), english, ini), "");  // an empty value is a text too
  EXPECT_EQ(MessageText(IMFMSG(14), english, ini), "Transfer completed");
  // Named by the key, English keeps to the settings file alone.
  EXPECT_EQ(MessageText(IMFMSG(14), RunLanguage{"English", false}, ini), "Message not found");
  EXPECT_EQ(MessageText(IMFMSG(14), RunLanguage{"Japanese", false}, ini), "転送完了しました");
}
