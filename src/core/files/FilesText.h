#pragma once
// Single-byte text helpers shared by the file readers.
#include <string_view>

namespace averoz {

// Space, tab and every other control character (bytes 1..32, and 0) separate and pad cells.
constexpr bool IsBlank(char c) { return static_cast<unsigned char>(c) <= ' '; }

// The text without leading and trailing blanks.
constexpr std::string_view TrimControl(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

}  // namespace averoz
