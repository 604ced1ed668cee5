// One 32768-byte memory each way over GPIB, against the simulated driver library: the cost
// of the transfer frame itself (binding, open, identification, byte order, acknowledgements,
// the block in its pieces, decoding) without any bus time, since the simulator answers at
// once. Every iteration is a whole transfer, load to close, as the dialogs run it.
//
// The simulated library comes from NQSIM_GPIB_LIBRARY in the environment, else from the
// build tree.
#include <benchmark/benchmark.h>
#include <dlfcn.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "BenchSupport.h"
#include "core/comm/Gpib.h"
#include "core/comm/Protocol.h"
#include "nqsim_control.h"

using namespace averoz;

namespace {

const std::string kDelimiter = "\r\n";
constexpr const char* kMemory = "2";
constexpr int kMemoryIndex = 2;
constexpr int kAddress = 4;
constexpr std::size_t kWriteLogLimit = 100000;

std::string SimLibraryPath() {
  if (const char* env = std::getenv("NQSIM_GPIB_LIBRARY"); env != nullptr && *env != '\0') return env;
#ifdef NQSIM_GPIB_LIBRARY
  return NQSIM_GPIB_LIBRARY;
#else
  return {};
#endif
}

// Keeps the simulated library loaded for the whole run, so the instrument's memories outlive
// the binding's load and unload in every transfer.
class Simulator {
 public:
  Simulator() : path_(SimLibraryPath()) {
    if (!path_.empty()) handle_ = dlopen(path_.c_str(), RTLD_NOW | RTLD_LOCAL);
  }
  ~Simulator() {
    if (handle_ != nullptr) dlclose(handle_);
  }
  Simulator(const Simulator&) = delete;
  Simulator& operator=(const Simulator&) = delete;

  bool ok() const { return handle_ != nullptr; }
  const std::string& path() const { return path_; }
  // Power-on state with the given contents in the benchmarked memory.
  void reset(const std::vector<std::uint8_t>& contents) {
    contents_ = contents;
    restore();
  }
  // The simulator logs every write: it is set back before that log grows large. Timing pauses
  // for it, so every iteration costs the same.
  void trimWriteLog(benchmark::State& state) {
    if (fn<nqsim_write_count_fn>("nqsim_write_count")() < kWriteLogLimit) return;
    state.PauseTiming();
    restore();
    state.ResumeTiming();
  }
  std::vector<std::uint8_t> memory() const {
    std::vector<std::uint8_t> m(kBlockCount);
    fn<nqsim_read_memory_fn>("nqsim_read_memory")(kMemoryIndex, m.data(), m.size());
    return m;
  }

 private:
  template <class F>
  F fn(const char* name) const {
    return reinterpret_cast<F>(dlsym(handle_, name));
  }
  void restore() const {
    fn<nqsim_reset_fn>("nqsim_reset")();
    fn<nqsim_load_memory_fn>("nqsim_load_memory")(kMemoryIndex, contents_.data(), contents_.size());
  }
  std::string path_;
  void* handle_ = nullptr;
  std::vector<std::uint8_t> contents_ = std::vector<std::uint8_t>(kBlockCount);
};

// A warning only marks the transfer as failed.
using bench::SilentPrompter;

std::vector<std::int32_t> Samples() {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int32_t((i * 2683) % 4096);
  return samples;
}

// Load, open, identification, then the byte-order command acknowledged by "*OPC?".
bool Prepare(GpibState& g, const std::string& library, std::string_view byteOrder) {
  SilentPrompter prompter;
  return GpibLoad(g, library) && GpibOpen(g, 0, kAddress) &&
         GpibQuery(g, std::string(kIdentityQuery) + kDelimiter) &&
         CheckIdentity(g.reply, "", prompter) && GpibWrite(g, std::string(byteOrder) + kDelimiter) &&
         GpibQuery(g, std::string(kOpcQuery) + kDelimiter) && IsAcknowledged(g.reply, kDelimiter);
}

bool SendMemory(const std::string& library, std::span<const std::uint8_t> payload) {
  GpibState g;
  bool ok = Prepare(g, library, kByteOrder) && GpibWrite(g, BuildStoreHeader(kMemory)) &&
            GpibSetTimeout(g, kGpibT30s);
  if (ok) {
    SendInPieces(payload, Interface::Gpib, [&](std::span<const std::uint8_t> piece) {
      ok = GpibWriteRaw(g, piece);
      return ok;
    });
  }
  ok = ok && GpibQuery(g, std::string(kOpcQueryLower) + kDelimiter) && IsAcknowledged(g.reply, kDelimiter);
  ok = GpibSetTimeout(g, kGpibT3s) && ok;
  GpibClose(g);
  return ok;
}

int ReceiveMemory(const std::string& library, std::vector<std::int32_t>& words) {
  GpibState g;
  int result = 0;
  if (Prepare(g, library, kByteOrderNormal) &&
      GpibWrite(g, BuildFetchQuery(kMemory) + kDelimiter) && GpibSetTimeout(g, kGpibT30s)) {
    std::uint8_t head[kBlockHeaderLength];
    std::size_t got = 0;
    std::vector<std::uint8_t> received;
    if (GpibReadRaw(g, head, got)) {
      const BlockHeader header = ParseBlockHeader(std::span(head, got));
      if (header.status == HeaderStatus::Ok) {
        const CollectResult collected = CollectBlock(
            header.count, Interface::Gpib, received,
            [&](std::span<std::uint8_t> buffer) -> long {
              std::size_t n = 0;
              return GpibReadRaw(g, buffer, n) ? static_cast<long>(n) : -1;
            },
            [](std::size_t) { return true; });
        if (collected.end == CollectEnd::Complete) result = DecodeReceivedBlock(received, words);
      }
    }
    GpibSetTimeout(g, kGpibT3s);
  }
  GpibClose(g);
  return result;
}

void BM_GpibSendMemory(benchmark::State& state) {
  Simulator sim;
  if (!sim.ok()) return state.SkipWithError(("simulated GPIB library not loadable: " + sim.path()).c_str());
  sim.reset(std::vector<std::uint8_t>(kBlockCount));
  const std::vector<std::uint8_t> payload = BuildPayload(std::span<const std::int32_t>(Samples()));
  for (auto _ : state) {
    if (!SendMemory(sim.path(), payload)) return state.SkipWithError("send failed");
    sim.trimWriteLog(state);
  }
  if (sim.memory() != payload) return state.SkipWithError("the memory does not hold the payload");
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBlockCount));
}
BENCHMARK(BM_GpibSendMemory)->Unit(benchmark::kMicrosecond);

void BM_GpibReceiveMemory(benchmark::State& state) {
  Simulator sim;
  if (!sim.ok()) return state.SkipWithError(("simulated GPIB library not loadable: " + sim.path()).c_str());
  const std::vector<std::int32_t> samples = Samples();
  sim.reset(BuildPayload(std::span<const std::int32_t>(samples)));
  std::vector<std::int32_t> words;
  for (auto _ : state) {
    words.clear();
    if (ReceiveMemory(sim.path(), words) != static_cast<int>(kBlockWords)) {
      return state.SkipWithError("receive failed");
    }
    benchmark::DoNotOptimize(words.data());
    sim.trimWriteLog(state);
  }
  if (words != samples) return state.SkipWithError("the received words differ from the memory");
  state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(kBlockCount));
}
BENCHMARK(BM_GpibReceiveMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
