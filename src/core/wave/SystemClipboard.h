#pragma once
// The plain-text clipboard of the desktop, as the editing commands need it. The Qt adapter
// goes to QClipboard; tests hand in a string.
#include <string>

namespace averoz {

class SystemClipboard {
 public:
  virtual ~SystemClipboard() = default;
  // The text on the clipboard; empty when it holds none.
  virtual std::string ReadText() = 0;
  virtual void WriteText(const std::string& text) = 0;
};

}  // namespace averoz
