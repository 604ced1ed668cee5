#pragma once
// The editing commands of a pattern document that need no dialog: Undo, Copy, Cut, Clear,
// Clear All, Select All, the delete of the selected range, direct Invert and Mirror, and
// Change Length. Questions go through the Prompter.
#include "core/app/Prompter.h"
#include "core/ppg/PatternClip.h"
#include "core/ppg/PpgCommand.h"
#include "core/ppg/PpgDoc.h"

namespace averoz {

// The snapshot back, the whole pattern noticed, the selection reset. Refused without one.
PpgOutcome PpgUndo(PpgDoc& doc);

// Removes the selected addresses from the selected channels: each channel's tail moves
// down and 0s fill the end. One undo step; the selection is reset.
PpgOutcome DeleteSelectedRange(PpgDoc& doc, Prompter& prompter);

// Copy (false without a selection), Cut (Copy, then the delete), Clear (IMFMSG 18, then
// the delete).
bool PpgCopy(const PpgDoc& doc, PatternClip& clip);
PpgOutcome PpgCut(PpgDoc& doc, PatternClip& clip, Prompter& prompter);
PpgOutcome PpgClear(PpgDoc& doc, Prompter& prompter);

// IMFMSG 15, then every bit 0 as one undo step (select mode, no selection, no inversion).
PpgOutcome PpgClearAll(PpgDoc& doc, Prompter& prompter);

// Addresses 0..dataLen-1 over all six rows.
void PpgSelectAll(PpgDoc& doc);

// Direct Invert and Mirror of the selected block.
PpgOutcome PpgInvert(PpgDoc& doc, Prompter& prompter);
PpgOutcome PpgMirror(PpgDoc& doc, Prompter& prompter);

// IMFMSG 1; on OK the length stays 16384, the bits stay, and the document starts over
// around them: no selection, no undo, rescaleX = dataLen, modified. The view resets its
// zoom and scroll when this returns Applied.
PpgOutcome PpgChangeLength(PpgDoc& doc, Prompter& prompter);

}  // namespace averoz
