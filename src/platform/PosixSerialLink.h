#pragma once
// The RS-232C port over plain POSIX termios, for averoz-cli (which has no Qt). Bytes a send
// cannot hand to the driver at once wait in a queue of our own and move on whenever the queue
// is looked at (pendingBytes) or a read waits, so the send sequence paces itself on the line
// as it does in the editor. A pseudo-terminal takes some kilobytes of its own first, which no
// queue count can see.
#include <chrono>
#include <deque>
#include <string>

#include "core/app/IniFile.h"
#include "core/comm/SerialLink.h"

namespace averoz {

class PosixSerialLink final : public SerialLink {
 public:
  // The settings file maps COM numbers to devices; it is read at each open.
  explicit PosixSerialLink(IniFile settings) : settings_(std::move(settings)) {}
  ~PosixSerialLink() override { close(); }
  PosixSerialLink(const PosixSerialLink&) = delete;
  PosixSerialLink& operator=(const PosixSerialLink&) = delete;

  // Raw line with RTS/CTS handshake. Throws SerialError naming the COM number and its device.
  void open(const SerialSettings& settings) override;
  bool isOpen() const override { return fd_ >= 0; }
  void close() override;

  bool send(std::span<const std::uint8_t> bytes) override;
  // Our own queue plus what the driver still holds for the line.
  std::size_t pendingBytes() const override;

  long read(std::span<std::uint8_t> buffer) override;
  void setReadTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds readTimeout() const override { return timeout_; }

  // Unknown when the modem lines cannot be read (a pseudo-terminal, a port that is closed).
  CtsState ctsState() const override;

 private:
  // Hands queued bytes to the driver as far as it takes them without blocking.
  void pushQueued() const;

  IniFile settings_;
  int fd_ = -1;
  mutable std::deque<std::uint8_t> queue_;
  std::chrono::milliseconds timeout_ = kSerialDefaultTimeout;
};

}  // namespace averoz
