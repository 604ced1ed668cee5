#include "core/files/VcdExport.h"

#include <array>
#include <cctype>
#include <limits>

#include "core/app/IniFile.h"

namespace averoz {

namespace {

constexpr std::size_t kChannels = 6;
constexpr std::uint64_t kAddresses = 16384;
constexpr char kFirstId = 'a';  // CH1 is "a", CH6 is "f"

struct Unit {
  const char* name;
  std::uint64_t fs;  // femtoseconds in one unit
};
// Coarsest first, so the first timescale that divides a step is the coarsest that does.
constexpr std::array<Unit, 6> kUnits{{{"s", 1'000'000'000'000'000},
                                      {"ms", 1'000'000'000'000},
                                      {"us", 1'000'000'000},
                                      {"ns", 1'000'000},
                                      {"ps", 1'000},
                                      {"fs", 1}}};

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

std::optional<std::uint64_t> UnitFs(std::string unit) {
  if (unit == "\xC2\xB5s" || unit == "\xCE\xBCs") unit = "us";  // micro sign, Greek mu
  for (const Unit& u : kUnits)
    if (unit == u.name) return u.fs;
  return std::nullopt;
}

// The step in femtoseconds, exactly; nothing when it is not a whole number of them or
// does not fit 64 bits.
std::optional<std::uint64_t> StepFs(const std::string& text) {
  constexpr int kMaxDigits = 20;  // 10^20 x 10^15 fs still fits 128 bits
  unsigned __int128 mantissa = 0, divisor = 1;
  int digits = 0;
  bool point = false;
  std::size_t i = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c == '.' && !point) {
      point = true;
    } else if (std::isdigit(static_cast<unsigned char>(c)) && digits < kMaxDigits) {
      mantissa = mantissa * 10 + unsigned(c - '0');
      if (point) divisor *= 10;
      ++digits;
    } else {
      break;
    }
  }
  const std::optional<std::uint64_t> unit = UnitFs(Trimmed(text.substr(i)));
  if (digits == 0 || !unit) return std::nullopt;
  const unsigned __int128 fs = mantissa * *unit;
  if (fs == 0 || fs % divisor != 0 || fs / divisor > std::numeric_limits<std::uint64_t>::max())
    return std::nullopt;
  return std::uint64_t(fs / divisor);
}

}  // namespace

std::optional<VcdTimeStep> ParseVcdTimeStep(const std::string& text) {
  const std::optional<std::uint64_t> fs = StepFs(Trimmed(text));
  if (!fs) return std::nullopt;
  for (const Unit& u : kUnits) {
    for (std::uint64_t m : {100, 10, 1}) {
      if (*fs % (m * u.fs) != 0) continue;
      const std::uint64_t ticks = *fs / (m * u.fs);
      // The last timestamp, after 16384 steps, must fit too.
      if (ticks > std::numeric_limits<std::uint64_t>::max() / kAddresses) return std::nullopt;
      return VcdTimeStep{std::to_string(m) + " " + u.name, ticks};
    }
  }
  return std::nullopt;  // not reached: 1 fs divides every step
}

VcdTimeStep ReadVcdTimeStep(const IniFile& settings) {
  const std::string text = settings.ReadString("Export", "VcdTimeStep", kDefaultVcdTimeStep);
  if (std::optional<VcdTimeStep> step = ParseVcdTimeStep(text)) return *step;
  return *ParseVcdTimeStep(kDefaultVcdTimeStep);
}

std::string BuildVcd(std::span<const std::uint8_t> bits, const VcdTimeStep& step) {
  const std::size_t n = bits.size() / kChannels;
  auto bit = [&](std::size_t ch, std::size_t a) { return bits[ch * n + a] != 0 ? '1' : '0'; };
  auto id = [](std::size_t ch) { return char(kFirstId + ch); };

  std::string out = "$version Averoz $end\n$timescale " + step.timescale +
                    " $end\n$scope module pattern $end\n";
  for (std::size_t ch = 0; ch < kChannels; ++ch)
    out += std::string("$var wire 1 ") + id(ch) + " CH" + std::to_string(ch + 1) + " $end\n";
  out += "$upscope $end\n$enddefinitions $end\n#0\n$dumpvars\n";
  for (std::size_t ch = 0; ch < kChannels && n > 0; ++ch) out += {bit(ch, 0), id(ch), '\n'};
  out += "$end\n";
  for (std::size_t a = 1; a < n; ++a) {
    bool stamped = false;
    for (std::size_t ch = 0; ch < kChannels; ++ch) {
      if (bit(ch, a) == bit(ch, a - 1)) continue;
      if (!stamped) out += '#' + std::to_string(a * step.ticks) + '\n';
      stamped = true;
      out += {bit(ch, a), id(ch), '\n'};
    }
  }
  out += '#' + std::to_string(n * step.ticks) + '\n';
  return out;
}

FileWriteResult WriteVcdFile(std::span<const std::uint8_t> bits, const std::string& path,
                             const VcdTimeStep& step) {
  try {
    WriteFileAtomic(path, std::string_view(BuildVcd(bits, step)));
    return {true, {}};
  } catch (const FileWriteError& e) {
    return {false, e.what()};
  }
}

}  // namespace averoz
