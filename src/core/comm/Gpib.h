#pragma once
// The GPIB binding: the driver library is loaded at run time for each transfer and its
// NI-488.2 entry points are bound by name, so the program runs (and sends over RS-232C) on a
// machine without any GPIB driver.
//
// Core code shows nothing: an operation that fails returns false and leaves the message to
// show (the GPMSG entry plus the status text) in GpibState::failure.
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/Prompter.h"

namespace averoz {

class IniFile;

// linux-gpib's run-time name; section "GPIB" key "Library" names another.
inline constexpr const char* kDefaultGpibLibrary = "libgpib.so.0";
// The settings' library, or the default when the key is missing or empty.
std::string GpibLibraryName(const IniFile& settings);

// Status word bits (ibsta).
inline constexpr int kGpibErr = 0x8000;
inline constexpr int kGpibTmo = 0x4000;
inline constexpr int kGpibEnd = 0x2000;
inline constexpr int kGpibCmpl = 0x0100;
// Time-out codes.
inline constexpr int kGpibT3s = 12;
inline constexpr int kGpibT30s = 14;

// Size of one query reply.
inline constexpr std::size_t kGpibReplySize = 1024;

// The driver's view of the last call.
struct GpibStatus {
  int ibsta = 0;
  int iberr = 0;
  long ibcnt = 0;
};

// The driver's entry points and status words, bound by name.
struct GpibEntryPoints {
  int (*ibdev)(int board, int pad, int sad, int tmo, int eot, int eos) = nullptr;
  int (*ibclr)(int ud) = nullptr;
  int (*ibwrt)(int ud, const void* buf, long count) = nullptr;
  int (*ibrd)(int ud, void* buf, long count) = nullptr;
  int (*ibtmo)(int ud, int code) = nullptr;
  int (*ibloc)(int ud) = nullptr;
  int (*ibonl)(int ud, int online) = nullptr;
  // Each status word is read through a per-thread accessor when the library has one,
  // otherwise through the exported variable.
  struct Word {
    int (*accessor)() = nullptr;
    volatile int* variable = nullptr;
    int read() const { return accessor ? accessor() : variable ? *variable : 0; }
  };
  Word ibsta, iberr, ibcnt;
};

// Everything one transfer needs: load, open, talk, close. Use it only through the functions
// below. Destroying a loaded state unloads the library (without talking to the device), so
// an early return never leaks it.
struct GpibState {
  GpibState() = default;
  ~GpibState();
  GpibState(const GpibState&) = delete;
  GpibState& operator=(const GpibState&) = delete;

  void* library = nullptr;
  GpibEntryPoints fn;
  int device = -1;
  // The driver's status after the last call.
  GpibStatus status;
  // The text of the last successful GpibQuery, up to its first zero byte.
  std::string reply;
  // What to show after an operation returned false.
  std::optional<Message> failure;
};

// Loads the library and binds ibdev, ibclr, ibwrt, ibrd, ibtmo, ibloc, ibonl and the three
// status words. Not found: GPMSG 1. A name missing: GPMSG 2, and the library is unloaded.
bool GpibLoad(GpibState& g, const std::string& library = kDefaultGpibLibrary);
// ibdev(board, address, no secondary address, 3 s, EOI on every write, no end-of-string
// character), then device clear. GPMSG 5 / GPMSG 6 with the status text.
bool GpibOpen(GpibState& g, int board, int address);
// Writes the text up to its first zero byte. GPMSG 3 with the status text.
bool GpibWrite(GpibState& g, std::string_view text);
// GpibWrite, then one read of at most 1024 bytes, ending where the device ends its message.
// GPMSG 4 with the status text when the read fails.
bool GpibQuery(GpibState& g, std::string_view text);
// One write of the bytes as they are; false when ERR is set (GPMSG 3 in failure()).
bool GpibWriteRaw(GpibState& g, std::span<const std::uint8_t> bytes);
// One read of at most buffer.size() bytes; received = the bytes that arrived. False when ERR
// is set (GPMSG 4 in failure()).
bool GpibReadRaw(GpibState& g, std::span<std::uint8_t> buffer, std::size_t& received);
// ibtmo with a time-out code (kGpibT3s, kGpibT30s).
bool GpibSetTimeout(GpibState& g, int code);
// Device clear, after an aborted receive.
bool GpibClear(GpibState& g);
// Back to local, device offline, library unloaded. Safe to call in any state.
void GpibClose(GpibState& g);

// "ibsta = $8100< ERR  CMPL > iberr = 2< ENOL:No Listener > ibcntl = 0"
std::string GpibStatusText(const GpibStatus& status);
// The message, and the status text on the next line.
Message ShowGpibStatus(MessageId message, const GpibStatus& status);

}  // namespace averoz
