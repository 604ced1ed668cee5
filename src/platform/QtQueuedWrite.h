#pragma once
// Sending on a Qt device (a serial port, a socket) driven without an event loop: the bytes go
// into the device's queue and out as far as the system takes them at once.
#include <QtGlobal>
#include <cstdint>
#include <span>

namespace averoz {

// False when the device took fewer bytes than given; an empty send succeeds.
template <class Device>
bool QueueAndFlush(Device& device, std::span<const std::uint8_t> bytes) {
  if (bytes.empty()) return true;
  const auto size = static_cast<qint64>(bytes.size());
  if (device.write(reinterpret_cast<const char*>(bytes.data()), size) != size) return false;
  device.flush();
  return true;
}

}  // namespace averoz
