// CSV/TSV as oscilloscopes and spreadsheets write them: header lines first, then lines of
// numbers separated by tabs, semicolons, commas or blanks. With tabs, semicolons or blanks a
// comma in a number is its decimal point.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <string>
#include <vector>

#include "core/signal/SignalRead.h"

namespace averoz {
namespace {

constexpr char kBlank = ' ';  // "delimiter" of blank-separated columns

struct TextLine {
  std::size_t number = 0;  // 1-based
  std::string_view text;
};

bool IsSpace(char c) { return c == ' ' || c == '\t'; }

std::string_view Trim(std::string_view s) {
  while (!s.empty() && IsSpace(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsSpace(s.back())) s.remove_suffix(1);
  return s;
}

// Non-blank lines with their numbers; LF, CR LF and CR all end a line.
std::vector<TextLine> SplitLines(std::string_view text) {
  if (text.starts_with("\xEF\xBB\xBF")) text.remove_prefix(3);
  std::vector<TextLine> lines;
  std::size_t number = 1, start = 0;
  for (std::size_t i = 0; i <= text.size(); ++i) {
    if (i < text.size() && text[i] != '\n' && text[i] != '\r') continue;
    const std::string_view line = text.substr(start, i - start);
    if (!Trim(line).empty()) lines.push_back({number, line});
    if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') ++i;
    start = i + 1;
    ++number;
  }
  return lines;
}

// The separator most of the last lines (the data, not the header) use.
char DetectDelimiter(const std::vector<TextLine>& lines) {
  const std::size_t first = lines.size() > 20 ? lines.size() - 20 : 0;
  for (char c : {'\t', ';', ','}) {
    std::size_t with = 0;
    for (std::size_t i = first; i < lines.size(); ++i)
      with += lines[i].text.find(c) != std::string_view::npos;
    if (2 * with > lines.size() - first) return c;
  }
  return kBlank;
}

void SplitCells(std::string_view line, char delimiter, std::vector<std::string_view>& cells) {
  cells.clear();
  if (delimiter == kBlank) {
    std::size_t i = 0;
    while (i < line.size()) {
      while (i < line.size() && IsSpace(line[i])) ++i;
      const std::size_t start = i;
      while (i < line.size() && !IsSpace(line[i])) ++i;
      if (i > start) cells.push_back(line.substr(start, i - start));
    }
    return;
  }
  std::size_t start = 0;
  bool quoted = false;
  for (std::size_t i = 0; i <= line.size(); ++i) {
    if (i < line.size() && line[i] == '"') quoted = !quoted;
    if (i < line.size() && (quoted || line[i] != delimiter)) continue;
    cells.push_back(line.substr(start, i - start));
    start = i + 1;
  }
}

std::string_view Unquote(std::string_view cell) {
  cell = Trim(cell);
  if (cell.size() >= 2 && cell.front() == '"' && cell.back() == '"')
    cell = Trim(cell.substr(1, cell.size() - 2));
  return cell;
}

// A whole cell as a number (scientific notation, a leading sign, "nan" and "inf" included).
bool ParseNumber(std::string_view cell, bool decimalComma, double& value) {
  if (cell.size() > 64) return false;
  char buffer[64];
  std::size_t n = 0;
  for (char c : cell) buffer[n++] = decimalComma && c == ',' ? '.' : c;
  const char* begin = buffer;
  const char* end = buffer + n;
  if (begin != end && *begin == '+' && end - begin > 1 && begin[1] != '-') ++begin;
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  return ec == std::errc() && ptr == end;
}

std::string Quoted(std::string_view cell) { return "\"" + std::string(cell) + "\""; }

// The leading word of a column title, lower case: "Time (s)" gives "time".
std::string TitleWord(std::string_view title) {
  std::string word;
  for (char c : Unquote(title)) {
    if (!std::isalpha(static_cast<unsigned char>(c))) break;
    word += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  }
  return word;
}

bool IsTimeTitle(std::string_view title) {
  static const char* const kWords[] = {"t",     "x",       "s",     "sec",    "secs",
                                       "second", "seconds", "seq",   "sequence", "index",
                                       "idx",   "sample",  "samples", "n",    "no",
                                       "nr",    "num",     "number", "point", "points",
                                       "zeit",  "temps",   "tiempo", "tempo"};
  const std::string word = TitleWord(title);
  if (word.find("time") != std::string::npos) return true;
  return std::find(std::begin(kWords), std::end(kWords), word) != std::end(kWords);
}

// Rising in steps of about the same size: the first column of a file without titles is a
// time axis then.
bool LooksLikeTime(const std::vector<double>& t) {
  if (t.size() < 3) return false;
  const double step = (t.back() - t.front()) / double(t.size() - 1);
  if (!(step > 0)) return false;
  for (std::size_t i = 1; i < t.size(); ++i) {
    const double d = t[i] - t[i - 1];
    if (d < 0.5 * step || d > 1.5 * step) return false;
  }
  return true;
}

struct ColumnState {
  std::vector<double> values;
  std::size_t empties = 0;
  std::size_t firstEmptyLine = 0;
};

class TextReader {
 public:
  TextReader(std::string_view text, const std::string& name) : name_(name), lines_(SplitLines(text)) {}

  SignalTable Read() {
    if (lines_.empty()) Fail("empty signal: the file holds no values");
    delimiter_ = DetectDelimiter(lines_);
    decimalComma_ = delimiter_ != ',';
    std::size_t first = 0;
    while (first < lines_.size() && !IsNumberLine(lines_[first])) ++first;
    if (first == lines_.size()) NoNumericColumn();
    for (std::size_t i = first; i < lines_.size(); ++i) AddDataLine(lines_[i], i - first);
    return Finish(first);
  }

 private:
  [[noreturn]] void Fail(const std::string& what) const { throw SignalError(name_ + ": " + what); }
  [[noreturn]] void FailAt(std::size_t line, const std::string& what) const {
    Fail("line " + std::to_string(line) + ": " + what);
  }

  bool IsNumberLine(const TextLine& line) {
    SplitCells(line.text, delimiter_, cells_);
    bool any = false;
    double value = 0;
    for (std::string_view cell : cells_) {
      cell = Unquote(cell);
      if (cell.empty()) continue;
      if (!ParseNumber(cell, decimalComma_, value)) return false;
      any = true;
    }
    return any;
  }

  [[noreturn]] void NoNumericColumn() {
    const TextLine& last = lines_.back();
    SplitCells(last.text, delimiter_, cells_);
    std::string_view bad = Unquote(last.text);
    double value = 0;
    for (std::string_view cell : cells_)
      if (!Unquote(cell).empty() && !ParseNumber(Unquote(cell), decimalComma_, value)) {
        bad = Unquote(cell);
        break;
      }
    FailAt(last.number, "no numeric column (" + Quoted(bad) + " is not a number)");
  }

  void AddDataLine(const TextLine& line, std::size_t row) {
    SplitCells(line.text, delimiter_, cells_);
    if (cells_.size() > columns_.size()) {
      const std::size_t old = columns_.size();
      columns_.resize(cells_.size());
      for (std::size_t c = old; c < columns_.size(); ++c) {
        columns_[c].values.assign(row, 0.0);
        columns_[c].empties = row;
        columns_[c].firstEmptyLine = row > 0 ? firstDataLine_ : 0;
      }
    }
    if (row == 0) firstDataLine_ = line.number;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
      ColumnState& column = columns_[c];
      const std::string_view cell = c < cells_.size() ? Unquote(cells_[c]) : std::string_view{};
      double value = 0;
      if (cell.empty()) {
        if (column.empties++ == 0) column.firstEmptyLine = line.number;
      } else if (!ParseNumber(cell, decimalComma_, value)) {
        FailAt(line.number, "column " + std::to_string(c + 1) + ": " + Quoted(cell) +
                                " is not a number");
      } else if (!std::isfinite(value)) {
        FailAt(line.number, "column " + std::to_string(c + 1) + ": " + Quoted(cell) +
                                " is not a finite number");
      }
      column.values.push_back(value);
    }
  }

  // The titles of the kept columns: from the nearest header line that titles each of them;
  // false when no line does.
  bool Titles(std::size_t headerLines, const std::vector<std::size_t>& kept,
              std::vector<std::string>& titles) {
    double value = 0;
    for (std::size_t h = headerLines; h-- > 0;) {
      SplitCells(lines_[h].text, delimiter_, cells_);
      const bool titled = std::all_of(kept.begin(), kept.end(), [&](std::size_t c) {
        if (c >= cells_.size()) return false;
        const std::string_view cell = Unquote(cells_[c]);
        return !cell.empty() && !ParseNumber(cell, decimalComma_, value);
      });
      if (!titled) continue;
      for (std::size_t c : kept) titles.emplace_back(Unquote(cells_[c]));
      return true;
    }
    for (std::size_t c : kept) titles.push_back("Column " + std::to_string(c + 1));
    return false;
  }

  // A header line calls the first column a time axis ("Time", "X", "Sequence", ...).
  bool TimeTitled(std::size_t headerLines) {
    for (std::size_t h = 0; h < headerLines; ++h) {
      SplitCells(lines_[h].text, delimiter_, cells_);
      if (cells_.size() >= 2 && IsTimeTitle(cells_[0])) return true;
    }
    return false;
  }

  // Some scopes write their settings beside the first samples ("Record Length,2500,,-1e-05,
  // 0.02"): the lines just above the data whose value columns all hold numbers are data too.
  // Returns how many header lines were taken.
  std::size_t TakeNumbersAbove(std::size_t headerLines, const std::vector<std::size_t>& kept) {
    std::vector<std::vector<double>> above(kept.size());
    std::vector<double> row(kept.size());
    std::size_t taken = 0;
    while (taken < headerLines && !kept.empty() && NumbersAt(lines_[headerLines - 1 - taken], kept, row)) {
      for (std::size_t k = 0; k < kept.size(); ++k) above[k].push_back(row[k]);
      ++taken;
    }
    for (std::size_t k = 0; k < kept.size() && taken > 0; ++k) {
      std::vector<double>& values = columns_[kept[k]].values;
      values.insert(values.begin(), above[k].rbegin(), above[k].rend());
    }
    return taken;
  }

  bool NumbersAt(const TextLine& line, const std::vector<std::size_t>& kept, std::vector<double>& row) {
    SplitCells(line.text, delimiter_, cells_);
    for (std::size_t k = 0; k < kept.size(); ++k) {
      const std::string_view cell = kept[k] < cells_.size() ? Unquote(cells_[kept[k]]) : std::string_view{};
      if (cell.empty() || !ParseNumber(cell, decimalComma_, row[k]) || !std::isfinite(row[k])) return false;
    }
    return true;
  }

  SignalTable Finish(std::size_t headerLines) {
    std::vector<std::size_t> kept;
    for (std::size_t c = 0; c < columns_.size(); ++c) {
      const ColumnState& column = columns_[c];
      if (column.empties == column.values.size()) continue;  // a trailing separator
      if (column.empties > 0)
        FailAt(column.firstEmptyLine, "column " + std::to_string(c + 1) + " has no value");
      kept.push_back(c);
    }
    headerLines -= TakeNumbersAbove(headerLines, kept);
    std::vector<std::string> titles;
    const bool titled = Titles(headerLines, kept, titles);
    SignalTable table;
    std::size_t firstValue = 0;
    if (kept.size() >= 2) {
      const std::vector<double>& t = columns_[kept[0]].values;
      if (TimeTitled(headerLines) || (!titled && LooksLikeTime(t))) {
        firstValue = 1;
        table.timeColumn = titles[0];
        const double step = t.size() >= 2 ? (t.back() - t.front()) / double(t.size() - 1) : 0;
        if (step > 0) table.sampleRate = 1.0 / step;
      }
    }
    for (std::size_t k = firstValue; k < kept.size(); ++k)
      table.columns.push_back({titles[k], std::move(columns_[kept[k]].values)});
    return table;
  }

  const std::string& name_;
  std::vector<TextLine> lines_;
  std::vector<std::string_view> cells_;
  std::vector<ColumnState> columns_;
  std::size_t firstDataLine_ = 0;
  char delimiter_ = ',';
  bool decimalComma_ = false;
};

}  // namespace

SignalTable ParseSignalText(std::string_view text, const std::string& name) {
  return TextReader(text, name).Read();
}

}  // namespace averoz
