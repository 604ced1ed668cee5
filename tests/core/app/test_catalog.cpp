#include <gtest/gtest.h>

#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <regex>
#include <set>
#include <string>

#include "core/app/BuiltInEnglish.h"
#include "core/app/IniFile.h"
#include "core/app/MessageCatalog.h"

using namespace averoz;

namespace {

// share/English.INI of the source tree.
std::string EnglishIni() {
  std::filesystem::path root;
  if (const char* data = std::getenv("AVEROZ_TEST_DATA"))  // <root>/tests/data
    root = std::filesystem::path(data) / ".." / "..";
  else
    root = std::filesystem::path(__FILE__).parent_path() / ".." / ".." / "..";
  return (root / "share" / "English.INI").lexically_normal().string();
}

}  // namespace

TEST(MessageCatalog, SectionNamesAndKeys) {
  EXPECT_STREQ(SectionName(MsgSection::ERRMSG), "ERRMSG");
  EXPECT_STREQ(SectionName(MsgSection::IMFMSG), "IMFMSG");
  EXPECT_STREQ(SectionName(MsgSection::GPMSG), "GPMSG");
  EXPECT_EQ(MessageKey(ERRMSG(27)), "ERRMSG27");
  EXPECT_EQ(MessageKey(GPMSG(3)), "GPMSG3");
  EXPECT_EQ(MessageKey(IMFMSG(1)), "IMFMSG1");  // no leading zeros
}

TEST(MessageCatalog, HoldsEveryListedEntryOnce) {
  std::set<std::string> keys;
  int counts[3] = {0, 0, 0};
  for (const CatalogEntry& e : Catalog()) {
    EXPECT_TRUE(keys.insert(MessageKey(e.id)).second) << MessageKey(e.id) << " twice";
    ASSERT_NE(e.text, nullptr);
    EXPECT_GT(std::string(e.text).size(), 0u) << MessageKey(e.id);
    ++counts[static_cast<int>(e.id.section)];
  }
  // ERRMSG 1..35 without 19, 25, 26; IMFMSG 1..22 without 4 and 20; GPMSG 1..6.
  EXPECT_EQ(counts[static_cast<int>(MsgSection::ERRMSG)], 32);
  EXPECT_EQ(counts[static_cast<int>(MsgSection::IMFMSG)], 20);
  EXPECT_EQ(counts[static_cast<int>(MsgSection::GPMSG)], 6);
  for (int n = 1; n <= 35; ++n)
    EXPECT_EQ(BuiltInText(ERRMSG(n)) == nullptr, n == 19 || n == 25 || n == 26) << n;
  for (int n = 1; n <= 22; ++n)
    EXPECT_EQ(BuiltInText(IMFMSG(n)) == nullptr, n == 4 || n == 20) << n;
  for (int n = 1; n <= 6; ++n) EXPECT_NE(BuiltInText(GPMSG(n)), nullptr) << n;
  EXPECT_EQ(BuiltInText(ERRMSG(0)), nullptr);
  EXPECT_EQ(BuiltInText(ERRMSG(36)), nullptr);
  EXPECT_EQ(BuiltInText(IMFMSG(23)), nullptr);
  EXPECT_EQ(BuiltInText(GPMSG(7)), nullptr);
}

TEST(MessageCatalog, BuiltInTexts) {
  EXPECT_STREQ(BuiltInText(ERRMSG(3)), "設定できない値です。");
  EXPECT_STREQ(BuiltInText(ERRMSG(5)), "選択データ数が足りません。（最小値");
  EXPECT_STREQ(BuiltInText(ERRMSG(15)), "ファイル名は半角英数字８文字以内にして下さい。");
  EXPECT_STREQ(BuiltInText(ERRMSG(20)), "この機種には対応していません");
  EXPECT_STREQ(BuiltInText(ERRMSG(27)), "これ以上ウインドウを開けません。");
  EXPECT_STREQ(BuiltInText(ERRMSG(35)), "データ全体を読み込めませんでした。");
  EXPECT_STREQ(BuiltInText(IMFMSG(1)), "１０ｋ以降のデータは破棄されます。よろしいですか？");
  EXPECT_STREQ(BuiltInText(IMFMSG(2)), "は変更されています。保存しますか？");
  EXPECT_STREQ(BuiltInText(IMFMSG(12)), "転送しています．．．");
  EXPECT_STREQ(BuiltInText(IMFMSG(13)), "設定しています（約30秒かかります）");
  EXPECT_STREQ(BuiltInText(IMFMSG(14)), "転送完了しました");
  EXPECT_STREQ(BuiltInText(IMFMSG(21)), "LOCALボタンを押して下さい。");
  EXPECT_STREQ(BuiltInText(GPMSG(1)), "ＧＰＩＢライブラリが見つかりません。");
  EXPECT_STREQ(BuiltInText(GPMSG(6)), "デバイスがクリアできません。");
  // Two numbers carry the same text.
  EXPECT_STREQ(BuiltInText(ERRMSG(10)), BuiltInText(ERRMSG(11)));
}

TEST(EnglishSettings, SuppliesEveryCatalogEntryAndNothingElse) {
  const std::string path = EnglishIni();
  ASSERT_TRUE(std::filesystem::exists(path)) << path;
  const IniFile ini(path);
  EXPECT_EQ(ini.ReadString("View", "Language", "Japanese"), "English");

  std::set<std::string> catalogKeys;
  for (const CatalogEntry& e : Catalog()) {
    catalogKeys.insert(MessageKey(e.id));
    const std::string text = MessageText(e.id, "English", ini);
    EXPECT_NE(text, "Message not found") << MessageKey(e.id);
    // The program carries the same text built in.
    EXPECT_EQ(BuiltInEnglishText(e.id), text) << MessageKey(e.id);
    EXPECT_FALSE(text.empty()) << MessageKey(e.id);
    // English only: no byte outside printable ASCII.
    for (unsigned char c : text) EXPECT_TRUE(c >= 0x20 && c < 0x7F) << MessageKey(e.id);
  }

  // Every message key in the file names a catalog entry, once.
  std::ifstream in(path);
  std::string line;
  std::set<std::string> fileKeys;
  const std::regex keyLine(R"(^\s*((ERRMSG|IMFMSG|GPMSG)\d+)\s*=)", std::regex::icase);
  while (std::getline(in, line)) {
    std::smatch m;
    if (!std::regex_search(line, m, keyLine)) continue;
    EXPECT_TRUE(fileKeys.insert(m[1]).second) << m[1] << " twice";
    EXPECT_TRUE(catalogKeys.count(m[1])) << m[1] << " is not in the catalog";
  }
  EXPECT_EQ(fileKeys, catalogKeys);
}

TEST(EnglishSettings, JoinedTextsSurviveTrimming) {
  // The reader trims values, so a text joined to the end of a caption, path or number
  // cannot begin with a space: it begins with punctuation or, after a number, a unit.
  const IniFile ini(EnglishIni());
  auto text = [&](MessageId id) { return MessageText(id, "English", ini); };
  auto isAlnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  for (MessageId afterName : {IMFMSG(2), IMFMSG(19), ERRMSG(23)}) {
    ASSERT_FALSE(text(afterName).empty());
    EXPECT_FALSE(isAlnum(text(afterName).front())) << MessageKey(afterName);
  }
  for (MessageId afterNumber : {IMFMSG(7), IMFMSG(22)}) {
    ASSERT_FALSE(text(afterNumber).empty());
    EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text(afterNumber).front())))
        << MessageKey(afterNumber);
  }
  for (MessageId beforeNumber : {ERRMSG(5), ERRMSG(28)}) {
    ASSERT_FALSE(text(beforeNumber).empty());
    EXPECT_FALSE(std::isdigit(static_cast<unsigned char>(text(beforeNumber).back())))
        << MessageKey(beforeNumber);
  }
  // Japanese stays the built-in text whatever the file says.
  EXPECT_EQ(MessageText(ERRMSG(27), "Japanese", ini), "これ以上ウインドウを開けません。");
}
