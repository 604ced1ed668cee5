// Waveform math at full size: each runs on one user command, so it must stay well below
// the time a click takes to feel instant.
#include <benchmark/benchmark.h>

#include <string>

#include "BenchSupport.h"
#include "core/wave/ClipboardText.h"
#include "core/wave/WaveMath.h"
#include "core/wave/WaveResize.h"

namespace {

using namespace averoz;

using bench::SilentPrompter;

WaveDoc DrawnDoc(int last) {
  WaveDoc doc;
  for (int i = 0; i <= last; ++i) {
    doc.waveData[i] = (i * 7) % 4096;
    doc.blockNo[i] = kBlockFree;
  }
  return doc;
}

// 1000 drawn samples stretched over the whole document, undo snapshot included.
void BM_FitXTo16384(benchmark::State& state) {
  const WaveDoc start = DrawnDoc(999);
  WaveDoc doc;
  SilentPrompter prompter;
  for (auto _ : state) {
    state.PauseTiming();
    doc = start;
    state.ResumeTiming();
    MathFitX(doc, prompter);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_FitXTo16384)->Unit(benchmark::kMicrosecond);

// One preview of the Resize dialog on a full document: the snapshot put back, all 16384
// samples resampled to half the length and scaled.
void BM_ResizePreviewFullDocument(benchmark::State& state) {
  WaveDoc doc = DrawnDoc(kWaveLen - 1);
  doc.SaveUndo();
  ResizeSession session(doc, {0, kWaveLen - 1});
  const ResizeRequest request{kWaveLen / 2, 3000, 100};
  for (auto _ : state) {
    session.Preview(request);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ResizePreviewFullDocument)->Unit(benchmark::kMicrosecond);

// A full copied waveform read back from the clipboard text.
void BM_ParseClipboard16384Lines(benchmark::State& state) {
  const WaveDoc doc = DrawnDoc(kWaveLen - 1);
  const std::string text = WaveClipText(doc.waveData);
  for (auto _ : state) benchmark::DoNotOptimize(ParseWaveClipText(text));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ParseClipboard16384Lines)->Unit(benchmark::kMicrosecond);

void BM_CopyText16384(benchmark::State& state) {
  const WaveDoc doc = DrawnDoc(kWaveLen - 1);
  for (auto _ : state) benchmark::DoNotOptimize(WaveClipText(doc.waveData));
}
BENCHMARK(BM_CopyText16384)->Unit(benchmark::kMicrosecond);

}  // namespace
