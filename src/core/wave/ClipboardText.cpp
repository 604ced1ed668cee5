#include "core/wave/ClipboardText.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <optional>

#include "core/app/general.h"

namespace averoz {
namespace {

constexpr std::string_view kLineEnd = "\r\n";

std::optional<std::int32_t> LineValue(std::string_view line) {
  double v = 0;
  if (!ParseDecimal(line, v)) return std::nullopt;
  return static_cast<std::int32_t>(std::clamp(std::trunc(v), 0.0, 4095.0));
}

}  // namespace

std::string WaveClipText(std::span<const std::int32_t> codes) {
  std::string text;
  text.reserve(codes.size() * 6);
  char buf[16];
  for (const std::int32_t code : codes) {
    const auto res = std::to_chars(buf, buf + sizeof buf, code);
    text.append(buf, res.ptr);
    text.append(kLineEnd);
  }
  return text;
}

std::string PatternClipText(std::span<const std::span<const std::uint8_t>> rows) {
  std::string text;
  if (rows.empty()) return text;
  std::size_t count = rows.front().size();
  for (const auto& row : rows) count = std::min(count, row.size());
  text.reserve(count * (rows.size() * 2 + 1));
  for (std::size_t a = 0; a < count; ++a) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
      if (r > 0) text.push_back('\t');
      text.push_back(rows[r][a] ? '1' : '0');
    }
    text.append(kLineEnd);
  }
  return text;
}

ParsedWaveText ParseWaveClipText(std::string_view text, std::size_t maxValues) {
  ParsedWaveText out;
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t stop = text.find_first_of("\r\n", pos);
    const std::size_t lineEnd = stop == std::string_view::npos ? text.size() : stop;
    const std::optional<std::int32_t> value = LineValue(text.substr(pos, lineEnd - pos));
    if (value) {
      if (out.values.size() == maxValues) {
        out.overflow = true;
        break;
      }
      out.values.push_back(*value);
    }
    pos = lineEnd;
    if (pos < text.size() && text[pos] == '\r') ++pos;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  return out;
}

}  // namespace averoz
