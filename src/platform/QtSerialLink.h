#pragma once
// The RS-232C port over Qt SerialPort, driven from the one user-interface thread without
// help from an event loop: a send queues its bytes in the port and pushes out what the line
// takes at once; the rest moves on whenever the queue is looked at (pendingBytes) or a read
// waits, and while the window processes its events. The send sequence hands a piece over only
// once it fits the transmit buffer beside what is queued here (SendWhenRoom), so the queue
// follows the line. A pseudo-terminal takes some kilobytes of its own first, which no queue
// count can see.
#include <chrono>
#include <functional>
#include <memory>
#include <string>

#include "core/app/IniFile.h"
#include "core/comm/SerialLink.h"

class QSerialPort;

namespace averoz {

class QtSerialLink final : public SerialLink {
 public:
  // The settings file maps COM numbers to devices; it is read at each open.
  explicit QtSerialLink(IniFile settings);
  // The device of each COM number from elsewhere (a dialog's unsaved values).
  using DeviceOf = std::function<std::string(int com)>;
  explicit QtSerialLink(DeviceOf devices);
  ~QtSerialLink() override;
  QtSerialLink(const QtSerialLink&) = delete;
  QtSerialLink& operator=(const QtSerialLink&) = delete;

  // RTS/CTS handshake always. Throws SerialError with the port's own text, naming the COM
  // number and its device.
  void open(const SerialSettings& settings) override;
  bool isOpen() const override;
  void close() override;

  bool send(std::span<const std::uint8_t> bytes) override;
  // The port's own queue plus what the driver still holds for the line.
  std::size_t pendingBytes() const override;

  long read(std::span<std::uint8_t> buffer) override;

  // Unknown when the modem lines cannot be read (a pseudo-terminal, a port that is closed).
  CtsState ctsState() const override;

  // The device of the last open ("" before the first).
  const std::string& devicePath() const { return devicePath_; }

 private:
  DeviceOf devices_;
  std::unique_ptr<QSerialPort> port_;
  std::string devicePath_;
};

}  // namespace averoz
