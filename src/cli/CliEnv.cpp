#include "cli/CliEnv.h"

#include <limits.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "core/app/MessageCatalog.h"
#include "core/app/SettingsLocation.h"

namespace averoz::cli {
namespace {

// The folder of the running program; the settings file lives there (or in the user's
// settings folder when it is not writable) whatever the working folder is.
std::string ProgramFolder(const std::string& argv0) {
  char buffer[PATH_MAX];
  const ssize_t n = ::readlink("/proc/self/exe", buffer, sizeof buffer - 1);
  const std::filesystem::path exe = n > 0 ? std::filesystem::path(std::string(buffer, std::size_t(n)))
                                          : std::filesystem::absolute(argv0);
  return exe.parent_path().string();
}

}  // namespace

CliEnv::CliEnv(const std::string& argv0, const std::string& settingsFile)
    : settings_(settingsFile.empty() ? SettingsFilePath(ProgramFolder(argv0), kSettingsFileName)
                                     : settingsFile),
      language_(ChooseLanguage(settings_, MessageLocale())) {}

std::string CliEnv::Text(MessageId id) const { return MessageText(id, language_, settings_); }

void CliEnv::Say(const Message& message) const {
  SayText(message.prefix + Text(message.id) + message.suffix);
}

void CliEnv::SayText(const std::string& text) const {
  std::fprintf(stderr, "%s\n", text.c_str());
}

Answer CliPrompter::ask(const Message& message, Buttons buttons, Icon) {
  switch (buttons) {
    case Buttons::Ok:
      if (!quiet_) env_.Say(message);
      return Answer::Ok;
    case Buttons::OkCancel: return Answer::Ok;
    case Buttons::YesNoYesToAll: return Answer::YesToAll;
    case Buttons::YesNo:
    case Buttons::YesNoCancel: break;
  }
  return Answer::Yes;
}

void CliPrompter::showText(const std::string& text, Icon) {
  if (!quiet_) env_.SayText(text);
}

}  // namespace averoz::cli
