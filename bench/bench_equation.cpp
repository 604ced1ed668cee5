// An equation waveform over a whole document of 16384 samples: parsing and evaluating the
// expression as the Equation dialog's preview does on every keystroke.
#include <benchmark/benchmark.h>

#include <string>

#include "core/wave/EquationWave.h"

namespace {

constexpr std::int32_t kDataLen = 16384;

void BM_Equation(benchmark::State& state, const std::string& text) {
  averoz::EquationBlock block;
  for (auto _ : state) {
    const auto problem = block.Build(text, kDataLen);
    if (problem) state.SkipWithError(problem->message.c_str());
    benchmark::DoNotOptimize(block.codes().data());
  }
  state.SetItemsProcessed(state.iterations() * kDataLen);
}

BENCHMARK_CAPTURE(BM_Equation, Sine, std::string("mid + fs*sin(2*pi*t)"))
    ->Unit(benchmark::kMillisecond);
// A burst: a sine under a Gaussian envelope plus a square harmonic, several calls per sample.
BENCHMARK_CAPTURE(BM_Equation, Burst,
                  std::string("mid + fs*(0.8*sin(2*pi*20*t)*gauss((t - 0.5)*8) "
                              "+ 0.2*rect(5*t)*tri(3*t))"))
    ->Unit(benchmark::kMillisecond);

}  // namespace
