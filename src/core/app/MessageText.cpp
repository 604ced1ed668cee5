#include "core/app/IniFile.h"
#include "core/app/MessageCatalog.h"

namespace averoz {

std::string MessageText(MessageId id, const std::string& language, const IniFile& settings) {
  static const std::string kNotFound = "Message not found";
  if (language == "Japanese") {
    const char* text = BuiltInText(id);
    return text ? text : kNotFound;
  }
  return settings.ReadString("Message", MessageKey(id), kNotFound);
}

}  // namespace averoz
