// Generating each standard shape over a whole document of 16384 samples. The "per_sample"
// counter is the time for one sample.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "core/wave/StandardGenerator.h"

namespace {

using averoz::TWaveParam;

constexpr std::int32_t kDataLen = 16384;

void BM_Generate(benchmark::State& state, averoz::WaveKind kind, double cycles, double phase) {
  TWaveParam p;
  p.kind = kind;
  p.start = 0;
  p.len = kDataLen;
  p.amp = 2048;
  p.ofs = 2048;
  p.cycles = cycles;
  p.phase = phase;
  std::vector<std::int32_t> wave(kDataLen, -1);
  const averoz::StandardGenerator generator;
  for (auto _ : state) {
    generator.Generate(p, wave);
    benchmark::DoNotOptimize(wave.data());
    benchmark::ClobberMemory();
  }
  state.SetItemsProcessed(state.iterations() * kDataLen);
  state.counters["per_sample"] = benchmark::Counter(
      kDataLen, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

// Defaults of the dialog: one cycle, phase 0.
BENCHMARK_CAPTURE(BM_Generate, Sine, averoz::kSine, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, Square, averoz::kSquare, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, Triangle, averoz::kTriangle, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, Ramp, averoz::kRamp, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, Charge, averoz::kCharge, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, DisCharge, averoz::kDisCharge, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, SCurveUp, averoz::kSCurveUp, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, SCurveDown, averoz::kSCurveDown, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, DC, averoz::kDC, 1, 0);
BENCHMARK_CAPTURE(BM_Generate, Noise, averoz::kNoise, 1, 0);
// The most period subtractions the dialog allows: 100 cycles, phase 360.
BENCHMARK_CAPTURE(BM_Generate, Square_100cycles, averoz::kSquare, 100, 360);
BENCHMARK_CAPTURE(BM_Generate, Ramp_100cycles, averoz::kRamp, 100, 360);

}  // namespace
