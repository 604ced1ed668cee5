#pragma once
// The language of a run. The settings file's View/Language decides whenever it is there; a
// file without it follows the desktop: the built-in Japanese texts for a Japanese locale,
// English otherwise.
#include <string>

namespace averoz {

class IniFile;

struct RunLanguage {
  // What the settings file says, or "Japanese" / "English" chosen from the locale.
  std::string name = "Japanese";
  // English chosen from the locale: a text missing from section "Message" is the built-in
  // English one instead of "Message not found".
  bool builtInEnglish = false;
};

// "ja", "ja_JP", "ja_JP.UTF-8", "ja@…": the language part is "ja".
bool IsJapaneseLocale(const std::string& locale);

// The locale that names the language of messages: LC_ALL, else LC_MESSAGES, else LANG (the
// first one set and not empty); empty when none is.
std::string MessageLocale();

RunLanguage ChooseLanguage(const IniFile& settings, const std::string& locale);

}  // namespace averoz
