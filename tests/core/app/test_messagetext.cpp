#include <gtest/gtest.h>

#include "core/app/IniFile.h"
#include "core/app/MessageCatalog.h"
#include "support/TempDir.h"

using namespace averoz;
using averoz::test::TempDir;
using averoz::test::WriteText;

TEST(MessageText, LanguageRule) {
  TempDir dir;
  IniFile ini(dir.file("a.INI"));
  WriteText(ini.path(), "[Message]\nERRMSG27=Too many windows.\nIMFMSG9=\n");
  EXPECT_EQ(MessageText(ERRMSG(27), "Japanese", ini), "これ以上ウインドウを開けません。");
  EXPECT_EQ(MessageText(ERRMSG(27), "English", ini), "Too many windows.");
  // Only the exact word selects the built-in texts.
  EXPECT_EQ(MessageText(ERRMSG(27), "japanese", ini), "Too many windows.");
  EXPECT_EQ(MessageText(ERRMSG(17), "English", ini), "Message not found");
  EXPECT_EQ(MessageText(IMFMSG(9), "English", ini), "");
  IniFile none(dir.file("missing.INI"));
  EXPECT_EQ(MessageText(GPMSG(1), "English", none), "Message not found");
}
