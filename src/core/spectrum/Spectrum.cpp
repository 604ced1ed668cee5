#include "core/spectrum/Spectrum.h"

#include <fftw3.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace averoz {

namespace {

// The middle of the code range: the DC bin shows the waveform's offset from it.
constexpr double kMidCode = 2047.5;
constexpr double kFullScale = 2047.5;

// Periodic windows: a whole number of cycles lands exactly on its bin (and its neighbours).
double WindowAt(SpectrumWindow window, int n, int length) {
  const double phase = 2.0 * std::numbers::pi * n / length;
  switch (window) {
    case SpectrumWindow::Hann:
      return 0.5 - 0.5 * std::cos(phase);
    case SpectrumWindow::BlackmanHarris:
      return 0.35875 - 0.48829 * std::cos(phase) + 0.14128 * std::cos(2 * phase) -
             0.01168 * std::cos(3 * phase);
    case SpectrumWindow::None:
      break;
  }
  return 1.0;
}

double ToDb(double amplitude) {
  if (amplitude <= 0.0) return SpectrumAnalyzer::kFloorDb;
  return std::max(SpectrumAnalyzer::kFloorDb, 20.0 * std::log10(amplitude / kFullScale));
}

}  // namespace

struct SpectrumAnalyzer::Plan {
  int length = 0;
  SpectrumWindow window = SpectrumWindow::None;
  std::vector<double> weights;
  double weightSum = 0.0;
  double* in = nullptr;
  fftw_complex* out = nullptr;
  fftw_plan plan = nullptr;

  Plan(int n, SpectrumWindow w) : length(n), window(w), weights(std::size_t(n)) {
    for (int i = 0; i < n; ++i) weightSum += weights[std::size_t(i)] = WindowAt(w, i, n);
    in = fftw_alloc_real(std::size_t(n));
    out = fftw_alloc_complex(std::size_t(n / 2 + 1));
    // FFTW_ESTIMATE plans at once and leaves the buffers alone.
    plan = fftw_plan_dft_r2c_1d(n, in, out, FFTW_ESTIMATE);
  }
  ~Plan() {
    fftw_destroy_plan(plan);
    fftw_free(out);
    fftw_free(in);
  }
};

SpectrumAnalyzer::SpectrumAnalyzer() = default;
SpectrumAnalyzer::~SpectrumAnalyzer() = default;

int MainLobeHalfWidth(SpectrumWindow window) {
  switch (window) {
    case SpectrumWindow::Hann:
      return 2;
    case SpectrumWindow::BlackmanHarris:
      return 4;
    case SpectrumWindow::None:
      break;
  }
  return 1;
}

Spectrum SpectrumAnalyzer::Analyze(const std::int32_t* codes, int length,
                                   SpectrumWindow window) {
  Spectrum result;
  if (length < 2) return result;
  if (!plan_ || plan_->length != length || plan_->window != window)
    plan_ = std::make_unique<Plan>(length, window);
  Plan& p = *plan_;
  // The mean goes before windowing, or a window would smear it into the lowest bins; the
  // DC bin then reports it directly.
  double mean = 0.0;
  for (int i = 0; i < length; ++i) mean += codes[i];
  mean /= length;
  for (int i = 0; i < length; ++i) p.in[i] = (double(codes[i]) - mean) * p.weights[std::size_t(i)];
  fftw_execute(p.plan);

  const int bins = length / 2 + 1;
  result.length = length;
  result.levelDb.resize(std::size_t(bins));
  std::vector<double> amplitude(static_cast<std::size_t>(bins));
  for (int k = 0; k < bins; ++k) {
    const double magnitude = std::hypot(p.out[k][0], p.out[k][1]);
    // A one-sided spectrum: every bin but DC and Nyquist carries half of its power twice.
    const bool edge = k == 0 || (length % 2 == 0 && k == bins - 1);
    amplitude[std::size_t(k)] =
        k == 0 ? std::abs(mean - kMidCode) : magnitude * (edge ? 1.0 : 2.0) / p.weightSum;
    result.levelDb[std::size_t(k)] = ToDb(amplitude[std::size_t(k)]);
  }

  // The fundamental: the strongest bin above DC.
  int fundamental = 0;
  for (int k = 1; k < bins; ++k)
    if (result.levelDb[std::size_t(k)] > SpectrumAnalyzer::kFloorDb &&
        (fundamental == 0 || amplitude[std::size_t(k)] > amplitude[std::size_t(fundamental)]))
      fundamental = k;
  if (fundamental == 0) return result;
  result.peaks.push_back({1, fundamental, result.levelDb[std::size_t(fundamental)]});

  // Never so far that a search reaches the next harmonic's ideal bin.
  const int reach = std::min(MainLobeHalfWidth(window), (fundamental - 1) / 2);
  double harmonicPower = 0.0;
  for (int h = 2; h <= kMaxHarmonic && h * fundamental < bins; ++h) {
    const int ideal = h * fundamental;
    int best = ideal;
    for (int k = std::max(1, ideal - reach); k <= std::min(bins - 1, ideal + reach); ++k)
      if (amplitude[std::size_t(k)] > amplitude[std::size_t(best)]) best = k;
    // The harmonic sits at its ideal bin; a window or a slightly off fundamental only moves
    // its energy to the neighbours, which give the level.
    result.peaks.push_back({h, ideal, result.levelDb[std::size_t(best)]});
    harmonicPower += amplitude[std::size_t(best)] * amplitude[std::size_t(best)];
  }
  const double ratio = std::sqrt(harmonicPower) / amplitude[std::size_t(fundamental)];
  result.thdPercent = 100.0 * ratio;
  result.thdDb = ratio > 0.0 ? 20.0 * std::log10(ratio) : SpectrumAnalyzer::kFloorDb;
  return result;
}

}  // namespace averoz
