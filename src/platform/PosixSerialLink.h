#pragma once
// The RS-232C port over plain POSIX termios, for averoz-cli (which has no Qt). Sends queue
// (PosixStream), so the send sequence paces itself on the line as it does in the editor. A
// pseudo-terminal takes some kilobytes of its own first, which no queue count can see.
#include <string>

#include "core/app/IniFile.h"
#include "core/comm/SerialLink.h"
#include "platform/PosixStream.h"

namespace averoz {

class PosixSerialLink final : public OnPosixStream<SerialLink> {
 public:
  // The settings file maps COM numbers to devices; it is read at each open.
  explicit PosixSerialLink(IniFile settings)
      : OnPosixStream(false), settings_(std::move(settings)) {}

  // Raw line with RTS/CTS handshake. Throws SerialError naming the COM number and its device.
  void open(const SerialSettings& settings) override;
  // Unknown when the modem lines cannot be read (a pseudo-terminal, a port that is closed).
  CtsState ctsState() const override;

 private:
  IniFile settings_;
};

}  // namespace averoz
