#pragma once
// The bit pen of the pattern view: which bit a press writes and how it lands in the
// document. The view decides the addresses (the pixel column under the pointer) and the
// reports; this writes the bits.
#include "core/ppg/PpgDoc.h"
#include "core/ppg/PpgViewGeometry.h"

namespace averoz {

inline constexpr int kEditSelect = 0, kEditCursor = 1, kEditPen = 4, kEditPenHigh = 5,
                     kEditPenLo = 6;

constexpr bool IsPenMode(int editMode) { return editMode >= kEditPen && editMode <= kEditPenLo; }
// The bit a pen press writes: the plain pen writes High, or Lo while Alt is held; the High
// and Lo pens write their level whatever Alt says.
constexpr bool PenWritesHigh(int editMode, bool alt) {
  return editMode == kEditPenHigh || (editMode == kEditPen && !alt);
}

// Writes the level into the channel of display row `row` over the range; with autoInvert
// the pair channel becomes the inverse there (its marker shows). No undo, no report.
void PenWrite(PpgDoc& doc, int row, AddressRange range, bool high);

}  // namespace averoz
