#include "core/files/RemovableMedia.h"

#include <algorithm>
#include <fstream>
#include <sstream>

namespace averoz {

namespace {

namespace fs = std::filesystem;

// The table writes space, tab, newline and backslash as "\ooo".
std::string Unescape(const std::string& field) {
  std::string out;
  for (std::size_t i = 0; i < field.size(); ++i) {
    if (field[i] == '\\' && i + 3 < field.size() &&
        std::all_of(field.begin() + i + 1, field.begin() + i + 4,
                    [](char c) { return c >= '0' && c <= '7'; })) {
      out += char((field[i + 1] - '0') * 64 + (field[i + 2] - '0') * 8 + (field[i + 3] - '0'));
      i += 3;
    } else {
      out += field[i];
    }
  }
  return out;
}

bool FlagSet(const fs::path& file) {
  std::ifstream in(file);
  char c = 0;
  return in >> c && c == '1';
}

bool OnUsbBus(const fs::path& device) {
  for (const fs::path& part : device) {
    const std::string name = part.string();
    if (name.size() > 3 && name.compare(0, 3, "usb") == 0 &&
        std::all_of(name.begin() + 3, name.end(), [](char c) { return c >= '0' && c <= '9'; }))
      return true;
  }
  return false;
}

}  // namespace

std::vector<MountEntry> ParseMountInfo(const std::string& text) {
  std::vector<MountEntry> entries;
  std::istringstream lines(text);
  std::string line;
  while (std::getline(lines, line)) {
    std::istringstream fields(line);
    std::vector<std::string> f;
    for (std::string field; fields >> field;) f.push_back(field);
    // id parent major:minor root mount-point options [optional...] - type source super-options
    const auto dash = std::find(f.begin() + std::min<std::size_t>(f.size(), 6), f.end(), "-");
    if (f.size() < 6 || dash == f.end() || f.end() - dash < 3) continue;
    entries.push_back({f[2], Unescape(f[4]), *(dash + 1), Unescape(*(dash + 2))});
  }
  return entries;
}

bool IsRemovableBlockDevice(const fs::path& sysRoot, const std::string& majorMinor) {
  std::error_code ec;
  const fs::path device = fs::canonical(sysRoot / "dev" / "block" / majorMinor, ec);
  if (ec) return false;
  // The flag belongs to the whole disk, one level above a partition.
  const fs::path disk = fs::exists(device / "partition", ec) ? device.parent_path() : device;
  return FlagSet(disk / "removable") || OnUsbBus(disk);
}

std::vector<std::string> RemovableMountPoints(const std::string& mountInfo, const fs::path& sysRoot) {
  std::vector<MountEntry> top;
  for (MountEntry& entry : ParseMountInfo(mountInfo)) {
    std::erase_if(top, [&](const MountEntry& e) { return e.mountPoint == entry.mountPoint; });
    top.push_back(std::move(entry));
  }
  std::vector<std::string> points;
  for (const MountEntry& entry : top)
    if (IsRemovableBlockDevice(sysRoot, entry.device)) points.push_back(entry.mountPoint);
  return points;
}

}  // namespace averoz
