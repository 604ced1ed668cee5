#pragma once
// The logic engine: EQU, NOT, AND, OR, XOR combine source channels into a target channel;
// Rotate and Shift move the bits of each source channel along the addresses. Bits only:
// undo, redraw and the pair channels are the callers' business.
#include <cstdint>

#include "core/ppg/PpgDoc.h"

namespace averoz {

enum class LogicOp : std::uint8_t { Equ = 0, Not = 1, And = 2, Or = 3, Xor = 4, Rotate = 5, Shift = 6 };

struct LogicRequest {
  LogicOp op = LogicOp::Equ;
  std::int32_t start = 0;    // S; the range is S..S+count-1
  std::int32_t count = 0;
  std::uint32_t srcMask = 0;  // bit ch = channel ch
  std::int32_t dest = 0;      // target channel of EQU..XOR
  bool toRight = false;       // Rotate/Shift toward higher addresses
  std::int32_t amount = 1;    // Rotate/Shift distance, 1..count
};

// Runs the request. A range reaching outside the document, an empty mask, a target outside
// 0..5 or a distance outside 1..count changes nothing (false).
bool ApplyLogic(PpgDoc& doc, const LogicRequest& r);

// Direct Invert and Mirror of addresses from..to on the channels of mask.
void InvertBits(PpgDoc& doc, std::uint32_t mask, int from, int to);
void MirrorBits(PpgDoc& doc, std::uint32_t mask, int from, int to);

}  // namespace averoz
