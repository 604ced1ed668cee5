#pragma once
// A block-device tree laid out like the kernel's /sys, in a temporary folder: disks with their
// removable flag, an optional partition, and dev/block/<major:minor> links to what is mounted.
#include <filesystem>
#include <string>

#include "support/TempDir.h"

namespace averoz::test {

class FakeSysBlock {
  TempDir dir_;  // first: root is made from it

 public:
  std::filesystem::path root = dir_.path() / "sys";

  // diskPath below root, e.g. "devices/.../usb2/2-1/.../block/sdb"; the link points at the
  // partition when one is named, relative like the kernel's links.
  void Disk(const std::string& majorMinor, const std::string& diskPath, const std::string& flag,
            const std::string& partition = {}) {
    namespace fs = std::filesystem;
    const fs::path disk = root / diskPath;
    fs::create_directories(disk);
    WriteText((disk / "removable").string(), flag + "\n");
    fs::path target = disk;
    if (!partition.empty()) {
      target = disk / partition;
      fs::create_directories(target);
      WriteText((target / "partition").string(), "1\n");
    }
    fs::create_directories(root / "dev/block");
    fs::create_symlink(fs::path("../..") / fs::relative(target, root),
                       root / "dev/block" / majorMinor);
  }
};

}  // namespace averoz::test
