#include "core/ppg/PpgDoc.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {

namespace {
bool IsPermutation(const std::array<std::uint8_t, kPpgChannels>& order) {
  std::array<bool, kPpgChannels> seen{};
  for (std::uint8_t ch : order) {
    if (ch >= kPpgChannels || seen[ch]) return false;
    seen[ch] = true;
  }
  return true;
}
}  // namespace

PpgDoc::PpgDoc()
    : bitData(std::size_t(kPpgChannels) * dataLen, 0),
      undoData(std::size_t(kPpgChannels) * dataLen, 0) {}

bool PpgDoc::LoadBits(std::span<const std::uint8_t> bits) {
  if (bits.size() != bitData.size()) return false;
  std::transform(bits.begin(), bits.end(), bitData.begin(),
                 [](std::uint8_t b) { return std::uint8_t(b != 0); });
  return true;
}

std::string PpgDoc::AddressText(double address) const {
  return FormatNumber(Scale().IndexToX(address));
}

int PpgDoc::Word(int addr) const {
  int w = 0;
  for (int ch = 0; ch < kPpgChannels; ++ch) w |= bit(ch, addr) << ch;
  return w;
}

int PpgDoc::DisplayPos(int ch) const {
  const auto it = std::find(chOrder.begin(), chOrder.end(), ch);
  return it == chOrder.end() ? 0 : int(it - chOrder.begin());
}

std::string PpgDoc::DisplayRowBits(int addr, int firstRow, int lastRow) const {
  std::string s;
  for (int row = lastRow; row >= firstRow; --row)
    if (row >= 0 && row < kPpgChannels) s += char('0' + bit(chOrder[row], addr));
  return s;
}

std::uint32_t PpgDoc::RowMask(int firstRow, int lastRow) const {
  std::uint32_t mask = 0;
  for (int row = std::max(firstRow, 0); row <= std::min(lastRow, kPpgChannels - 1); ++row)
    mask |= 1u << chOrder[row];
  return mask;
}

void PpgDoc::SaveUndo() {
  undoData = bitData;
  hasSnapshot_ = true;
  undoReady = true;
  if (listener_) listener_->UndoStateChanged(true);
}

bool PpgDoc::RestoreUndo() {
  if (!hasSnapshot_) return false;
  bitData = undoData;
  undoReady = false;
  if (listener_) {
    listener_->UndoStateChanged(false);
    listener_->DataChanged(0, dataLen - 1);
  }
  return true;
}

void PpgDoc::DropUndo() {
  undoReady = false;
  if (listener_) listener_->UndoStateChanged(false);
}

void PpgDoc::ShiftRows(int firstRow, int lastRow, int d, int s) {
  if (d < 1 || s < 0 || s >= dataLen || d >= dataLen - s) return;
  for (int row = std::max(firstRow, 0); row <= std::min(lastRow, kPpgChannels - 1); ++row) {
    const std::span<std::uint8_t> c = channel(chOrder[row]);
    std::copy_backward(c.begin() + s, c.end() - d, c.end());
  }
}

void PpgDoc::InvertPair(int ch, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, dataLen - 1);
  if (ch < 0 || ch >= kPpgChannels || from > to) return;
  const int p = PairOf(ch);
  for (int a = from; a <= to; ++a) bit(p, a) = std::uint8_t(1 - bit(ch, a));
  if (listener_) listener_->PairInverted(p, from, to);
}

void PpgDoc::InvertPairs(std::uint32_t mask, int from, int to) {
  for (int ch = 0; ch < kPpgChannels; ++ch)
    if (mask & (1u << ch)) InvertPair(ch, from, to);
}

void PpgDoc::SetSelection(PpgPoint begin, PpgPoint end) {
  rangeSelected = true;
  selBegin = begin;
  selEnd = end;
  if (listener_) listener_->SelectionChanged();
}

void PpgDoc::ResetSelection() {
  rangeSelected = false;
  selBegin = selEnd = PpgPoint{};
  if (listener_) listener_->SelectionChanged();
}

bool PpgDoc::SetOrder(const std::array<std::uint8_t, kPpgChannels>& order) {
  if (!IsPermutation(order)) return false;
  chOrder = order;
  if (listener_) listener_->OrderChanged();
  ResetSelection();
  return true;
}

void PpgDoc::NotifyDataChanged(int a, int b) {
  if (listener_) listener_->DataChanged(a, b);
}

void PpgDoc::MarkModified() {
  isSaved = false;
  if (listener_) listener_->ModifiedChanged(true);
}

void PpgDoc::MarkSaved() {
  isSaved = true;
  if (listener_) listener_->ModifiedChanged(false);
}

void PpgDoc::CommitEdit(int a, int b) {
  NotifyDataChanged(a, b);
  MarkModified();
}

}  // namespace averoz
