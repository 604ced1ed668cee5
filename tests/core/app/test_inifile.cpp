#include <gtest/gtest.h>
#include <sys/stat.h>

#include "core/app/IniFile.h"
#include "support/TempDir.h"

using averoz::IniFile;
using averoz::IniWriteError;
using averoz::test::ReadText;
using averoz::test::TempDir;
using averoz::test::WriteText;

TEST(IniFile, MissingFileGivesDefaultsAndFirstWriteCreatesIt) {
  TempDir dir;
  IniFile ini(dir.file("averoz.INI"));
  EXPECT_EQ(ini.ReadString("View", "Language", "Japanese"), "Japanese");
  EXPECT_EQ(ini.ReadInteger("Refresh", "Limit", 40000), 40000);
  EXPECT_TRUE(ini.ReadBool("View", "LineDisp", true));
  ini.WriteBool("View", "LineDisp", false);
  EXPECT_FALSE(ini.ReadBool("View", "LineDisp", true));
  EXPECT_EQ(ReadText(ini.path()), "[View]\nLineDisp=0\n");
}

TEST(IniFile, NamesIgnoreCaseAndValuesAreTrimmed) {
  TempDir dir;
  WriteText(dir.file("a.INI"), "[toolbar]\n  MNVIEWTOOLBARZOOM  =   0  \n[View]\nLanguage=\n");
  IniFile ini(dir.file("a.INI"));
  EXPECT_FALSE(ini.ReadBool("ToolBar", "mnViewToolBarZoom", true));
  EXPECT_EQ(ini.ReadString("ToolBar", "mnViewToolBarZoom", "x"), "0");
  // Present but empty is the empty text, not the default.
  EXPECT_EQ(ini.ReadString("View", "Language", "Japanese"), "");
}

TEST(IniFile, ToolbarKeyWrittenUnderOneSpellingIsReadUnderTheOther) {
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  ini.WriteBool("ToolBar", "mnViewToolBarZoom", true);
  ini.WriteBool("ToolBar", "mnViewToolbarZoom", false);
  EXPECT_FALSE(ini.ReadBool("ToolBar", "mnViewToolBarZoom", true));
  EXPECT_EQ(ReadText(ini.path()), "[ToolBar]\nmnViewToolbarZoom=0\n");
}

TEST(IniFile, IntegerForms) {
  struct Case { const char* text; std::int32_t expected; } cases[] = {
      {"40000", 40000}, {"-12", -12}, {"$1F", 31}, {"0x1f", 31}, {"0X10", 16},
      {"$FFFFFFFF", -1}, {"2147483647", 2147483647}, {"-2147483648", INT32_MIN},
      // Not integers: the default (7) comes back.
      {"abc", 7}, {"12a", 7}, {"", 7}, {"0x", 7}, {"$", 7}, {"1.5", 7}, {"2147483648", 7},
      {"$100000000", 7}, {"- 1", 7}};
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  for (const auto& c : cases) {
    WriteText(ini.path(), std::string("[S]\nK=") + c.text + "\n");
    EXPECT_EQ(ini.ReadInteger("S", "K", 7), c.expected) << c.text;
  }
  WriteText(ini.path(), "[S]\nK=yes\n");
  EXPECT_TRUE(ini.ReadBool("S", "K", true));
  EXPECT_FALSE(ini.ReadBool("S", "K", false));
}

TEST(IniFile, OneKeyWriteKeepsEverythingElse) {
  TempDir dir;
  const std::string before =
      "; hand-written notes\r\n"
      "[Files]\r\n"
      "File0=C:\\data\\a.awf\r\n"
      "; keep me\r\n"
      "\r\n"
      "[Unknown]\r\n"
      "Whatever = 12 \r\n"
      "[View]\r\n"
      "LineDisp=1\r\n";
  WriteText(dir.file("a.INI"), before);
  IniFile ini(dir.file("a.INI"));
  ini.WriteString("files", "FILE1", "/tmp/b.awf");  // new key in an existing section
  ini.WriteBool("View", "LineDisp", false);         // changed key
  ini.WriteInteger("Refresh", "Limit", 500);        // new section
  EXPECT_EQ(ReadText(ini.path()),
            "; hand-written notes\r\n"
            "[Files]\r\n"
            "File0=C:\\data\\a.awf\r\n"
            "; keep me\r\n"
            "FILE1=/tmp/b.awf\r\n"
            "\r\n"
            "[Unknown]\r\n"
            "Whatever = 12 \r\n"
            "[View]\r\n"
            "LineDisp=0\r\n"
            "\r\n"
            "[Refresh]\r\n"
            "Limit=500\r\n");
  EXPECT_EQ(ini.ReadString("Unknown", "whatever", ""), "12");
}

TEST(IniFile, ValueWithLineEndCannotAddKeys) {
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  ini.WriteString("Files", "File0", "a.awf\n[View]\nLanguage=x");
  EXPECT_EQ(ini.ReadString("View", "Language", "Japanese"), "Japanese");
}

TEST(IniFile, LongValuesAreCutAt2047Characters) {
  TempDir dir;
  WriteText(dir.file("a.INI"), "[S]\nK=" + std::string(5000, 'x') + "\nL=2\n");
  IniFile ini(dir.file("a.INI"));
  EXPECT_EQ(ini.ReadString("S", "K", "").size(), 2047u);
  EXPECT_EQ(ini.ReadInteger("S", "L", 0), 2);
}

TEST(IniFile, BadFilesReadWithoutCrashing) {
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  std::string garbage;
  for (int i = 0; i < 20000; ++i) garbage += char((i * 7919) & 0xFF);
  WriteText(ini.path(), garbage + "\n[Refresh]\nLimit=99");  // no line end at the end
  EXPECT_EQ(ini.ReadInteger("Refresh", "Limit", 40000), 99);
  EXPECT_EQ(ini.ReadInteger("Nowhere", "Limit", 40000), 40000);
  // Duplicate sections: the first that holds the key answers.
  WriteText(ini.path(), "[A]\nX=1\n[B]\n[A]\nX=2\nY=3\n");
  EXPECT_EQ(ini.ReadInteger("A", "X", 0), 1);
  EXPECT_EQ(ini.ReadInteger("A", "Y", 0), 3);
  ini.WriteInteger("A", "X", 5);
  EXPECT_EQ(ReadText(ini.path()), "[A]\nX=5\n[B]\n[A]\nX=2\nY=3\n");
  // A file without a final line end keeps its last line intact on a write.
  WriteText(ini.path(), "\xEF\xBB\xBF[A]\nX=1");
  ini.WriteInteger("A", "X", 2);
  EXPECT_EQ(ReadText(ini.path()), "\xEF\xBB\xBF[A]\nX=2");
}

TEST(IniFile, FailedWriteNamesTheFileAndKeepsIt) {
  TempDir dir;
  const std::string path = dir.file("ro.INI");
  WriteText(path, "[View]\nLineDisp=1\n");
  ::chmod(path.c_str(), 0444);
  IniFile ini(path);
  try {
    ini.WriteBool("View", "LineDisp", false);
    FAIL() << "write to a read-only file succeeded";
  } catch (const IniWriteError& e) {
    EXPECT_EQ(e.path(), path);
    EXPECT_NE(std::string(e.what()).find(path), std::string::npos);
  }
  EXPECT_EQ(ReadText(path), "[View]\nLineDisp=1\n");

  IniFile nowhere(dir.file("no/such/folder/a.INI"));
  EXPECT_THROW(nowhere.WriteBool("View", "LineDisp", false), IniWriteError);
  // Nothing but the target is left in the folder.
  int files = 0;
  for ([[maybe_unused]] auto& e : std::filesystem::directory_iterator(dir.path())) ++files;
  EXPECT_EQ(files, 1);
}
