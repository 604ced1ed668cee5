#include "core/comm/Gpib.h"

#include <dlfcn.h>

#include <algorithm>
#include <cstring>

#include "core/app/MessageId.h"

namespace averoz {

namespace {

template <class F>
bool Bind(void* library, const char* name, F& out) {
  void* symbol = dlsym(library, name);
  if (symbol == nullptr) return false;
  out = reinterpret_cast<F>(symbol);
  return true;
}

// linux-gpib keeps its status per thread behind accessors; NI-style libraries export the
// words themselves as user_* and linux-gpib also as plain data symbols.
bool BindWord(void* library, const char* accessor, const char* userName, const char* plainName,
              GpibEntryPoints::Word& word) {
  if (Bind(library, accessor, word.accessor)) return true;
  return Bind(library, userName, word.variable) || Bind(library, plainName, word.variable);
}

bool BindAll(void* library, GpibEntryPoints& fn) {
  return Bind(library, "ibdev", fn.ibdev) && Bind(library, "ibclr", fn.ibclr) &&
         Bind(library, "ibwrt", fn.ibwrt) && Bind(library, "ibrd", fn.ibrd) &&
         Bind(library, "ibtmo", fn.ibtmo) && Bind(library, "ibloc", fn.ibloc) &&
         Bind(library, "ibonl", fn.ibonl) &&
         BindWord(library, "ThreadIbsta", "user_ibsta", "ibsta", fn.ibsta) &&
         BindWord(library, "ThreadIberr", "user_iberr", "iberr", fn.iberr) &&
         BindWord(library, "ThreadIbcnt", "user_ibcnt", "ibcnt", fn.ibcnt);
}

void Unload(GpibState& g) {
  if (g.library != nullptr) dlclose(g.library);
  g.library = nullptr;
  g.fn = {};
  g.device = -1;
}

// Reads the status words after a call. A failure that the driver only signals through its
// return value (a negative descriptor, say) is recorded as ERR so callers test one bit.
bool Settle(GpibState& g, bool failedByReturn) {
  g.status.ibsta = g.fn.ibsta.read();
  g.status.iberr = g.fn.iberr.read();
  g.status.ibcnt = g.fn.ibcnt.read();
  if (failedByReturn) g.status.ibsta |= kGpibErr;
  return (g.status.ibsta & kGpibErr) == 0;
}

bool Fail(GpibState& g, int gpmsg) {
  g.failure = ShowGpibStatus(GPMSG(gpmsg), g.status);
  return false;
}

// Entry points that return ibsta fail by ERR in the returned word as well.
bool ReturnFailed(int returned) { return (returned & kGpibErr) != 0; }

bool Usable(GpibState& g, int gpmsg) {
  if (g.library != nullptr && g.device >= 0) return true;
  g.status = GpibStatus{kGpibErr, 0, 0};
  return Fail(g, gpmsg);
}

}  // namespace

GpibState::~GpibState() { Unload(*this); }

bool GpibLoad(GpibState& g, const std::string& library) {
  Unload(g);
  g.failure.reset();
  void* handle = dlopen(library.c_str(), RTLD_NOW | RTLD_LOCAL);
  if (handle == nullptr) {
    g.failure = Message{GPMSG(1), {}, {}};
    return false;
  }
  g.library = handle;
  if (!BindAll(handle, g.fn)) {
    Unload(g);
    g.failure = Message{GPMSG(2), {}, {}};
    return false;
  }
  return true;
}

bool GpibOpen(GpibState& g, int board, int address) {
  g.failure.reset();
  if (g.library == nullptr) {
    g.status = GpibStatus{kGpibErr, 0, 0};
    return Fail(g, 5);
  }
  const int descriptor = g.fn.ibdev(board, address, 0, kGpibT3s, 1, 0);
  if (!Settle(g, descriptor < 0)) return Fail(g, 5);
  g.device = descriptor;
  if (!Settle(g, ReturnFailed(g.fn.ibclr(g.device)))) return Fail(g, 6);
  return true;
}

bool GpibWrite(GpibState& g, std::string_view text) {
  text = text.substr(0, text.find('\0'));
  return GpibWriteRaw(g, std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
}

bool GpibQuery(GpibState& g, std::string_view text) {
  g.reply.clear();
  if (!GpibWrite(g, text)) return false;
  char buffer[kGpibReplySize + 1];
  const int returned = g.fn.ibrd(g.device, buffer, static_cast<long>(kGpibReplySize));
  if (!Settle(g, ReturnFailed(returned))) return Fail(g, 4);
  // A driver reporting more than it was given room for must not move the terminator out.
  const auto count = static_cast<std::size_t>(std::clamp<long>(g.status.ibcnt, 0, kGpibReplySize));
  buffer[count] = '\0';
  g.reply.assign(buffer, std::strlen(buffer));
  return true;
}

bool GpibWriteRaw(GpibState& g, std::span<const std::uint8_t> bytes) {
  g.failure.reset();
  if (!Usable(g, 3)) return false;
  const int returned = g.fn.ibwrt(g.device, bytes.data(), static_cast<long>(bytes.size()));
  return Settle(g, ReturnFailed(returned)) || Fail(g, 3);
}

bool GpibReadRaw(GpibState& g, std::span<std::uint8_t> buffer, std::size_t& received) {
  g.failure.reset();
  received = 0;
  if (!Usable(g, 4)) return false;
  const int returned = g.fn.ibrd(g.device, buffer.data(), static_cast<long>(buffer.size()));
  const bool ok = Settle(g, ReturnFailed(returned));
  received = static_cast<std::size_t>(std::clamp<long>(g.status.ibcnt, 0, static_cast<long>(buffer.size())));
  return ok || Fail(g, 4);
}

bool GpibSetTimeout(GpibState& g, int code) {
  g.failure.reset();
  if (!Usable(g, 3)) return false;
  return Settle(g, ReturnFailed(g.fn.ibtmo(g.device, code)));
}

bool GpibClear(GpibState& g) {
  g.failure.reset();
  if (!Usable(g, 6)) return false;
  return Settle(g, ReturnFailed(g.fn.ibclr(g.device))) || Fail(g, 6);
}

void GpibClose(GpibState& g) {
  if (g.library != nullptr && g.device >= 0) {
    g.fn.ibloc(g.device);
    g.fn.ibonl(g.device, 0);
  }
  Unload(g);
}

}  // namespace averoz
