#pragma once
// The fixed noise table of the Noise generator: one value per absolute sample index, so
// the same index always gets the same noise whatever block it lies in and whatever the
// document. Values 14..4095, bell-shaped around mid-scale (mean about 2047, standard
// deviation about 550). Generated once by tools/gen_noisedata.py.
#include <array>
#include <cstdint>

namespace averoz {

inline constexpr std::size_t kNoiseDataLen = 16384;

extern const std::array<std::uint16_t, kNoiseDataLen> noisedata;

}  // namespace averoz
