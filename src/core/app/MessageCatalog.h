#pragma once
// The built-in (Japanese) message texts and the language rule that picks the text shown.
#include <span>
#include <string>

#include "core/app/Language.h"
#include "core/app/MessageId.h"

namespace averoz {

class IniFile;

struct CatalogEntry {
  MessageId id;
  const char* text;  // the built-in Japanese text, UTF-8
};

// Every entry of the catalog, by section (ERRMSG, IMFMSG, GPMSG) and number. Numbers that
// are not listed (ERRMSG 19, 25, 26; IMFMSG 4) are not used.
std::span<const CatalogEntry> Catalog();

// The built-in text of a catalog entry, or nullptr when the catalog has no such entry.
const char* BuiltInText(MessageId id);

// The text shown for an entry: the built-in text when language is exactly "Japanese",
// otherwise key MessageKey(id) of section "Message" in the settings file, or
// "Message not found" when that key is missing.
std::string MessageText(MessageId id, const std::string& language, const IniFile& settings);
// The same for the language of a run: English chosen from the locale shows the built-in
// English text where section "Message" has no key (a key there still wins).
std::string MessageText(MessageId id, const RunLanguage& language, const IniFile& settings);

}  // namespace averoz
