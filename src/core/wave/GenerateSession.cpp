#include "core/wave/GenerateSession.h"

#include <algorithm>

#include "core/wave/ParamLimits.h"

namespace averoz {

namespace {
const StandardGenerator kStandardShapes{};
}  // namespace

GenerateSession::GenerateSession(WaveDoc& doc, const NewDataTarget& target, std::uint8_t kind,
                                 ParamMode mode, Prompter& prompter)
    : GenerateSession(doc, target, kind, mode, prompter, kStandardShapes) {}

GenerateSession::GenerateSession(WaveDoc& doc, const NewDataTarget& target, std::uint8_t kind,
                                 ParamMode mode, Prompter& prompter,
                                 const WaveGenerator& generator)
    : doc_(doc), target_(target), kind_(kind), mode_(mode), prompter_(prompter),
      generator_(generator), selEnd_(doc.selEnd) {
  doc_.SaveUndo();
}

bool GenerateSession::Run(ParamDialog& dialog, const ParamDialogSetup& setup) {
  if (dialog.Run(setup, *this)) return true;
  Cancel();
  return false;
}

std::int32_t GenerateSession::LengthOf(const ParamChoice& choice) const {
  // The fill covers exactly the tail. Otherwise the dialog has checked the length; the clamp
  // only guards the room, so that nothing drawn can be pushed past the end.
  if (mode_ == ParamMode::Fill) return target_.room;
  return std::clamp(choice.p.len, std::min(kMinGenLength, target_.room), target_.room);
}

TWaveParam GenerateSession::Place(const ParamChoice& choice) {
  TWaveParam p = choice.p;
  p.kind = kind_;
  p.len = LengthOf(choice);
  p.start = PlaceNewData(doc_, target_, p.len);
  return p;
}

void GenerateSession::Preview(const ParamChoice& choice) {
  doc_.RestoreUndo();  // each preview replaces the previous one
  TWaveParam p = Place(choice);
  // The preview carries the number of the current last block so that it shows like one.
  p.blockNo = static_cast<std::int16_t>(doc_.blockCount);
  doc_.PreviewBlock(p, generator_);
  // At an insertion point or over a range the previewed block shows as the selection.
  if (target_.mode != NewDataMode::Append) doc_.SetSelection(p.start, p.start + p.len - 1);
  doc_.NotifyDataChanged(p.start, target_.ChangedEnd(p.len));
}

bool GenerateSession::Accept(const ParamChoice& choice) {
  const bool protect = choice.protect && mode_ != ParamMode::Fill;
  // A re-edit may ask for a new number when all are given out; numbers stay within 10000.
  if (protect && doc_.BlockLimitReached()) {
    prompter_.warn(ERRMSG(4));
    return false;
  }
  // Undo goes back to the document as it was before the dialog, without any preview.
  doc_.RestoreUndo();
  doc_.SaveUndo();
  TWaveParam p = Place(choice);
  p.blockNo = protect ? *doc_.NewBlockNo() : kBlockFree;
  doc_.WriteBlock(p, generator_);
  if (target_.mode != NewDataMode::Append) doc_.SetSelection(p.start, p.start + p.len - 1);
  doc_.CommitEdit(p.start, target_.ChangedEnd(p.len));
  return true;
}

void GenerateSession::Cancel() {
  doc_.RestoreUndo();
  // A preview showed its block as the selection; the selection goes back to its own end.
  if (doc_.rangeSelected) doc_.SetSelection(doc_.selBegin, selEnd_);
}

}  // namespace averoz
