#include "core/files/TextImport.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/app/general.h"
#include "core/files/FileRead.h"
#include "core/files/FilesText.h"
#include "core/files/TextCells.h"
#include "core/files/WaveFile.h"

namespace averoz {

namespace {

constexpr std::string_view kNumberStart = "-.0123456789";

bool StartsNumeric(std::string_view s) {
  return !s.empty() && kNumberStart.find(s.front()) != std::string_view::npos;
}

struct CellCode {
  std::int32_t code;
  bool clipped;  // the number lay outside 0..4095
};

// The value of a cell that passed IsSignedDecimal: truncated toward zero and limited to
// 0..4095. Empty for texts such as "-" or "." that hold no number.
std::optional<CellCode> CellValue(std::string_view cell) {
  double value = 0;
  const auto [end, ec] = std::from_chars(cell.data(), cell.data() + cell.size(), value);
  if (ec == std::errc::invalid_argument || end != cell.data() + cell.size()) return std::nullopt;
  if (ec == std::errc::result_out_of_range) {
    // Beyond a double: a huge number when its integer part is not zero, else a tiny one.
    const std::string_view whole = cell.substr(0, cell.find('.'));
    const bool huge = whole.find_first_of("123456789") != std::string_view::npos;
    if (!huge) return CellCode{0, false};
    return CellCode{cell.front() != '-' ? 4095 : 0, true};
  }
  const double whole = std::trunc(value);
  const double code = std::clamp(whole, 0.0, 4095.0);
  return CellCode{static_cast<std::int32_t>(code), code != whole};
}

// Text files hold no control codes but BEL, BS, TAB, LF, VT, FF, CR, ESC and the DOS
// end-of-file mark SUB; bytes from 0x80 up are text in some code page.
bool IsTextHead(std::string_view bytes) {
  constexpr std::string_view kTextControls = "\a\b\t\n\v\f\r\x1a\x1b";
  return std::all_of(bytes.begin(), bytes.end(), [&](char c) {
    return static_cast<unsigned char>(c) >= ' ' || kTextControls.find(c) != std::string_view::npos;
  });
}

}  // namespace

TextImportResult ImportWaveText(std::string_view text, const std::string& language,
                                Prompter& prompter, ImportStatus& status) {
  const bool japanese = language == "Japanese";
  const char* rowWord = japanese ? "行" : "line";
  const char* columnWord = japanese ? "列→アドレス:" : "column->Address:";

  TextImportResult r;
  r.samples.assign(kWaveLength, 0);
  status.Clear();

  const std::vector<std::string_view> lines = SplitLines(text);
  status.SetProgressMax(static_cast<int>(lines.size()) - 1);
  // Rows per column: the lines that look numeric before they are split.
  const auto rows = static_cast<std::int64_t>(std::count_if(
      lines.begin(), lines.end(), [](std::string_view l) { return StartsNumeric(TrimControl(l)); }));

  std::int64_t m = 0;  // data lines so far
  int maxAddress = -1;
  bool overflow = false;
  bool ask = true;
  std::vector<std::string> cells;
  for (std::size_t li = 0; li < lines.size(); ++li) {
    status.SetProgress(static_cast<int>(li));
    SplitCells(lines[li], cells);
    if (cells.empty() || !StartsNumeric(cells.front())) {
      ++r.skippedLines;
      continue;
    }
    for (std::size_t j = 0; j < cells.size(); ++j) {
      // 64 bits: a long line times many rows leaves the 32-bit range.
      const std::int64_t address = static_cast<std::int64_t>(j) * rows + m;
      if (IsSignedDecimal(cells[j])) {
        if (address >= kWaveLength) {
          overflow = true;
          continue;
        }
        const std::optional<CellCode> value = CellValue(cells[j]);
        if (!value) {
          r.error = "\"" + cells[j] + "\" is not a valid number.";
          return r;
        }
        r.samples[address] = value->code;
        if (value->clipped) ++r.clipped;
        maxAddress = std::max(maxAddress, static_cast<int>(address));
        continue;
      }
      status.Append(Message{ERRMSG(13), "",
                            " (" + std::to_string(li + 1) + rowWord + std::to_string(j + 1) +
                                columnWord + std::to_string(address) + ")"});
      if (!ask) continue;
      const Answer answer =
          prompter.ask(Message{ERRMSG(14), {}, {}}, Buttons::YesNoYesToAll, Icon::Warning);
      if (answer == Answer::YesToAll) {
        ask = false;
      } else if (answer != Answer::Yes) {
        status.Close();
        r.samples.assign(kWaveLength, 0);
        return r;
      }
    }
    ++m;
  }
  if (overflow) status.Append(Message{IMFMSG(6), {}, {}});
  r.count = maxAddress + 1;
  status.Append(Message{IMFMSG(7), std::to_string(r.count), {}});
  status.AppendText(ImportSummary(r, language));
  return r;
}

std::string ImportSummary(const TextImportResult& result, const std::string& language) {
  const std::string clipped = std::to_string(result.clipped);
  const std::string skipped = std::to_string(result.skippedLines);
  if (language == "Japanese")
    return "0～4095 に制限した値: " + clipped + "個、読み飛ばした行: " + skipped + "行";
  return "Values clipped to 0..4095: " + clipped + ", lines skipped: " + skipped;
}

TextImportResult ImportWaveTextFile(const std::string& path, const std::string& language,
                                    Prompter& prompter, ImportStatus& status) {
  std::string text;
  TextImportResult r;
  if (!ReadFileHead(path, text, r.error)) {
    r.samples.assign(kWaveLength, 0);
    return r;
  }
  return ImportWaveText(text, language, prompter, status);
}

PreviewHead ReadPreviewHead(const std::string& path, std::size_t maxLines) {
  PreviewHead head;
  std::string text;
  if (!ReadFileHead(path, text, head.error, kPreviewHeadBytes)) return head;
  if (!IsTextHead(text)) {
    head.kind = PreviewHead::Kind::NotText;
    return head;
  }
  head.kind = PreviewHead::Kind::Text;
  for (std::string_view line : SplitLines(text)) {
    if (head.lines.size() == maxLines) break;
    head.lines.emplace_back(line);
  }
  return head;
}

}  // namespace averoz
