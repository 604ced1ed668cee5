#include "core/ppg/PpgViewPen.h"

#include <algorithm>
#include <cstring>

namespace averoz {

void PenWrite(PpgDoc& doc, int row, AddressRange range, bool high) {
  const int first = std::max(range.first, 0), last = std::min(range.last, doc.dataLen - 1);
  if (first > last || row < 0 || row >= kPpgChannels) return;
  const int ch = doc.chOrder[std::size_t(row)];
  std::memset(&doc.bit(ch, first), high ? 1 : 0, std::size_t(last - first + 1));
  if (doc.autoInvert) doc.InvertPair(ch, first, last);
}

}  // namespace averoz
