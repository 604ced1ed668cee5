#include "core/wave/WaveCombine.h"

#include <algorithm>

#include "core/app/general.h"
#include "core/wave/OperandRequest.h"
#include "core/wave/Resample.h"
#include "core/wave/WaveEditCommands.h"

namespace averoz {

std::int32_t CombineCode(CombineKind kind, std::int32_t w, std::int32_t o) {
  std::int32_t v = 0;
  switch (kind) {
    case CombineKind::Add: v = w + o - 2048; break;
    case CombineKind::Sub: v = w + 2048 - o; break;
    case CombineKind::Multiply:
      // Rounded after adding 2048, so a result of -k-0.5 goes up to the code above it.
      v = RoundHalfAway(2048 + (w - 2048) * (o - 2048) / 2048.0);
      break;
  }
  return std::clamp(v, 0, kMaxCode);
}

CalcSession::CalcSession(WaveDoc& doc, CombineKind kind, WaveClipState& clip,
                         SampleRange selection)
    : doc_(doc), kind_(kind), clip_(clip), selection_(selection) {
  clip_.operandLen = 0;
}

std::span<const std::int32_t> CalcSession::Operand() const {
  return std::span<const std::int32_t>(clip_.operand).first(clip_.operandLen);
}

void CalcSession::ChooseClipboard() {
  const std::int32_t n = std::min(clip_.waveClipLen, TargetLength());
  std::copy_n(clip_.waveClip.begin(), n, clip_.operand.begin());
  clip_.operandLen = n;
}

void CalcSession::ChooseFitted() {
  const std::int32_t length = TargetLength();
  if (clip_.waveClipLen < 1) return;
  Resample(std::span<const std::int32_t>(clip_.waveClip).first(clip_.waveClipLen),
           std::span<std::int32_t>(clip_.operand).first(length));
  clip_.operandLen = length;
}

bool CalcSession::ChooseStandard(ParamDialog& dialog, const WaveScale& scale) {
  return RequestOperand(clip_.operand, clip_.operandLen, TargetLength(), scale, dialog);
}

void CalcSession::Apply() {
  const auto target = doc_.waveData.begin() + selection_.begin;
  std::transform(target, target + clip_.operandLen, clip_.operand.begin(), target,
                 [this](std::int32_t w, std::int32_t o) { return CombineCode(kind_, w, o); });
}

void CalcSession::Preview() {
  doc_.RestoreUndo();
  if (clip_.operandLen <= 0) return;
  Apply();
  // The restore reported its range before the preview was drawn.
  doc_.NotifyDataChanged(selection_.begin, selection_.begin + clip_.operandLen - 1);
}

bool CalcSession::Accept() {
  doc_.RestoreUndo();
  if (clip_.operandLen <= 0) return false;
  doc_.SaveUndo();
  Apply();
  doc_.CommitEdit(selection_.begin, selection_.begin + clip_.operandLen - 1);
  return true;
}

void CalcSession::Cancel() { doc_.RestoreUndo(); }

CommandOutcome MathCombine(WaveDoc& doc, CombineKind kind, WaveClipState& clip,
                           SystemClipboard& system, Prompter& prompter, CalcDialog& dialog) {
  CommandOutcome stopped{};
  const auto sel = WritableSelection(doc, prompter, stopped);
  if (!sel) return stopped;
  doc.SaveUndo();
  if (clip.waveClipLen == 0) FillWaveClip(clip, system, &prompter);
  CalcSession session(doc, kind, clip, *sel);
  if (dialog.Run(session) && session.Accept()) return CommandOutcome::Done;
  session.Cancel();
  return CommandOutcome::Cancelled;
}

}  // namespace averoz
