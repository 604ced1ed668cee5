#include "core/app/general.h"

#include <charconv>
#include <cmath>
#include <limits>
#include <stdexcept>
#include <system_error>

namespace averoz {

namespace {

bool AllOf(std::string_view text, std::string_view allowed) {
  return !text.empty() && text.find_first_not_of(allowed) == std::string_view::npos;
}

int HexDigitValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

constexpr std::array<std::uint16_t, 256> MakeCrc16Table() {
  std::array<std::uint16_t, 256> table{};
  for (unsigned i = 0; i < 256; ++i) {
    unsigned c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1u) ? (c >> 1) ^ 0x8408u : c >> 1;
    table[i] = static_cast<std::uint16_t>(c);
  }
  return table;
}

constexpr std::array<std::uint16_t, 256> kCrc16Table = MakeCrc16Table();
static_assert(kCrc16Table[1] == 0x1189 && kCrc16Table[128] == 0x8408);

std::uint16_t Crc16Byte(std::uint16_t crc, std::uint8_t b) {
  return static_cast<std::uint16_t>((crc >> 8) ^ kCrc16Table[(crc ^ b) & 0xFFu]);
}

std::string_view TrimSpaces(std::string_view s) {
  const auto first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// Adds one to a text of decimal digits.
void IncrementDigits(std::string& digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it != '9') {
      ++*it;
      return;
    }
    *it = '0';
  }
  digits.insert(digits.begin(), '1');
}

}  // namespace

// ---- character checks ------------------------------------------------------------------------

bool IsDigits(std::string_view text) { return AllOf(text, "0123456789"); }

bool IsBinaryText(std::string_view text) { return AllOf(text, "01"); }

bool IsHexText(std::string_view text) { return AllOf(text, "0123456789abcdefABCDEF"); }

bool IsSignedDecimal(std::string_view text) {
  if (!AllOf(text, "-.0123456789")) return false;
  if (text.find('-', 1) != std::string_view::npos) return false;
  const auto dot = text.find('.');
  return dot == std::string_view::npos || text.find('.', dot + 1) == std::string_view::npos;
}

bool IsUnsignedDecimal(std::string_view text) {
  return text.find('-') == std::string_view::npos && IsSignedDecimal(text);
}

// ---- conversions -----------------------------------------------------------------------------

std::int32_t HexToInt(std::string_view text) {
  if (text.empty()) throw std::invalid_argument("HexToInt: empty text");
  std::uint64_t value = 0;
  for (char c : text) {
    const int d = HexDigitValue(c);
    if (d < 0) throw std::invalid_argument("HexToInt: not a hexadecimal number");
    value = value * 16 + static_cast<unsigned>(d);
    if (value > 0xFFFFFFFFu) throw std::out_of_range("HexToInt: more than 32 bits");
  }
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

std::int32_t BinToInt(std::string_view text) {
  std::uint32_t value = 0;
  for (char c : text) value = value * 2u + (c == '1' ? 1u : 0u);
  return static_cast<std::int32_t>(value);
}

std::string IntToBin6(std::int32_t value) {
  std::string out;
  std::int64_t rest = value;
  for (int k = 5; k >= 0; --k) {
    const std::int64_t weight = std::int64_t{1} << k;
    const bool set = weight <= rest;
    out += set ? '1' : '0';
    if (set) rest -= weight;
  }
  return out;
}

std::string ZeroPad(std::int32_t value, int width) {
  const std::size_t w = width > 0 ? static_cast<std::size_t>(width) : 0;
  const std::string text = std::to_string(value);
  if (text.size() >= w) return text.substr(text.size() - w);
  return std::string(w - text.size(), '0') + text;
}

bool ParseDecimal(std::string_view text, double& value) {
  if (!IsSignedDecimal(text) || text.find_first_of("0123456789") == std::string_view::npos)
    return false;
  double v = 0;
  const auto [end, ec] =
      std::from_chars(text.data(), text.data() + text.size(), v, std::chars_format::fixed);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(v)) return false;
  value = v;
  return true;
}

bool ParseInteger(std::string_view text, std::int32_t& value) {
  const std::string_view digits = text.starts_with('-') ? text.substr(1) : text;
  if (!IsDigits(digits)) return false;
  std::int32_t v = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), v);
  if (ec != std::errc() || end != text.data() + text.size()) return false;
  value = v;
  return true;
}

std::string FormatNumber(double value) {
  if (std::isnan(value)) return "NAN";
  if (std::isinf(value)) return value < 0 ? "-INF" : "INF";

  // The shortest text that reads back as value, as d.ddd e±x.
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::scientific);
  std::string_view sci(buf, static_cast<std::size_t>(res.ptr - buf));
  const bool negative = sci.starts_with('-');
  if (negative) sci.remove_prefix(1);
  const auto ePos = sci.find('e');
  std::string digits;
  for (char c : sci.substr(0, ePos))
    if (c != '.') digits += c;
  int exponent = 0;
  std::string_view expText = sci.substr(ePos + 1);
  if (expText.starts_with('+')) expText.remove_prefix(1);
  std::from_chars(expText.data(), expText.data() + expText.size(), exponent);

  // value = 0.digits × 10^(exponent + 1); keep the digits down to the third decimal as an
  // integer count of thousandths, rounding half away from zero on the next digit.
  const long keep = static_cast<long>(exponent) + 4;
  std::string thousandths;
  if (keep > 0) {
    thousandths = digits.substr(0, static_cast<std::size_t>(std::min<long>(keep, digits.size())));
    thousandths.append(static_cast<std::size_t>(keep) - thousandths.size(), '0');
  }
  if (keep >= 0 && static_cast<std::size_t>(keep) < digits.size() &&
      digits[static_cast<std::size_t>(keep)] >= '5')
    IncrementDigits(thousandths);

  const auto firstNonZero = thousandths.find_first_not_of('0');
  if (firstNonZero == std::string::npos) return "0";
  thousandths.erase(0, firstNonZero);
  if (thousandths.size() < 4) thousandths.insert(0, 4 - thousandths.size(), '0');
  std::string out = thousandths.substr(0, thousandths.size() - 3);
  std::string decimals = thousandths.substr(thousandths.size() - 3);
  decimals.erase(decimals.find_last_not_of('0') + 1);
  if (!decimals.empty()) out += '.' + decimals;
  return negative ? '-' + out : out;
}

// ---- numbers ---------------------------------------------------------------------------------

std::int32_t RoundHalfAway(double x) {
  if (std::isnan(x)) return 0;
  // trunc and the difference x - trunc(x) are exact for every double, unlike x + 0.5.
  double t = std::trunc(x);
  const double frac = std::fabs(x - t);
  if (frac >= 0.5) t += x < 0 ? -1.0 : 1.0;
  if (t >= static_cast<double>(std::numeric_limits<std::int32_t>::max()))
    return std::numeric_limits<std::int32_t>::max();
  if (t <= static_cast<double>(std::numeric_limits<std::int32_t>::min()))
    return std::numeric_limits<std::int32_t>::min();
  return static_cast<std::int32_t>(t);
}

double AtLeastOne(double x) { return x >= 1 ? x : 1; }

// ---- CRC ---------------------------------------------------------------------------------------

const std::array<std::uint16_t, 256>& Crc16Table() { return kCrc16Table; }

std::uint16_t Crc16Words(std::uint16_t initial, std::span<const std::int32_t> words) {
  std::uint16_t crc = initial;
  for (std::int32_t w : words) {
    const auto u = static_cast<std::uint32_t>(w);
    crc = Crc16Byte(crc, static_cast<std::uint8_t>(u >> 8));
    crc = Crc16Byte(crc, static_cast<std::uint8_t>(u));
  }
  return crc;
}

// ---- documents and names -----------------------------------------------------------------------

std::string KindExtension(int docKind) {
  switch (docKind) {
    case 0: return ".awf";
    case 1: return ".ope";
    case 2: return ".ppg";
    default: return {};
  }
}

std::string NormalizeIPv4(std::string_view masked) {
  std::string out;
  for (std::size_t i = 0; i < 4; ++i) {
    const std::size_t pos = 4 * i;
    const std::string_view field =
        TrimSpaces(pos < masked.size() ? masked.substr(pos, 3) : std::string_view{});
    if (!IsDigits(field)) return {};
    int value = 0;
    std::from_chars(field.data(), field.data() + field.size(), value);  // at most 3 digits
    if (value > 255) return {};
    out += std::to_string(value);
    if (i < 3) out += '.';
  }
  return out;
}

bool CheckFileName(std::string_view /*fileName*/) { return true; }

}  // namespace averoz
