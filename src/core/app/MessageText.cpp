#include "core/app/BuiltInEnglish.h"
#include "core/app/IniFile.h"
#include "core/app/MessageCatalog.h"

namespace averoz {
namespace {

const std::string kNotFound = "Message not found";

}  // namespace

std::string MessageText(MessageId id, const std::string& language, const IniFile& settings) {
  if (language == "Japanese") {
    const char* text = BuiltInText(id);
    return text ? text : kNotFound;
  }
  return settings.ReadString("Message", MessageKey(id), kNotFound);
}

std::string MessageText(MessageId id, const RunLanguage& language, const IniFile& settings) {
  if (!language.builtInEnglish) return MessageText(id, language.name, settings);
  return settings.ReadString("Message", MessageKey(id),
                             BuiltInEnglishText(id).value_or(kNotFound));
}

}  // namespace averoz
