#include "core/wave/WaveResize.h"

#include <algorithm>
#include <vector>

#include "core/app/general.h"
#include "core/wave/GenerateCommand.h"
#include "core/wave/Resample.h"

namespace averoz {

void ResizeSamples(WaveDoc& doc, SampleRange selection, const ResizeRequest& request) {
  const int s = selection.size();
  const int m = request.length;
  const int room = doc.dataLen - doc.lastDrawn() - 1 + s;
  if (s < 1 || m < 1 || m > room) return;
  std::vector<std::int32_t> resized(m);
  Resample(std::span<const std::int32_t>(doc.waveData).subspan(selection.begin, s), resized);
  // Shrinking removes the samples behind the new block, growing opens room before it.
  if (m < s)
    doc.Shift(selection.begin + m, m - s);
  else
    doc.Shift(selection.end + 1, m - s);

  const auto [lo, hi] = std::minmax_element(resized.begin(), resized.end());
  const std::int32_t pp = *hi - *lo;
  const double f = pp == 0 ? 1.0 : double(request.amp) / pp;
  const std::int32_t correction = RoundHalfAway(f * 2048 - 2048);
  const auto out = doc.waveData.begin() + selection.begin;
  std::transform(resized.begin(), resized.end(), out, [&](std::int32_t v) {
    return std::clamp(RoundHalfAway(f * v) - correction + request.ofs, 0, kMaxCode);
  });
  std::fill_n(doc.blockNo.begin() + selection.begin, m, kBlockFree);
}

ResizeSession::ResizeSession(WaveDoc& doc, SampleRange selection)
    : doc_(doc), selection_(selection), oldLast_(doc.lastDrawn()), oldSelEnd_(doc.selEnd) {}

void ResizeSession::Preview(const ResizeRequest& request) {
  doc_.RestoreUndo();
  ResizeSamples(doc_, selection_, request);
  doc_.SetSelection(selection_.begin, selection_.begin + request.length - 1);
  doc_.NotifyDataChanged(selection_.begin, std::max(oldLast_, doc_.lastDrawn()));
}

void ResizeSession::Accept(const ResizeRequest& request) {
  doc_.RestoreUndo();
  doc_.SaveUndo();
  ResizeSamples(doc_, selection_, request);
  doc_.SetSelection(selection_.begin, selection_.begin + request.length - 1);
  doc_.CommitEdit(selection_.begin, std::max(oldLast_, doc_.lastDrawn()));
}

void ResizeSession::Cancel() {
  doc_.SetSelection(selection_.begin, oldSelEnd_);
  doc_.RestoreUndo();
}

CommandOutcome MathResize(WaveDoc& doc, const WaveScale& scale, Prompter& prompter,
                          ResizeDialog& dialog, ParamDialog& reEditDialog) {
  const auto sel = SelectedDrawn(doc);
  if (!sel) return CommandOutcome::NotRun;
  if (doc.SameProtectedBlock(doc.selBegin, doc.selEnd)) {
    const int block = doc.SelectRun(doc.selBegin);
    switch (ReEditBlock(doc, block, reEditDialog, prompter)) {
      case GenerateOutcome::Applied: return CommandOutcome::Done;
      case GenerateOutcome::Cancelled: return CommandOutcome::Cancelled;
      case GenerateOutcome::Refused: return CommandOutcome::Refused;
    }
  }
  if (doc.AnyProtected(sel->begin, sel->end)) {
    prompter.warn(ERRMSG(2));
    return CommandOutcome::Refused;
  }
  if (sel->size() < kMinMathLength) {
    prompter.warn({ERRMSG(5), {}, FormatNumber(scale.IndexToX(kMinMathLength)) + ")"});
    return CommandOutcome::Refused;
  }
  const auto first = doc.waveData.begin() + sel->begin;
  const auto [lo, hi] = std::minmax_element(first, first + sel->size());
  ResizeSetup setup;
  setup.room = doc.dataLen - doc.lastDrawn() - 1 + sel->size();
  setup.length = sel->size();
  setup.pp = *hi - *lo;
  setup.scale = scale;

  doc.SaveUndo();
  ResizeSession session(doc, *sel);
  const std::optional<ResizeRequest> request = dialog.Run(setup, session);
  // A length outside 8..room never passes the dialog's check; a wrong caller is refused.
  if (!request || request->length < kMinMathLength || request->length > setup.room) {
    session.Cancel();
    return CommandOutcome::Cancelled;
  }
  session.Accept(*request);
  return CommandOutcome::Done;
}

}  // namespace averoz
