#pragma once
// The instrument's TCP socket over plain POSIX sockets, for averoz-cli (which has no Qt).
// Sends queue like the serial port's (PosixStream); reads and the connect wait in slices and
// ask the wait hook in between, so Ctrl+C takes effect while the instrument is silent.
#include "core/comm/LanLink.h"
#include "platform/PosixStream.h"

namespace averoz {

class PosixTcpLink final : public OnPosixStream<LanLink> {
 public:
  PosixTcpLink() : OnPosixStream(true) {}

  // Throws LinkError naming the address when there is no connection within the time-out.
  void open(const LanEndpoint& endpoint) override;
  // A socket has no CTS line.
  CtsState ctsState() const override { return CtsState::Unknown; }
};

}  // namespace averoz
