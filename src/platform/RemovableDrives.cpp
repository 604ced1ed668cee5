#include "platform/RemovableDrives.h"

#include <QStorageInfo>
#include <QString>
#include <fstream>
#include <iterator>

#include "core/files/RemovableMedia.h"

namespace averoz {

RemovableDrives::RemovableDrives(std::string mountInfo, std::string sysRoot)
    : mountInfo_(std::move(mountInfo)), sysRoot_(std::move(sysRoot)) {}

std::vector<RemovableDrive> RemovableDrives::List() const {
  std::ifstream in(mountInfo_, std::ios::binary);
  const std::string table{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  std::vector<RemovableDrive> drives;
  for (const std::string& point : RemovableMountPoints(table, sysRoot_)) {
    const QStorageInfo info(QString::fromStdString(point));
    if (!info.isValid() || !info.isReady() || info.isReadOnly()) continue;
    drives.push_back({point, info.name().toStdString()});
  }
  return drives;
}

}  // namespace averoz
