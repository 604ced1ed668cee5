// Importing captured signals down to a waveform: a 1,000,000-row scope CSV and a ten-minute
// 48 kHz WAV, each read from a real file, resampled to 16384 samples and mapped to codes.
#include <benchmark/benchmark.h>
#include <sndfile.h>
#include <unistd.h>

#include <cmath>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/signal/SignalImport.h"
#include "core/signal/SignalRead.h"

namespace averoz {
namespace {

// A file written once for the run and removed at its end.
class BenchFile {
 public:
  explicit BenchFile(const std::string& name)
      : path_((std::filesystem::temp_directory_path() /
               ("averoz_bench_" + std::to_string(::getpid()) + "_" + name)).string()) {}
  ~BenchFile() { std::filesystem::remove(path_); }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

double Wave(std::size_t i) { return 0.8 * std::sin(double(i) * 0.001) + 0.1 * std::sin(double(i) * 0.37); }

void Import(benchmark::State& state, const std::string& path) {
  for (auto _ : state) {
    const SignalTable table = ReadSignalFile(path);
    benchmark::DoNotOptimize(ImportSignalCodes(table, SignalImportOptions{}));
  }
}

void BM_ImportCsvMillionRows(benchmark::State& state) {
  static const BenchFile file("scope.csv");
  static const bool written = [] {
    std::ofstream out(file.path(), std::ios::binary);
    out << "Model,SCOPE-X\r\nTime (s),CH1 (V)\r\n";
    char line[64];
    for (std::size_t i = 0; i < 1000000; ++i) {
      std::snprintf(line, sizeof line, "%.6e,%.6e\r\n", double(i) * 1e-7 - 0.05, Wave(i));
      out << line;
    }
    return true;
  }();
  benchmark::DoNotOptimize(written);
  Import(state, file.path());
}
BENCHMARK(BM_ImportCsvMillionRows)->Unit(benchmark::kMillisecond);

void BM_ImportWavTenMinutes(benchmark::State& state) {
  static const BenchFile file("capture.wav");
  static const bool written = [] {
    constexpr sf_count_t kFrames = 48000LL * 600;
    SF_INFO info{};
    info.samplerate = 48000;
    info.channels = 1;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* out = sf_open(file.path().c_str(), SFM_WRITE, &info);
    std::vector<double> block(1 << 16);
    for (sf_count_t done = 0; done < kFrames; done += sf_count_t(block.size())) {
      for (std::size_t i = 0; i < block.size(); ++i) block[i] = Wave(std::size_t(done) + i);
      sf_writef_double(out, block.data(), std::min<sf_count_t>(sf_count_t(block.size()), kFrames - done));
    }
    sf_close(out);
    return true;
  }();
  benchmark::DoNotOptimize(written);
  Import(state, file.path());
}
BENCHMARK(BM_ImportWavTenMinutes)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace averoz
