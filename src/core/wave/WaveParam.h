#pragma once
// The request of one generated block, and the stored parameters of a protected block.
#include <cstdint>

namespace averoz {

enum WaveKind : std::uint8_t {
  kSine = 0, kSquare, kTriangle, kRamp, kCharge, kDisCharge, kSCurveUp, kSCurveDown, kDC, kNoise,
  kNone = 10
};

// The names of the shapes as the user sees them (the Set Parameters list), by kind.
inline constexpr const char* kWaveKindNames[] = {
    "Sine", "Square", "Triangle", "Ramp", "Charge", "DisCharge", "SCurveUp", "SCurveDown", "DC",
    "Noise"};

struct TWaveParam {
  std::uint8_t kind = kNone;
  std::int32_t len = 0;      // samples generated
  std::int32_t start = 0;    // index of the first generated sample
  std::int32_t amp = 2048;   // amplitude in codes, 0..2048
  std::int32_t ofs = 2048;   // code of the centre line (2048 + offset)
  double cycles = 1.0;       // periods over len samples, 0.01..100
  double phase = 0.0;        // start phase in degrees, 0..360
  double damp = 8.0;         // damping of Charge and DisCharge, 0..16
  double duty = 50.0;        // high part of a Square period in percent
  std::int16_t blockNo = -1; // block number written for every generated sample
};

}  // namespace averoz
