#pragma once
// The removable drives of this machine: mounted file systems whose block device carries the
// kernel's removable flag or sits on a USB bus, each with its file-system label. Read-only
// mounts (an optical disc, a write-protected card) cannot take an export and are left out.
#include <string>
#include <vector>

#include "core/files/UsbExport.h"

namespace averoz {

class RemovableDrives : public RemovableDriveList {
 public:
  // The kernel's mount table and block-device tree; tests may point at their own.
  explicit RemovableDrives(std::string mountInfo = "/proc/self/mountinfo",
                           std::string sysRoot = "/sys");
  std::vector<RemovableDrive> List() const override;

 private:
  std::string mountInfo_;
  std::string sysRoot_;
};

}  // namespace averoz
