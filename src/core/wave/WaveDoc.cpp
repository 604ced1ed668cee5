#include "core/wave/WaveDoc.h"

#include <algorithm>
#include <cstdint>
#include <span>

namespace averoz {

WaveDoc::WaveDoc()
    : waveData(dataLen, kUndrawn),
      blockNo(dataLen, kBlockNever),
      blockParams(kMaxBlockNo + 1),  // a default TWaveParam has kind 10 (none)
      undoWave(dataLen, kUndrawn),
      undoBlockNo(dataLen, kBlockNever) {}

int WaveDoc::lastDrawn() const {
  // Codes are never negative, so a chunk whose OR has the sign bit set holds the undrawn
  // marker; the OR vectorises, the exact search runs only in that chunk.
  constexpr int kChunk = 64;
  const std::int32_t* w = waveData.data();
  int i = 0;
  for (; i + kChunk <= dataLen; i += kChunk) {
    std::int32_t any = 0;
    for (int k = 0; k < kChunk; ++k) any |= w[i + k];
    if (any < 0) break;
  }
  const auto first = std::find(waveData.begin() + i, waveData.end(), kUndrawn);
  return static_cast<int>(first - waveData.begin()) - 1;
}

bool WaveDoc::AnyProtected(int from, int to) const {
  if (from < 0 || to < from) return false;
  to = std::min(to, dataLen - 1);
  if (from > to) return false;
  return std::any_of(blockNo.begin() + from, blockNo.begin() + to + 1,
                     [](std::int16_t b) { return b >= 1; });
}

bool WaveDoc::SameProtectedBlock(int i, int j) const {
  return InDoc(i) && InDoc(j) && blockNo[i] >= 1 && blockNo[j] == blockNo[i];
}

void WaveDoc::SaveUndo() {
  std::copy(waveData.begin(), waveData.end(), undoWave.begin());
  std::copy(blockNo.begin(), blockNo.end(), undoBlockNo.begin());
  hasSnapshot_ = true;
  undoReady = true;
  if (listener_) listener_->UndoStateChanged(true);
}

bool WaveDoc::RestoreUndo() {
  if (!hasSnapshot_) return false;
  std::copy(undoWave.begin(), undoWave.end(), waveData.begin());
  std::copy(undoBlockNo.begin(), undoBlockNo.end(), blockNo.begin());
  undoReady = false;
  if (listener_) {
    listener_->UndoStateChanged(false);
    listener_->DataChanged(0, dataLen - 1);
  }
  return true;
}

void WaveDoc::Shift(int s, int d) {
  if (!InDoc(s) || d == 0) return;
  // 64-bit so that any distance, even the most negative int, cannot overflow.
  const std::int64_t dist = d;
  const std::int64_t n = dataLen;
  if (dist > 0) {
    if (s + dist >= n) return;  // everything from s would leave the document
    const auto last = static_cast<std::ptrdiff_t>(n - dist);  // one past the last kept source
    std::copy_backward(waveData.begin() + s, waveData.begin() + last, waveData.end());
    std::copy_backward(blockNo.begin() + s, blockNo.begin() + last, blockNo.end());
    return;
  }
  const std::int64_t from = std::min<std::int64_t>(s - dist, n);  // first sample kept
  const auto kept = static_cast<std::ptrdiff_t>(n - from);
  std::copy(waveData.begin() + from, waveData.end(), waveData.begin() + s);
  std::copy(blockNo.begin() + from, blockNo.end(), blockNo.begin() + s);
  std::fill(waveData.begin() + s + kept, waveData.end(), kUndrawn);
  std::fill(blockNo.begin() + s + kept, blockNo.end(), kBlockNever);
}

void WaveDoc::ClearRange(int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, dataLen - 1);
  if (from > to) return;
  std::fill(waveData.begin() + from, waveData.begin() + to + 1, kUndrawn);
  std::fill(blockNo.begin() + from, blockNo.begin() + to + 1, kBlockNever);
}

void WaveDoc::UnprotectAll() {
  std::fill(blockNo.begin(), blockNo.begin() + lastDrawn() + 1, kBlockFree);
}

bool WaveDoc::WriteSamples(const TWaveParam& p, const WaveGenerator& generator) {
  if (p.start < 0 || p.len < 0 || p.len > dataLen - p.start) return false;
  if (p.blockNo < kBlockFree || p.blockNo > kMaxBlockNo) return false;
  generator.Generate(p, std::span<std::int32_t>(waveData));
  std::fill(blockNo.begin() + p.start, blockNo.begin() + p.start + p.len, p.blockNo);
  return true;
}

bool WaveDoc::WriteBlock(const TWaveParam& p, const WaveGenerator& generator) {
  if (!WriteSamples(p, generator)) return false;
  if (p.blockNo > 0) blockParams[p.blockNo] = p;
  return true;
}

bool WaveDoc::PreviewBlock(const TWaveParam& p, const WaveGenerator& generator) {
  return WriteSamples(p, generator);
}

std::optional<std::int16_t> WaveDoc::NewBlockNo() {
  if (BlockLimitReached()) return std::nullopt;
  return static_cast<std::int16_t>(++blockCount);
}

int WaveDoc::SelectRun(int i) {
  if (!InDoc(i)) return 0;
  const std::int16_t b = blockNo[i];
  if (b == kBlockNever) return 0;
  int first = i;
  while (first > 0 && blockNo[first - 1] == b) --first;
  int last = i;
  while (last < dataLen - 1 && blockNo[last + 1] == b) ++last;
  SetSelection(first, last);
  return b;
}

void WaveDoc::SetSelection(int begin, int end) {
  rangeSelected = true;
  selBegin = begin;
  selEnd = end;
  if (listener_) listener_->SelectionChanged();
}

void WaveDoc::ResetSelection() {
  rangeSelected = false;
  selBegin = selEnd = 0;
  if (listener_) listener_->SelectionChanged();
}

std::optional<MessageId> WaveDoc::DeleteSelection() {
  if (!rangeSelected || selEnd < selBegin || !InDoc(selBegin)) return std::nullopt;
  const int begin = selBegin;
  const int end = std::min(selEnd, dataLen - 1);
  if (AnyProtected(begin, end)) return ERRMSG(2);
  const int oldLast = lastDrawn();
  SaveUndo();
  Shift(begin, begin - end - 1);
  CommitEdit(begin, std::max(begin, oldLast));
  ResetSelection();
  return std::nullopt;
}

void WaveDoc::NotifyDataChanged(int a, int b) {
  if (listener_) listener_->DataChanged(a, b);
}

void WaveDoc::NotifyCursorsChanged() {
  if (listener_) listener_->CursorsChanged();
}

void WaveDoc::MarkModified() {
  const bool was = isSaved;
  isSaved = false;
  if (was && listener_) listener_->ModifiedChanged(true);
}

void WaveDoc::MarkSaved() {
  const bool was = isSaved;
  isSaved = true;
  if (!was && listener_) listener_->ModifiedChanged(false);
}

void WaveDoc::CommitEdit(int a, int b) {
  NotifyDataChanged(a, b);
  MarkModified();
}

}  // namespace averoz
