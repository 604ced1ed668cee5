#pragma once
// Small stateless helpers shared by every window: character checks for typed numbers,
// number <-> text conversions, rounding, byte-order swaps, the pattern-data CRC, document
// extensions and IPv4 normalisation.
//
// Text is byte text (UTF-8 in this program, but every character these helpers accept is
// ASCII); character positions are 0-based indexes.
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

namespace averoz {

// ---- character checks (the empty text is never valid) ------------------------------------

// Every character is 0-9.
bool IsDigits(std::string_view text);
// Every character is 0 or 1.
bool IsBinaryText(std::string_view text);
// Every character is 0-9, a-f or A-F.
bool IsHexText(std::string_view text);
// Characters from "-.0123456789", "-" only first, at most one ".". "-", "." and "-." pass:
// the check is about characters, the conversion afterwards decides whether it is a number.
bool IsSignedDecimal(std::string_view text);
// Characters from ".0123456789", at most one ".".
bool IsUnsignedDecimal(std::string_view text);

// ---- conversions ---------------------------------------------------------------------------

// Hexadecimal text as a 32-bit integer; eight digits from 80000000 up read as negative
// (two's complement). Throws std::invalid_argument when the text is not hexadecimal and
// std::out_of_range when it needs more than 32 bits.
std::int32_t HexToInt(std::string_view text);
// Each "1" at index i of an n-character text adds 2^(n-1-i); any other character adds
// nothing ("102" gives 4). Only the low 32 bits of the sum are kept.
std::int32_t BinToInt(std::string_view text);
// Six characters, bit 5 first. Callers pass 0..63 (larger values saturate bit by bit).
std::string IntToBin6(std::int32_t value);
// Decimal text cut to its last `width` characters, or padded with leading zeros to `width`
// (1234/3 -> "234", 7/3 -> "007").
std::string ZeroPad(std::int32_t value, int width);

// The conversions callers apply after the character check. Both accept exactly an optional
// "-" followed by digits (ParseDecimal: with at most one "." and at least one digit) and
// return false for anything else, including "-", ".", "-.", the empty text and values out
// of range.
bool ParseDecimal(std::string_view text, double& value);
bool ParseInteger(std::string_view text, std::int32_t& value);

// The "0.###" form of every number shown to the user: at most three decimals, no trailing
// zeros or point, no thousands separators. The shortest decimal text that reads back as
// `value` is rounded half away from zero at the third decimal, so 1.2345 shows as "1.235"
// and 0.0005 as "0.001" — the digits the user typed decide, not binary noise. A result
// that rounds to zero is "0", never "-0". Infinities and NaN show as "INF", "-INF", "NAN".
std::string FormatNumber(double value);

// ---- numbers -------------------------------------------------------------------------------

// Rounds half away from zero (2.5 -> 3, -2.5 -> -3). Exact for every double, also just
// below one half, where adding 0.5 would round up. Values beyond the 32-bit range clamp to
// it and NaN gives 0, so a wild input never yields an undefined conversion.
std::int32_t RoundHalfAway(double x);
// x when x >= 1, otherwise 1.
double AtLeastOne(double x);

// Byte-order swaps: writing the swapped word in this machine's little-endian order stores
// the value big-endian, and a big-endian word read and swapped gives its value.
constexpr std::uint16_t Swap16(std::uint16_t w) {
  return static_cast<std::uint16_t>((w >> 8) | (w << 8));
}
constexpr std::uint32_t Swap32(std::uint32_t w) {
  return (w >> 24) | ((w >> 8) & 0x0000FF00u) | ((w << 8) & 0x00FF0000u) | (w << 24);
}

// ---- CRC of the pattern data ---------------------------------------------------------------

// CRC-16/MCRF4XX: polynomial 0x1021 bit-reversed (0x8408), least significant bit first, no
// final inversion. Entry i is the CRC of the single byte i.
const std::array<std::uint16_t, 256>& Crc16Table();
// Each word adds its high byte, then its low byte (the order it is stored in the file);
// only the low 16 bits of each word take part. The pattern file starts from 0xFFFF.
std::uint16_t Crc16Words(std::uint16_t initial, std::span<const std::int32_t> words);

// ---- documents and names -------------------------------------------------------------------

// docKind 0 -> ".awf", 1 -> ".ope", 2 -> ".ppg"; any other kind has no extension ("").
std::string KindExtension(int docKind);

// Text of a masked edit of four three-character fields ("  1.  2.  3.  4", blanks as
// spaces; the separators are not looked at) -> "1.2.3.4", or "" when a field is not a
// number 0..255.
std::string NormalizeIPv4(std::string_view masked);

// The check a chosen file name passes before a save. Every name is accepted; the rejection
// text ERRMSG 15 stays in the catalog for it.
bool CheckFileName(std::string_view fileName);

}  // namespace averoz
