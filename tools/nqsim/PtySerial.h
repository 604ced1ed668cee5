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
#include <optional>
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

  // A one-shot fault on the nth acknowledgement query since the last reset.
  void failAck(AckFault fault, long nth);
  // The instrument stops taking bytes from the line once a block being stored has reached
  // byte n (from 0), as one holding CTS would; the sender's bytes pile up in the pseudo-
  // terminal and then in its own queue. release() lets the rest in; reset() does too.
  void holdBlockAt(std::size_t byte);
  void release();
  // True while the line is held at that byte.
  bool holding() const;

 private:
  void serve();
  // Bytes the next read may take from the line (0 while held).
  std::size_t readRoom(std::size_t slice) const;

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
  std::optional<std::size_t> holdAt_;

  std::thread thread_;
};

}  // namespace nqsim
