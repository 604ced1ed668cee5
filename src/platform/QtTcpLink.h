#pragma once
// The instrument's TCP socket over QTcpSocket, driven from the one user-interface thread
// without an event loop of its own: writes are flushed as far as the socket takes them, and
// the connect and every read wait in short slices, asking the wait hook in between (it lets
// the window's events run, so Abort can be pressed while the instrument is silent).
#include <chrono>
#include <memory>

#include "core/comm/LanLink.h"

class QTcpSocket;

namespace averoz {

class QtTcpLink final : public LanLink {
 public:
  QtTcpLink();
  ~QtTcpLink() override;
  QtTcpLink(const QtTcpLink&) = delete;
  QtTcpLink& operator=(const QtTcpLink&) = delete;

  // Throws LinkError naming the address and the socket's own reason.
  void open(const LanEndpoint& endpoint) override;
  bool isOpen() const override;
  void close() override;

  bool send(std::span<const std::uint8_t> bytes) override;
  // Bytes the socket has not yet handed to the system.
  std::size_t pendingBytes() const override;

  long read(std::span<std::uint8_t> buffer) override;
  // A socket has no CTS line.
  CtsState ctsState() const override { return CtsState::Unknown; }

 private:
  std::unique_ptr<QTcpSocket> socket_;
};

}  // namespace averoz
