// A GPIB driver library with the NI-488.2 entry points, whose one device is the simulated
// instrument. Reads never block: a read with nothing to answer times out at once.
//
// Build variants: NQSIM_NO_IBLOC leaves out "ibloc" (an incomplete driver);
// NQSIM_LINUX_GPIB_NAMES exports the status words the way linux-gpib does, as per-thread
// accessors ThreadIbsta/ThreadIberr/ThreadIbcnt beside data symbols ibsta/iberr/ibcnt. The
// data symbols of that variant are never updated, so a test can tell which one was read.
#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "Instrument.h"
#include "MemoryStore.h"
#include "nqsim_control.h"

#define NQSIM_EXPORT extern "C"

namespace {

constexpr int ERR = 0x8000, TMO = 0x4000, END = 0x2000, CMPL = 0x0100;
constexpr int EDVR = 0, ENOL = 2, EARG = 4, EABO = 6, ENEB = 7, EBUS = 14;
constexpr int kDescriptor = 16;

struct Status {
  int sta = 0, err = 0, cnt = 0;
};
Status status;

struct Simulator {
  nqsim::Instrument instrument;
  bool online = false;
  int ibdevArgs[6] = {0, 0, 0, 0, 0, 0};
  int timeoutCode = -1;
  std::vector<long> writeSizes;
  long reads = 0;
  // One-shot faults armed by nqsim_inject (0 or unset: none).
  long failWrite = 0, failRead = 0;
  std::optional<std::size_t> storeByte, fetchByte;
  // Set by the control functions; they win over the environment.
  std::optional<nqsim::Fault> fault;
  std::optional<std::string> identity;
};
// Every completed store goes to the state folder at once, where the next load finds it.
void Persist(Simulator& sim) {
  sim.instrument.onStored([&sim](std::size_t n) { nqsim::SaveMemoryFile(n, sim.instrument.memory(n)); });
}
Simulator& Sim() {
  static Simulator sim;
  [[maybe_unused]] static const bool persisted = (Persist(sim), true);
  return sim;
}

// The memories as the state folder holds them; one never saved is at its power-on zeros.
void LoadMemories() {
  const std::vector<std::uint8_t> zeros(nqsim::kMemorySize, 0);
  for (std::size_t n = 0; n < nqsim::kMemories; ++n) {
    const auto saved = nqsim::LoadMemoryFile(n);
    Sim().instrument.loadMemory(n, saved ? *saved : zeros);
  }
}

int Done(int sta, long cnt) {
  status.sta = sta;
  status.cnt = static_cast<int>(cnt);
  return sta;
}
int Error(int err, int extra = 0) {
  status.sta = ERR | extra;
  status.err = err;
  status.cnt = 0;
  return status.sta;
}
bool Bad(int ud) { return ud != kDescriptor || !Sim().online; }
bool Faulty(nqsim::Fault f) { return Sim().instrument.fault() == f; }

// The block header ahead of the data in a memory reply.
constexpr std::size_t kReplyHeader = 10;

// Bytes of this write that go through before an armed "store_byte" fault stops it, or
// nothing when the write is not hit.
std::optional<std::size_t> StoreLimit(long count) {
  Simulator& sim = Sim();
  const auto at = sim.instrument.storingAt();
  if (!sim.storeByte || !at || *at + std::size_t(count) <= *sim.storeByte) return std::nullopt;
  const std::size_t limit = *sim.storeByte > *at ? *sim.storeByte - *at : 0;
  sim.storeByte.reset();
  return limit;
}

// The same for a read and an armed "fetch_byte" fault (n counts data bytes after the header).
std::optional<std::size_t> FetchLimit(long count) {
  Simulator& sim = Sim();
  const auto at = sim.instrument.fetchingAt();
  if (!sim.fetchByte || !at) return std::nullopt;
  const std::size_t failAt = kReplyHeader + *sim.fetchByte;
  if (*at + std::size_t(count) <= failAt) return std::nullopt;
  sim.fetchByte.reset();
  return failAt > *at ? failAt - *at : 0;
}

void ApplyConfiguration() {
  Simulator& sim = Sim();
  nqsim::Fault fault = nqsim::Fault::None;
  if (sim.fault) {
    fault = *sim.fault;
  } else if (const char* env = std::getenv("NQSIM_FAULT")) {
    fault = nqsim::ParseFault(env).value_or(nqsim::Fault::None);
  }
  sim.instrument.setFault(fault);
  const char* env = std::getenv("NQSIM_IDN");
  sim.instrument.setIdentity(sim.identity ? *sim.identity
                             : env        ? std::string(env)
                                          : std::string(nqsim::kDefaultIdentity));
}

}  // namespace

// ---- status words ---------------------------------------------------------------------------

#ifdef NQSIM_LINUX_GPIB_NAMES
NQSIM_EXPORT int ThreadIbsta() { return status.sta; }
NQSIM_EXPORT int ThreadIberr() { return status.err; }
NQSIM_EXPORT int ThreadIbcnt() { return status.cnt; }
extern "C" {
volatile int ibsta = 0;
volatile int iberr = 0;
volatile int ibcnt = 0;
}
static void Publish() {}
#else
extern "C" {
volatile int user_ibsta = 0;
volatile int user_iberr = 0;
volatile int user_ibcnt = 0;
}
static void Publish() {
  user_ibsta = status.sta;
  user_iberr = status.err;
  user_ibcnt = status.cnt;
}
#endif

// Every entry point publishes its status before returning it.
#define RETURN(expr)       \
  do {                     \
    const int sta_ = expr; \
    Publish();       \
    return sta_;           \
  } while (0)

// ---- NI-488.2 entry points --------------------------------------------------------------

NQSIM_EXPORT int ibdev(int board, int pad, int sad, int tmo, int eot, int eos) {
  Simulator& sim = Sim();
  const int args[6] = {board, pad, sad, tmo, eot, eos};
  std::copy(args, args + 6, sim.ibdevArgs);
  ApplyConfiguration();
  LoadMemories();
  if (Faulty(nqsim::Fault::ErrIbdev) || board != 0) {
    Error(ENEB);
    Publish();
    return -1;
  }
  if (pad < 0 || pad > 30 || tmo < 0 || tmo > 17) {
    Error(EARG);
    Publish();
    return -1;
  }
  sim.online = true;
  sim.timeoutCode = tmo;
  Done(CMPL, 0);
  Publish();
  return kDescriptor;
}

NQSIM_EXPORT int ibclr(int ud) {
  if (Bad(ud)) RETURN(Error(EDVR));
  if (Faulty(nqsim::Fault::ErrIbclr)) RETURN(Error(EBUS));
  Sim().instrument.clear();
  RETURN(Done(CMPL, 0));
}

NQSIM_EXPORT int ibwrt(int ud, const void* buf, long count) {
  if (Bad(ud)) RETURN(Error(EDVR));
  if (count < 0 || (buf == nullptr && count > 0)) RETURN(Error(EARG));
  Simulator& sim = Sim();
  sim.writeSizes.push_back(count);
  if (Faulty(nqsim::Fault::ErrIbwrt)) RETURN(Error(ENOL));
  if (long(sim.writeSizes.size()) == sim.failWrite) RETURN(Error(ENOL));
  const auto* bytes = static_cast<const std::uint8_t*>(buf);
  if (const auto limit = StoreLimit(count)) {
    // The bus fails part-way: what went before stays with the instrument.
    sim.instrument.receive({bytes, *limit}, false);
    Error(EBUS);
    status.cnt = static_cast<int>(*limit);
    RETURN(status.sta);
  }
  sim.instrument.receive({bytes, static_cast<std::size_t>(count)}, sim.ibdevArgs[4] != 0);
  RETURN(Done(CMPL, count));
}

NQSIM_EXPORT int ibrd(int ud, void* buf, long count) {
  if (Bad(ud)) RETURN(Error(EDVR));
  if (count < 0 || (buf == nullptr && count > 0)) RETURN(Error(EARG));
  Simulator& sim = Sim();
  if (Faulty(nqsim::Fault::ErrIbrd)) RETURN(Error(EBUS));
  if (++sim.reads == sim.failRead) RETURN(Error(EBUS));
  // Nothing to say: the time-out passes (at once, tests need not wait for it).
  if (!sim.instrument.hasReply()) RETURN(Error(EABO, TMO));
  bool end = false;
  auto* bytes = static_cast<std::uint8_t*>(buf);
  if (const auto limit = FetchLimit(count)) {
    const std::size_t n = sim.instrument.transmit({bytes, *limit}, end);
    Error(EBUS);
    status.cnt = static_cast<int>(n);
    RETURN(status.sta);
  }
  const std::size_t n = sim.instrument.transmit({bytes, static_cast<std::size_t>(count)}, end);
  RETURN(Done(CMPL | (end ? END : 0), static_cast<long>(n)));
}

NQSIM_EXPORT int ibtmo(int ud, int code) {
  if (Bad(ud)) RETURN(Error(EDVR));
  if (code < 0 || code > 17) RETURN(Error(EARG));
  Sim().timeoutCode = code;
  RETURN(Done(CMPL, 0));
}

#ifndef NQSIM_NO_IBLOC
NQSIM_EXPORT int ibloc(int ud) {
  if (Bad(ud)) RETURN(Error(EDVR));
  RETURN(Done(CMPL, 0));
}
#endif

NQSIM_EXPORT int ibonl(int ud, int online) {
  if (Bad(ud)) RETURN(Error(EDVR));
  if (online == 0) Sim().online = false;
  RETURN(Done(CMPL, 0));
}

// ---- test control -----------------------------------------------------------------------

NQSIM_EXPORT void nqsim_reset(void) {
  Simulator& sim = Sim();
  sim = Simulator{};
  Persist(sim);
  nqsim::RemoveMemoryFiles();
  status = Status{};
  Publish();
}

NQSIM_EXPORT int nqsim_set_fault(const char* name) {
  const auto fault = nqsim::ParseFault(name ? name : "");
  if (!fault) return -1;
  Sim().fault = *fault;
  Sim().instrument.setFault(*fault);
  return 0;
}

NQSIM_EXPORT int nqsim_inject(const char* kind, long n) {
  Simulator& sim = Sim();
  const std::string_view name = kind ? kind : "";
  if (n < 0) return -1;
  if (const auto ack = nqsim::ParseAckFault(name)) {
    if (n < 1) return -1;
    sim.instrument.failAck(*ack, n);
  } else if (name == "ibwrt" || name == "ibrd") {
    if (n < 1) return -1;
    (name == "ibwrt" ? sim.failWrite : sim.failRead) = n;
  } else if (name == "store_byte" || name == "fetch_byte") {
    (name == "store_byte" ? sim.storeByte : sim.fetchByte) = static_cast<std::size_t>(n);
  } else {
    return -1;
  }
  return 0;
}

NQSIM_EXPORT void nqsim_set_identity(const char* line) {
  Simulator& sim = Sim();
  if (line) {
    sim.identity = line;
  } else {
    sim.identity.reset();
  }
  sim.instrument.setIdentity(line ? std::string(line) : std::string(nqsim::kDefaultIdentity));
}

NQSIM_EXPORT size_t nqsim_write_count(void) { return Sim().writeSizes.size(); }

NQSIM_EXPORT long nqsim_write_size(size_t index) {
  const auto& sizes = Sim().writeSizes;
  return index < sizes.size() ? sizes[index] : -1;
}

NQSIM_EXPORT long nqsim_read_memory(int n, unsigned char* out, size_t size) {
  if (n < 0 || n >= static_cast<int>(nqsim::kMemories) || out == nullptr) return -1;
  const auto memory = Sim().instrument.memory(static_cast<std::size_t>(n));
  const std::size_t used = std::min(size, memory.size());
  std::copy_n(memory.begin(), used, out);
  return static_cast<long>(used);
}

NQSIM_EXPORT long nqsim_load_memory(int n, const unsigned char* data, size_t size) {
  if (n < 0 || n >= static_cast<int>(nqsim::kMemories) || data == nullptr) return -1;
  Sim().instrument.loadMemory(static_cast<std::size_t>(n), {data, size});
  if (!nqsim::SaveMemoryFile(static_cast<std::size_t>(n), {data, size})) return -1;
  return static_cast<long>(size);
}

NQSIM_EXPORT long nqsim_memory_size(int n) {
  if (n < 0 || n >= static_cast<int>(nqsim::kMemories)) return -1;
  return static_cast<long>(Sim().instrument.memory(static_cast<std::size_t>(n)).size());
}

NQSIM_EXPORT void nqsim_ibdev_args(int args[6]) { std::copy(Sim().ibdevArgs, Sim().ibdevArgs + 6, args); }
NQSIM_EXPORT int nqsim_timeout_code(void) { return Sim().timeoutCode; }
NQSIM_EXPORT int nqsim_online(void) { return Sim().online ? 1 : 0; }
