#pragma once
// The pattern clipboard the main window holds for all pattern documents: rows are the
// copied display rows from the top of the selection down.
#include <cstdint>
#include <string>
#include <vector>

#include "core/ppg/PpgDoc.h"

namespace averoz {

struct PatternClip {
  std::vector<std::uint8_t> patClip =
      std::vector<std::uint8_t>(std::size_t(kPpgChannels) * kPpgLen, 0);  // row-major
  std::int32_t patClipLen = 0;  // addresses copied; 0: nothing to paste
  std::int32_t patClipRows = 0;

  std::uint8_t at(int row, int i) const { return patClip[std::size_t(row) * kPpgLen + i]; }
  std::uint8_t& at(int row, int i) { return patClip[std::size_t(row) * kPpgLen + i]; }
};

// Copies the selected block (selEnd.x >= selBegin.x, rows selBegin.y..selEnd.y) into clip;
// false, clip unchanged, without such a selection.
bool CopySelection(const PpgDoc& doc, PatternClip& clip);

// The system clipboard text of the clipboard's block: one line per address, the rows'
// bits from the top row on, TAB-separated, every line ended by CR LF.
std::string PatternClipText(const PatternClip& clip);

}  // namespace averoz
