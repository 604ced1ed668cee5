#include "core/app/Language.h"

#include <cstdlib>

#include "core/app/IniFile.h"

namespace averoz {

bool IsJapaneseLocale(const std::string& locale) {
  if (locale.compare(0, 2, "ja") != 0) return false;
  return locale.size() == 2 || locale[2] == '_' || locale[2] == '.' || locale[2] == '@';
}

std::string MessageLocale() {
  for (const char* name : {"LC_ALL", "LC_MESSAGES", "LANG"})
    if (const char* value = std::getenv(name); value && *value) return value;
  return {};
}

RunLanguage ChooseLanguage(const IniFile& settings, const std::string& locale) {
  if (settings.HasKey("View", "Language"))
    return {settings.ReadString("View", "Language", "Japanese"), false};
  if (IsJapaneseLocale(locale)) return {"Japanese", false};
  return {"English", true};
}

}  // namespace averoz
