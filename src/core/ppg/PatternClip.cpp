#include "core/ppg/PatternClip.h"

namespace averoz {

bool CopySelection(const PpgDoc& doc, PatternClip& clip) {
  const PpgPoint b = doc.selBegin, e = doc.selEnd;
  if (!doc.rangeSelected || e.x < b.x || e.y < b.y || b.x < 0 || e.x >= doc.dataLen || b.y < 0 ||
      e.y >= kPpgChannels)
    return false;
  clip.patClipLen = e.x - b.x + 1;
  clip.patClipRows = e.y - b.y + 1;
  for (int row = b.y; row <= e.y; ++row)
    for (int i = b.x; i <= e.x; ++i) clip.at(row - b.y, i - b.x) = doc.bit(doc.chOrder[row], i);
  return true;
}

std::string PatternClipText(const PatternClip& clip) {
  std::string text;
  text.reserve(std::size_t(clip.patClipLen) * (2 * clip.patClipRows + 1));
  for (int i = 0; i < clip.patClipLen; ++i) {
    for (int row = 0; row < clip.patClipRows; ++row) {
      if (row > 0) text += '\t';
      text += char('0' + clip.at(row, i));
    }
    text += "\r\n";
  }
  return text;
}

}  // namespace averoz
