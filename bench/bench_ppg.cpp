// The pattern engines over the whole 6 x 16384 pattern (target: each under 1 ms): every
// generator, every logic operation, the delete of a range and the build of the file image.
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "core/app/IniFile.h"
#include "core/files/PatternFile.h"
#include "core/ppg/PpgEdits.h"
#include "core/ppg/PpgGenerator.h"
#include "core/ppg/PpgLogic.h"
#include "BenchSupport.h"

namespace averoz {
namespace {

PpgDoc Busy() {
  PpgDoc doc;
  for (std::size_t i = 0; i < doc.bitData.size(); ++i) doc.bitData[i] = (i * 2654435761u >> 7) & 1;
  return doc;
}

void BM_Generator(benchmark::State& state) {
  PpgDoc doc = Busy();
  PatternClip clip;
  clip.patClipLen = 100;
  clip.patClipRows = kPpgChannels;
  TPpgParam p;
  p.kind = static_cast<PpgKind>(state.range(0));
  p.count = doc.dataLen;
  p.lastRow = kPpgChannels - 1;
  p.period = 10;
  p.duty = 30;
  p.valueBits = "101101";
  p.repeatCount = double(doc.dataLen) / clip.patClipLen;
  for (auto _ : state) {
    ApplyPpgGenerator(doc, p, clip);
    benchmark::DoNotOptimize(doc.bitData.data());
  }
}
BENCHMARK(BM_Generator)->DenseRange(0, 5)->ArgName("kind");

void BM_Logic(benchmark::State& state) {
  PpgDoc doc = Busy();
  const auto op = static_cast<LogicOp>(state.range(0));
  const bool move = op == LogicOp::Rotate || op == LogicOp::Shift;
  const LogicRequest r{op, 0, doc.dataLen, move ? 0x3Fu : 0x1Fu, 5, true, 1000};
  for (auto _ : state) {
    ApplyLogic(doc, r);
    benchmark::DoNotOptimize(doc.bitData.data());
  }
}
BENCHMARK(BM_Logic)->DenseRange(0, 6)->ArgName("op");

void BM_InvertMirror(benchmark::State& state) {
  PpgDoc doc = Busy();
  for (auto _ : state) {
    InvertBits(doc, 0x3F, 0, doc.dataLen - 1);
    MirrorBits(doc, 0x3F, 0, doc.dataLen - 1);
    benchmark::DoNotOptimize(doc.bitData.data());
  }
}
BENCHMARK(BM_InvertMirror);

void BM_DeleteRange(benchmark::State& state) {
  PpgDoc doc = Busy();
  bench::SilentPrompter prompter;
  for (auto _ : state) {
    doc.SetSelection({100, 0}, {8099, kPpgChannels - 1});
    DeleteSelectedRange(doc, prompter);
    benchmark::DoNotOptimize(doc.bitData.data());
  }
}
BENCHMARK(BM_DeleteRange);

void BM_WritePatternFile(benchmark::State& state) {
  const PpgDoc doc = Busy();
  const IniFile settings(std::filesystem::temp_directory_path() / "averoz_bench_none.INI");
  const std::string path =
      (std::filesystem::temp_directory_path() / ("averoz_bench_" + std::to_string(::getpid()) + ".ppg")).string();
  for (auto _ : state) benchmark::DoNotOptimize(WritePatternFile(doc.bitData, path, settings).ok);
  std::filesystem::remove(path);
}
BENCHMARK(BM_WritePatternFile);

}  // namespace
}  // namespace averoz
