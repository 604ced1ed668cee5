#pragma once
// What every waveform document shares, owned once by the main window: the waveform
// clipboard that Copy, Cut and Paste go through, and the operand of Add, Sub and Multiply.
#include <cstdint>
#include <vector>

#include "core/wave/WaveDoc.h"

namespace averoz {

struct WaveClipState {
  std::vector<std::int32_t> waveClip = std::vector<std::int32_t>(kWaveLen, 0);
  std::int32_t waveClipLen = 0;  // 0: empty, as at start
  std::vector<std::int32_t> operand = std::vector<std::int32_t>(kWaveLen, 0);
  std::int32_t operandLen = 0;
};

}  // namespace averoz
