#include "core/wave/ParamLimits.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {
namespace {

struct Limits {
  double lo, hi;          // entry range
  double step;            // one spin press
  double spinLo, spinHi;  // spin range
  double belowSpinLo;     // what a spin below spinLo gives
};

// Data Length's upper limits are the room; its row holds the fixed parts.
constexpr Limits kLimits[] = {
    /* Data  */ {kMinGenLength, 0, 100, kMinGenLength, 0, kMinGenLength},
    /* Amp   */ {0, 2048, 100, 0, 2048, 0},
    /* Ofs   */ {-2048, 2047, 100, -2048, 2048, -2048},
    /* Cycl  */ {0.01, 100, 1, 0.01, 100, 1},
    /* Phase */ {0, 360, 10, 0, 360, 0},
    /* Damp  */ {0, 16, 1, 0, 16, 0},
    /* Duty  */ {0, 100, 10, 0, 100, 0},
};

Limits LimitsOf(ParamField field, std::int32_t room) {
  Limits l = kLimits[static_cast<int>(field)];
  if (field == ParamField::Data) l.hi = l.spinHi = room;
  return l;
}

}  // namespace

bool ParamInRange(ParamField field, double value, std::int32_t room) {
  const Limits l = LimitsOf(field, room);
  return value >= l.lo && value <= l.hi;
}

double ParamSpin(ParamField field, double value, bool up, std::int32_t room) {
  const Limits l = LimitsOf(field, room);
  const double v = up ? value + l.step : value - l.step;
  if (v > l.spinHi) return std::max(l.spinHi, l.spinLo);  // room < 8 never reaches a spin
  if (v < l.spinLo) return l.belowSpinLo;
  return v;
}

std::int32_t DefaultGenLength(std::int32_t dataLen, std::int32_t room) {
  return std::min(room, RoundHalfAway(dataLen / 8.0));
}

std::int32_t DefaultReplaceLength(std::int32_t rangeLen) {
  return std::max(rangeLen, kMinGenLength);
}

}  // namespace averoz
