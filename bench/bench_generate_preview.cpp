// One preview of the "Set Parameters" dialog on a whole document: the undo snapshot put
// back and a 16384-sample block generated and written again. It runs on every Preview
// press, so together with the repaint it has to stay well inside one 16 ms frame.
#include <benchmark/benchmark.h>

#include "BenchSupport.h"
#include "core/wave/GenerateSession.h"
#include "core/wave/NewDataTarget.h"

namespace {

using namespace averoz;

using bench::SilentPrompter;

void BM_PreviewWholeDocument(benchmark::State& state) {
  const auto kind = static_cast<WaveKind>(state.range(0));
  WaveDoc doc;
  SilentPrompter prompter;
  GenerateSession session(doc, FindNewDataTarget(doc).target, kind, ParamMode::Document,
                          prompter);
  ParamChoice choice;
  choice.p.len = doc.dataLen;
  choice.p.cycles = 37.5;
  choice.p.phase = 30;
  choice.p.duty = 25;
  for (auto _ : state) {
    session.Preview(choice);
    benchmark::ClobberMemory();
  }
  state.SetLabel(kind == kSine ? "Sine" : kind == kCharge ? "Charge" : kind == kNoise ? "Noise"
                                                                                      : "DC");
}
BENCHMARK(BM_PreviewWholeDocument)
    ->Arg(kSine)
    ->Arg(kCharge)
    ->Arg(kDC)
    ->Arg(kNoise)
    ->Unit(benchmark::kMicrosecond);

}  // namespace
