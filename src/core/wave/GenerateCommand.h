#pragma once
// The palette generators and the re-edit of a protected block: find where the block goes,
// refuse what cannot be done, then run the "Set Parameters" dialog on the document.
#include <optional>

#include "core/app/Prompter.h"
#include "core/wave/NewDataTarget.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/WaveDoc.h"
#include "core/wave/WaveParam.h"

namespace averoz {

enum class GenerateOutcome { Refused, Cancelled, Applied };

// Where a new block goes and the dialog set up for it: document mode, the room, the caption
// suffix and the default length in shown.len.
struct NewBlockSetup {
  NewDataTarget target;
  ParamDialogSetup setup;
};
// Refused, told to the prompter, with ERRMSG 2 when the target lies in a protected block
// and ERRMSG 1 when fewer than 8 samples fit.
std::optional<NewBlockSetup> PrepareNewBlock(const WaveDoc& doc, Prompter& prompter);

// A new block of the shape: appended, inserted at the insertion point or replacing the
// selected range. Refused with ERRMSG 4 once block 10000 is given out, ERRMSG 2 when the
// target lies in a protected block and ERRMSG 1 when fewer than 8 samples fit.
GenerateOutcome GenerateBlock(WaveDoc& doc, WaveKind kind, ParamDialog& dialog,
                              Prompter& prompter);

// Protected block `block` generated again from its stored parameters, in place of its run
// (which becomes the selection). ERRMSG 1 when fewer than 8 samples would fit; a number
// that is no protected block of the document is refused silently.
GenerateOutcome ReEditBlock(WaveDoc& doc, int block, ParamDialog& dialog, Prompter& prompter);

}  // namespace averoz
