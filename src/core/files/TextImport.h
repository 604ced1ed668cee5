#pragma once
// Import of waveform data from text: numbers separated by commas or blanks; each column
// continues after the last address of the column before it. Invalid cells read 0 and are
// reported with their line, column and address; the user is asked once whether to go on.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/app/Prompter.h"

namespace averoz {

// The status window of an import. The UI shows it on Clear and keeps it open afterwards.
class ImportStatus {
 public:
  virtual ~ImportStatus() = default;
  virtual void Clear() = 0;
  virtual void Append(const Message& line) = 0;
  // A line that is no catalog entry (the import's closing summary).
  virtual void AppendText(const std::string& line) = 0;
  virtual void SetProgressMax(int max) = 0;
  virtual void SetProgress(int position) = 0;
  virtual void Close() = 0;
};

struct TextImportResult {
  // Samples read (0 when nothing valid, or the user stopped); open a document when >= 1.
  int count = 0;
  // Always 16384 entries; invalid cells and addresses never written read 0.
  std::vector<std::int32_t> samples;
  // Non-empty when the import stopped on an error the user must see as a box (a cell such
  // as "-" that is no number, an unreadable file); no document is created then.
  std::string error;
  // Valid cells whose value lay outside 0..4095 and was limited to it.
  int clipped = 0;
  // Lines that were no data lines (headers, empty lines, comments).
  int skippedLines = 0;
};

// The line the import adds after the count: how many values were clipped and how many
// lines skipped, in the language of the row and column words.
std::string ImportSummary(const TextImportResult& result, const std::string& language);

// language "Japanese" gives the row and column words "行" and "列→アドレス:", others
// "line" and "column->Address:".
TextImportResult ImportWaveText(std::string_view text, const std::string& language,
                                Prompter& prompter, ImportStatus& status);
TextImportResult ImportWaveTextFile(const std::string& path, const std::string& language,
                                    Prompter& prompter, ImportStatus& status);

// The head of a file about to be imported, as the preview sees it.
struct PreviewHead {
  enum class Kind { Text, NotText, Unreadable };
  Kind kind = Kind::Unreadable;
  std::vector<std::string> lines;  // Text: at most the lines asked for
  std::string error;               // Unreadable: the system's reason, naming the file
};

// Reads only the head of the file (kPreviewHeadBytes): its first maxLines lines, or NotText
// when it holds NUL or another control code that text files never contain.
inline constexpr std::size_t kPreviewHeadBytes = 64 * 1024;
PreviewHead ReadPreviewHead(const std::string& path, std::size_t maxLines);

}  // namespace averoz
