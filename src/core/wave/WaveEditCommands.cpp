#include "core/wave/WaveEditCommands.h"

#include <algorithm>

#include "core/wave/ClipboardText.h"
#include "core/wave/NewDataTarget.h"

namespace averoz {

bool FillWaveClip(WaveClipState& clip, SystemClipboard& system, Prompter* overflowTo) {
  const ParsedWaveText parsed = ParseWaveClipText(system.ReadText(), clip.waveClip.size());
  if (parsed.overflow && overflowTo) overflowTo->warn(ERRMSG(35));
  if (parsed.values.empty()) return false;
  std::copy(parsed.values.begin(), parsed.values.end(), clip.waveClip.begin());
  clip.waveClipLen = static_cast<std::int32_t>(parsed.values.size());
  return true;
}

bool PasteEnabledOnActivate(WaveClipState& clip, SystemClipboard& system) {
  if (clip.waveClipLen == 0) FillWaveClip(clip, system, nullptr);
  return clip.waveClipLen > 0;
}

bool PasteBecomesAvailable(WaveClipState& clip, SystemClipboard& system) {
  return clip.waveClipLen == 0 && FillWaveClip(clip, system, nullptr);
}

CommandOutcome EditUndo(WaveDoc& doc) {
  if (!doc.undoReady) return CommandOutcome::NotRun;
  doc.RestoreUndo();  // reports the whole document
  doc.ResetSelection();
  return CommandOutcome::Done;
}

CommandOutcome EditCopy(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system) {
  const auto sel = SelectedDrawn(doc);
  if (!sel) return CommandOutcome::NotRun;
  const auto first = doc.waveData.begin() + sel->begin;
  std::copy(first, first + sel->size(), clip.waveClip.begin());
  clip.waveClipLen = sel->size();
  system.WriteText(WaveClipText(std::span<const std::int32_t>(clip.waveClip).first(sel->size())));
  return CommandOutcome::Done;
}

CommandOutcome EditCut(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system,
                       Prompter& prompter) {
  CommandOutcome stopped{};
  const auto sel = WritableSelection(doc, prompter, stopped);
  if (!sel) return stopped;
  EditCopy(doc, clip, system);
  doc.DeleteSelection();
  return CommandOutcome::Done;
}

CommandOutcome EditPaste(WaveDoc& doc, WaveClipState& clip, SystemClipboard& system,
                         Prompter& prompter) {
  FillWaveClip(clip, system, &prompter);
  const int n = clip.waveClipLen;
  if (n <= 0) return CommandOutcome::NotRun;
  const NewDataPlan plan = FindNewDataTarget(doc, n);
  if (plan.refusal) {
    prompter.warn(*plan.refusal);
    return CommandOutcome::Refused;
  }
  const NewDataTarget& target = plan.target;
  doc.SaveUndo();
  const int start = PlaceNewData(doc, target, n);
  std::copy_n(clip.waveClip.begin(), n, doc.waveData.begin() + start);
  std::fill_n(doc.blockNo.begin() + start, n, kBlockFree);
  doc.CommitEdit(start, target.ChangedEnd(n));
  if (target.mode != NewDataMode::Append) doc.SetSelection(start, start + n - 1);
  return CommandOutcome::Done;
}

CommandOutcome EditClear(WaveDoc& doc, Prompter& prompter) {
  if (prompter.ask({IMFMSG(18), {}, {}}, Buttons::OkCancel, Icon::Question) != Answer::Ok)
    return CommandOutcome::Cancelled;
  if (!SelectedDrawn(doc)) return CommandOutcome::NotRun;
  if (const auto refusal = doc.DeleteSelection()) {
    prompter.warn(*refusal);
    return CommandOutcome::Refused;
  }
  return CommandOutcome::Done;
}

CommandOutcome EditClearAll(WaveDoc& doc, Prompter& prompter) {
  if (prompter.ask({IMFMSG(15), {}, {}}, Buttons::OkCancel, Icon::Question) != Answer::Ok)
    return CommandOutcome::Cancelled;
  doc.editMode = 0;
  doc.SaveUndo();
  const int last = doc.lastDrawn();
  doc.ClearRange(0, last);
  if (last >= 0) doc.NotifyDataChanged(0, last);
  doc.ResetSelection();
  return CommandOutcome::Done;
}

CommandOutcome EditSelectAll(WaveDoc& doc) {
  doc.editMode = 0;
  const int last = doc.lastDrawn();
  if (last < 0) return CommandOutcome::NotRun;
  doc.SetSelection(0, last);
  return CommandOutcome::Done;
}

CommandOutcome EditUnprotectAll(WaveDoc& doc) {
  const int last = doc.lastDrawn();
  if (!doc.AnyProtected(0, last)) return CommandOutcome::NotRun;
  doc.SaveUndo();
  doc.UnprotectAll();
  doc.NotifyDataChanged(0, last);
  return CommandOutcome::Done;
}

}  // namespace averoz
