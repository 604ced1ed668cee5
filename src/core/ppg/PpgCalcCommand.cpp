#include "core/ppg/PpgCalcCommand.h"

#include <algorithm>
#include <bit>

#include "core/app/general.h"

namespace averoz {

namespace {

bool IsMove(LogicOp op) { return op == LogicOp::Rotate || op == LogicOp::Shift; }

int OnlyChannel(std::uint32_t mask) { return std::countr_zero(mask); }

// One run of the dialog over S..E; previews thrown away, OK as one undo step.
class CalcRun final : public PpgCalcPreview {
 public:
  CalcRun(PpgDoc& doc, int s, int n, bool withSelection, Prompter& prompter)
      : doc_(doc), s_(s), n_(n), withSelection_(withSelection), prompter_(prompter),
        begin_(doc.selBegin), end_(doc.selEnd) {}

  void Preview(const PpgCalcChoice& choice) override {
    doc_.RestoreUndo();
    if (!Compute(choice)) return;
    doc_.NotifyDataChanged(s_, s_ + n_ - 1);
    ShowResultRows(choice);
  }

  PpgOutcome Apply(const PpgCalcChoice& choice) {
    doc_.RestoreUndo();
    doc_.SaveUndo();
    if (withSelection_) doc_.SetSelection(begin_, end_);
    if (!Compute(choice)) return PpgOutcome::Cancelled;
    doc_.MarkModified();
    ShowResultRows(choice);
    doc_.NotifyDataChanged(s_, s_ + n_ - 1);
    return PpgOutcome::Applied;
  }

  void Cancel() {
    if (withSelection_) doc_.SetSelection(begin_, end_);
    doc_.RestoreUndo();
  }

 private:
  // Runs the engine and the pair re-derivation; false when the pair question was cancelled.
  bool Compute(const PpgCalcChoice& c) {
    const std::uint32_t mask = c.srcMask & 0x3Fu;
    bool invert = doc_.autoInvert;
    if (IsMove(c.op) && !PairQuestion(doc_, mask, prompter_, invert)) return false;
    LogicRequest r{c.op, s_, n_, mask, c.dest, c.toRight, c.amount};
    if (mask != 0) ApplyLogic(doc_, r);
    const int e = s_ + n_ - 1;
    if (invert && IsMove(c.op)) doc_.InvertPairs(mask, s_, e);
    else if (invert && mask != 0) doc_.InvertPair(c.dest, s_, e);
    return true;
  }

  // The selection moves to the rows of the result: the target's row, the one source's row,
  // or no selection after a move of several channels.
  void ShowResultRows(const PpgCalcChoice& c) {
    if (!withSelection_) return;
    const std::uint32_t mask = c.srcMask & 0x3Fu;
    int row = 0;
    if (!IsMove(c.op)) {
      row = doc_.DisplayPos(c.dest);
    } else if (std::popcount(mask) == 1) {
      row = doc_.DisplayPos(OnlyChannel(mask));
    } else {
      doc_.ResetSelection();
      return;
    }
    doc_.SetSelection({begin_.x, row}, {end_.x, row});
  }

  PpgDoc& doc_;
  int s_, n_;
  bool withSelection_;
  Prompter& prompter_;
  PpgPoint begin_, end_;
};

}  // namespace

bool CalcTakesOneSource(LogicOp op) { return op == LogicOp::Equ || op == LogicOp::Not; }
bool CalcShowsCount(LogicOp op) { return IsMove(op); }

std::optional<MessageId> CheckCalcSources(LogicOp op, std::uint32_t srcMask) {
  const int sources = std::popcount(srcMask & 0x3Fu);
  if (IsMove(op)) return sources == 0 ? std::optional(ERRMSG(10)) : std::nullopt;
  if (CalcTakesOneSource(op)) return sources == 0 ? std::optional(ERRMSG(11)) : std::nullopt;
  return sources < 2 ? std::optional(ERRMSG(9)) : std::nullopt;
}

std::optional<std::int32_t> CheckCalcCount(std::string_view text, std::int32_t maxCount) {
  std::string t(text);
  t.erase(std::remove(t.begin(), t.end(), ' '), t.end());
  std::int32_t n = 0;
  if (!IsDigits(t) || !ParseInteger(t, n) || n < 1 || n > maxCount) return std::nullopt;
  return n;
}

std::int32_t StepCalcCount(std::int32_t n, bool up, std::int32_t maxCount) {
  const std::int64_t next = std::int64_t(n) + (up ? 10 : -10);
  return std::int32_t(std::max<std::int64_t>(1, std::min<std::int64_t>(next, maxCount)));
}

PpgOutcome RunPpgCalc(PpgDoc& doc, LogicOp op, PpgCalcDialog& dialog, Prompter& prompter) {
  const bool withSelection = doc.rangeSelected;
  if (withSelection && (doc.selEnd.x < doc.selBegin.x || doc.selBegin.x < 0 ||
                        doc.selEnd.x >= doc.dataLen))
    return PpgOutcome::Refused;
  const int s = withSelection ? doc.selBegin.x : 0;
  const int n = withSelection ? doc.selEnd.x - doc.selBegin.x + 1 : doc.dataLen;
  doc.SaveUndo();

  PpgCalcSetup setup;
  setup.op = op;
  setup.maxCount = n;
  setup.dataText = doc.AddressText(n);
  setup.countLabel = "Count(1_" + std::to_string(n) + ")";
  setup.sourceMask = withSelection ? doc.SelectedMask() : 0;

  CalcRun run(doc, s, n, withSelection, prompter);
  const std::optional<PpgCalcChoice> choice = dialog.Run(setup, run);
  if (!choice) {
    run.Cancel();
    return PpgOutcome::Cancelled;
  }
  return run.Apply(*choice);
}

}  // namespace averoz
