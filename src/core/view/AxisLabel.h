#pragma once
// A label beside a document view's axis, in window pixels.
#include <string>
#include <utility>

namespace averoz {

struct AxisLabel {
  int x = 0;  // window pixels, the text's left edge
  int y = 0;  // window pixels; for X labels the strip's text top
  std::string text;
};

// The X label of the grid line at content x `d`, roughly centred on the line: graph panel
// at graphLeft in the window, 8-point text about 6 pixels a character.
inline constexpr int kXLabelTop = 11;
inline AxisLabel XLabelAt(int d, std::string text, int graphLeft, int scrollX) {
  AxisLabel label;
  label.x = d + graphLeft - scrollX - 3 * int(text.size());
  label.y = kXLabelTop;
  label.text = std::move(text);
  return label;
}

}  // namespace averoz
