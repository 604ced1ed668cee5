// What File > Open and the recent-file menu make of a chosen file's name.
#include <gtest/gtest.h>

#include "core/files/OpenRules.h"

namespace averoz {
namespace {

TEST(OpenRules, BinaryWaveExtensionsOnly) {
  struct Case {
    const char* path;
    bool binary;
  };
  const Case cases[] = {
      {"/d/a.awf", true},    {"/d/a.AWD", true},      {"a.Awf", true},
      {"/d/a.csv", false},   {"/d/a.ope", false},     {"/d/a", false},
      {"/d.awf/a", false},   {"/d/a.awf.txt", false}, {"/d/a.aw", false},
      {"/d/a.a", false},     {"/d/a.", false},        {"C:\\x.awf\\a.txt", false},
  };
  for (const Case& c : cases) EXPECT_EQ(OpensAsBinaryWave(c.path), c.binary) << c.path;
}

TEST(OpenRules, PatternFilesByWholeExtension) {
  for (const char* path : {"/d/a.ppg", "a.PPG", "/d.x/a.Ppg"}) EXPECT_TRUE(OpensAsPattern(path)) << path;
  for (const char* path : {"/d/a.ppg.csv", "/d.ppg/a", "/d/a.pp", "/d/ppg", "/d/a.awf"})
    EXPECT_FALSE(OpensAsPattern(path)) << path;
}

TEST(OpenRules, RecentFileKindByExtension) {
  EXPECT_EQ(RecentFileKind("/d/a.ope"), 1);
  EXPECT_EQ(RecentFileKind("/d/a.PPG"), 2);
  for (const char* path : {"/d/a.awf", "/d/a.mod", "/d/a.awd", "/d/a.csv", "/d/a", "/d/a.pe"})
    EXPECT_EQ(RecentFileKind(path), 0) << path;
}

}  // namespace
}  // namespace averoz
