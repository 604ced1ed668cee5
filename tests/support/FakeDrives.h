#pragma once
// A removable-drive list set by the test: temporary folders stand in for mounted sticks.
#include <vector>

#include "core/files/UsbExport.h"

namespace averoz::test {

class FakeDrives : public RemovableDriveList {
 public:
  std::vector<RemovableDrive> drives;
  std::vector<RemovableDrive> List() const override { return drives; }
};

}  // namespace averoz::test
