#pragma once
// The Edit commands of a waveform document: Undo, Cut, Copy, Paste, Clear, Clear All,
// Select All and Reset selection, and when Paste is available. The waveform clipboard is
// the application's; the system clipboard carries its text.
#include "core/app/Prompter.h"
#include "core/wave/SystemClipboard.h"
#include "core/wave/WaveClipState.h"
#include "core/wave/WaveCommand.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

// Reads the system clipboard's text into the waveform clipboard. With a prompter, a text
// holding more than 16384 numbers shows ERRMSG 35 (the first 16384 are taken); without,
// the reading is silent. True when at least one value was read; otherwise the waveform
// clipboard keeps what it had.
bool FillWaveClip(WaveClipState& clip, SystemClipboard& system, Prompter* overflowTo);

// On activating a waveform document: an empty waveform clipboard is filled silently, then
// Paste is available exactly when it holds data.
bool PasteEnabledOnActivate(WaveClipState& clip, SystemClipboard& system);
// On the mouse entering the graph: true when an empty waveform clipboard was just filled
// silently, so Paste becomes available; false leaves Paste as it is.
bool PasteBecomesAvailable(WaveClipState& clip, SystemClipboard& system);

// Restores the snapshot (when Undo is ready) and resets the selection.
CommandOutcome EditUndo(WaveDoc& doc);
// The selected drawn samples into the waveform clipboard and onto the system clipboard.
CommandOutcome EditCopy(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system);
// Copy, then delete the selection; ERRMSG 2 with both clipboards unchanged when a selected
// sample is protected.
CommandOutcome EditCut(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system,
                       Prompter& prompter);
// The system clipboard's numbers (or the last copied data when it holds none) appended,
// inserted at the insertion point or replacing the selected range; inserted and replacing
// data becomes the selection. ERRMSG 2 into a protected block, ERRMSG 1 without room.
CommandOutcome EditPaste(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system,
                         Prompter& prompter);
// Deletes the selection after IMFMSG 18.
CommandOutcome EditClear(WaveDoc& doc, Prompter& prompter);
// Clears every sample after IMFMSG 15, in select mode and without a selection afterwards.
// The saved state and the block numbers given out stay; Undo brings the data back.
CommandOutcome EditClearAll(WaveDoc& doc, Prompter& prompter);
// Select mode; the drawn samples become the selection (none for an empty waveform).
CommandOutcome EditSelectAll(WaveDoc& doc);
// Every protected block becomes unprotected samples, as one undo step. The samples and the
// saved state stay (protection is not part of the files). NotRun when nothing is protected.
CommandOutcome EditUnprotectAll(WaveDoc& doc);

}  // namespace averoz
