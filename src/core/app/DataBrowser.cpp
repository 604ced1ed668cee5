#include "core/app/DataBrowser.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "core/app/general.h"

namespace averoz {

namespace {

// Blanks and control characters go from both ends, as from every typed entry.
std::string_view Trim(std::string_view s) {
  while (!s.empty() && static_cast<unsigned char>(s.front()) <= ' ') s.remove_prefix(1);
  while (!s.empty() && static_cast<unsigned char>(s.back()) <= ' ') s.remove_suffix(1);
  return s;
}

}  // namespace

std::string FormatBrowserKey(std::chrono::system_clock::time_point time) {
  using namespace std::chrono;
  const std::time_t t = system_clock::to_time_t(time_point_cast<seconds>(time));
  const auto ms = duration_cast<milliseconds>(time - time_point_cast<seconds>(time)).count();
  std::tm local{};
  localtime_r(&t, &local);
  char buf[80];
  std::snprintf(buf, sizeof buf, "%04d%02d%02d%02d%02d%02d%03d", local.tm_year + 1900,
                local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec,
                int(ms));
  return buf;
}

std::string BrowserKeyClock::Next(std::chrono::system_clock::time_point now) {
  using namespace std::chrono;
  // Whole milliseconds, so "later" means a different text.
  auto t = time_point_cast<milliseconds>(now);
  if (last_ && t <= *last_) t = time_point_cast<milliseconds>(*last_ + milliseconds(1));
  last_ = t;
  return FormatBrowserKey(t);
}

BrowserUpdate ChangedRangeUpdate(int a, int b, std::int32_t limit) {
  const std::int64_t span = std::llabs(std::int64_t(b) - std::int64_t(a));
  return span < limit ? BrowserUpdate::Rows : BrowserUpdate::Stale;
}

int ClampBrowserRow(int row, int rowCount) { return std::clamp(row, 1, std::max(1, rowCount - 1)); }

std::optional<int> JumpTopRow(std::string_view text, int rowCount) {
  std::int32_t n = 0;
  if (!ParseInteger(Trim(text), n)) return std::nullopt;
  return ClampBrowserRow(n, rowCount);
}

FollowAction FollowRow(std::string_view mark, int row, int rowCount, int cursorRowX1,
                       int cursorRowX2) {
  row = ClampBrowserRow(row, rowCount);
  if (mark == "X1") return {FollowAction::MoveX1, row < cursorRowX2 ? row : cursorRowX2 - 1};
  if (mark == "X2") return {FollowAction::MoveX2, row > cursorRowX1 ? row : cursorRowX1 + 1};
  return {FollowAction::Select, row};
}

std::string BrowserRangeText(int first, int last) {
  std::string text = "X=" + std::to_string(first);
  if (last != first) text += "_" + std::to_string(last);
  return text;
}

std::string BrowserConfirmText(std::string_view language, int first, int last,
                               std::string_view value) {
  const std::string range = BrowserRangeText(first, last);
  if (language == "Japanese") return range + " を " + std::string(value) + " に変更します。";
  return "Change " + range + " to " + std::string(value);
}

WaveSaveCheck CheckWaveSave(std::string_view text, int first, int last,
                            std::span<const std::int32_t> values,
                            std::span<const std::int16_t> blocks) {
  std::int32_t v = 0;
  if (!ParseInteger(Trim(text), v) || v < 0 || v > 4095) return {std::nullopt, ERRMSG(3)};
  const int n = int(std::min(values.size(), blocks.size()));
  first = std::clamp(first, 0, n - 1);
  last = std::clamp(last, first, n - 1);
  // The drawn samples form a prefix: the range must follow a drawn sample.
  if (first > 0 && values[first - 1] == -1) return {std::nullopt, ERRMSG(18)};
  for (int i = first; i <= last; ++i)
    if (blocks[i] > 0) return {std::nullopt, ERRMSG(2)};
  return {v, std::nullopt};
}

std::string PatternCellText(int bits, int word, int column) {
  if (column == 8) return std::to_string(word);
  if (column == 9) return PatternHex(word);
  return IntToBin6(bits).substr(std::size_t(std::clamp(column, 2, 7) - 2), 1);
}

bool IsPatternWord(std::string_view text) { return text.size() == 6 && IsBinaryText(text); }

bool PairConflict(std::string_view word) {
  for (int i = 0; i < 3 && i + 3 < int(word.size()); ++i)
    if (word[i] == word[i + 3]) return true;
  return false;
}

std::string PatternHex(int value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "%02X", unsigned(value));
  return buf;
}

PatternSaveCheck CheckPatternSave(std::string_view text, bool pairMode) {
  if (!IsPatternWord(text)) return {std::nullopt, ERRMSG(3)};
  // The first character is channel 6: read as a binary number, channel 1 is bit 0.
  return {BinToInt(text), std::nullopt, pairMode && PairConflict(text)};
}

}  // namespace averoz
