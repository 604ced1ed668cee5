#pragma once
// The English message texts built into the program, taken from share/English.INI when the
// program is built, so an English desktop needs no copy of that file.
#include <optional>
#include <string>

#include "core/app/MessageId.h"

namespace averoz {

// The whole text of the shipped English file (generated at build time).
const char* BuiltInEnglishIni();

// The English text of a catalog entry (key MessageKey(id) of its section "Message"), or
// nullopt when the file has none.
std::optional<std::string> BuiltInEnglishText(MessageId id);

}  // namespace averoz
