#include "core/wave/WaveScale.h"

#include <cmath>
#include <limits>

namespace averoz {

namespace {
// The code span the Y range maps onto.
constexpr double kCodeSpan = 4095.0;
}  // namespace

std::int32_t RoundToInt(double x) {
  if (std::isnan(x)) return 0;
  // Extended precision keeps x + 0.5 exact for every double, so 0.49999999999999994
  // stays below one half.
  const long double t = std::trunc(x >= 0 ? x + 0.5L : x - 0.5L);
  if (t >= static_cast<long double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (t <= static_cast<long double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(t);
}

double WaveScale::IndexToX(double index) const { return rescaleX / dataLen * index; }

std::int32_t WaveScale::XToIndex(double x) const { return RoundToInt(x * dataLen / rescaleX); }

double WaveScale::CodeToY(double code) const {
  return rescaleYMin + code * (rescaleYMax - rescaleYMin) / kCodeSpan;
}

std::int32_t WaveScale::YToCode(double y) const {
  return RoundToInt(kCodeSpan / (rescaleYMax - rescaleYMin) * (y - rescaleYMin));
}

double WaveScale::CodeDiffToY(double diff) const {
  return diff * (rescaleYMax - rescaleYMin) / kCodeSpan;
}

std::int32_t WaveScale::YToCodeDiff(double y) const {
  return RoundToInt(y * kCodeSpan / (rescaleYMax - rescaleYMin));
}

}  // namespace averoz
