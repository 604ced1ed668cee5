#include "core/wave/Strokes.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {

namespace {

bool InDoc(const WaveDoc& doc, int i) { return i >= 0 && i < doc.dataLen; }
bool Undrawn(const WaveDoc& doc, int i) { return doc.waveData[std::size_t(i)] < 0; }
bool Protected(const WaveDoc& doc, int i) {
  return !Undrawn(doc, i) && doc.blockNo[std::size_t(i)] >= 1;
}

void FreeBlocks(WaveDoc& doc, int from, int to) {
  for (int i = std::max(from, 0); i <= to && i < doc.dataLen; ++i)
    doc.blockNo[std::size_t(i)] = kBlockFree;
}

// A line that joins the drawn part: its first sample keeps a protected block's number.
void FreeJoinedBlocks(WaveDoc& doc, int start, int end) {
  FreeBlocks(doc, start + 1, end);
  if (doc.blockNo[std::size_t(start)] == kBlockNever) doc.blockNo[std::size_t(start)] = kBlockFree;
}

// The protected sample nearest to `from` among from..to (either order); empty when none.
std::optional<int> ProtectedOnTheWay(const WaveDoc& doc, int from, int to) {
  const int step = from <= to ? 1 : -1;
  for (int i = from;; i += step) {
    if (InDoc(doc, i) && Protected(doc, i)) return i;
    if (i == to) return std::nullopt;
  }
}

StrokeRefusal ProtectedAt(int index) { return {StrokeRefusal::Why::Protected, index}; }
StrokeRefusal GapAt(int index) { return {StrokeRefusal::Why::Gap, index}; }

}  // namespace

void WriteLineCodes(WaveDoc& doc, WavePoint a, WavePoint b) {
  const WavePoint base = a.index <= b.index ? a : b;
  const WavePoint other = a.index <= b.index ? b : a;
  const double slope = other.index == base.index
                           ? 0.0
                           : double(other.code - base.code) / (other.index - base.index);
  const int from = std::max(base.index, 0);
  const int to = std::min(other.index, doc.dataLen - 1);
  for (int x = from; x <= to; ++x)
    doc.waveData[std::size_t(x)] =
        std::clamp(base.code + RoundHalfAway(slope * (x - base.index)), 0, kMaxCode);
}

WavePoint TailStart(const WaveDoc& doc) {
  const int last = doc.lastDrawn();
  if (last < 0) return {0, 2048};
  return {last, doc.waveData[std::size_t(last)]};
}

// ---- freehand ------------------------------------------------------------------------------

bool FreehandStroke::Begin(WaveDoc& doc, WavePoint p) {
  point_.reset();
  refusal_.reset();
  if (!InDoc(doc, p.index)) return false;
  if (Protected(doc, p.index)) {
    refusal_ = ProtectedAt(p.index);
    return false;
  }
  doc.SaveUndo();
  if (!Undrawn(doc, p.index)) {
    doc.waveData[std::size_t(p.index)] = p.code;
    point_ = p;
    doc.CommitEdit(p.index, p.index);
    return true;
  }
  const WavePoint start = TailStart(doc);
  WriteLineCodes(doc, start, p);
  FreeJoinedBlocks(doc, start.index, p.index);
  point_ = p;
  doc.CommitEdit(start.index, p.index);
  return true;
}

void FreehandStroke::Move(WaveDoc& doc, WavePoint p) {
  refusal_.reset();
  if (!point_ || !InDoc(doc, p.index) || p.index == point_->index) return;
  const int lo = std::min(p.index, point_->index), hi = std::max(p.index, point_->index);
  // Also a protected run jumped over between two pointer positions ends the stroke: the
  // segment would have to pass through it. A segment starting past the drawn part (the
  // document changed under the stroke) would leave a gap.
  if (const auto met = ProtectedOnTheWay(doc, point_->index, p.index)) refusal_ = ProtectedAt(*met);
  else if (lo > doc.lastDrawn() + 1) refusal_ = GapAt(lo);
  if (refusal_) {
    End();
    return;
  }
  WriteLineCodes(doc, *point_, p);
  if (p.index > point_->index) FreeBlocks(doc, lo, hi);
  point_ = p;
  doc.NotifyDataChanged(lo, hi);
}

// ---- line tool -----------------------------------------------------------------------------

namespace {

// Writes the line, or returns why it wrote nothing.
std::optional<StrokeRefusal> FinishLine(WaveDoc& doc, WavePoint start, WavePoint end,
                                        bool toTail) {
  if (toTail) {
    // Out into the undrawn tail from the start: the start must still be where the drawn
    // part can go on from (the document may have changed since the first click).
    if (start.index > end.index || start.index > doc.lastDrawn() + 1) return GapAt(start.index);
    if (const auto met = ProtectedOnTheWay(doc, start.index + 1, end.index)) return ProtectedAt(*met);
    doc.SaveUndo();
    WriteLineCodes(doc, start, end);
    FreeJoinedBlocks(doc, start.index, end.index);
    doc.CommitEdit(start.index, end.index);
    return std::nullopt;
  }
  if (const auto met = ProtectedOnTheWay(doc, start.index, end.index)) return ProtectedAt(*met);
  const int lo = std::min(start.index, end.index), hi = std::max(start.index, end.index);
  doc.SaveUndo();
  WriteLineCodes(doc, start, end);
  FreeBlocks(doc, lo, hi);
  doc.CommitEdit(lo, hi);
  return std::nullopt;
}

}  // namespace

bool LineTool::Click(WaveDoc& doc, WavePoint p, bool atContentLeft) {
  refusal_.reset();
  if (!InDoc(doc, p.index)) return false;
  if (Protected(doc, p.index)) {
    refusal_ = ProtectedAt(p.index);
    return false;
  }
  const bool undrawn = Undrawn(doc, p.index);
  if (!start_) {
    if (!undrawn) start_ = p;
    else if (doc.lastDrawn() < 0) start_ = WavePoint{0, atContentLeft ? p.code : 2048};
    else start_ = TailStart(doc);
    return false;
  }
  const WavePoint start = *start_;
  start_.reset();
  refusal_ = FinishLine(doc, start, p, undrawn);
  return true;
}

// ---- select --------------------------------------------------------------------------------

void SelectPress(WaveDoc& doc, int index, bool onDrawnSample) {
  if (onDrawnSample && InDoc(doc, index)) doc.SetSelection(index, index);
  else doc.ResetSelection();
}

void SelectDrag(WaveDoc& doc, int index) {
  if (!doc.rangeSelected) return;
  int end = !InDoc(doc, index) || Undrawn(doc, index) ? doc.lastDrawn() : index;
  doc.SetSelection(doc.selBegin, std::max(end, doc.selBegin));
}

}  // namespace averoz
