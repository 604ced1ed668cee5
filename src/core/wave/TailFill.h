#pragma once
// Before a waveform is saved or sent its undrawn tail is filled with a DC level the user
// enters in the "Set Parameters" dialog in fill mode.
#include "core/app/Prompter.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

// True when every sample is drawn, or the tail was filled now as one undo step; false when
// the user cancelled (the document is then as it was, except that its selection is gone).
bool CheckUndefinedTail(WaveDoc& doc, ParamDialog& dialog, Prompter& prompter);

}  // namespace averoz
