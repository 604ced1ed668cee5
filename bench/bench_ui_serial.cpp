// One 32768-byte memory each way, through the links the editor ships: over RS-232C at 19200
// bit/s (the Qt serial port and the simulated instrument on a pseudo-terminal paced like a
// real line, which alone needs 32768 x 10 / 19200 = 17.07 s), and over the LAN on the loopback
// address (the Qt TCP link and the simulator on a port; the minimum is the same bytes pushed
// through a bare loopback connection, measured beside it). The counters show how close a
// transfer comes to its link's minimum.
//
// The serial ones are slow by nature: they run a single iteration.
#include <benchmark/benchmark.h>
#include <unistd.h>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <thread>

#include "LanServer.h"
#include "PtySerial.h"
#include "core/app/IniFile.h"
#include "core/comm/Protocol.h"
#include "core/comm/SerialLink.h"
#include "core/comm/TransferSettings.h"
#include "platform/QtSerialLink.h"
#include "platform/QtTcpLink.h"

using namespace averoz;

namespace {

constexpr int kBitRate = 19200;
constexpr int kRateIndex = 4;  // 19200 bit/s
constexpr double kLineSeconds = double(kBlockCount) * 10 / kBitRate;
const std::string kDelimiter = "\r\n";

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

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
  ByteLink& port() { return *link; }
  std::vector<std::uint8_t> memory(std::size_t n) const { return sim.memory(n); }
  void load(std::size_t n, std::span<const std::uint8_t> bytes) { sim.loadMemory(n, bytes); }
  static double minimumSeconds() { return kLineSeconds; }
  static SerialTiming timing() { return SerialTargetOf(TransferSettings{}).timing; }
};

// The block's bytes once through a bare loopback TCP connection, read as they arrive: the
// best any link over the loopback can do. The fastest of a few runs.
double LoopbackSeconds() {
  double best = 1e9;
  for (int run = 0; run < 5; ++run) {
    const int server = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t size = sizeof address;
    ::bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::listen(server, 1);
    ::getsockname(server, reinterpret_cast<sockaddr*>(&address), &size);
    const int out = ::socket(AF_INET, SOCK_STREAM, 0);
    ::connect(out, reinterpret_cast<sockaddr*>(&address), sizeof address);
    const int in = ::accept(server, nullptr, nullptr);
    std::vector<std::uint8_t> bytes(kBlockCount + kBlockHeaderLength, 0x5a);
    std::thread reader([in, n = bytes.size()] {
      std::vector<std::uint8_t> buffer(n);
      std::size_t got = 0;
      while (got < n) {
        const ssize_t r = ::read(in, buffer.data() + got, n - got);
        if (r <= 0) break;
        got += std::size_t(r);
      }
    });
    const auto start = Clock::now();
    for (std::size_t sent = 0; sent < bytes.size();) {
      const ssize_t w = ::write(out, bytes.data() + sent, bytes.size() - sent);
      if (w <= 0) break;
      sent += std::size_t(w);
    }
    reader.join();
    best = std::min(best, SecondsSince(start));
    for (int fd : {in, out, server}) ::close(fd);
  }
  return best;
}

// The simulator on a loopback port, and the Qt TCP link connected to it.
struct Lan {
  nqsim::LanServer sim;
  QtTcpLink link;

  Lan() { link.open(LanEndpoint{"127.0.0.1", sim.port()}); }
  ByteLink& port() { return link; }
  std::vector<std::uint8_t> memory(std::size_t n) {
    return sim.with([n](nqsim::Instrument& i) {
      return std::vector<std::uint8_t>(i.memory(n).begin(), i.memory(n).end());
    });
  }
  void load(std::size_t n, std::span<const std::uint8_t> bytes) {
    sim.with([&](nqsim::Instrument& i) { i.loadMemory(n, bytes); });
  }
  static double minimumSeconds() {
    static const double seconds = LoopbackSeconds();
    return seconds;
  }
  static SerialTiming timing() { return LanTargetOf(TransferSettings{}).timing; }
};

std::vector<std::uint8_t> Payload() {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = std::int32_t((i * 2683) % 4096);
  return BuildPayload(samples);
}

bool Acknowledged(ByteLink& link) {
  std::vector<std::uint8_t> reply(AcknowledgeReplyLength(kDelimiter));
  const long n = link.read(reply);
  return n > 0 && IsAcknowledged(std::string(reply.begin(), reply.begin() + n), kDelimiter);
}

void Report(benchmark::State& state, double seconds, double minimum) {
  state.counters["seconds"] = seconds;
  state.counters["line_minimum_s"] = minimum;
  state.counters["ratio_to_line"] = seconds / minimum;
}

// Header, the block in RS-232C pieces paced by the transmit buffer, then "*OPC?" answered once
// the instrument has taken the last byte; with the waits the link's sequence makes.
template <class Rig>
void BM_SendMemory(benchmark::State& state) {
  Rig line;
  ByteLink& link = line.port();
  const SerialTiming timing = Rig::timing();
  const Sleeper sleep = [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); };
  const auto drain = [&] {
    WaitSerialDrained(link, timing.drainStall, sleep, timing.lastCharacter);
  };
  const std::vector<std::uint8_t> payload = Payload();
  double seconds = 1e9;
  for (auto _ : state) {
    const auto start = Clock::now();
    link.sendText(BuildStoreHeader("1"));
    drain();
    // As the send sequence does: a piece waits for room in the transmit buffer.
    SendInPieces(payload, Interface::Serial, [&](auto piece) {
      return SendWhenRoom(link, piece, kSerialTransmitTimeout, [] { return true; }, sleep) ==
             Handover::Sent;
    });
    drain();
    link.setReadTimeout(kSerialLongTimeout);
    link.sendText(std::string(kOpcQuery) + kDelimiter);
    const bool ok = Acknowledged(link);
    link.setReadTimeout(kSerialDefaultTimeout);
    seconds = std::min(seconds, SecondsSince(start));
    if (!ok || line.memory(1) != payload) state.SkipWithError("the memory did not arrive");
  }
  Report(state, seconds, Rig::minimumSeconds());
}

// The memory query, its "#8" header and the block read in RS-232C pieces.
template <class Rig>
void BM_ReceiveMemory(benchmark::State& state) {
  Rig line;
  ByteLink& link = line.port();
  const std::vector<std::uint8_t> payload = Payload();
  line.load(2, payload);
  double seconds = 1e9;
  for (auto _ : state) {
    const auto start = Clock::now();
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
    seconds = std::min(seconds, SecondsSince(start));
    if (received != payload) state.SkipWithError("the memory did not come back");
  }
  Report(state, seconds, Rig::minimumSeconds());
}

// The fastest of the iterations counts: the loopback's minimum is a best case too.
void Serial(benchmark::internal::Benchmark* b) {
  b->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();
}
void Loopback(benchmark::internal::Benchmark* b) {
  b->Iterations(20)->Unit(benchmark::kMillisecond)->UseRealTime();
}
BENCHMARK(BM_SendMemory<Line>)->Name("BM_SendMemory")->Apply(Serial);
BENCHMARK(BM_ReceiveMemory<Line>)->Name("BM_ReceiveMemory")->Apply(Serial);
BENCHMARK(BM_SendMemory<Lan>)->Name("BM_LanSendMemory")->Apply(Loopback);
BENCHMARK(BM_ReceiveMemory<Lan>)->Name("BM_LanReceiveMemory")->Apply(Loopback);

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
