#pragma once
// The Math commands that need no dialog: Invert, Mirror, Absolute and Clip of the selection,
// Fit to X and Fit to Y. Each takes one undo snapshot when it changes something and leaves
// the document as it was when refused or cancelled.
#include <cstdint>

#include "core/app/Prompter.h"
#include "core/wave/WaveCommand.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

enum class PointOp { Invert, Mirror, Absolute, Clip };

// The value rules, for single codes.
constexpr std::int32_t InvertCode(std::int32_t v) { return kMaxCode - v; }
// The lower half is folded up about mid-scale.
constexpr std::int32_t AbsoluteCode(std::int32_t v) { return v < 2048 ? kMaxCode - v : v; }

// Needs a selection. ERRMSG 2 when a selected sample is protected. Clip limits to the Y
// cursors csrY1..csrY2. Block numbers stay.
CommandOutcome MathPointOp(WaveDoc& doc, PointOp op, Prompter& prompter);

// Stretches the selection (to the end of the drawn data without one) over the undrawn
// tail, so the document ends full. Protected samples in the range are unprotected after
// IMFMSG 16 is confirmed (the whole document is). ERRMSG 31 when the selection holds no
// drawn sample.
CommandOutcome MathFitX(WaveDoc& doc, Prompter& prompter);

// Stretches the codes of the selection (the drawn data without one) to 0..4095. ERRMSG 31
// for fewer than two samples and ERRMSG 32 for a constant range, both before anything is
// asked or changed; IMFMSG 16 over protected samples as for Fit to X.
CommandOutcome MathFitY(WaveDoc& doc, Prompter& prompter);

}  // namespace averoz
