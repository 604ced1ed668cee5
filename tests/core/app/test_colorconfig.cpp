#include <gtest/gtest.h>

#include "core/app/ColorConfig.h"
#include "core/app/IniFile.h"
#include "support/TempDir.h"

using namespace averoz;

TEST(ColorConfig, TextsParseInAnyCaseAndAsBgrHex) {
  EXPECT_EQ(ParseColorValue("ClFuchsia"), MakeColor(255, 0, 255));
  EXPECT_EQ(ParseColorValue("clfuchsia"), ParseColorValue("clFuchsia"));
  EXPECT_EQ(ParseColorValue("CLGRAY"), MakeColor(128, 128, 128));
  // blue in the high byte
  EXPECT_EQ(ParseColorValue("$004080FF"), MakeColor(255, 128, 64));
  EXPECT_EQ(ParseColorValue("$00e4caff"), MakeColor(255, 202, 228));
  for (const char* bad : {"", "$", "$12G", "$123456789", "clPink", "Black", "0x00FF00"})
    EXPECT_FALSE(ParseColorValue(bad)) << bad;
}

TEST(ColorConfig, WritesNamesWhereTheyExistOtherwiseEightHexDigits) {
  EXPECT_EQ(ColorText(MakeColor(255, 0, 255)), "clFuchsia");
  EXPECT_EQ(ColorText(MakeColor(0, 0, 128)), "clNavy");
  EXPECT_EQ(ColorText(MakeColor(255, 128, 64)), "$004080FF");
  EXPECT_EQ(ColorText(MakeColor(1, 2, 3)), "$00030201");
  // an unnamed colour reads back as itself
  EXPECT_EQ(ParseColorValue(ColorText(MakeColor(17, 34, 51))), MakeColor(17, 34, 51));
}

TEST(ColorConfig, ThemesAssignEveryRole) {
  const auto& themes = ColorThemes();
  EXPECT_STREQ(themes[0].name, "Default");
  EXPECT_STREQ(themes[5].name, "Flower");
  const ColorSet def = DefaultColors();
  EXPECT_EQ(def[kBackGround], MakeColor(0, 0, 0));
  EXPECT_EQ(def[kGraph], MakeColor(255, 0, 255));
  EXPECT_EQ(def[kGraphProtect], MakeColor(255, 0, 0));
  EXPECT_EQ(def[kCursor], MakeColor(0, 255, 0));
  EXPECT_EQ(def[kLine], MakeColor(255, 255, 0));
  EXPECT_EQ(def[kGrid], MakeColor(128, 128, 128));
  EXPECT_EQ(def[kSelect], MakeColor(255, 255, 255));
  EXPECT_EQ(def[kZoom], MakeColor(255, 0, 0));
  const ColorSet tropical = ThemeColors(themes[3]);
  EXPECT_EQ(tropical[kBackGround], MakeColor(255, 179, 102));
  EXPECT_EQ(tropical[kGrid], MakeColor(128, 128, 192));
  EXPECT_EQ(tropical[kZoom], MakeColor(255, 255, 255));
  EXPECT_EQ(ThemeColors(themes[4])[kBackGround], MakeColor(64, 0, 128));
  EXPECT_EQ(ThemeColors(themes[5])[kGrid], MakeColor(128, 128, 64));
  for (const ColorTheme& t : themes)
    for (const char* text : t.texts) EXPECT_TRUE(ParseColorValue(text)) << t.name << text;
}

TEST(ColorConfig, SettingsRoundTripWithDefaultsForMissingOrBadKeys) {
  test::TempDir dir;
  IniFile ini(dir.file("a.INI"));
  EXPECT_EQ(ReadColorSet(ini), DefaultColors());  // no file at all

  test::WriteText(ini.path(), "[color]\nbackground=clWHITE\nGrid=nonsense\n");
  ColorSet read = ReadColorSet(ini);
  EXPECT_EQ(read[kBackGround], MakeColor(255, 255, 255));
  EXPECT_EQ(read[kGrid], DefaultColors()[kGrid]);

  const ColorSet ocean = ThemeColors(ColorThemes()[2]);
  WriteColorSet(ini, ocean);
  EXPECT_EQ(ini.ReadString("Color", "BackGround", ""), "clBlue");
  EXPECT_EQ(ini.ReadString("Color", "Line", ""), "$004080FF");
  EXPECT_EQ(ini.ReadString("Color", "GraphProtect", ""), "clFuchsia");
  EXPECT_EQ(ReadColorSet(ini), ocean);
}
