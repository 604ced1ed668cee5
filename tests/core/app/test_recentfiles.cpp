#include <gtest/gtest.h>

#include "core/app/IniFile.h"
#include "core/app/RecentFiles.h"
#include "support/TempDir.h"

using namespace averoz;

namespace {
std::string List(const RecentFiles& r) { return r.at(1) + "," + r.at(2) + "," + r.at(3); }
}  // namespace

TEST(RecentFiles, OrderingNeverListsAPathTwice) {
  RecentFiles r;
  r.Add("A");
  r.Add("B");
  r.Add("C");
  EXPECT_EQ(List(r), "C,B,A");
  r.Add("B");
  EXPECT_EQ(List(r), "B,C,A");
  r.Add("A");
  EXPECT_EQ(List(r), "A,B,C");
  r.Add("A");
  EXPECT_EQ(List(r), "A,B,C");
  r.Add("D");
  EXPECT_EQ(List(r), "D,A,B");
}

TEST(RecentFiles, SaveWritesOnlyFilledSlots) {
  test::TempDir dir;
  IniFile ini(dir.file("a.INI"));
  test::WriteText(ini.path(), "[Files]\nFile0=old0\nFile2=old2\n");
  RecentFiles r;
  r.Load(ini);
  EXPECT_EQ(List(r), "old0,,old2");
  RecentFiles fresh;
  fresh.Add("/data/new.awf");
  fresh.Save(ini);
  r.Load(ini);
  EXPECT_EQ(List(r), "/data/new.awf,,old2");
}

TEST(DocumentName, ThreeDigitCounter) {
  EXPECT_EQ(DocumentName(0, 1), "pcwav001");
  EXPECT_EQ(DocumentName(1, 1), "pcope001");
  EXPECT_EQ(DocumentName(2, 42), "pcppg042");
  EXPECT_EQ(DocumentName(0, 999), "pcwav999");
  EXPECT_EQ(DocumentName(0, 1000), "pcwav000");
}
