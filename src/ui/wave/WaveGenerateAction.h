#pragma once
// What the main window calls for the generator commands of a waveform document: the
// palette actions, the re-edit of a protected block (Alt+click, Resize), the fill of the
// undrawn tail (Save, Save As, Send) and the standard operand of the Math dialog. Each runs
// the GUI-free flow with the main window's "Set Parameters" dialog and prompter.
#include <cstdint>
#include <span>

#include "core/wave/GenerateCommand.h"
#include "core/wave/WaveScale.h"

namespace averoz {

class DocumentHost;
class TfrmWave;

GenerateOutcome RunGenerate(DocumentHost& mainForm, TfrmWave& wave, WaveKind kind);
GenerateOutcome RunReEditBlock(DocumentHost& mainForm, TfrmWave& wave, int block);
// False when the user cancelled: the save or send must stop.
bool RunCheckUndefinedTail(DocumentHost& mainForm, TfrmWave& wave);
// True on OK; operand and operandLen are as before on Cancel.
bool RunOperandRequest(DocumentHost& mainForm, std::span<std::int32_t> operand,
                       std::int32_t& operandLen, std::int32_t length, const WaveScale& scale);

}  // namespace averoz
