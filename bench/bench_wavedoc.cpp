// Whole-document operations of the waveform document on a completely drawn document: each
// runs on every edit (and lastDrawn many times per edit), so they must stay in microseconds.
#include <benchmark/benchmark.h>

#include "core/wave/WaveDoc.h"

namespace {

using averoz::WaveDoc;

WaveDoc FullDoc() {
  WaveDoc doc;
  for (int i = 0; i < doc.dataLen; ++i) {
    doc.waveData[i] = i % 4096;
    doc.blockNo[i] = -1;
  }
  return doc;
}

void BM_LastDrawn(benchmark::State& state) {
  const WaveDoc doc = FullDoc();
  for (auto _ : state) benchmark::DoNotOptimize(doc.lastDrawn());
}
BENCHMARK(BM_LastDrawn);

// Opens 10 samples at the start: every sample moves.
void BM_ShiftInsert(benchmark::State& state) {
  WaveDoc doc = FullDoc();
  for (auto _ : state) {
    doc.Shift(0, 10);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ShiftInsert);

void BM_ShiftDelete(benchmark::State& state) {
  WaveDoc doc = FullDoc();
  for (auto _ : state) {
    doc.Shift(0, -10);
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_ShiftDelete);

void BM_SaveUndo(benchmark::State& state) {
  WaveDoc doc = FullDoc();
  for (auto _ : state) {
    doc.SaveUndo();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_SaveUndo);

void BM_RestoreUndo(benchmark::State& state) {
  WaveDoc doc = FullDoc();
  doc.SaveUndo();
  for (auto _ : state) {
    doc.RestoreUndo();
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_RestoreUndo);

// Delete selection 100..199: protection check, lastDrawn, undo snapshot, the move and the
// reports. The 100 freed samples at the end are drawn again (a negligible 100-sample fill)
// so every iteration starts from a full document.
void BM_DeleteSelection(benchmark::State& state) {
  WaveDoc doc = FullDoc();
  for (auto _ : state) {
    doc.SetSelection(100, 199);
    doc.DeleteSelection();
    for (int i = doc.dataLen - 100; i < doc.dataLen; ++i) {
      doc.waveData[i] = 1;
      doc.blockNo[i] = -1;
    }
    benchmark::ClobberMemory();
  }
}
BENCHMARK(BM_DeleteSelection);

}  // namespace
