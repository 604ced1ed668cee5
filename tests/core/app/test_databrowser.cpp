#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

#include "core/app/DataBrowser.h"

using namespace averoz;
using namespace std::chrono;

TEST(DataBrowserKey, LocalTimeToTheMillisecondAndNeverTwice) {
  const auto t = time_point_cast<seconds>(system_clock::now()) + milliseconds(7);
  const std::string key = FormatBrowserKey(t);
  ASSERT_EQ(key.size(), 17u);
  EXPECT_EQ(key.find_first_not_of("0123456789"), std::string::npos);
  EXPECT_EQ(key.substr(14), "007");
  const std::time_t tt = system_clock::to_time_t(t);
  std::tm local{};
  localtime_r(&tt, &local);
  char head[48];
  std::snprintf(head, sizeof head, "%04d%02d%02d", local.tm_year + 1900, local.tm_mon + 1,
                local.tm_mday);
  EXPECT_EQ(key.substr(0, 8), head);

  BrowserKeyClock clock;
  const std::string a = clock.Next(t);
  const std::string b = clock.Next(t);                // the same millisecond
  const std::string c = clock.Next(t - seconds(1));  // the clock stepped back
  EXPECT_EQ(a, key);
  EXPECT_LT(a, b);
  EXPECT_LT(b, c);
}

TEST(DataBrowserRefresh, RowsBelowTheLimitStaleFromIt) {
  EXPECT_EQ(ChangedRangeUpdate(0, 99, 100), BrowserUpdate::Rows);
  EXPECT_EQ(ChangedRangeUpdate(0, 100, 100), BrowserUpdate::Stale);
  EXPECT_EQ(ChangedRangeUpdate(0, 199, 100), BrowserUpdate::Stale);  // a fill of 200
  EXPECT_EQ(ChangedRangeUpdate(199, 0, 100), BrowserUpdate::Stale);
  EXPECT_EQ(ChangedRangeUpdate(0, 16383, 40000), BrowserUpdate::Rows);
  EXPECT_EQ(ChangedRangeUpdate(5, 5, 0), BrowserUpdate::Stale);
}

TEST(DataBrowserJump, TrimmedIntegersClampToTheRows) {
  const int rows = 16385;
  EXPECT_EQ(JumpTopRow("0", rows), 1);
  EXPECT_EQ(JumpTopRow("-5", rows), 1);
  EXPECT_EQ(JumpTopRow(" 250 ", rows), 250);
  EXPECT_EQ(JumpTopRow("99999", rows), 16384);
  for (const char* bad : {"", "  ", "1.5", "abc", "+3", "-", "12a"})
    EXPECT_FALSE(JumpTopRow(bad, rows)) << bad;
}

TEST(DataBrowserFollow, CursorsStopBeforeEachOther) {
  const int rows = 16385;
  // X1 moved down onto X2's row 100 stops at row 99 (address 98)
  EXPECT_EQ(FollowRow("X1", 100, rows, 10, 100).row, 99);
  EXPECT_EQ(FollowRow("X1", 100, rows, 10, 100).kind, FollowAction::MoveX1);
  EXPECT_EQ(FollowRow("X1", 99, rows, 10, 100).row, 99);
  EXPECT_EQ(FollowRow("X2", 10, rows, 10, 100).row, 11);
  EXPECT_EQ(FollowRow("X2", 11, rows, 10, 100).kind, FollowAction::MoveX2);
  EXPECT_EQ(FollowRow("X2", 500, rows, 10, 100).row, 500);
  const FollowAction plain = FollowRow("", 0, rows, 10, 100);
  EXPECT_EQ(plain.kind, FollowAction::Select);
  EXPECT_EQ(plain.row, 1);
  EXPECT_EQ(FollowRow("", 20000, rows, 10, 100).row, 16384);
}

TEST(DataBrowserSave, ConfirmationTextFollowsTheLanguage) {
  EXPECT_EQ(BrowserRangeText(5, 5), "X=5");
  EXPECT_EQ(BrowserConfirmText("Japanese", 5, 9, "100"), "X=5_9 を 100 に変更します。");
  EXPECT_EQ(BrowserConfirmText("English", 0, 0, "7"), "Change X=0 to 7");
  EXPECT_EQ(BrowserConfirmText("japanese", 1, 2, "7"), "Change X=1_2 to 7");
}

TEST(DataBrowserSave, WaveformValueUndrawnAndProtectedChecks) {
  // drawn 0..9, samples 4..6 protected block 1, the rest undrawn
  std::vector<std::int32_t> values(20, -1);
  std::vector<std::int16_t> blocks(20, 0);
  for (int i = 0; i < 10; ++i) values[i] = 100 + i, blocks[i] = -1;
  for (int i = 4; i <= 6; ++i) blocks[i] = 1;

  const auto ok = CheckWaveSave(" 4095 ", 0, 3, values, blocks);
  EXPECT_EQ(ok.value, 4095);
  EXPECT_FALSE(ok.error);
  for (const char* bad : {"4096", "-1", "", "1.0", "abc"})
    EXPECT_EQ(CheckWaveSave(bad, 0, 3, values, blocks).error, ERRMSG(3)) << bad;
  EXPECT_EQ(CheckWaveSave("100", 2, 8, values, blocks).error, ERRMSG(2));
  EXPECT_EQ(CheckWaveSave("100", 6, 6, values, blocks).error, ERRMSG(2));
  // right after the last drawn sample is allowed (the drawn part grows); beyond it is not
  EXPECT_FALSE(CheckWaveSave("100", 10, 12, values, blocks).error);
  EXPECT_EQ(CheckWaveSave("100", 11, 12, values, blocks).error, ERRMSG(18));
  // an empty document can be written from address 0
  std::vector<std::int32_t> empty(20, -1);
  std::vector<std::int16_t> never(20, 0);
  EXPECT_EQ(CheckWaveSave("0", 0, 19, empty, never).value, 0);
  // the value check comes first
  EXPECT_EQ(CheckWaveSave("5000", 11, 12, values, blocks).error, ERRMSG(3));
}

TEST(DataBrowserSave, PatternWordsAndPairs) {
  EXPECT_TRUE(IsPatternWord("010101"));
  for (const char* bad : {"01010", "0101011", "012101", ""}) EXPECT_FALSE(IsPatternWord(bad));
  EXPECT_FALSE(PairConflict("111000"));
  EXPECT_TRUE(PairConflict("110110"));
  EXPECT_TRUE(PairConflict("011001"));  // ch5 and ch2 both 1
  EXPECT_EQ(PatternHex(5), "05");
  EXPECT_EQ(PatternHex(63), "3F");
}

TEST(DataBrowserPattern, RowTexts) {
  // ch1 and ch3 set: column 7 is ch1, column 5 ch3.
  std::string row;
  for (int column = 2; column <= 9; ++column) row += PatternCellText(5, 5, column) + " ";
  EXPECT_EQ(row, "0 0 0 1 0 1 5 05 ");
  EXPECT_EQ(PatternCellText(0b100000, 63, 2), "1");  // ch6 first
  EXPECT_EQ(PatternCellText(0b100000, 63, 7), "0");
  // after the browser's undo the bits and the word texts may differ
  EXPECT_EQ(PatternCellText(0, 54, 8), "54");
  EXPECT_EQ(PatternCellText(0, 54, 9), "36");
}

TEST(DataBrowserPattern, SaveChecks) {
  const PatternSaveCheck ok = CheckPatternSave("111000", true);
  EXPECT_EQ(ok.word, 56);  // the first character is channel 6
  EXPECT_FALSE(ok.askPair);
  EXPECT_FALSE(ok.error);
  EXPECT_TRUE(CheckPatternSave("110110", true).askPair);
  EXPECT_EQ(CheckPatternSave("110110", true).word, 54);
  EXPECT_FALSE(CheckPatternSave("110110", false).askPair);
  for (const char* bad : {"12", "1100a1", "0000000", " 11100"}) {
    const PatternSaveCheck refused = CheckPatternSave(bad, true);
    EXPECT_EQ(refused.error, ERRMSG(3)) << bad;
    EXPECT_FALSE(refused.word) << bad;
    EXPECT_FALSE(refused.askPair) << bad;
  }
}
