#include "core/files/TextCells.h"

#include "core/files/FilesText.h"

namespace averoz {

std::vector<std::string_view> SplitLines(std::string_view text) {
  std::vector<std::string_view> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    const std::size_t end = text.find_first_of("\r\n", start);
    if (end == std::string_view::npos) {
      lines.push_back(text.substr(start));
      break;
    }
    lines.push_back(text.substr(start, end - start));
    start = end + 1;
    if (text[end] == '\r' && start < text.size() && text[start] == '\n') ++start;
  }
  return lines;
}

namespace {

// The quoted cell starting at line[pos] == '"'; pos ends after the closing quote, or at the
// end of the line when the quote is never closed.
std::string QuotedCell(std::string_view line, std::size_t& pos) {
  std::string cell;
  ++pos;
  while (pos < line.size()) {
    const char c = line[pos++];
    if (c != '"') {
      cell += c;
    } else if (pos < line.size() && line[pos] == '"') {
      cell += '"';
      ++pos;
    } else {
      break;
    }
  }
  return cell;
}

}  // namespace

void SplitCells(std::string_view line, std::vector<std::string>& cells) {
  cells.clear();
  std::size_t pos = 0;
  auto skipBlanks = [&] {
    while (pos < line.size() && IsBlank(line[pos])) ++pos;
  };
  skipBlanks();
  while (pos < line.size()) {
    if (line[pos] == '"') {
      cells.push_back(std::string(TrimControl(QuotedCell(line, pos))));
    } else {
      const std::size_t start = pos;
      while (pos < line.size() && !IsBlank(line[pos]) && line[pos] != ',') ++pos;
      cells.emplace_back(line.substr(start, pos - start));
    }
    skipBlanks();
    if (pos < line.size() && line[pos] == ',') {
      ++pos;
      if (pos == line.size()) cells.emplace_back();
      skipBlanks();
    }
  }
}

}  // namespace averoz
