#pragma once
// The data browser's rules that need no window: the binding key, the refresh-limit rule,
// the jump entry, how moving the current row drives an X cursor, and the checks a typed
// value passes before Save.
#include <chrono>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "core/app/MessageId.h"

namespace averoz {

// ---- binding -----------------------------------------------------------------------------

// "yyyymmddhhnnsszzz" of a local time.
std::string FormatBrowserKey(std::chrono::system_clock::time_point time);

// Hands out binding keys from the clock. Two fills within one millisecond would share a
// key, and a document filled before would then pass for the browsed one: each key is at
// least one millisecond later than the one before.
class BrowserKeyClock {
 public:
  std::string Next(std::chrono::system_clock::time_point now = std::chrono::system_clock::now());

 private:
  std::optional<std::chrono::system_clock::time_point> last_;
};

// ---- changed-range notice ----------------------------------------------------------------

enum class BrowserUpdate { Rows, Stale };
// A change of addresses a..b rewrites the rows when |b - a| is below the limit (settings
// "Refresh"/"Limit"); a larger one marks the table out of date.
BrowserUpdate ChangedRangeUpdate(int a, int b, std::int32_t limit);

// ---- navigation (rows: 0 is the header, row r shows address r - 1) -----------------------

// Row r limited to 1 .. rowCount - 1 (0 and below count as 1).
int ClampBrowserRow(int row, int rowCount);

// The jump entry, trimmed: the top row it asks for, or nothing when it is no decimal
// integer (ERRMSG 3).
std::optional<int> JumpTopRow(std::string_view text, int rowCount);

// What following row r does with the mark the user is moving ("X1", "X2" or none).
struct FollowAction {
  enum Kind { Select, MoveX1, MoveX2 } kind;
  int row;  // the row that becomes current (address row - 1)
};
// An X cursor never passes the other one: X1 stops one row above X2, X2 one row below X1.
FollowAction FollowRow(std::string_view mark, int row, int rowCount, int cursorRowX1,
                       int cursorRowX2);

// ---- Save --------------------------------------------------------------------------------

// "X=5" or "X=5_9", then the confirmation in the user's language.
std::string BrowserRangeText(int first, int last);
std::string BrowserConfirmText(std::string_view language, int first, int last,
                               std::string_view value);

// The waveform checks, on the table's own columns (indexed by address): the value is a
// decimal integer 0..4095 (ERRMSG 3); the address before the range is drawn (ERRMSG 18);
// no address of the range is protected (ERRMSG 2). The value, or the message that refuses it.
struct WaveSaveCheck {
  std::optional<std::int32_t> value;
  std::optional<MessageId> error;
};
WaveSaveCheck CheckWaveSave(std::string_view text, int first, int last,
                            std::span<const std::int32_t> values,
                            std::span<const std::int16_t> blocks);

// ---- pattern rows (columns 2..7: channels 6..1, 8 "Dec", 9 "Hex") -------------------------

// The text of column 2..9 of a row whose bit columns show the data word `bits` and whose
// "Dec" and "Hex" show `word` (the two differ after the browser's undo until the next
// fill). Column c of 2..7 holds channel 8 - c; joined they are IntToBin6(bits).
std::string PatternCellText(int bits, int word, int column);
// Pattern words: six characters 0/1, channel 6 first (ERRMSG 3 otherwise).
bool IsPatternWord(std::string_view text);
// With pair mode on: some pair (ch1/ch4, ch2/ch5, ch3/ch6) is not inverted (IMFMSG 17).
bool PairConflict(std::string_view word);
// "Hex" of a word value: at least two upper-case hexadecimal digits.
std::string PatternHex(int value);

// The checks of a trimmed value typed for a pattern: the data word it writes, or ERRMSG 3;
// with pair mode on, whether IMFMSG 17 must be asked first.
struct PatternSaveCheck {
  std::optional<int> word;
  std::optional<MessageId> error;
  bool askPair = false;
};
PatternSaveCheck CheckPatternSave(std::string_view text, bool pairMode);

}  // namespace averoz
