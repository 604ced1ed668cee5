#pragma once
// A system clipboard that is a string.
#include <string>

#include "core/wave/SystemClipboard.h"

namespace averoz::test {

class TextClipboard : public SystemClipboard {
 public:
  std::string text;
  int writes = 0;
  std::string ReadText() override { return text; }
  void WriteText(const std::string& t) override {
    text = t;
    ++writes;
  }
};

}  // namespace averoz::test
