// The communication settings read straight from the settings file. Kept apart from the
// binding and the protocol so that code which only talks to the instrument does not pull in
// the settings file.
#include "core/app/IniFile.h"
#include "core/comm/Gpib.h"
#include "core/comm/Protocol.h"

namespace averoz {

std::string GpibLibraryName(const IniFile& settings) {
  std::string name = settings.ReadString("GPIB", "Library", "");
  return name.empty() ? std::string(kDefaultGpibLibrary) : name;
}

std::string ModelPrefix(const IniFile& settings) {
  return settings.ReadString("GPIB", "ModelNumber", "");
}

}  // namespace averoz
