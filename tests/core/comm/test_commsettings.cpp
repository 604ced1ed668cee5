// Communication settings read from the settings file.
#include <gtest/gtest.h>

#include "core/app/IniFile.h"
#include "core/comm/Gpib.h"
#include "core/comm/Protocol.h"
#include "support/TempDir.h"

namespace averoz {
namespace {

TEST(CommSettings, LibraryAndModelPrefix) {
  test::TempDir dir;
  const std::string path = dir.file("averoz.INI");
  EXPECT_EQ(GpibLibraryName(IniFile(path)), "libgpib.so.0");
  EXPECT_EQ(ModelPrefix(IniFile(path)), "");
  test::WriteText(path, "[GPIB]\nLibrary=\nModelNumber=ABC\n");
  EXPECT_EQ(GpibLibraryName(IniFile(path)), "libgpib.so.0");
  EXPECT_EQ(ModelPrefix(IniFile(path)), "ABC");
  test::WriteText(path, "[gpib]\nlibrary = /opt/gpib/libni4882.so\n");
  EXPECT_EQ(GpibLibraryName(IniFile(path)), "/opt/gpib/libni4882.so");
}

}  // namespace
}  // namespace averoz
