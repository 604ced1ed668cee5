#include "core/wave/WaveScale.h"

#include "core/app/general.h"

namespace averoz {

namespace {
// The code span the Y range maps onto.
constexpr double kCodeSpan = 4095.0;
}  // namespace

double WaveScale::IndexToX(double index) const { return rescaleX / dataLen * index; }

std::int32_t WaveScale::XToIndex(double x) const {
  return RoundHalfAway(x * dataLen / rescaleX);
}

double WaveScale::CodeToY(double code) const {
  return rescaleYMin + code * (rescaleYMax - rescaleYMin) / kCodeSpan;
}

std::int32_t WaveScale::YToCode(double y) const {
  return RoundHalfAway(kCodeSpan / (rescaleYMax - rescaleYMin) * (y - rescaleYMin));
}

double WaveScale::CodeDiffToY(double diff) const {
  return diff * (rescaleYMax - rescaleYMin) / kCodeSpan;
}

std::int32_t WaveScale::YToCodeDiff(double y) const {
  return RoundHalfAway(y * kCodeSpan / (rescaleYMax - rescaleYMin));
}

}  // namespace averoz
