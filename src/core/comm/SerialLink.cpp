#include "core/comm/SerialLink.h"

#include <algorithm>
#include <thread>

namespace averoz {

namespace {

// Long enough for a slow instrument that holds CTS while it digests a piece, short enough
// that a dead link is reported rather than freezing the window.
constexpr std::chrono::milliseconds kDefaultStallLimit{30000};

}  // namespace

SerialSettings MakeSerialSettings(int port, int rate, int parity, int databit, int stopbit) {
  SerialSettings s;
  s.comNumber = port + 1;
  // The shift stays well inside int; an index far off the list gives no rate.
  s.bitRate = (rate >= -2 && rate <= 16) ? 300 << (rate + 2) : 0;
  s.parity = parity;
  s.dataBits = databit + 7;
  s.stopBits = stopbit + 1;
  return s;
}

bool WaitSerialDrained(ByteLink& link, std::chrono::milliseconds stallLimit,
                       const Sleeper& sleep, std::chrono::milliseconds lastCharacter) {
  using std::chrono::milliseconds;
  std::size_t last = link.pendingBytes();
  milliseconds still{0};
  while (last != 0) {
    if (still >= stallLimit) return false;
    sleep(milliseconds{1});
    const std::size_t now = link.pendingBytes();
    still = now == last ? still + milliseconds{1} : milliseconds{0};
    last = now;
  }
  if (lastCharacter.count() > 0) sleep(lastCharacter);
  return true;
}

Handover SendWhenRoom(ByteLink& link, std::span<const std::uint8_t> bytes,
                      std::chrono::milliseconds timeout, const std::function<bool()>& whileWaiting,
                      const Sleeper& sleep) {
  using std::chrono::milliseconds;
  const auto start = std::chrono::steady_clock::now();
  milliseconds slept{0};
  for (;;) {
    const std::size_t queued = link.pendingBytes();
    if (queued == 0 || queued + bytes.size() <= kSerialTransmitBuffer)
      return link.send(bytes) ? Handover::Sent : Handover::Failed;
    // Real time when the sleeps are real, the sleeps themselves when a test fakes them.
    const auto elapsed = std::max(
        slept, std::chrono::duration_cast<milliseconds>(std::chrono::steady_clock::now() - start));
    if (elapsed >= timeout) return Handover::TimedOut;
    if (!whileWaiting()) return Handover::Stopped;
    sleep(milliseconds{1});
    slept += milliseconds{1};
  }
}

bool WaitSerialDrained(ByteLink& link) {
  return WaitSerialDrained(link, kDefaultStallLimit,
                           [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); });
}

bool SerialCtsHeld(const ByteLink& link) { return link.ctsState() == CtsState::Held; }

}  // namespace averoz
