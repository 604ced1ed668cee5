#include "core/wave/StandardGenerator.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "core/app/general.h"
#include "core/wave/NoiseData.h"

namespace averoz {
namespace {

constexpr double kPi = std::numbers::pi;
constexpr std::int64_t kMaxCode = 4095;

std::int32_t Clip(std::int64_t v) {
  return static_cast<std::int32_t>(std::clamp<std::int64_t>(v, 0, kMaxCode));
}

// RoundHalfAway saturates and maps NaN to 0, so even wild parameters convert safely.
std::int32_t Code(double x) { return Clip(RoundHalfAway(x)); }

// round(y) + ofs: Sine, the S-curves and Noise round before adding the offset, which
// differs from rounding the sum at negative halves.
std::int32_t CodeAbout(double y, std::int64_t ofs) { return Clip(RoundHalfAway(y) + ofs); }

// Calls value(k, i) for every index i of the request that lies in waveData, k = i - start.
template <class Value>
void Fill(const TWaveParam& p, std::span<std::int32_t> waveData, Value value) {
  if (p.len <= 0) return;
  const auto size = static_cast<std::int64_t>(waveData.size());
  const std::int64_t first = std::max<std::int64_t>(p.start, 0);
  const std::int64_t end = std::min<std::int64_t>(std::int64_t{p.start} + p.len, size);
  for (std::int64_t i = first; i < end; ++i) {
    waveData[static_cast<std::size_t>(i)] = value(i - p.start, i);
  }
}

// Position m of sample k in its period: the start phase as a distance plus k, brought into
// 0..T by repeated subtraction of T (fmod rounds differently at period boundaries).
class PeriodPosition {
 public:
  explicit PeriodPosition(const TWaveParam& p)
      : t_(p.len / p.cycles), phaseDistance_(t_ * p.phase / 360) {}

  double T() const { return t_; }

  double At(std::int64_t k) const {
    double m = phaseDistance_ + static_cast<double>(k);
    // cycles <= 0 or NaN: no usable period, every sample sits at its start.
    if (!(t_ > 0) || !std::isfinite(m)) return 0;
    // Dialog values need at most about 101 subtractions; far larger quotients only come
    // from out-of-range cycles or phase, where the loop could run for ages or forever.
    if (m / t_ > kMaxSubtractions) m = std::fmod(m, t_);
    while (m >= t_) m -= t_;
    return m;
  }

 private:
  static constexpr double kMaxSubtractions = 1024;
  double t_;
  double phaseDistance_;
};

// Fills with shape(m, T) for the periodic shapes.
template <class Shape>
void FillPeriodic(const TWaveParam& p, std::span<std::int32_t> waveData, Shape shape) {
  if (p.len <= 0) return;
  const PeriodPosition pos(p);
  const double t = pos.T();
  Fill(p, waveData, [&](std::int64_t k, std::int64_t) { return shape(pos.At(k), t); });
}

}  // namespace

void GenerateSine(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  const double n = p.len;
  const double radPerSample = 2 * kPi * p.cycles;
  const double startRad = p.phase * kPi / 180;
  Fill(p, waveData, [&](std::int64_t k, std::int64_t) {
    return CodeAbout(std::sin(radPerSample * static_cast<double>(k) / n + startRad) * a, p.ofs);
  });
}

void GenerateSquare(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const std::int64_t high = std::int64_t{p.ofs} + p.amp;
  const std::int64_t low = std::int64_t{p.ofs} - p.amp;
  FillPeriodic(p, waveData,
               [&](double m, double t) { return Clip(m < t * p.duty / 100 ? high : low); });
}

void GenerateTriangle(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  const double o = p.ofs;
  FillPeriodic(p, waveData, [&](double m, double t) {
    if (m < t / 4) return Code(4 * a * m / t + o);
    if (m < 3 * t / 4) return Code(-4 * a * m / t + o + 2 * a);
    return Code(4 * a * m / t + o - 4 * a);
  });
}

void GenerateRamp(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  const double o = p.ofs;
  FillPeriodic(p, waveData, [&](double m, double t) { return Code(2 * a * m / t + o - a); });
}

void GenerateCharge(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  const double o = p.ofs;
  FillPeriodic(p, waveData,
               [&](double m, double t) { return Code((1 - std::exp(-p.damp * m / t)) * a + o); });
}

void GenerateDisCharge(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  const double o = p.ofs;
  FillPeriodic(p, waveData,
               [&](double m, double t) { return Code(std::exp(-p.damp * m / t) * a + o); });
}

void GenerateSCurveUp(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  FillPeriodic(p, waveData, [&](double m, double t) {
    return CodeAbout(std::sin(kPi * m / t - kPi / 2) * a, p.ofs);
  });
}

void GenerateSCurveDown(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const double a = p.amp;
  FillPeriodic(p, waveData, [&](double m, double t) {
    return CodeAbout(std::sin(kPi * m / t + kPi / 2) * a, p.ofs);
  });
}

void GenerateDC(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const std::int32_t code = Clip(p.ofs);
  Fill(p, waveData, [&](std::int64_t, std::int64_t) { return code; });
}

void GenerateNoise(const TWaveParam& p, std::span<std::int32_t> waveData) {
  const std::int64_t a = p.amp;
  Fill(p, waveData, [&](std::int64_t, std::int64_t i) {
    // Longer buffers than a document (none exist today) repeat the table.
    const std::int64_t v = noisedata[static_cast<std::size_t>(i) % kNoiseDataLen];
    return CodeAbout(static_cast<double>(a * v * 2) / 4096, std::int64_t{p.ofs} - 2048);
  });
}

void GenerateStandard(const TWaveParam& p, std::span<std::int32_t> waveData) {
  using Kernel = void (*)(const TWaveParam&, std::span<std::int32_t>);
  static constexpr Kernel kKernels[] = {
      GenerateSine,      GenerateSquare,   GenerateTriangle,   GenerateRamp, GenerateCharge,
      GenerateDisCharge, GenerateSCurveUp, GenerateSCurveDown, GenerateDC,   GenerateNoise,
  };
  if (p.kind < std::size(kKernels)) kKernels[p.kind](p, waveData);
}

}  // namespace averoz
