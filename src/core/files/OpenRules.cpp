#include "core/files/OpenRules.h"

#include "core/app/general.h"
#include "core/files/FileNames.h"

namespace averoz {

std::string OpenFilter() {
  const std::string mod = KindExtension(0);
  return "Binary Files(*" + mod + ",*.awd)|*" + mod + ";*.awd" + "|CSV Files(*.csv)|*.csv" +
         "|All Files(*.*)|*.*";
}

// Whole extensions are compared: a text file named "x.aw" or "x.a" is no binary file.
bool OpensAsBinaryWave(const std::string& path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  return ext == ".awd" || ext == KindExtension(0);
}

bool OpensAsPattern(const std::string& path) {
  return LowerAscii(ExtensionOf(path)) == KindExtension(2);
}

int RecentFileKind(const std::string& path) {
  const std::string ext = LowerAscii(ExtensionOf(path));
  for (int kind : {1, 2})
    if (ext == KindExtension(kind)) return kind;
  return 0;
}

}  // namespace averoz
