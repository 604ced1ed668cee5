#pragma once
// Conversions between sample indices / output codes and the user's X and Y units. Every
// dialog and read-out goes through the active scale, which the main window copies from the
// active document. Results in indices and codes are rounded half away from zero; a
// degenerate scale (rescaleYMax equal to rescaleYMin) or a wild entry clamps to the 32-bit
// range instead of converting undefinedly.
#include <cstdint>

namespace averoz {

struct WaveScale {
  std::int32_t dataLen = 16384;
  double rescaleX = 16384.0;    // X value of sample index dataLen
  double rescaleYMin = 0.0;     // Y value of code 0
  double rescaleYMax = 4095.0;  // Y value of code 4095

  double IndexToX(double index) const;
  std::int32_t XToIndex(double x) const;
  double CodeToY(double code) const;
  std::int32_t YToCode(double y) const;
  // Amplitudes, offsets and widths: differences carry no rescaleYMin.
  double CodeDiffToY(double diff) const;
  std::int32_t YToCodeDiff(double y) const;
  // An entered X value snapped to the nearest whole sample.
  double NormalizeX(double x) const { return IndexToX(XToIndex(x)); }
};

}  // namespace averoz
