#include "core/app/BuiltInEnglish.h"

#include "core/app/IniFile.h"

namespace averoz {

std::optional<std::string> BuiltInEnglishText(MessageId id) {
  return IniTextValue(BuiltInEnglishIni(), "Message", MessageKey(id));
}

}  // namespace averoz
