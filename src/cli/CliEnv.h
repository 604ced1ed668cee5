#pragma once
// What every command of averoz-cli shares: the settings file "averoz.INI" in the program's
// own folder (or the user's settings folder when that one is not writable), the language
// read from it (or the desktop's locale when it names none), and messages on stderr in that
// language.
#include <string>

#include "core/app/IniFile.h"
#include "core/app/Language.h"
#include "core/app/Prompter.h"
#include "core/files/TextImport.h"

namespace averoz::cli {

enum ExitCode { kExitOk = 0, kExitRefused = 1, kExitUsage = 2 };

class CliEnv {
 public:
  // argv0 is the fallback when the running program's path cannot be found. A non-empty
  // settingsFile (--settings) is read instead of the program's own settings file.
  explicit CliEnv(const std::string& argv0, const std::string& settingsFile = {});

  const IniFile& settings() const { return settings_; }
  const std::string& language() const { return language_.name; }
  // The catalog text of an entry in the language of this run.
  std::string Text(MessageId id) const;

  // One line on stderr: prefix + the catalog text + suffix.
  void Say(const Message& message) const;
  void Say(MessageId id, const std::string& suffix = {}) const { Say(Message{id, {}, suffix}); }
  void SayText(const std::string& text) const;

 private:
  IniFile settings_;
  RunLanguage language_;
};

// Nobody is there to answer: warnings go to stderr, every question gets the answer that
// goes on (Yes to All where offered).
class CliPrompter : public Prompter {
 public:
  explicit CliPrompter(const CliEnv& env, bool quiet = false) : env_(env), quiet_(quiet) {}
  Answer ask(const Message& message, Buttons buttons, Icon icon) override;
  void showText(const std::string& text, Icon icon) override;
  void status(const std::string&) override {}
  void processEvents() override {}

 private:
  const CliEnv& env_;
  bool quiet_;
};

// The import's status lines on stderr.
class CliImportStatus : public ImportStatus {
 public:
  explicit CliImportStatus(const CliEnv& env) : env_(env) {}
  void Clear() override {}
  void Append(const Message& line) override { env_.Say(line); }
  void AppendText(const std::string& line) override { env_.SayText(line); }
  void SetProgressMax(int) override {}
  void SetProgress(int) override {}
  void Close() override {}

 private:
  const CliEnv& env_;
};

}  // namespace averoz::cli
