// One 32768-byte memory over RS-232C at 19200 bit/s, each way, through the Qt serial port
// and the simulated instrument on a pseudo-terminal paced like a real line. The line alone
// needs 32768 x 10 / 19200 = 17.07 s; the counters show how close a transfer comes to it.
//
// Slow by nature: every benchmark runs a single iteration.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <QCoreApplication>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "PtySerial.h"
#include "core/app/IniFile.h"
#include "core/comm/Protocol.h"
#include "core/comm/SerialLink.h"
#include "platform/QtSerialLink.h"

using namespace averoz;

namespace {

constexpr int kBitRate = 19200;
constexpr int kRateIndex = 4;  // 19200 bit/s
constexpr double kLineSeconds = double(kBlockCount) * 10 / kBitRate;
const std::string kDelimiter = "\r\n";

// The paced simulator on COM1, and the port opened on it.
struct Line {
  nqsim::PtySerial sim{kBitRate};
  std::filesystem::path ini;
  std::optional<QtSerialLink> link;

  Line() {
    std::string name = (std::filesystem::temp_directory_path() / "averoz-bench-XXXXXX").string();
    ::close(::mkstemp(name.data()));
    ini = name;
    std::ofstream(ini) << "[RS]\nCOM1=" << sim.slavePath() << "\n";
    link.emplace(IniFile(ini.string()));
    link->open(MakeSerialSettings(0, kRateIndex, 0, 1, 0));
  }
  ~Line() {
    link.reset();
    std::filesystem::remove(ini);
  }
};

std::vector<std::uint8_t> Payload() {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int32_t((i * 2683) % 4096);
  return BuildPayload(samples);
}

bool Acknowledged(SerialLink& link) {
  std::vector<std::uint8_t> reply(AcknowledgeReplyLength(kDelimiter));
  const long n = link.read(reply);
  return n > 0 && IsAcknowledged(std::string(reply.begin(), reply.begin() + n), kDelimiter);
}

void Report(benchmark::State& state, double seconds) {
  state.counters["seconds"] = seconds;
  state.counters["line_minimum_s"] = kLineSeconds;
  state.counters["ratio_to_line"] = seconds / kLineSeconds;
}

// Header, the block in RS-232C pieces paced by the transmit buffer, then "*OPC?" answered once the instrument has taken
// the last byte.
void BM_SendMemory(benchmark::State& state) {
  Line line;
  SerialLink& link = *line.link;
  const std::vector<std::uint8_t> payload = Payload();
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    link.sendText(BuildStoreHeader("1"));
    WaitSerialDrained(link);
    // As the send sequence does: a piece waits for room in the transmit buffer.
    SendInPieces(payload, Interface::Serial, [&](auto piece) {
      return SendWhenRoom(link, piece, kSerialTransmitTimeout, [] { return true; },
                          [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); }) ==
             Handover::Sent;
    });
    WaitSerialDrained(link);
    link.setReadTimeout(kSerialLongTimeout);
    link.sendText(std::string(kOpcQuery) + kDelimiter);
    const bool ok = Acknowledged(link);
    link.setReadTimeout(kSerialDefaultTimeout);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (!ok || line.sim.memory(1) != payload) state.SkipWithError("the memory did not arrive");
  }
  Report(state, seconds);
}

// The memory query, its "#8" header and the block read in RS-232C pieces.
void BM_ReceiveMemory(benchmark::State& state) {
  Line line;
  SerialLink& link = *line.link;
  const std::vector<std::uint8_t> payload = Payload();
  line.sim.loadMemory(2, payload);
  double seconds = 0;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    link.sendText(BuildFetchQuery("2") + kDelimiter);
    link.setReadTimeout(kSerialLongTimeout);
    std::vector<std::uint8_t> head(kBlockHeaderLength);
    link.read(head);
    const BlockHeader header = ParseBlockHeader(head);
    std::vector<std::uint8_t> received;
    if (header.status == HeaderStatus::Ok) {
      CollectBlock(
          header.count, Interface::Serial, received,
          [&](std::span<std::uint8_t> buffer) { return link.read(buffer); },
          [](std::size_t) { return true; });
    }
    link.setReadTimeout(kSerialDefaultTimeout);
    seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    if (received != payload) state.SkipWithError("the memory did not come back");
  }
  Report(state, seconds);
}

BENCHMARK(BM_SendMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
BENCHMARK(BM_ReceiveMemory)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
