#include "core/wave/WaveMath.h"

#include <algorithm>
#include <vector>

#include "core/app/general.h"
#include "core/wave/Resample.h"

namespace averoz {
namespace {

enum class FitStart { Cancelled, Unprotected, Unchanged };

// The protection question of the Fit commands; takes the undo snapshot when they go on.
FitStart UnprotectForFit(WaveDoc& doc, int from, int to, Prompter& prompter) {
  if (!doc.AnyProtected(from, to)) {
    doc.SaveUndo();
    return FitStart::Unchanged;
  }
  if (prompter.ask({IMFMSG(16), {}, {}}, Buttons::OkCancel, Icon::Question) != Answer::Ok)
    return FitStart::Cancelled;
  doc.SaveUndo();
  doc.UnprotectAll();
  return FitStart::Unprotected;
}

}  // namespace

CommandOutcome MathPointOp(WaveDoc& doc, PointOp op, Prompter& prompter) {
  CommandOutcome stopped{};
  const auto sel = WritableSelection(doc, prompter, stopped);
  if (!sel) return stopped;
  doc.SaveUndo();
  const auto first = doc.waveData.begin() + sel->begin;
  const auto last = doc.waveData.begin() + sel->end + 1;
  switch (op) {
    case PointOp::Invert: std::transform(first, last, first, InvertCode); break;
    case PointOp::Absolute: std::transform(first, last, first, AbsoluteCode); break;
    case PointOp::Mirror: std::reverse(first, last); break;
    case PointOp::Clip: {
      const std::int32_t lo = doc.csrY1;
      const std::int32_t hi = doc.csrY2;
      std::transform(first, last, first, [lo, hi](std::int32_t v) {
        return std::max(std::min(v, hi), lo);
      });
      break;
    }
  }
  doc.CommitEdit(sel->begin, sel->end);
  return CommandOutcome::Done;
}

CommandOutcome MathFitX(WaveDoc& doc, Prompter& prompter) {
  const int last = doc.lastDrawn();
  const bool selected = doc.rangeSelected && doc.selEnd >= doc.selBegin;
  std::optional<SampleRange> sel;
  if (selected) {
    sel = SelectedDrawn(doc);
    if (!sel) {
      prompter.warn(ERRMSG(31));
      return CommandOutcome::Refused;
    }
  }
  const FitStart start = UnprotectForFit(doc, selected ? sel->begin : 0, last, prompter);
  if (start == FitStart::Cancelled) return CommandOutcome::Cancelled;
  const int free = doc.dataLen - last - 1;
  if (free == 0) {
    // Already full: the unprotecting stays, and the blocks are repainted.
    if (start == FitStart::Unprotected) doc.NotifyDataChanged(0, last);
    return CommandOutcome::Done;
  }
  if (last < 0) return CommandOutcome::Done;  // an empty document stays empty

  const int begin = selected ? sel->begin : 0;
  const int h = selected ? sel->size() : last + 1;
  const int m = h + free;
  if (selected) doc.Shift(sel->end + 1, free);
  std::vector<std::int32_t> stretched(m);
  Resample(std::span<const std::int32_t>(doc.waveData).subspan(begin, h), stretched);
  std::copy(stretched.begin(), stretched.end(), doc.waveData.begin() + begin);
  std::fill(doc.blockNo.begin() + begin, doc.blockNo.begin() + begin + m, kBlockFree);
  if (selected) doc.SetSelection(begin, begin + m - 1);
  // Unprotecting changed the block numbers before the selection too.
  doc.CommitEdit(start == FitStart::Unprotected ? 0 : begin, doc.dataLen - 1);
  return CommandOutcome::Done;
}

CommandOutcome MathFitY(WaveDoc& doc, Prompter& prompter) {
  const bool selected = doc.rangeSelected && doc.selEnd >= doc.selBegin;
  SampleRange range{0, doc.lastDrawn()};
  if (selected) range = SelectedDrawn(doc).value_or(SampleRange{});
  if (range.size() < 2) {
    prompter.warn(ERRMSG(31));
    return CommandOutcome::Refused;
  }
  const auto first = doc.waveData.begin() + range.begin;
  const auto last = doc.waveData.begin() + range.end + 1;
  const auto [lo, hi] = std::minmax_element(first, last);
  const std::int32_t lowest = *lo;
  const std::int32_t highest = *hi;
  if (highest - lowest <= 0) {
    prompter.warn(ERRMSG(32));
    return CommandOutcome::Refused;
  }
  const FitStart start = UnprotectForFit(doc, range.begin, range.end, prompter);
  if (start == FitStart::Cancelled) return CommandOutcome::Cancelled;
  const double f = double(kMaxCode) / (highest - lowest);
  const std::int32_t c = RoundHalfAway(highest * f) - kMaxCode;
  std::transform(first, last, first, [f, c](std::int32_t v) {
    return std::clamp(RoundHalfAway(v * f) - c, 0, kMaxCode);
  });
  // Unprotecting changed the block numbers of every drawn sample.
  if (start == FitStart::Unprotected)
    doc.CommitEdit(0, doc.lastDrawn());
  else
    doc.CommitEdit(range.begin, range.end);
  return CommandOutcome::Done;
}

}  // namespace averoz
