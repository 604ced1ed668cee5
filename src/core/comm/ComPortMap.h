#pragma once
// Which device a COM number opens. COMn is /dev/ttyS(n-1) unless section "RS" key "COMn"
// of the settings file names another device (a USB adapter, or a pseudo-terminal in tests).
#include <string>

namespace averoz {

class IniFile;

inline constexpr int kComPortCount = 16;

// The device path of COM number com (1-based); empty for a number below 1, which names no
// port at all.
std::string ComDevicePath(const IniFile& settings, int com);
// The device of COM number com when the settings map none: /dev/ttyS(com-1).
std::string DefaultComDevicePath(int com);

}  // namespace averoz
