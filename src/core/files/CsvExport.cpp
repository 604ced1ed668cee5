#include "core/files/CsvExport.h"

#include <charconv>

namespace averoz {

namespace {

constexpr std::size_t kChannels = 6;

FileWriteResult WriteText(const std::string& path, const std::string& text) {
  try {
    WriteFileAtomic(path, std::string_view(text));
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  }
}

}  // namespace

std::string BuildWaveCsv(std::span<const std::int32_t> samples) {
  std::string out;
  out.reserve(samples.size() * 6);
  char digits[16];
  for (std::int32_t s : samples) {
    const auto [end, ec] = std::to_chars(digits, digits + sizeof digits, s);
    out.append(digits, end);
    out += "\r\n";
  }
  return out;
}

std::string BuildPatternCsv(std::span<const std::uint8_t> bits) {
  const std::size_t n = bits.size() / kChannels;
  std::string out;
  out.reserve(n * 13);
  for (std::size_t a = 0; a < n; ++a) {
    for (std::size_t ch = 0; ch < kChannels; ++ch) {
      if (ch > 0) out += ',';
      out += bits[ch * n + a] != 0 ? '1' : '0';
    }
    out += "\r\n";
  }
  return out;
}

FileWriteResult WriteWaveCsv(std::span<const std::int32_t> samples, const std::string& path) {
  return WriteText(path, BuildWaveCsv(samples));
}

FileWriteResult WritePatternCsv(std::span<const std::uint8_t> bits, const std::string& path) {
  return WriteText(path, BuildPatternCsv(bits));
}

}  // namespace averoz
