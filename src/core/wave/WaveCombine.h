#pragma once
// Add, Sub and Multiply: the selection combined sample by sample with an operand chosen in
// the "Math" dialog, from the waveform clipboard as it is, stretched to the selection, or
// as a standard shape.
#include <cstdint>
#include <span>

#include "core/app/Prompter.h"
#include "core/wave/ParamDialog.h"
#include "core/wave/SystemClipboard.h"
#include "core/wave/WaveClipState.h"
#include "core/wave/WaveCommand.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

enum class CombineKind { Add = 0, Sub = 1, Multiply = 2 };

// One sample w with operand o, clipped to 0..4095. 2048 is the neutral operand of Add and
// Sub; Multiply scales the distance from mid-scale by (o - 2048) / 2048.
std::int32_t CombineCode(CombineKind kind, std::int32_t w, std::int32_t o);

// The dialog's side of one run. The undo snapshot taken before the dialog is what every
// preview and Cancel go back to.
class CalcSession {
 public:
  CalcSession(WaveDoc& doc, CombineKind kind, WaveClipState& clip, SampleRange selection);

  CombineKind kind() const { return kind_; }
  // L: the samples the operand may cover.
  std::int32_t TargetLength() const { return selection_.size(); }
  bool ClipboardAvailable() const { return clip_.waveClipLen > 0; }
  std::span<const std::int32_t> Operand() const;

  // The first L values of the clipboard (fewer when it is shorter).
  void ChooseClipboard();
  // The clipboard stretched or squeezed to L values.
  void ChooseFitted();
  // A shape from "Set Parameters" in operand mode; Cancel there keeps the operand.
  bool ChooseStandard(ParamDialog& dialog, const WaveScale& scale);

  void Preview();
  // OK: the operation as one undo step. False, with the document as before the command,
  // when no operand was chosen.
  bool Accept();
  void Cancel();

 private:
  void Apply();

  WaveDoc& doc_;
  CombineKind kind_;
  WaveClipState& clip_;
  SampleRange selection_;
};

class CalcDialog {
 public:
  virtual ~CalcDialog() = default;
  // Shows the dialog modally; its buttons call the session. True on OK, false on Cancel.
  virtual bool Run(CalcSession& session) = 0;
};

// Needs a selection; ERRMSG 2 when a selected sample is protected. An empty waveform
// clipboard is filled from the system clipboard first (ERRMSG 35 when that is cut short).
CommandOutcome MathCombine(WaveDoc& doc, CombineKind kind, WaveClipState& clip,
                           SystemClipboard& system, Prompter& prompter, CalcDialog& dialog);

}  // namespace averoz
