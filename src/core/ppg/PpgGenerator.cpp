#include "core/ppg/PpgGenerator.h"

#include <algorithm>
#include <cmath>

#include "core/app/general.h"

namespace averoz {

namespace {

struct Block {
  int first = 0;  // addresses first..last
  int last = -1;
  int firstRow = 0;
  int lastRow = -1;
};

Block Clip(const PpgDoc& doc, const TPpgParam& p) {
  Block b;
  b.first = std::max(p.startAddr, 0);
  const std::int64_t end = std::int64_t(p.startAddr) + p.count - 1;
  b.last = int(std::min<std::int64_t>(end, doc.dataLen - 1));
  b.firstRow = std::max(p.firstRow, 0);
  b.lastRow = std::min(p.lastRow, kPpgChannels - 1);
  return b;
}

void Fill(PpgDoc& doc, const Block& b, int ch, std::uint8_t v) {
  if (b.first > b.last) return;
  std::fill(doc.channel(ch).begin() + b.first, doc.channel(ch).begin() + b.last + 1, v);
}

void Clock(PpgDoc& doc, const TPpgParam& p, const Block& b, int ch) {
  const int period = RoundHalfAway(p.period);
  if (period < 2) return;
  const int high = RoundHalfAway(p.period * p.duty / 100.0);
  const std::span<std::uint8_t> c = doc.channel(ch);
  const std::int64_t end = std::int64_t(p.startAddr) + p.count - 1;
  for (std::int64_t idx = p.startAddr; idx <= end; idx += period)
    for (int j = 0; j < period && idx + j <= end; ++j)
      if (idx + j >= b.first && idx + j <= b.last) c[std::size_t(idx + j)] = j < high ? 1 : 0;
}

void Counter(PpgDoc& doc, const TPpgParam& p, const Block& b, int ch, int k) {
  const double period = RoundHalfAway(p.period);
  if (period < 2) return;
  const double step = period * std::ldexp(1.0, k - 1);  // the top row toggles every P/2
  const std::span<std::uint8_t> c = doc.channel(ch);
  for (int a = b.first; a <= b.last; ++a) {
    const auto n = static_cast<std::int64_t>(std::trunc(double(a - p.startAddr) / step));
    c[std::size_t(a)] = std::uint8_t(n & 1);
  }
}

void Value(PpgDoc& doc, const TPpgParam& p, const Block& b, int ch, int k) {
  const int pos = int(p.valueBits.size()) - k;  // 1-based from the left
  const std::uint8_t v = pos >= 1 && p.valueBits[std::size_t(pos - 1)] != '0' ? 1 : 0;
  Fill(doc, b, ch, v);
}

void Clipboard(PpgDoc& doc, const TPpgParam& p, const Block& b, int ch, int k,
               const PatternClip& clip) {
  const int lc = clip.patClipLen;
  if (lc < 1 || k >= clip.patClipRows) return;
  const std::span<std::uint8_t> c = doc.channel(ch);
  for (int a = b.first; a <= b.last; ++a) {
    const int t = a - p.startAddr;
    if (double(t) / lc >= p.repeatCount) break;
    c[std::size_t(a)] = clip.at(k, t % lc);
  }
}

}  // namespace

void ApplyPpgGenerator(PpgDoc& doc, const TPpgParam& p, const PatternClip& clip) {
  const Block b = Clip(doc, p);
  if (b.first > b.last) return;
  for (int row = b.firstRow; row <= b.lastRow; ++row) {
    const int ch = doc.chOrder[row];
    const int k = row - p.firstRow;
    switch (p.kind) {
      case PpgKind::High: Fill(doc, b, ch, 1); break;
      case PpgKind::Lo: Fill(doc, b, ch, 0); break;
      case PpgKind::Clock: Clock(doc, p, b, ch); break;
      case PpgKind::Counter: Counter(doc, p, b, ch, k); break;
      case PpgKind::Value: Value(doc, p, b, ch, k); break;
      case PpgKind::Clipboard: Clipboard(doc, p, b, ch, k, clip); break;
    }
  }
}

}  // namespace averoz
