// The GPIB binding against the simulated driver library and its instrument.
#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

#include "core/comm/Gpib.h"
#include "core/comm/Protocol.h"

#ifdef NQSIM_GPIB_LIBRARY
#include "support/NqsimGpib.h"
#endif

namespace averoz {
namespace {

#ifdef NQSIM_GPIB_LIBRARY
constexpr const char* kSim = NQSIM_GPIB_LIBRARY;
constexpr const char* kSimNoIbloc = NQSIM_GPIB_NOIBLOC_LIBRARY;
constexpr const char* kSimLinux = NQSIM_GPIB_LINUX_LIBRARY;

// Test-side handle on one simulated library: keeps it loaded (so the instrument's memories
// survive the binding's unloads) and reaches its control functions.
class SimControl {
 public:
  explicit SimControl(const char* path) : handle_(dlopen(path, RTLD_NOW | RTLD_LOCAL)) {}
  ~SimControl() {
    if (handle_) dlclose(handle_);
  }
  bool ok() const { return handle_ != nullptr; }
  template <class F>
  F fn(const char* name) const {
    return reinterpret_cast<F>(dlsym(handle_, name));
  }
  void reset() const { fn<nqsim_reset_fn>("nqsim_reset")(); }
  void fault(const char* name) const { ASSERT_EQ(fn<nqsim_set_fault_fn>("nqsim_set_fault")(name), 0); }
  void identity(const char* line) const { fn<nqsim_set_identity_fn>("nqsim_set_identity")(line); }
  std::vector<long> writeSizes() const {
    std::vector<long> sizes(fn<nqsim_write_count_fn>("nqsim_write_count")());
    for (std::size_t i = 0; i < sizes.size(); ++i) sizes[i] = fn<nqsim_write_size_fn>("nqsim_write_size")(i);
    return sizes;
  }
  std::vector<std::uint8_t> memory(int n) const {
    std::vector<std::uint8_t> m(kBlockCount);
    fn<nqsim_read_memory_fn>("nqsim_read_memory")(n, m.data(), m.size());
    return m;
  }
  void load(int n, const std::vector<std::uint8_t>& bytes) const {
    fn<nqsim_load_memory_fn>("nqsim_load_memory")(n, bytes.data(), bytes.size());
  }
  std::vector<int> ibdevArgs() const {
    std::vector<int> args(6);
    fn<nqsim_ibdev_args_fn>("nqsim_ibdev_args")(args.data());
    return args;
  }
  int timeoutCode() const { return fn<nqsim_int_fn>("nqsim_timeout_code")(); }
  bool online() const { return fn<nqsim_int_fn>("nqsim_online")() != 0; }

 private:
  test::NqsimStateDir state_;  // before the library, which reads the folder
  void* handle_;
};
#endif

class SimulatedGpib : public ::testing::Test {
 protected:
  void SetUp() override {
#ifndef NQSIM_GPIB_LIBRARY
    GTEST_SKIP() << "the instrument simulator is not part of this build";
#else
    ::unsetenv("NQSIM_FAULT");
    ::unsetenv("NQSIM_IDN");
    ASSERT_TRUE(sim.ok()) << dlerror();
    sim.reset();
#endif
  }
  void TearDown() override {
    ::unsetenv("NQSIM_FAULT");
    ::unsetenv("NQSIM_IDN");
  }

#ifdef NQSIM_GPIB_LIBRARY
  SimControl sim{kSim};

  static bool Connect(GpibState& g, const char* library = kSim) {
    return GpibLoad(g, library) && GpibOpen(g, 0, 4);
  }
#endif
};

#ifdef NQSIM_GPIB_LIBRARY

// The status text of the failure, for assertion messages.
std::string StatusOf(const GpibState& g) { return g.failure ? g.failure->suffix : "<no failure>"; }

struct Received {
  BlockHeader header;
  CollectResult collect;
  std::vector<std::uint8_t> bytes;
};

// The block part of a GPIB receive: ask for the memory, read the header, collect the count.
Received ReceiveMemory(GpibState& g, std::string_view memory) {
  Received r;
  GpibWrite(g, BuildFetchQuery(memory) + "\n");
  std::uint8_t head[kBlockHeaderLength];
  std::size_t got = 0;
  if (!GpibReadRaw(g, head, got)) return r;
  r.header = ParseBlockHeader(std::span(head, got));
  if (r.header.status != HeaderStatus::Ok) return r;
  r.collect = CollectBlock(
      r.header.count, Interface::Gpib, r.bytes,
      [&](std::span<std::uint8_t> buf) -> long {
        std::size_t n = 0;
        return GpibReadRaw(g, buf, n) ? static_cast<long>(n) : -1;
      },
      [](std::size_t) { return true; });
  return r;
}

TEST_F(SimulatedGpib, LoadFailures) {
  struct Case {
    const char* library;
    MessageId failure;
  };
  const Case cases[] = {
      {"/nonexistent/libgpib-missing.so.0", GPMSG(1)},
      {kSimNoIbloc, GPMSG(2)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.library);
    GpibState g;
    EXPECT_FALSE(GpibLoad(g, c.library));
    ASSERT_TRUE(g.failure);
    EXPECT_EQ(g.failure->id, c.failure);
    EXPECT_EQ(g.failure->suffix, "");
    EXPECT_EQ(g.library, nullptr);  // unloaded again
    // Nothing is left to call into.
    EXPECT_FALSE(GpibOpen(g, 0, 4));
    EXPECT_FALSE(GpibWrite(g, "*IDN?\n"));
    GpibClose(g);
  }
}

TEST_F(SimulatedGpib, OpenCloseAndTimeouts) {
  GpibState g;
  ASSERT_TRUE(GpibLoad(g, kSim));
  ASSERT_TRUE(GpibOpen(g, 0, 7)) << StatusOf(g);
  // Board, address, no secondary address, 3 s, EOI on every write, no end-of-string.
  EXPECT_EQ(sim.ibdevArgs(), (std::vector<int>{0, 7, 0, kGpibT3s, 1, 0}));
  EXPECT_TRUE(sim.online());
  EXPECT_TRUE(GpibSetTimeout(g, kGpibT30s));
  EXPECT_EQ(sim.timeoutCode(), 14);
  EXPECT_TRUE(GpibClear(g));
  GpibClose(g);
  EXPECT_FALSE(sim.online());
  EXPECT_EQ(g.library, nullptr);
  EXPECT_FALSE(GpibWrite(g, "*IDN?\n"));
  GpibClose(g);  // twice is harmless
}

TEST_F(SimulatedGpib, DriverFailuresCarryTheirMessageAndStatus) {
  struct Case {
    const char* fault;
    bool viaEnvironment;
    MessageId failure;
    const char* status;
  };
  const Case cases[] = {
      {"err_ibdev", false, GPMSG(5), "\nibsta = $8000< ERR > iberr = 7< ENEB:No GPIB board > ibcntl = 0"},
      {"err_ibclr", true, GPMSG(6), "\nibsta = $8000< ERR > iberr = 14< EBUS:GPIB bus error > ibcntl = 0"},
      {"err_ibwrt", false, GPMSG(3), "\nibsta = $8000< ERR > iberr = 2< ENOL:No Listener > ibcntl = 0"},
      {"err_ibrd", true, GPMSG(4), "\nibsta = $8000< ERR > iberr = 14< EBUS:GPIB bus error > ibcntl = 0"},
      {"silent", false, GPMSG(4), "\nibsta = $C000< ERR  TMO > iberr = 6< EABO:I/O aborted > ibcntl = 0"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    if (c.viaEnvironment) {
      ::setenv("NQSIM_FAULT", c.fault, 1);
    } else {
      sim.fault(c.fault);
    }
    GpibState g;
    ASSERT_TRUE(GpibLoad(g, kSim));
    const bool ok = GpibOpen(g, 0, 4) && GpibQuery(g, "*IDN?\r\n");
    EXPECT_FALSE(ok);
    ASSERT_TRUE(g.failure);
    EXPECT_EQ(g.failure->id, c.failure);
    EXPECT_EQ(g.failure->suffix, c.status);
    EXPECT_EQ(g.reply, "");
    GpibClose(g);
    ::unsetenv("NQSIM_FAULT");
  }
}

TEST_F(SimulatedGpib, QueriesAnswerWithTheDelimiterTheyCameWith) {
  sim.identity("MAKER,ABC-123,0,1.00");
  GpibState g;
  ASSERT_TRUE(Connect(g));
  for (const std::string d : {"\r\n", "\n"}) {
    SCOPED_TRACE(d.size());
    ASSERT_TRUE(GpibQuery(g, "*IDN?" + d)) << StatusOf(g);
    EXPECT_EQ(g.reply, "MAKER,ABC-123,0,1.00" + d);
    EXPECT_FALSE(IdentityProblem(g.reply, "ABC"));
    ASSERT_TRUE(GpibWrite(g, std::string(kByteOrder) + d));
    ASSERT_TRUE(GpibQuery(g, std::string(kOpcQuery) + d));
    EXPECT_TRUE(IsAcknowledged(g.reply, d));
    ASSERT_TRUE(GpibQuery(g, std::string(kOpcQueryLower) + d));
    EXPECT_TRUE(IsAcknowledged(g.reply, d));
    ASSERT_TRUE(GpibQuery(g, std::string(kByteOrderNormalOpc) + d));
    EXPECT_TRUE(IsAcknowledged(g.reply, d));
  }
  // An answer sent with CR LF is no acknowledgement for a link configured with LF.
  ASSERT_TRUE(GpibQuery(g, "*OPC?\r\n"));
  EXPECT_FALSE(IsAcknowledged(g.reply, "\n"));
  GpibClose(g);
}

TEST_F(SimulatedGpib, ReplyFaults) {
  struct Case {
    const char* fault;
    bool identityPasses, acknowledged;
  };
  const Case cases[] = {
      {"garbage_idn", false, true},
      {"one_field_idn", false, true},
      {"no_ack", true, false},
      {"none", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    sim.fault(c.fault);
    GpibState g;
    ASSERT_TRUE(Connect(g));
    ASSERT_TRUE(GpibQuery(g, "*IDN?\n"));
    const auto problem = IdentityProblem(g.reply, "");
    EXPECT_EQ(!problem, c.identityPasses);
    if (problem) {
      EXPECT_EQ(problem->id, ERRMSG(20));
      EXPECT_EQ(problem->prefix, "");
    }
    ASSERT_TRUE(GpibQuery(g, "*OPC?\n"));
    EXPECT_EQ(IsAcknowledged(g.reply, "\n"), c.acknowledged);
    GpibClose(g);
  }
}

TEST_F(SimulatedGpib, IdentityFromTheEnvironment) {
  ::setenv("NQSIM_IDN", "MAKER,XYZ-9,0,2.00", 1);
  GpibState g;
  ASSERT_TRUE(Connect(g));
  ASSERT_TRUE(GpibQuery(g, "*IDN?\n"));
  const auto problem = IdentityProblem(g.reply, "ABC");
  ASSERT_TRUE(problem);
  EXPECT_EQ(problem->id, ERRMSG(20));
  EXPECT_EQ(problem->prefix, "XYZ-9:");
  GpibClose(g);
}

TEST_F(SimulatedGpib, QueryReplyIsAtMost1024Bytes) {
  const std::string longLine = "MAKER," + std::string(2000, 'M');
  sim.identity(longLine.c_str());
  GpibState g;
  ASSERT_TRUE(Connect(g));
  ASSERT_TRUE(GpibQuery(g, "*IDN?\n"));
  EXPECT_EQ(g.reply, longLine.substr(0, kGpibReplySize));
  GpibClose(g);
}

TEST_F(SimulatedGpib, BlockRoundTripInPieces) {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<std::int32_t>((i * 37 + 5) % 4096);
  // CR and LF inside the data must not end anything: the count decides.
  samples[100] = 0x0D0A;
  samples[101] = 0x0A0D;
  const std::vector<std::uint8_t> payload = BuildPayload(std::span<const std::int32_t>(samples));

  {
    GpibState g;
    ASSERT_TRUE(Connect(g));
    ASSERT_TRUE(GpibWrite(g, BuildStoreHeader("2")));
    ASSERT_TRUE(GpibSetTimeout(g, kGpibT30s));
    bool writesOk = true;
    SendInPieces(payload, Interface::Gpib, [&](std::span<const std::uint8_t> piece) {
      writesOk = writesOk && GpibWriteRaw(g, piece);
      return writesOk;
    });
    ASSERT_TRUE(writesOk) << StatusOf(g);
    ASSERT_TRUE(GpibQuery(g, "*opc?\r\n"));
    EXPECT_TRUE(IsAcknowledged(g.reply, "\r\n"));
    GpibClose(g);
  }
  // Each piece reached the instrument as a write of its own, after the 25-byte header.
  std::vector<long> expected = {25};
  expected.insert(expected.end(), 100, 327);
  expected.push_back(68);
  expected.push_back(7);  // "*opc?" CR LF
  EXPECT_EQ(sim.writeSizes(), expected);
  EXPECT_EQ(sim.memory(2), payload);
  EXPECT_EQ(sim.memory(0), std::vector<std::uint8_t>(kBlockCount, 0));

  GpibState g;
  ASSERT_TRUE(Connect(g));
  const Received r = ReceiveMemory(g, "2");
  GpibClose(g);
  ASSERT_EQ(r.header.status, HeaderStatus::Ok);
  EXPECT_EQ(r.header.count, kBlockCount);
  EXPECT_EQ(r.collect.end, CollectEnd::Complete);
  EXPECT_EQ(r.collect.reads, 101u);
  std::vector<std::int32_t> words;
  ASSERT_EQ(DecodeReceivedBlock(r.bytes, words), 16384);
  EXPECT_EQ(words, samples);
}

// A block longer than a memory (a pattern's file image) is stored whole, and the memory
// query answers it with a header that announces that length.
TEST_F(SimulatedGpib, LongerBlockComesBackWithItsOwnLength) {
  std::vector<std::uint8_t> image(70 + kBlockCount);
  for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint8_t>(i * 31 + 7);
  GpibState g;
  ASSERT_TRUE(Connect(g));
  ASSERT_TRUE(GpibWrite(g, BuildStoreHeader("3", image.size())));
  ASSERT_TRUE(GpibWriteRaw(g, image));
  ASSERT_TRUE(GpibQuery(g, "*opc?\n"));  // nothing of the image was left over as a command
  EXPECT_EQ(g.reply, "+1\n");
  const Received r = ReceiveMemory(g, "3");
  GpibClose(g);
  ASSERT_EQ(r.header.status, HeaderStatus::Ok);
  EXPECT_EQ(r.header.count, image.size());
  EXPECT_EQ(r.collect.end, CollectEnd::Complete);
  EXPECT_EQ(r.bytes, image);
}

// The driver library is unloaded after every transfer: the memories live in the state folder.
TEST_F(SimulatedGpib, MemoriesLiveInTheStateFolder) {
  const std::filesystem::path dir = std::getenv("NQSIM_STATE_DIR");
  const std::vector<std::uint8_t> block(100, 0x5A);
  GpibState g;
  ASSERT_TRUE(Connect(g));
  ASSERT_TRUE(GpibWrite(g, BuildStoreHeader("1", block.size())));
  ASSERT_TRUE(GpibWriteRaw(g, block));
  GpibClose(g);
  // The completed store is the memory's file, and nothing half-written is left beside it.
  std::ifstream in(dir / "memory1", std::ios::binary);
  EXPECT_EQ(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}), block);
  EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir), {}), 1);
  // What the folder holds is what the next open finds.
  std::ofstream(dir / "memory1", std::ios::binary) << "\x01\x02\x03";
  ASSERT_TRUE(Connect(g));
  const Received r = ReceiveMemory(g, "1");
  GpibClose(g);
  EXPECT_EQ(r.bytes, (std::vector<std::uint8_t>{1, 2, 3}));
  sim.reset();  // power-on: the files go
  EXPECT_FALSE(std::filesystem::exists(dir / "memory1"));
}

TEST_F(SimulatedGpib, BrokenBlocksDoNotDecode) {
  struct Case {
    const char* fault;
    HeaderStatus header;
    CollectEnd end;
  };
  const Case cases[] = {
      {"short_block", HeaderStatus::Ok, CollectEnd::EndedEarly},
      {"hash7", HeaderStatus::NotDefiniteLength, CollectEnd::Complete},
      {"bad_count", HeaderStatus::BadCount, CollectEnd::Complete},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.fault);
    sim.reset();
    sim.load(1, std::vector<std::uint8_t>(kBlockCount, 0x5A));
    sim.fault(c.fault);
    GpibState g;
    ASSERT_TRUE(Connect(g));
    const Received r = ReceiveMemory(g, "1");
    EXPECT_EQ(r.header.status, c.header);
    EXPECT_EQ(r.collect.end, c.end);
    std::vector<std::int32_t> words;
    EXPECT_EQ(DecodeReceivedBlock(r.bytes, words), -1);
    // A device clear drops the rest of the block, so the next exchange starts clean.
    ASSERT_TRUE(GpibClear(g));
    sim.fault("none");
    ASSERT_TRUE(GpibQuery(g, "*OPC?\n"));
    EXPECT_EQ(g.reply, "+1\n");
    GpibClose(g);
  }
}

TEST_F(SimulatedGpib, SilentDeviceEndsInTheTimeoutPath) {
  sim.fault("silent");
  GpibState g;
  ASSERT_TRUE(Connect(g));
  EXPECT_FALSE(GpibQuery(g, "*IDN?\n"));
  const Received r = ReceiveMemory(g, "0");
  EXPECT_TRUE(g.status.ibsta & kGpibTmo);
  ASSERT_TRUE(g.failure);
  EXPECT_EQ(g.failure->id, GPMSG(4));
  EXPECT_TRUE(r.bytes.empty());
  GpibClose(g);
}

TEST_F(SimulatedGpib, LinuxGpibStatusAccessorsArePreferred) {
  // That variant never updates its ibsta data symbol: only the accessor shows the ERR.
  SimControl linux(kSimLinux);
  ASSERT_TRUE(linux.ok());
  linux.reset();
  GpibState g;
  ASSERT_TRUE(Connect(g, kSimLinux));
  ASSERT_TRUE(GpibQuery(g, "*IDN?\n"));
  EXPECT_EQ(g.reply, "NQSIM,NQ-2000,0,1.00\n");
  linux.fault("err_ibwrt");
  EXPECT_FALSE(GpibWrite(g, "*IDN?\n"));
  EXPECT_EQ(g.failure->id, GPMSG(3));
  GpibClose(g);
}

#endif  // NQSIM_GPIB_LIBRARY

}  // namespace
}  // namespace averoz
