// The removable-drive list as shipped: this machine's own mount table, and /sys either the
// kernel's or a copy that puts the disk under a temporary folder on a USB bus (a container
// cannot flag a real device removable).
#include <QStorageInfo>
#include <QtTest>
#include <fstream>
#include <iterator>

#include "core/files/RemovableMedia.h"
#include "platform/RemovableDrives.h"
#include "support/FakeSysBlock.h"
#include "support/TempDir.h"

using namespace averoz;

namespace {

std::string KernelMountTable() {
  std::ifstream in("/proc/self/mountinfo", std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Listed(const std::vector<RemovableDrive>& drives, const std::string& root, const std::string& label) {
  for (const RemovableDrive& d : drives)
    if (d.root == root && d.label == label) return true;
  return false;
}

}  // namespace

class TestRemovableDrives : public QObject {
  Q_OBJECT

 private slots:
  void theKernelsTablesNeverListTheSystemDisk() {
    const std::vector<RemovableDrive> drives = RemovableDrives().List();
    qInfo("removable drives on this machine: %d", int(drives.size()));
    for (const RemovableDrive& d : drives) {
      QVERIFY(d.root != "/");
      QCOMPARE(QStorageInfo(QString::fromStdString(d.root)).rootPath().toStdString(), d.root);
    }
  }

  // The mount that holds a temporary folder, its disk described twice: on a USB bus with the
  // flag 0 (listed, with the label the file system reports), and as an internal disk.
  void aMountOnAUsbDiskIsListedWithItsLabel() {
    test::TempDir dir;
    const QStorageInfo volume(QString::fromStdString(dir.path().string()));
    const std::string mountPoint = volume.rootPath().toStdString();
    std::string device;
    for (const MountEntry& e : ParseMountInfo(KernelMountTable()))
      if (e.mountPoint == mountPoint) device = e.device;
    if (device.empty() || device.rfind("0:", 0) == 0)
      QSKIP("the temporary folder is not on a block device here");
    if (volume.isReadOnly()) QSKIP("the temporary folder is on a read-only mount");

    qInfo("the folder's mount: %s (%s, label \"%s\")", mountPoint.c_str(), device.c_str(),
          qPrintable(volume.name()));
    test::FakeSysBlock usb;
    usb.Disk(device, "devices/pci0000:00/0000:00:14.0/usb1/1-1/1-1:1.0/host9/target9:0:0/"
                     "9:0:0:0/block/sdz", "0", "sdz1");
    QVERIFY(Listed(RemovableDrives("/proc/self/mountinfo", usb.root.string()).List(), mountPoint,
                   volume.name().toStdString()));

    test::FakeSysBlock internal;
    internal.Disk(device, "devices/pci0000:00/0000:00:17.0/ata1/host0/target0:0:0/0:0:0:0/block/sda",
                  "0");
    QVERIFY(!Listed(RemovableDrives("/proc/self/mountinfo", internal.root.string()).List(),
                    mountPoint, volume.name().toStdString()));
  }
};

QTEST_MAIN(TestRemovableDrives)
#include "tst_removabledrives.moc"
