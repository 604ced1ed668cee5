#include "core/app/RecentFiles.h"

#include "core/app/IniFile.h"
#include "core/app/general.h"

namespace averoz {

void RecentFiles::Add(const std::string& path) {
  if (path == slots_[0]) return;
  if (path != slots_[1]) slots_[2] = slots_[1];
  slots_[1] = slots_[0];
  slots_[0] = path;
}

void RecentFiles::Load(const IniFile& settings) {
  for (int i = 0; i < kSlots; ++i)
    slots_[std::size_t(i)] = settings.ReadString("Files", "File" + std::to_string(i), "");
}

void RecentFiles::Save(IniFile& settings) const {
  for (int i = 0; i < kSlots; ++i)
    if (!slots_[std::size_t(i)].empty())
      settings.WriteString("Files", "File" + std::to_string(i), slots_[std::size_t(i)]);
}

std::string DocumentName(int docKind, int counter) {
  static const char* const kPrefixes[] = {"pcwav", "pcope", "pcppg"};
  const char* prefix = (docKind >= 0 && docKind <= 2) ? kPrefixes[docKind] : kPrefixes[0];
  return prefix + ZeroPad(counter, 3);
}

}  // namespace averoz
