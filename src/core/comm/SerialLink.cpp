#include "core/comm/SerialLink.h"

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

bool WaitSerialDrained(SerialLink& link, std::chrono::milliseconds stallLimit,
                       const Sleeper& sleep) {
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
  sleep(milliseconds{10});
  return true;
}

bool WaitSerialDrained(SerialLink& link) {
  return WaitSerialDrained(link, kDefaultStallLimit,
                           [](std::chrono::milliseconds ms) { std::this_thread::sleep_for(ms); });
}

bool SerialCtsHeld(const SerialLink& link) { return link.ctsState() == CtsState::Held; }

}  // namespace averoz
