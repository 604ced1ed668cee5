// Kept apart from the binding so that code which only talks GPIB does not pull in the
// settings file.
#include "core/app/IniFile.h"
#include "core/comm/Gpib.h"

namespace averoz {

std::string GpibLibraryName(const IniFile& settings) {
  std::string name = settings.ReadString("GPIB", "Library", "");
  return name.empty() ? std::string(kDefaultGpibLibrary) : name;
}

}  // namespace averoz
