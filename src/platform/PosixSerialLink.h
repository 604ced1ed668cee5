#pragma once
// The RS-232C port over plain POSIX termios, for averoz-cli (which has no Qt). Sends queue
// (PosixStream), so the send sequence paces itself on the line as it does in the editor. A
// pseudo-terminal takes some kilobytes of its own first, which no queue count can see.
#include <chrono>
#include <string>

#include "core/app/IniFile.h"
#include "core/comm/SerialLink.h"
#include "platform/PosixStream.h"

namespace averoz {

class PosixSerialLink final : public SerialLink {
 public:
  // The settings file maps COM numbers to devices; it is read at each open.
  explicit PosixSerialLink(IniFile settings) : settings_(std::move(settings)), stream_(false) {}
  PosixSerialLink(const PosixSerialLink&) = delete;
  PosixSerialLink& operator=(const PosixSerialLink&) = delete;

  // Raw line with RTS/CTS handshake. Throws SerialError naming the COM number and its device.
  void open(const SerialSettings& settings) override;
  bool isOpen() const override { return stream_.isOpen(); }
  void close() override { stream_.close(); }

  bool send(std::span<const std::uint8_t> bytes) override { return stream_.send(bytes); }
  // Our own queue plus what the driver still holds for the line.
  std::size_t pendingBytes() const override { return stream_.pending(); }

  long read(std::span<std::uint8_t> buffer) override {
    return stream_.read(buffer, timeout_, [this] { return keepWaiting(); });
  }
  void setReadTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds readTimeout() const override { return timeout_; }

  // Unknown when the modem lines cannot be read (a pseudo-terminal, a port that is closed).
  CtsState ctsState() const override;

 private:
  IniFile settings_;
  PosixStream stream_;
  std::chrono::milliseconds timeout_ = kSerialDefaultTimeout;
};

}  // namespace averoz
