#pragma once
// What every window shares: the settings file (beside the executable, or the user's one when
// that folder is not writable; core/app/SettingsLocation.h) and the language read
// once at the main window's first show.
#include <QString>
#include <string>

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/MessageId.h"

namespace averoz {

class Prompter;

class AppContext {
 public:
  static AppContext& instance();

  IniFile& settings() { return settings_; }
  const std::string& language() const { return language_.name; }
  // A language named outright, as the settings key names it.
  void setLanguage(std::string language) { language_ = {std::move(language), false}; }
  // The language of this run from the settings file, or from the desktop's locale when the
  // file does not name one.
  void chooseLanguage();

  // Where messages go: the main window's prompter (a scripted fake in tests).
  Prompter* prompter() const { return prompter_; }
  void setPrompter(Prompter* prompter) { prompter_ = prompter; }

  // The catalog text in the current language.
  QString text(MessageId id) const;

  // The executable's path with its extension replaced (".INI").
  static QString besideExecutable(const QString& extension);
  // The settings file the editor uses.
  static QString settingsPath();

 private:
  AppContext();
  IniFile settings_;
  RunLanguage language_;
  Prompter* prompter_ = nullptr;
};

// Runs one settings write; a failure is shown to the user naming the file. False on failure.
template <typename Write>
bool WriteSetting(Write&& write);
bool ReportSettingsWriteError(const IniWriteError& error);

template <typename Write>
bool WriteSetting(Write&& write) {
  try {
    write(AppContext::instance().settings());
    return true;
  } catch (const IniWriteError& e) {
    return ReportSettingsWriteError(e);
  }
}

// A write of a key that only remembers a habit of the user (a window's place, a panel left
// open): a failure is not worth a message, the habit is simply not kept.
template <typename Write>
void WriteSettingQuietly(Write&& write) {
  try {
    write(AppContext::instance().settings());
  } catch (const IniWriteError&) {
  }
}

}  // namespace averoz
