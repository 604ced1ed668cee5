#pragma once
// The pattern generators: High, Lo, Clock, Counter, Value and Clipboard (the paste of the
// pattern clipboard, repeated). The engine writes bits only: undo, redraw, the modified
// mark and the pair channels are its callers' business.
#include <cstdint>
#include <string>

#include "core/ppg/PatternClip.h"
#include "core/ppg/PpgDoc.h"

namespace averoz {

enum class PpgKind : std::uint8_t { High = 0, Lo = 1, Clock = 2, Counter = 3, Value = 4, Clipboard = 5 };

// One generated block: addresses startAddr..startAddr+count-1 of the channels shown in
// display rows firstRow..lastRow.
struct TPpgParam {
  PpgKind kind = PpgKind::High;
  std::int32_t count = 0;
  std::int32_t firstRow = 0;
  std::int32_t lastRow = 0;
  std::int32_t startAddr = 0;
  double period = 2;       // Clock, Counter: addresses
  double duty = 50;        // Clock: percent
  double repeatCount = 0;  // Clipboard: copies, may be fractional
  std::string valueBits;   // Value: binary digits, the rightmost for the top row
};

// Writes the block. The block is clipped to the document and to rows 0..5; a Clock or
// Counter period below 2 and an empty clipboard write nothing.
void ApplyPpgGenerator(PpgDoc& doc, const TPpgParam& p, const PatternClip& clip);

}  // namespace averoz
