#pragma once
// Small helpers for pattern tests: write and read a channel as a "0101" text.
#include <string>

#include "core/ppg/PpgDoc.h"

namespace averoz::test {

inline void SetBits(PpgDoc& doc, int ch, int from, const std::string& bits) {
  for (std::size_t i = 0; i < bits.size(); ++i) doc.bit(ch, from + int(i)) = bits[i] == '1';
}

inline std::string Bits(const PpgDoc& doc, int ch, int from, int count) {
  std::string s;
  for (int a = from; a < from + count; ++a) s += char('0' + doc.bit(ch, a));
  return s;
}

// Selection of display rows firstRow..lastRow over addresses from..to.
inline void Select(PpgDoc& doc, int from, int to, int firstRow, int lastRow) {
  doc.SetSelection({from, firstRow}, {to, lastRow});
}

}  // namespace averoz::test
