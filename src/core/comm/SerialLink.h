#pragma once
// What the send and receive sequences need of an RS-232C port (and of the socket that carries
// the same sequence over a LAN). The platform layer implements it over a real port; tests
// implement it with a scripted fake.
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <stdexcept>
#include <string>
#include <string_view>

namespace averoz {

// Port properties as set before each transfer; always RTS/CTS hardware handshake. Values
// that a port cannot take (from a hand-edited settings file) make open throw SerialError.
struct SerialSettings {
  int comNumber = 1;  // COM1..COM16
  int bitRate = 9600;  // 0 when the stored index gives no rate at all
  int parity = 0;      // 0 none, 1 odd, 2 even
  int dataBits = 8;
  int stopBits = 1;
};

// From the stored list indices of section "RS": Port 0 is COM1, Rate 0..4 is 1200..19200
// bit/s (300 x 2^(Rate+2)), Parity 0/1/2 none/odd/even, Databit 0/1 is 7/8 bits, Stopbit 0/1
// is one/two stop bits. Indices are taken as they are, not corrected.
SerialSettings MakeSerialSettings(int port, int rate, int parity, int databit, int stopbit);

// Raised by open and by property changes, with the port's or socket's own message text.
class LinkError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
using SerialError = LinkError;

// The port's CTS line as far as it can be read (a pseudo-terminal cannot).
enum class CtsState { Held, Clear, Unknown };

inline constexpr std::chrono::milliseconds kSerialDefaultTimeout{3000};
inline constexpr std::chrono::milliseconds kSerialLongTimeout{40000};

// A byte stream to the instrument as the RS-232C command sequence drives it: an open serial
// port or a connected socket.
class ByteLink {
 public:
  virtual ~ByteLink() = default;

  virtual bool isOpen() const = 0;
  virtual void close() = 0;

  // Queues the bytes for transmission and returns at once; false when the port is not open.
  virtual bool send(std::span<const std::uint8_t> bytes) = 0;
  // Bytes queued and not yet transmitted.
  virtual std::size_t pendingBytes() const = 0;

  // Returns when buffer.size() bytes have arrived or the receive time-out has passed, with
  // the number of bytes read; -1 when the port is not open.
  virtual long read(std::span<std::uint8_t> buffer) = 0;
  // Total time-out of one read, applied to an open port at once. The default is 3000 ms.
  virtual void setReadTimeout(std::chrono::milliseconds timeout) { timeout_ = timeout; }
  virtual std::chrono::milliseconds readTimeout() const { return timeout_; }

  // Whether transmission is waiting for CTS.
  virtual CtsState ctsState() const = 0;

  // A text is sent as its bytes; an empty text counts as sent on an open port.
  bool sendText(std::string_view text) {
    return send(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()));
  }

  // Runs now and then while a read or a connect waits; false ends the wait early with what has
  // arrived (Abort). Links whose waits are bounded by the line itself may ignore it.
  void setWaitHook(std::function<bool()> hook) { waitHook_ = std::move(hook); }

 protected:
  bool keepWaiting() const { return !waitHook_ || waitHook_(); }

 private:
  std::chrono::milliseconds timeout_ = kSerialDefaultTimeout;
  std::function<bool()> waitHook_;
};

class SerialLink : public ByteLink {
 public:
  // Throws SerialError when the port cannot be opened or configured.
  virtual void open(const SerialSettings& settings) = 0;
};

// The port's transmit buffer and transmit time-out: bytes are handed over only once they fit
// beside what is still queued, so a send keeps pace with the line.
inline constexpr std::size_t kSerialTransmitBuffer = 2048;
inline constexpr std::chrono::milliseconds kSerialTransmitTimeout{3000};

using Sleeper = std::function<void(std::chrono::milliseconds)>;

enum class Handover {
  Sent,
  Stopped,   // whileWaiting asked to stop (Abort): nothing handed over
  TimedOut,  // no room within the time-out
  Failed,    // the port took nothing (not open)
};

// Hands the bytes to the port once they fit into the transmit buffer beside the bytes still
// queued (an empty queue takes anything). Until then, once a millisecond, whileWaiting runs
// (window events, so Abort can be pressed) and says whether to go on waiting.
Handover SendWhenRoom(ByteLink& link, std::span<const std::uint8_t> bytes,
                      std::chrono::milliseconds timeout, const std::function<bool()>& whileWaiting,
                      const Sleeper& sleep);

// Polls the transmit queue every 1 ms until it is empty, then waits lastCharacter (10 ms) more
// for the last character to leave the wire. Gives up and returns false when the queue has not
// moved for stallLimit (a port held off by CTS for good would otherwise wait for ever).
inline constexpr std::chrono::milliseconds kSerialLastCharacter{10};
bool WaitSerialDrained(ByteLink& link, std::chrono::milliseconds stallLimit,
                       const Sleeper& sleep,
                       std::chrono::milliseconds lastCharacter = kSerialLastCharacter);
bool WaitSerialDrained(ByteLink& link);

// True only while the port reports that transmission waits for CTS; unknown is not held.
bool SerialCtsHeld(const ByteLink& link);

}  // namespace averoz
