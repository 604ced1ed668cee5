#include "core/comm/ComPortMap.h"

#include "core/app/IniFile.h"

namespace averoz {

std::string ComDevicePath(const IniFile& settings, int com) {
  if (com < 1) return {};
  const std::string key = "COM" + std::to_string(com);
  std::string mapped = settings.ReadString("RS", key, "");
  return mapped.empty() ? DefaultComDevicePath(com) : mapped;
}

std::string DefaultComDevicePath(int com) {
  return com < 1 ? std::string() : "/dev/ttyS" + std::to_string(com - 1);
}

}  // namespace averoz
