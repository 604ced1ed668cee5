#include "core/ppg/PpgEdits.h"

#include "core/ppg/PpgLogic.h"

namespace averoz {

namespace {

bool HasBlock(const PpgDoc& doc) {
  return doc.rangeSelected && doc.selEnd.x >= doc.selBegin.x && doc.selBegin.x >= 0 &&
         doc.selEnd.x < doc.dataLen;
}

bool Confirm(MessageId id, Icon icon, Prompter& prompter) {
  return prompter.ask(Message{id, {}, {}}, Buttons::OkCancel, icon) == Answer::Ok;
}

// Invert or Mirror of the selected block, with the pair rule of every block edit.
template <typename Edit>
PpgOutcome EditBlock(PpgDoc& doc, Prompter& prompter, Edit edit) {
  if (!HasBlock(doc)) return PpgOutcome::Refused;
  const std::uint32_t mask = doc.SelectedMask();
  bool invert = false;
  if (!PairQuestion(doc, mask, prompter, invert)) return PpgOutcome::Cancelled;
  const int from = doc.selBegin.x, to = doc.selEnd.x;
  doc.SaveUndo();
  edit(doc, mask, from, to);
  if (invert) doc.InvertPairs(mask, from, to);
  doc.CommitEdit(from, to);
  return PpgOutcome::Applied;
}

}  // namespace

PpgOutcome PpgUndo(PpgDoc& doc) {
  if (!doc.undoReady) return PpgOutcome::Refused;
  doc.RestoreUndo();
  doc.ResetSelection();
  return PpgOutcome::Applied;
}

PpgOutcome DeleteSelectedRange(PpgDoc& doc, Prompter& prompter) {
  if (!HasBlock(doc)) return PpgOutcome::Refused;
  const std::uint32_t mask = doc.SelectedMask();
  bool invert = false;
  if (!PairQuestion(doc, mask, prompter, invert)) return PpgOutcome::Cancelled;
  const int s = doc.selBegin.x;
  doc.SaveUndo();
  if (mask != 0) {
    const LogicRequest shift{LogicOp::Shift, s, doc.dataLen - s, mask, 0, false,
                             doc.selEnd.x - s + 1};
    ApplyLogic(doc, shift);
  }
  if (invert) doc.InvertPairs(mask, s, doc.dataLen - 1);
  doc.MarkModified();
  doc.NotifyDataChanged(s, doc.dataLen - 1);
  doc.ResetSelection();
  return PpgOutcome::Applied;
}

bool PpgCopy(const PpgDoc& doc, PatternClip& clip) { return CopySelection(doc, clip); }

PpgOutcome PpgCut(PpgDoc& doc, PatternClip& clip, Prompter& prompter) {
  if (!PpgCopy(doc, clip)) return PpgOutcome::Refused;
  return DeleteSelectedRange(doc, prompter);
}

PpgOutcome PpgClear(PpgDoc& doc, Prompter& prompter) {
  if (!Confirm(IMFMSG(18), Icon::Question, prompter)) return PpgOutcome::Cancelled;
  return DeleteSelectedRange(doc, prompter);
}

PpgOutcome PpgClearAll(PpgDoc& doc, Prompter& prompter) {
  if (!Confirm(IMFMSG(15), Icon::Question, prompter)) return PpgOutcome::Cancelled;
  doc.editMode = 0;
  doc.SaveUndo();
  std::fill(doc.bitData.begin(), doc.bitData.end(), std::uint8_t(0));
  doc.ResetSelection();
  doc.CommitEdit(0, doc.dataLen - 1);
  return PpgOutcome::Applied;
}

void PpgSelectAll(PpgDoc& doc) {
  doc.editMode = 0;
  doc.SetSelection({0, 0}, {doc.dataLen - 1, kPpgChannels - 1});
}

PpgOutcome PpgInvert(PpgDoc& doc, Prompter& prompter) {
  return EditBlock(doc, prompter, InvertBits);
}

PpgOutcome PpgMirror(PpgDoc& doc, Prompter& prompter) {
  return EditBlock(doc, prompter, MirrorBits);
}

PpgOutcome PpgChangeLength(PpgDoc& doc, Prompter& prompter) {
  if (!Confirm(IMFMSG(1), Icon::Warning, prompter)) return PpgOutcome::Cancelled;
  doc.rescaleX = doc.dataLen;
  doc.ResetSelection();
  doc.DropUndo();
  doc.CommitEdit(0, doc.dataLen - 1);
  return PpgOutcome::Applied;
}

}  // namespace averoz
