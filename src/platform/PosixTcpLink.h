#pragma once
// The instrument's TCP socket over plain POSIX sockets, for averoz-cli (which has no Qt).
// Sends queue like the serial port's (PosixStream); reads and the connect wait in slices and
// ask the wait hook in between, so Ctrl+C takes effect while the instrument is silent.
#include <chrono>

#include "core/comm/LanLink.h"
#include "platform/PosixStream.h"

namespace averoz {

class PosixTcpLink final : public LanLink {
 public:
  PosixTcpLink() : stream_(true) {}

  // Throws LinkError naming the address when there is no connection within the time-out.
  void open(const LanEndpoint& endpoint) override;
  bool isOpen() const override { return stream_.isOpen(); }
  void close() override { stream_.close(); }

  bool send(std::span<const std::uint8_t> bytes) override { return stream_.send(bytes); }
  std::size_t pendingBytes() const override { return stream_.pending(); }
  long read(std::span<std::uint8_t> buffer) override {
    return stream_.read(buffer, timeout_, [this] { return keepWaiting(); });
  }
  void setReadTimeout(std::chrono::milliseconds timeout) override { timeout_ = timeout; }
  std::chrono::milliseconds readTimeout() const override { return timeout_; }
  // A socket has no CTS line.
  CtsState ctsState() const override { return CtsState::Unknown; }

 private:
  PosixStream stream_;
  std::chrono::milliseconds timeout_ = kSerialDefaultTimeout;
};

}  // namespace averoz
