#pragma once
// Which mounted file systems live on removable media, read from the kernel's mount table
// (/proc/self/mountinfo) and its block-device tree (/sys). Both come in as arguments so a test
// can hand in its own table and tree.
#include <filesystem>
#include <string>
#include <vector>

namespace averoz {

struct MountEntry {
  std::string device;      // "major:minor" of the block device behind the mount
  std::string mountPoint;  // with the table's octal escapes ("\040") decoded
  std::string fsType;
  std::string source;
};

// The lines of a mountinfo table; malformed lines are skipped.
std::vector<MountEntry> ParseMountInfo(const std::string& text);

// A block device counts as removable when its disk carries the kernel's removable flag or
// hangs on a USB bus (USB hard disks and many card readers report the flag as 0).
bool IsRemovableBlockDevice(const std::filesystem::path& sysRoot, const std::string& majorMinor);

// The mount points on removable media, in mount order; a mount point that something else was
// mounted over counts as the later mount.
std::vector<std::string> RemovableMountPoints(const std::string& mountInfo,
                                              const std::filesystem::path& sysRoot);

}  // namespace averoz
