#pragma once
// File-name pieces as the save commands use them. Both "/" and "\" separate folders.
#include <string>

namespace averoz {

// The extension of the last path component with its dot ("a/b.x.AWF" -> ".AWF"), or "".
std::string ExtensionOf(const std::string& path);
// The path without the extension of its last component ("a/b.x.awf" -> "a/b.x").
std::string WithoutExtension(const std::string& path);
// The last path component without its extension ("/a/b/pattern1.ppg" -> "pattern1").
std::string BareFileName(const std::string& path);
// ASCII letters in lower case; other bytes unchanged.
std::string LowerAscii(std::string text);

}  // namespace averoz
