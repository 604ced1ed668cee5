// The spectrum panel analyses the whole memory after every edit it follows; the target is
// 2 ms per update of 16384 samples (window, FFT, levels, harmonics and THD).
#include <benchmark/benchmark.h>

#include <cmath>
#include <numbers>
#include <vector>

#include "core/spectrum/Spectrum.h"

namespace {

using namespace averoz;

void BM_SpectrumUpdate16384(benchmark::State& state) {
  const int length = 16384;
  std::vector<std::int32_t> codes(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i)
    codes[std::size_t(i)] =
        std::int32_t(std::lround(2047.5 + 1800 * std::sin(2 * std::numbers::pi * 37 * i / length)));
  SpectrumAnalyzer analyzer;
  const auto window = SpectrumWindow(state.range(0));
  for (auto _ : state) {
    // An edit between updates, as when following a freehand stroke.
    codes[std::size_t(state.iterations() % length)] ^= 1;
    benchmark::DoNotOptimize(analyzer.Analyze(codes.data(), length, window));
  }
}
BENCHMARK(BM_SpectrumUpdate16384)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

}  // namespace
