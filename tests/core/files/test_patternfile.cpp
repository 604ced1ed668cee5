// The pattern data file: header layout, data words, CRC.
#include <gtest/gtest.h>

#include "core/files/PatternFile.h"
#include "core/files/FilesTestSupport.h"
#include "core/app/IniFile.h"

namespace averoz {
namespace {

constexpr LocalDateTime kWhen{2026, 12, 11, 13, 5, 59};

std::vector<std::uint8_t> NoBits() { return std::vector<std::uint8_t>(6 * 16384, 0); }

std::vector<std::uint8_t> Slice(const std::vector<std::uint8_t>& v, std::size_t from, std::size_t n) {
  return {v.begin() + static_cast<std::ptrdiff_t>(from), v.begin() + static_cast<std::ptrdiff_t>(from + n)};
}

TEST(PatternFile, NewDocumentWithDefaultsGivesThe70ByteHeaderAndCrc0F87) {
  const std::vector<std::uint8_t> f =
      BuildPatternImage(NoBits(), "/some/folder/pattern1.ppg", SaveHeaderSettings{}, kWhen);
  ASSERT_EQ(f.size(), 70u + 32768u);
  const std::string text(f.begin(), f.end());
  EXPECT_EQ(text.substr(0, 14), "TORVEK PELWAVE");
  EXPECT_EQ(Slice(f, 14, 4), (std::vector<std::uint8_t>{0, 1, 0, 0}));
  EXPECT_EQ(text.substr(18, 8), "pattern1");
  EXPECT_EQ(text.substr(26, 3), "PPG");
  EXPECT_EQ(Slice(f, 29, 12),
            (std::vector<std::uint8_t>{0, 0x07, 0xEA, 12, 11, 13, 5, 59, 0, 2, 0, 0x0F}));
  EXPECT_EQ(Slice(f, 41, 9), (std::vector<std::uint8_t>{0x87, 0, 0, 0, 0, 0, 0, 0x40, 0}));
  EXPECT_EQ(Slice(f, 50, 20), std::vector<std::uint8_t>(20, 0));
  EXPECT_EQ(Slice(f, 70, 32768), std::vector<std::uint8_t>(32768, 0));
}

TEST(PatternFile, ModelTextAndNameFieldLengths) {
  const struct {
    const char* model;
    const char* path;
    std::size_t headerSize;
    const char* nameField;
  } cases[] = {
      {"TORVEK PELWAVE", "averylongname.ppg", 70, "averylon"},
      {"ABC", "p.ppg", 64, "p\0\0\0\0\0\0\0"},          // model text padded to 8
      {"ABCDEFGHIJ", "p.x.ppg", 66, "p.x\0\0\0\0\0"},   // nothing cut, nothing added
  };
  for (const auto& c : cases) {
    SaveHeaderSettings save;
    save.modelNumber = c.model;
    const std::vector<std::uint8_t> f = BuildPatternImage(NoBits(), c.path, save, kWhen);
    ASSERT_EQ(f.size(), c.headerSize + 32768) << c.model;
    const std::size_t modelField = c.headerSize - 56;
    EXPECT_EQ(std::string(f.begin(), f.begin() + 3), std::string(c.model, 3));
    EXPECT_EQ(std::string(f.begin() + modelField + 4, f.begin() + modelField + 12),
              std::string(c.nameField, 8)) << c.model;
  }
}

TEST(PatternFile, DataWordsCarryCh1InBit0AndTheCrcCoversThem) {
  std::vector<std::uint8_t> bits = NoBits();
  bits[0 * 16384 + 0] = 1;      // CH1 at address 0
  bits[5 * 16384 + 0] = 1;      // CH6 at address 0
  bits[1 * 16384 + 16383] = 1;  // CH2 at the last address
  const std::vector<std::int32_t> words = PatternWords(bits);
  EXPECT_EQ(words[0], 0x21);
  EXPECT_EQ(words[16383], 0x02);

  const std::vector<std::uint8_t> f = BuildPatternImage(bits, "x.ppg", SaveHeaderSettings{}, kWhen);
  EXPECT_EQ(Slice(f, 70, 2), (std::vector<std::uint8_t>{0x00, 0x21}));
  EXPECT_EQ(Slice(f, f.size() - 2, 2), (std::vector<std::uint8_t>{0x00, 0x02}));
  // The CRC changes with the data (the all-zero value is 0x0F87).
  EXPECT_NE(Slice(f, 40, 2), (std::vector<std::uint8_t>{0x0F, 0x87}));
}

TEST(PatternFile, WriteUsesTheTargetNameAndTheSaveSettings) {
  test::TempDir dir;
  test::WriteAll(dir / "s.INI", "[Save]\nModelNumber=ACME PULSE\nFileVersion0=1\nFileVersion1=300\n");
  const std::string path = dir / "longpatternname.ppg";
  ASSERT_TRUE(WritePatternFile(NoBits(), path, IniFile(dir / "s.INI")).ok);
  const std::string f = test::ReadAll(path);
  ASSERT_EQ(f.size(), 10u + 56u + 32768u);
  EXPECT_EQ(f.substr(0, 10), "ACME PULSE");
  EXPECT_EQ(f.substr(10, 4), std::string("\x01\x2C\x00\x00", 4));  // 300 kept as a byte
  EXPECT_EQ(f.substr(14, 8), "longpatt");

  const FileWriteResult bad = WritePatternFile(NoBits(), dir / "no/such/folder/p.ppg", IniFile(dir / "s.INI"));
  EXPECT_FALSE(bad.ok);
  EXPECT_NE(bad.error.find("p.ppg"), std::string::npos);
}

}  // namespace
}  // namespace averoz
