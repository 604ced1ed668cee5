#pragma once
// The simulated instrument on an RS-232C line: a pseudo-terminal whose slave side the editor
// opens like any serial device, served by a background thread. Optionally paced at a bit
// rate, so bytes move in each direction no faster than a real line would carry them (ten
// bits per character).
//
// A pseudo-terminal has no modem lines: CTS cannot be read and RTS/CTS is not enforced.
#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>
#include <span>
#include <string>
#include <thread>
#include <vector>

#include "Instrument.h"

namespace nqsim {

// The line settings the port's user set on the slave side (0 where unknown). Parity and
// character size are missing: the pseudo-terminal driver forces every line to 8 bits without
// parity, whatever was asked for.
struct LineSettings {
  int bitRate = 0;
  int stopBits = 0;
  bool rtsCts = false;
};

class PtySerial {
 public:
  // Opens the pseudo-terminal and starts serving. bitRate 0 moves bytes as fast as they come.
  // Throws std::system_error when no pseudo-terminal can be had.
  explicit PtySerial(int bitRate = 0);
  ~PtySerial();
  PtySerial(const PtySerial&) = delete;
  PtySerial& operator=(const PtySerial&) = delete;

  // The device path to open, e.g. "/dev/pts/5".
  const std::string& slavePath() const { return slavePath_; }

  void setBitRate(int bitRate) { bitRate_ = bitRate; }
  LineSettings lineSettings() const;

  // The instrument is shared with the serving thread; these lock it. Faults that only a GPIB
  // driver can show (err_ib*) change nothing here.
  void setFault(Fault fault);
  void setIdentity(std::string line);
  void reset();
  std::vector<std::uint8_t> memory(std::size_t n) const;
  void loadMemory(std::size_t n, std::span<const std::uint8_t> bytes);
  // Bytes taken from the line since the start (or the last reset).
  std::size_t bytesReceived() const;

 private:
  void serve();

  int master_ = -1;
  int slave_ = -1;  // kept open so the master never sees a hang-up between users
  int wake_[2] = {-1, -1};
  std::string slavePath_;
  std::atomic<int> bitRate_;
  std::atomic<bool> stop_{false};
  std::atomic<bool> dropReply_{false};  // reset: forget the reply being written

  mutable std::mutex mutex_;
  Instrument instrument_;
  std::size_t received_ = 0;

  std::thread thread_;
};

}  // namespace nqsim
