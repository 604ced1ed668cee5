#pragma once
// The preview shown before a text import; the import runs only after OK.
#include <string>
#include <vector>

namespace averoz {

class PreviewDialog {
 public:
  virtual ~PreviewDialog() = default;
  // Shows the lines modally; true on OK.
  virtual bool RunPreview(const std::vector<std::string>& lines) = 0;
};

}  // namespace averoz
