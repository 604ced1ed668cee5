#include "core/ppg/PpgGenerateCommand.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {

namespace {

// One run of the dialog: previews drawn and thrown away, OK as one undo step, Cancel back
// to the document and the selection as they were.
class GenerateRun final : public PpgPreviewHandler {
 public:
  GenerateRun(PpgDoc& doc, PpgKind kind, bool insert, bool invertPairs, const PatternClip& clip)
      : doc_(doc), kind_(kind), insert_(insert), invertPairs_(invertPairs), clip_(clip),
        begin_(doc.selBegin), end_(doc.selEnd) {}

  void Preview(const PpgParamChoice& choice) override {
    doc_.RestoreUndo();
    const int last = Write(choice);
    doc_.NotifyDataChanged(begin_.x, insert_ ? doc_.dataLen - 1 : end_.x);
    doc_.SetSelection(begin_, {std::max(last, begin_.x), end_.y});
  }

  void Apply(const PpgParamChoice& choice) {
    doc_.RestoreUndo();
    doc_.SaveUndo();
    const int last = Write(choice);
    if (insert_) doc_.SetSelection(begin_, {last, end_.y});
    else doc_.SetSelection(begin_, end_);
    doc_.CommitEdit(begin_.x, insert_ ? doc_.dataLen - 1 : end_.x);
  }

  void Cancel() {
    doc_.SetSelection(begin_, end_);
    doc_.RestoreUndo();
  }

 private:
  // Writes the block; returns its last address.
  int Write(const PpgParamChoice& choice) {
    const int c = begin_.x;
    const int n = insert_ ? std::clamp(choice.count, 1, doc_.dataLen - c) : end_.x - c + 1;
    if (insert_) doc_.ShiftRows(begin_.y, end_.y, n, c);
    TPpgParam p;
    p.kind = kind_;
    p.count = n;
    p.firstRow = begin_.y;
    p.lastRow = end_.y;
    p.startAddr = c;
    p.period = choice.period;
    p.duty = choice.duty;
    p.repeatCount = choice.repeatCount;
    p.valueBits = choice.valueBits;
    ApplyPpgGenerator(doc_, p, clip_);
    if (invertPairs_)
      doc_.InvertPairs(doc_.RowMask(begin_.y, end_.y), c, insert_ ? doc_.dataLen - 1 : end_.x);
    return c + n - 1;
  }

  PpgDoc& doc_;
  PpgKind kind_;
  bool insert_;
  bool invertPairs_;
  const PatternClip& clip_;
  PpgPoint begin_, end_;
};

PpgParamSetup Setup(const PpgDoc& doc, PpgKind kind, bool insert, const PatternClip& clip) {
  PpgParamSetup s;
  s.kind = kind;
  s.rowCount = doc.SelectedRowCount();
  s.clipLen = clip.patClipLen;
  s.scale = doc.Scale();
  if (insert) {
    const int room = doc.dataLen - doc.selBegin.x;
    s.fillMode = PpgFillMode::Insert;
    s.maxLen = room;
    s.minLen = kind == PpgKind::Clipboard ? 1 : 2;
    s.dataLen = kind == PpgKind::Clipboard ? std::min(clip.patClipLen, room)
                                           : std::min(room, RoundHalfAway(doc.dataLen / 8.0));
  } else {
    const int n = doc.selEnd.x - doc.selBegin.x + 1;
    s.fillMode = PpgFillMode::Overwrite;
    s.maxLen = n;
    s.dataLen = n;
  }
  return s;
}

}  // namespace

PpgOutcome RunPpgGenerator(PpgDoc& doc, PpgKind kind, PpgParamDialog& dialog,
                           const PatternClip& clip, Prompter& prompter) {
  bool invert = false;
  if (!PairQuestion(doc, doc.SelectedMask(), prompter, invert)) return PpgOutcome::Cancelled;
  if (!doc.rangeSelected) {
    prompter.warn(ERRMSG(6));
    return PpgOutcome::Refused;
  }
  const PpgPoint b = doc.selBegin, e = doc.selEnd;
  if (e.x < b.x || e.y < b.y || b.x < 0 || e.x >= doc.dataLen || b.y < 0 || e.y >= kPpgChannels)
    return PpgOutcome::Refused;
  const bool insert = b.x == e.x;
  if (insert && doc.dataLen - b.x < 2) {
    prompter.warn(ERRMSG(1));
    return PpgOutcome::Refused;
  }
  doc.SaveUndo();
  PpgParamFields fields(Setup(doc, kind, insert, clip));
  GenerateRun run(doc, kind, insert, invert, clip);
  const std::optional<PpgParamChoice> choice = dialog.Run(fields, run);
  if (!choice || (insert && prompter.ask(Message{IMFMSG(3), {}, {}}, Buttons::OkCancel,
                                         Icon::Warning) != Answer::Ok)) {
    run.Cancel();
    return PpgOutcome::Cancelled;
  }
  run.Apply(*choice);
  return PpgOutcome::Applied;
}

PpgOutcome PastePattern(PpgDoc& doc, PpgParamDialog& dialog, const PatternClip& clip,
                        Prompter& prompter, const std::string& channelsText) {
  if (!doc.rangeSelected) {
    prompter.warn(ERRMSG(8));
    return PpgOutcome::Refused;
  }
  if (doc.SelectedRowCount() != clip.patClipRows || clip.patClipLen < 1) {
    prompter.warn(Message{ERRMSG(7), {}, "(" + channelsText + std::to_string(clip.patClipRows) + ")"});
    return PpgOutcome::Refused;
  }
  return RunPpgGenerator(doc, PpgKind::Clipboard, dialog, clip, prompter);
}

}  // namespace averoz
