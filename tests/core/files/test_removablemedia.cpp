// Finding the mount points of removable media in a mount table and a block-device tree laid
// out like the kernel's, built in a temporary folder.
#include <gtest/gtest.h>

#include <filesystem>

#include "core/files/RemovableMedia.h"
#include "support/FakeSysBlock.h"

namespace averoz {
namespace {

// sda: an internal SATA disk; sdb: a USB stick that reports the removable flag as 0, as USB
// hard disks and many sticks do; mmcblk0: a card with the flag and no partition table;
// loop0: an image file.
class FakeSys : public test::FakeSysBlock {
 public:
  FakeSys() {
    Disk("8:2", "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda", "0",
         "sda2");
    Disk("8:17",
         "devices/pci0000:00/0000:00:14.0/usb2/2-1/2-1:1.0/host6/target6:0:0/6:0:0:0/block/sdb",
         "0", "sdb1");
    Disk("179:0", "devices/platform/soc/mmc_host/mmc0/mmc0:0001/block/mmcblk0", "1");
    Disk("7:0", "devices/virtual/block/loop0", "0");
  }
};

const char* const kMountInfo =
    "22 1 8:2 / / rw,relatime shared:1 - ext4 /dev/sda2 rw,errors=remount-ro\n"
    "30 22 0:26 / /tmp rw,nosuid shared:5 - tmpfs tmpfs rw\n"
    "40 22 8:17 / /media/user/MY\\040STICK rw,nosuid,nodev shared:60 - vfat /dev/sdb1 rw,uid=1000\n"
    "41 22 179:0 / /media/user/CARD rw - exfat /dev/mmcblk0 rw\n"
    "42 22 7:0 / /mnt/image ro shared:70 - iso9660 /dev/loop0 ro\n"
    "not a mount line\n"
    "43 22 8:17 / /mnt/hidden rw - vfat /dev/sdb1 rw\n"
    "44 43 8:2 /home /mnt/hidden rw - ext4 /dev/sda2 rw\n";

TEST(MountInfo, FieldsAroundTheOptionalOnes) {
  const std::vector<MountEntry> entries = ParseMountInfo(kMountInfo);
  ASSERT_EQ(entries.size(), 7u);
  EXPECT_EQ(entries[2].device, "8:17");
  EXPECT_EQ(entries[2].mountPoint, "/media/user/MY STICK");
  EXPECT_EQ(entries[2].fsType, "vfat");
  EXPECT_EQ(entries[2].source, "/dev/sdb1");
  EXPECT_EQ(entries[3].mountPoint, "/media/user/CARD");  // no optional fields
  EXPECT_EQ(entries[3].fsType, "exfat");
  EXPECT_EQ(ParseMountInfo("1 2 8:1 / /a\\134b\\011c rw - vfat s o\n")[0].mountPoint, "/a\\b\tc");
}

TEST(RemovableMedia, FlagOrUsbBusOfTheDiskBehindTheMount) {
  FakeSys sys;
  EXPECT_TRUE(IsRemovableBlockDevice(sys.root, "8:17"));   // USB, flag 0, a partition
  EXPECT_TRUE(IsRemovableBlockDevice(sys.root, "179:0"));  // flag 1, whole disk
  EXPECT_FALSE(IsRemovableBlockDevice(sys.root, "8:2"));
  EXPECT_FALSE(IsRemovableBlockDevice(sys.root, "7:0"));
  EXPECT_FALSE(IsRemovableBlockDevice(sys.root, "0:26"));  // no block device at all

  // The system disk, tmpfs, a loop image and a stick something else was mounted over are out.
  EXPECT_EQ(RemovableMountPoints(kMountInfo, sys.root),
            (std::vector<std::string>{"/media/user/MY STICK", "/media/user/CARD"}));
}

}  // namespace
}  // namespace averoz
