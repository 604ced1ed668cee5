#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/app/general.h"

using namespace averoz;

// ---- character checks ----------------------------------------------------------------------

struct CheckCase {
  const char* text;
  bool expected;
};

TEST(General, IsDigits) {
  for (auto [text, expected] : std::vector<CheckCase>{{"", false},
                                                       {"0", true},
                                                       {"0123456789", true},
                                                       {" 12", false},
                                                       {"12 ", false},
                                                       {"-1", false},
                                                       {"1.0", false},
                                                       {"a", false}})
    EXPECT_EQ(IsDigits(text), expected) << '"' << text << '"';
}

TEST(General, IsBinaryText) {
  for (auto [text, expected] : std::vector<CheckCase>{
           {"", false}, {"0", true}, {"101101", true}, {"102", false}, {" 1", false}})
    EXPECT_EQ(IsBinaryText(text), expected) << '"' << text << '"';
}

TEST(General, IsHexText) {
  for (auto [text, expected] : std::vector<CheckCase>{{"", false},
                                                       {"0123456789", true},
                                                       {"abcdef", true},
                                                       {"ABCDEF", true},
                                                       {"fG", false},
                                                       {"0x1F", false},
                                                       {"$1F", false},
                                                       {"1 ", false}})
    EXPECT_EQ(IsHexText(text), expected) << '"' << text << '"';
}

TEST(General, IsSignedDecimal) {
  for (auto [text, expected] : std::vector<CheckCase>{{"", false},
                                                       {"-", true},
                                                       {".", true},
                                                       {"-.", true},
                                                       {"-5.", true},
                                                       {"12.5", true},
                                                       {"-0.25", true},
                                                       {"5-", false},
                                                       {"1-2", false},
                                                       {"--1", false},
                                                       {"..", false},
                                                       {"1.2.3", false},
                                                       {"+1", false},
                                                       {" 1", false},
                                                       {"1e3", false}})
    EXPECT_EQ(IsSignedDecimal(text), expected) << '"' << text << '"';
}

TEST(General, IsUnsignedDecimal) {
  for (auto [text, expected] : std::vector<CheckCase>{{"", false},
                                                       {"-1", false},
                                                       {"0.5", true},
                                                       {".", true},
                                                       {"5.", true},
                                                       {"1.2.3", false},
                                                       {"+1", false}})
    EXPECT_EQ(IsUnsignedDecimal(text), expected) << '"' << text << '"';
}

// ---- conversions ---------------------------------------------------------------------------

TEST(General, HexToInt) {
  EXPECT_EQ(HexToInt("0"), 0);
  EXPECT_EQ(HexToInt("3F"), 63);
  EXPECT_EQ(HexToInt("3f"), 63);
  EXPECT_EQ(HexToInt("00000010"), 16);
  EXPECT_EQ(HexToInt("7FFFFFFF"), 2147483647);
  EXPECT_EQ(HexToInt("FFFFFFFF"), -1);
  EXPECT_EQ(HexToInt("000000000000001"), 1);  // leading zeros do not count as bits
  EXPECT_THROW(HexToInt(""), std::invalid_argument);
  EXPECT_THROW(HexToInt("1G"), std::invalid_argument);
  EXPECT_THROW(HexToInt("100000000"), std::out_of_range);
}

TEST(General, BinToInt) {
  EXPECT_EQ(BinToInt("000101"), 5);
  EXPECT_EQ(BinToInt("111111"), 63);
  EXPECT_EQ(BinToInt("000000"), 0);
  EXPECT_EQ(BinToInt("1"), 1);
  EXPECT_EQ(BinToInt("102"), 4);  // "0" and "2" add nothing; the "1" at position 1 of 3 adds 4
  EXPECT_EQ(BinToInt(""), 0);
  EXPECT_EQ(BinToInt(std::string(32, '1')), -1);
}

TEST(General, IntToBin6) {
  EXPECT_EQ(IntToBin6(0), "000000");
  EXPECT_EQ(IntToBin6(63), "111111");
  EXPECT_EQ(IntToBin6(10), "001010");
  EXPECT_EQ(IntToBin6(5), "000101");
  EXPECT_EQ(IntToBin6(32), "100000");
  for (int v = 0; v < 64; ++v) EXPECT_EQ(BinToInt(IntToBin6(v)), v);
}

TEST(General, ZeroPad) {
  EXPECT_EQ(ZeroPad(1, 3), "001");
  EXPECT_EQ(ZeroPad(7, 3), "007");
  EXPECT_EQ(ZeroPad(999, 3), "999");
  EXPECT_EQ(ZeroPad(1000, 3), "000");
  EXPECT_EQ(ZeroPad(1234, 3), "234");
  EXPECT_EQ(ZeroPad(0, 3), "000");
  EXPECT_EQ(ZeroPad(42, 0), "");
  EXPECT_EQ(ZeroPad(42, 5), "00042");
}

TEST(General, ParseDecimal) {
  double v = 99;
  EXPECT_TRUE(ParseDecimal("12.5", v));
  EXPECT_DOUBLE_EQ(v, 12.5);
  EXPECT_TRUE(ParseDecimal("-5.", v));
  EXPECT_DOUBLE_EQ(v, -5.0);
  EXPECT_TRUE(ParseDecimal(".25", v));
  EXPECT_DOUBLE_EQ(v, 0.25);
  EXPECT_TRUE(ParseDecimal("-.5", v));
  EXPECT_DOUBLE_EQ(v, -0.5);
  EXPECT_TRUE(ParseDecimal("-0", v));
  EXPECT_EQ(v, 0.0);
  v = 99;
  for (const char* bad : {"", "-", ".", "-.", "+1", "1e3", " 1", "1 ", "1.2.3", "abc", "inf",
                          "nan", "1,5"}) {
    EXPECT_FALSE(ParseDecimal(bad, v)) << '"' << bad << '"';
    EXPECT_EQ(v, 99) << "a failed parse leaves the value alone";
  }
  EXPECT_FALSE(ParseDecimal(std::string(400, '9'), v));  // beyond the double range
}

TEST(General, ParseInteger) {
  std::int32_t v = 99;
  EXPECT_TRUE(ParseInteger("2048", v));
  EXPECT_EQ(v, 2048);
  EXPECT_TRUE(ParseInteger("-1", v));
  EXPECT_EQ(v, -1);
  EXPECT_TRUE(ParseInteger("007", v));
  EXPECT_EQ(v, 7);
  EXPECT_TRUE(ParseInteger("2147483647", v));
  EXPECT_EQ(v, 2147483647);
  EXPECT_TRUE(ParseInteger("-2147483648", v));
  EXPECT_EQ(v, std::numeric_limits<std::int32_t>::min());
  v = 99;
  for (const char* bad : {"", "-", "+1", "1.5", "1.", " 1", "1 ", "--1", "2147483648",
                          "-2147483649", "0x10", "$10"}) {
    EXPECT_FALSE(ParseInteger(bad, v)) << '"' << bad << '"';
    EXPECT_EQ(v, 99);
  }
}

TEST(General, FormatNumber) {
  struct Case {
    double value;
    const char* text;
  };
  for (auto [value, text] : std::vector<Case>{{0, "0"},
                                              {-0.0, "0"},
                                              {1, "1"},
                                              {-1, "-1"},
                                              {2048, "2048"},
                                              {0.5, "0.5"},
                                              {1.25, "1.25"},
                                              {1.2345, "1.235"},
                                              {-1.2345, "-1.235"},
                                              {0.0005, "0.001"},
                                              {-0.0005, "-0.001"},
                                              {0.0004999, "0"},
                                              {-0.0004, "0"},
                                              {1.0005, "1.001"},
                                              {2.675, "2.675"},
                                              {9.9996, "10"},
                                              {999.9995, "1000"},
                                              {1.0 / 3.0, "0.333"},
                                              {2.0 / 3.0, "0.667"},
                                              {0.1 + 0.2, "0.3"},
                                              {100.1, "100.1"},
                                              {16383, "16383"},
                                              {1e-10, "0"},
                                              {123456789012.0, "123456789012"},
                                              {1e20, "100000000000000000000"},
                                              {1.5e-3, "0.002"}})
    EXPECT_EQ(FormatNumber(value), text) << value;
  EXPECT_EQ(FormatNumber(std::numeric_limits<double>::infinity()), "INF");
  EXPECT_EQ(FormatNumber(-std::numeric_limits<double>::infinity()), "-INF");
  EXPECT_EQ(FormatNumber(std::nan("")), "NAN");
}

// ---- numbers -------------------------------------------------------------------------------

TEST(General, RoundHalfAway) {
  EXPECT_EQ(RoundHalfAway(2.5), 3);
  EXPECT_EQ(RoundHalfAway(-2.5), -3);
  EXPECT_EQ(RoundHalfAway(2.4999), 2);
  EXPECT_EQ(RoundHalfAway(-0.5), -1);
  EXPECT_EQ(RoundHalfAway(0.49), 0);
  EXPECT_EQ(RoundHalfAway(0.5), 1);
  EXPECT_EQ(RoundHalfAway(0.0), 0);
  EXPECT_EQ(RoundHalfAway(-0.49), 0);
  EXPECT_EQ(RoundHalfAway(4095.0), 4095);
  // The largest double below one half: adding 0.5 would round up to 1.
  EXPECT_EQ(RoundHalfAway(0.49999999999999994), 0);
  EXPECT_EQ(RoundHalfAway(-0.49999999999999994), 0);
  EXPECT_EQ(RoundHalfAway(4503599627370497.0), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfAway(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfAway(-1e300), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(RoundHalfAway(std::numeric_limits<double>::infinity()),
            std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(RoundHalfAway(std::nan("")), 0);
  EXPECT_EQ(RoundHalfAway(2147483646.5), 2147483647);
  EXPECT_EQ(RoundHalfAway(-2147483647.5), -2147483647 - 1);
}

TEST(General, AtLeastOne) {
  EXPECT_EQ(AtLeastOne(0.5), 1.0);
  EXPECT_EQ(AtLeastOne(-3), 1.0);
  EXPECT_EQ(AtLeastOne(1), 1.0);
  EXPECT_EQ(AtLeastOne(2.5), 2.5);
}

TEST(General, Swaps) {
  EXPECT_EQ(Swap16(0x1234), 0x3412);
  EXPECT_EQ(Swap16(0x00FF), 0xFF00);
  EXPECT_EQ(Swap32(0x12345678u), 0x78563412u);
  EXPECT_EQ(Swap32(0x000000FFu), 0xFF000000u);
  static_assert(Swap16(Swap16(0xBEEF)) == 0xBEEF);
  static_assert(Swap32(Swap32(0xDEADBEEFu)) == 0xDEADBEEFu);
}

// ---- CRC -----------------------------------------------------------------------------------

TEST(General, Crc16Table) {
  const auto& table = Crc16Table();
  EXPECT_EQ(table[0], 0x0000);
  EXPECT_EQ(table[1], 0x1189);
  EXPECT_EQ(table[128], 0x8408);
  EXPECT_EQ(table[255], 0x0F78);
}

TEST(General, Crc16CheckValueOverBytes) {
  // The published check value of CRC-16/MCRF4XX, byte by byte through the table.
  std::uint16_t c = 0xFFFF;
  for (unsigned char b : std::string("123456789"))
    c = static_cast<std::uint16_t>((c >> 8) ^ Crc16Table()[(c ^ b) & 0xFF]);
  EXPECT_EQ(c, 0x6F91);
}

TEST(General, Crc16Words) {
  const std::vector<std::int32_t> words{0x3132, 0x3334, 0x3536, 0x3738};  // "12345678"
  EXPECT_EQ(Crc16Words(0xFFFF, words), 0xF795);
  // Only the low 16 bits of a word take part.
  const std::vector<std::int32_t> high{0x7FFF3132, -0x10000 + 0x3334, 0x00013536, 0x3738};
  EXPECT_EQ(Crc16Words(0xFFFF, high), 0xF795);
  // Continuing from an intermediate value is the same as one pass.
  const std::span<const std::int32_t> all(words);
  EXPECT_EQ(Crc16Words(Crc16Words(0xFFFF, all.first(2)), all.subspan(2)), 0xF795);
  EXPECT_EQ(Crc16Words(0xFFFF, {}), 0xFFFF);
  // The pattern file of an all-zero pattern.
  const std::vector<std::int32_t> zeros(16384, 0);
  EXPECT_EQ(Crc16Words(0xFFFF, zeros), 0x0F87);
}

// ---- documents and names -------------------------------------------------------------------

TEST(General, KindExtension) {
  EXPECT_EQ(KindExtension(0), ".awf");
  EXPECT_EQ(KindExtension(1), ".ope");
  EXPECT_EQ(KindExtension(2), ".ppg");
  EXPECT_EQ(KindExtension(3), "");
  EXPECT_EQ(KindExtension(-1), "");
}

TEST(General, NormalizeIPv4) {
  struct Case {
    const char* masked;
    const char* dotted;
  };
  for (auto [masked, dotted] : std::vector<Case>{{" 10.  0.  0.  1", "10.0.0.1"},
                                                 {"172.016.005.020", "172.16.5.20"},
                                                 {"  1.  2.  3.  4", "1.2.3.4"},
                                                 {"1  .2  .3  .4  ", "1.2.3.4"},
                                                 {"255.255.255.255", "255.255.255.255"},
                                                 {"000.000.000.000", "0.0.0.0"},
                                                 {"192x168x001x010", "192.168.1.10"},
                                                 {"256.  0.  0.  1", ""},
                                                 {"  1.  2.  3.   ", ""},
                                                 {"1 2.  2.  3.  4", ""},
                                                 {" -1.  2.  3.  4", ""},
                                                 {"  1.  2.  3", ""},
                                                 {"", ""}})
    EXPECT_EQ(NormalizeIPv4(masked), dotted) << '"' << masked << '"';
}

TEST(General, CheckFileNameAcceptsEveryName) {
  EXPECT_TRUE(CheckFileName("pcwav001.awf"));
  EXPECT_TRUE(CheckFileName("a very long name with spaces and ｆｕｌｌ-width.awf"));
  EXPECT_TRUE(CheckFileName(""));
}
