#include "core/ppg/PpgLogic.h"

#include <algorithm>
#include <vector>

namespace averoz {

namespace {

bool IsMove(LogicOp op) { return op == LogicOp::Rotate || op == LogicOp::Shift; }

// Bits of one channel over S..E moved by n: what leaves one end comes back at the other
// (Rotate) or is dropped with 0 coming in (Shift).
void Move(std::span<std::uint8_t> c, int s, int e, int n, bool toRight, bool rotate) {
  const int len = e - s + 1;
  std::vector<std::uint8_t> scratch(std::size_t(len), 0);
  for (int a = s; a <= e; ++a) {
    int b = toRight ? a + n : a - n;
    if (b < s || b > e) {
      if (!rotate) continue;
      b += toRight ? -len : len;
    }
    scratch[std::size_t(b - s)] = c[std::size_t(a)];
  }
  std::copy(scratch.begin(), scratch.end(), c.begin() + s);
}

}  // namespace

bool ApplyLogic(PpgDoc& doc, const LogicRequest& r) {
  const int s = r.start;
  const std::int64_t e64 = std::int64_t(r.start) + r.count - 1;
  if (s < 0 || r.count < 1 || e64 >= doc.dataLen) return false;
  const int e = int(e64);
  const std::uint32_t mask = r.srcMask & 0x3Fu;
  if (mask == 0) return false;
  if (IsMove(r.op)) {
    if (r.amount < 1 || r.amount > r.count) return false;
    for (int ch = 0; ch < kPpgChannels; ++ch)
      if (mask & (1u << ch)) Move(doc.channel(ch), s, e, r.amount, r.toRight, r.op == LogicOp::Rotate);
    return true;
  }
  if (r.dest < 0 || r.dest >= kPpgChannels) return false;
  const std::span<std::uint8_t> dest = doc.channel(r.dest);
  if (r.op == LogicOp::Equ || r.op == LogicOp::Not) {
    const std::uint8_t flip = r.op == LogicOp::Not ? 1 : 0;
    for (int ch = 0; ch < kPpgChannels; ++ch)
      if (mask & (1u << ch))
        for (int a = s; a <= e; ++a) dest[std::size_t(a)] = doc.bit(ch, a) ^ flip;
    return true;
  }
  // AND, OR, XOR build the whole result first, so the target may be a source.
  std::vector<std::uint8_t> scratch(std::size_t(e - s + 1), r.op == LogicOp::And ? 1 : 0);
  bool first = true;
  for (int ch = 0; ch < kPpgChannels; ++ch) {
    if (!(mask & (1u << ch))) continue;
    for (int a = s; a <= e; ++a) {
      std::uint8_t& acc = scratch[std::size_t(a - s)];
      const std::uint8_t v = doc.bit(ch, a);
      if (r.op == LogicOp::And) acc &= v;
      else if (r.op == LogicOp::Or) acc |= v;
      else acc = first ? v : acc ^ v;
    }
    first = false;
  }
  std::copy(scratch.begin(), scratch.end(), dest.begin() + s);
  return true;
}

void InvertBits(PpgDoc& doc, std::uint32_t mask, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, doc.dataLen - 1);
  for (int ch = 0; ch < kPpgChannels; ++ch)
    if (mask & (1u << ch))
      for (int a = from; a <= to; ++a) doc.bit(ch, a) ^= 1;
}

void MirrorBits(PpgDoc& doc, std::uint32_t mask, int from, int to) {
  from = std::max(from, 0);
  to = std::min(to, doc.dataLen - 1);
  if (from > to) return;
  for (int ch = 0; ch < kPpgChannels; ++ch)
    if (mask & (1u << ch))
      std::reverse(doc.channel(ch).begin() + from, doc.channel(ch).begin() + to + 1);
}

}  // namespace averoz
