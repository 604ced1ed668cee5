// Data files: binary waveform read/write and text import at two sizes (linearity).
#include <benchmark/benchmark.h>

#include <unistd.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/app/IniFile.h"
#include "core/files/CsvExport.h"
#include "core/files/PatternFile.h"
#include "core/files/TextImport.h"
#include "core/files/WaveFile.h"

namespace averoz {
namespace {

std::vector<std::int32_t> Ramp(std::size_t n) {
  std::vector<std::int32_t> codes(n);
  for (std::size_t i = 0; i < n; ++i) codes[i] = static_cast<std::int32_t>((i * 37) % 4096);
  return codes;
}

std::string TempPath(const std::string& name) {
  return (std::filesystem::temp_directory_path() /
          ("averoz_bench_" + std::to_string(::getpid()) + "_" + name))
      .string();
}

class QuietPrompter : public Prompter {
 public:
  Answer ask(const Message&, Buttons, Icon) override { return Answer::YesToAll; }
  void showText(const std::string&, Icon) override {}
  void status(const std::string&) override {}
  void processEvents() override {}
};

class QuietStatus : public ImportStatus {
 public:
  void Clear() override {}
  void Append(const Message&) override {}
  void AppendText(const std::string&) override {}
  void SetProgressMax(int) override {}
  void SetProgress(int) override {}
  void Close() override {}
};

void BM_BuildWaveFileImage(benchmark::State& state) {
  const std::vector<std::int32_t> codes = Ramp(16384);
  for (auto _ : state) benchmark::DoNotOptimize(BuildWaveFileImage(codes, SaveHeaderSettings{}));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kWaveFileSize));
}
BENCHMARK(BM_BuildWaveFileImage);

// Settings read, image built, temporary file written, flushed and renamed over the target.
void BM_WriteWaveFile(benchmark::State& state) {
  const std::vector<std::int32_t> codes = Ramp(16384);
  const std::string path = TempPath("w.awf");
  const IniFile settings(TempPath("none.INI"));
  for (auto _ : state) {
    if (!WriteWaveFile(codes, path, settings).ok) state.SkipWithError("write failed");
  }
  std::filesystem::remove(path);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kWaveFileSize));
}
BENCHMARK(BM_WriteWaveFile)->Unit(benchmark::kMicrosecond);

void BM_ReadWaveFileBytes(benchmark::State& state) {
  const std::vector<std::uint8_t> image = BuildWaveFileImage(Ramp(16384), SaveHeaderSettings{});
  for (auto _ : state) benchmark::DoNotOptimize(ReadWaveFile(image, 0, LoadHeaderSettings{}));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kWaveFileSize));
}
BENCHMARK(BM_ReadWaveFileBytes);

// Settings read, file read, decoded.
void BM_ReadWaveFilePath(benchmark::State& state) {
  const std::string path = TempPath("r.awf");
  const IniFile settings(TempPath("none.INI"));
  if (!WriteWaveFile(Ramp(16384), path, settings).ok) state.SkipWithError("write failed");
  for (auto _ : state) benchmark::DoNotOptimize(ReadWaveFile(path, 0, settings));
  std::filesystem::remove(path);
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(kWaveFileSize));
}
BENCHMARK(BM_ReadWaveFilePath)->Unit(benchmark::kMicrosecond);

void BM_BuildPatternImage(benchmark::State& state) {
  std::vector<std::uint8_t> bits(6 * 16384);
  for (std::size_t i = 0; i < bits.size(); ++i) bits[i] = (i / 3) % 2;
  for (auto _ : state)
    benchmark::DoNotOptimize(BuildPatternImage(bits, "p.ppg", SaveHeaderSettings{}, LocalDateTime{}));
}
BENCHMARK(BM_BuildPatternImage);

// One column of state.range(0) lines; beyond 16384 lines the addresses are dropped but every
// line is still split and checked, so the time per line should stay flat.
void BM_ImportCsv(benchmark::State& state) {
  const auto lines = static_cast<std::size_t>(state.range(0));
  const std::string text = BuildWaveCsv(Ramp(lines));
  QuietPrompter prompter;
  QuietStatus status;
  for (auto _ : state) {
    const TextImportResult r = ImportWaveText(text, "Japanese", prompter, status);
    benchmark::DoNotOptimize(r.count);
  }
  state.SetItemsProcessed(state.iterations() * state.range(0));
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ImportCsv)->Arg(16384)->Arg(163840)->Unit(benchmark::kMillisecond);

void BM_ExportWaveCsv(benchmark::State& state) {
  const std::vector<std::int32_t> codes = Ramp(16384);
  for (auto _ : state) benchmark::DoNotOptimize(BuildWaveCsv(codes));
  state.SetItemsProcessed(state.iterations() * 16384);
}
BENCHMARK(BM_ExportWaveCsv);

}  // namespace
}  // namespace averoz
