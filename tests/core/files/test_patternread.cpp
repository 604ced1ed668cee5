// Reading the pattern data file back: what the writer wrote comes back bit for bit, and a
// damaged file is refused whole.
#include <gtest/gtest.h>

#include <functional>
#include <random>

#include "core/app/IniFile.h"
#include "core/app/general.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/PatternFile.h"
#include "core/files/PatternRead.h"

namespace averoz {
namespace {

using Image = std::vector<std::uint8_t>;
using Status = PatternReadStatus;
constexpr LocalDateTime kWhen{2031, 2, 28, 23, 59, 7};
constexpr std::size_t kBits = 6 * 16384;

// Channel-major bits with every address holding a different mix of channels.
std::vector<std::uint8_t> MixedBits() {
  std::vector<std::uint8_t> bits(kBits);
  std::mt19937 rng(11);
  for (std::uint8_t& b : bits) b = rng() & 1;
  bits[0 * 16384 + 16383] = 1;  // CH1 at the last address
  bits[5 * 16384 + 0] = 1;      // CH6 at the first
  return bits;
}

Image Write(const std::vector<std::uint8_t>& bits, const std::string& model = kDefaultModelNumber,
            const std::string& name = "pattern1.ppg") {
  SaveHeaderSettings save;
  save.modelNumber = model;
  save.version = {3, 1, 4, 200};
  return BuildPatternImage(bits, name, save, kWhen);
}

// Section "Load" that accepts every model text and version.
LoadHeaderSettings AnyHeader() {
  LoadHeaderSettings load;
  load.modelNumber.clear();
  return load;
}

PatternReadResult Read(const Image& image, const LoadHeaderSettings& load = {}) {
  return ReadPatternFile(image, load);
}

void PutWord(Image& f, std::size_t at, std::uint16_t w) {
  f[at] = static_cast<std::uint8_t>(w >> 8);
  f[at + 1] = static_cast<std::uint8_t>(w & 0xFF);
}

// Stores the CRC of the data words as they now stand (default 70-byte header).
void FixCrc(Image& f) {
  std::vector<std::int32_t> words(16384);
  for (std::size_t a = 0; a < words.size(); ++a) words[a] = f[70 + 2 * a] << 8 | f[71 + 2 * a];
  PutWord(f, 40, Crc16Words(0xFFFF, words));
}

TEST(PatternRead, WhatTheWriterWroteComesBack) {
  const struct {
    std::string model, name, modelBack, nameBack;
    std::size_t headerSize;
  } cases[] = {
      {"TORVEK PELWAVE", "/d/pattern1.ppg", "TORVEK PELWAVE", "pattern1", 70},
      {"ABC", "p.ppg", "ABC", "p", 64},                           // padded model field
      {"ABCDEFGH", "a longer name.ppg", "ABCDEFGH", "a longer", 64},
      // The name "PPG" puts a tag-like "PPG" 0x00 eight bytes before the real one.
      {std::string(20, 'M'), "PPG.ppg", std::string(20, 'M'), "PPG", 76},
      {std::string(300, 'L'), ".ppg", std::string(300, 'L'), "", 356},
  };
  const std::vector<std::uint8_t> bits = MixedBits();
  for (const auto& c : cases) {
    const PatternReadResult r = Read(Write(bits, c.model, c.name), AnyHeader());
    ASSERT_TRUE(r.ok()) << c.model << " status " << int(r.status);
    EXPECT_EQ(r.bits, bits) << c.model;
    const PatternHeader& h = r.header;
    EXPECT_EQ(h.model, c.modelBack);
    EXPECT_EQ(h.name, c.nameBack);
    EXPECT_EQ(h.version, (std::array<std::uint8_t, 4>{3, 1, 4, 200}));
    EXPECT_EQ(h.headerSize, c.headerSize);
    EXPECT_EQ(h.wordCount, 16384u);
    EXPECT_EQ(h.storedCrc, Crc16Words(0xFFFF, PatternWords(bits)));
    EXPECT_TRUE(h.crcMatches());
    EXPECT_EQ(std::tie(h.when.year, h.when.month, h.when.day, h.when.hour, h.when.minute,
                       h.when.second),
              std::tie(kWhen.year, kWhen.month, kWhen.day, kWhen.hour, kWhen.minute,
                       kWhen.second));
  }
}

TEST(PatternRead, AnyNonZeroInputBitReadsBackAsOne) {
  std::vector<std::uint8_t> bits(kBits, 0);
  bits[2 * 16384 + 9] = 0x80;
  const PatternReadResult r = Read(Write(bits), AnyHeader());
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.bits[2 * 16384 + 9], 1);
  EXPECT_EQ(std::count(r.bits.begin(), r.bits.end(), 0), std::ptrdiff_t(kBits - 1));
}

TEST(PatternRead, DamagedFilesAreRefusedWhole) {
  const Image good = Write(MixedBits());
  const struct {
    const char* what;
    std::function<void(Image&)> damage;
    Status status;
    bool layoutFound;
    std::int32_t badAddress = -1;
  } cases[] = {
      {"empty", [](Image& f) { f.clear(); }, Status::NoLayout, false},
      {"header only", [](Image& f) { f.resize(70); }, Status::NoLayout, false},
      {"one byte short", [](Image& f) { f.pop_back(); }, Status::NoLayout, false},
      {"one byte more", [](Image& f) { f.push_back(0); }, Status::NoLayout, false},
      {"a word more", [](Image& f) { f.insert(f.end(), {0, 0}); }, Status::NoLayout, false},
      {"tag PPX", [](Image& f) { f[28] = 'X'; }, Status::NoLayout, false},
      {"tag lower case", [](Image& f) { f[26] = 'p'; }, Status::NoLayout, false},
      {"no 0x00 after the tag", [](Image& f) { f[29] = ' '; }, Status::NoLayout, false},
      {"count one short, size kept", [](Image& f) { f[49] = 0xFF, f[48] = 0x3F; },
       Status::NoLayout, false},
      {"count and size one word short",
       [](Image& f) { f[48] = 0x3F, f[49] = 0xFF, f.resize(f.size() - 2); }, Status::WrongCount,
       true},
      {"count and size one word more",
       [](Image& f) { f[49] = 0x01, f.insert(f.end(), {0, 0}); }, Status::WrongCount, true},
      {"count 0 with no data", [](Image& f) { f[48] = 0, f.resize(70); }, Status::WrongCount,
       true},
      {"word 64, CRC fixed", [](Image& f) { PutWord(f, 70 + 2 * 5, 64), FixCrc(f); },
       Status::WordOutOfRange, true, 5},
      {"high byte set, CRC fixed", [](Image& f) { f[70 + 2 * 16383] = 1, FixCrc(f); },
       Status::WordOutOfRange, true, 16383},
      {"a data bit flipped", [](Image& f) { f[71 + 2 * 700] ^= 0x10; }, Status::CrcMismatch, true},
      {"stored CRC changed", [](Image& f) { f[41] ^= 1; }, Status::CrcMismatch, true},
      {"model text changed", [](Image& f) { f[0] = 'X'; }, Status::HeaderRefused, true},
  };
  for (const auto& c : cases) {
    Image f = good;
    c.damage(f);
    const PatternReadResult r = Read(f);
    EXPECT_EQ(r.status, c.status) << c.what;
    EXPECT_EQ(r.layoutFound, c.layoutFound) << c.what;
    EXPECT_FALSE(r.ok()) << c.what;
    ASSERT_EQ(r.bits.size(), kBits) << c.what;
    EXPECT_EQ(std::count(r.bits.begin(), r.bits.end(), 0), std::ptrdiff_t(kBits)) << c.what;
    EXPECT_EQ(r.badAddress, c.badAddress) << c.what;
  }
}

TEST(PatternRead, BytesThatCarryNoMeaningAreNotChecked) {
  Image f = Write(MixedBits());
  // The name, the date, 00 02 00, the zero fields.
  for (std::size_t i : {18, 25, 31, 32, 33, 34, 35, 36, 37, 39, 42, 45, 50, 69}) f[i] = 0xA5;
  const PatternReadResult r = Read(f, AnyHeader());
  ASSERT_TRUE(r.ok()) << int(r.status);
  EXPECT_EQ(r.header.when.month, 0xA5);
  EXPECT_EQ(r.bits, MixedBits());
}

TEST(PatternRead, LoadSettingsDecideWhichHeadersAreAccepted) {
  const Image f = Write(MixedBits());  // "TORVEK PELWAVE", versions 3 1 4 200
  using V = std::array<std::uint8_t, 4>;
  const struct {
    std::string model;
    V version;
    bool accepted;
  } cases[] = {
      {"TORVEK PELWAVE", {255, 255, 255, 255}, true},
      {"TORVEK", {3, 255, 255, 200}, true},
      {"", {3, 1, 4, 200}, true},
      {"TORVEK PELWAVE2", {255, 255, 255, 255}, false},
      {"torvek", {255, 255, 255, 255}, false},
      {"", {255, 255, 255, 201}, false},
      {"", {0, 1, 0, 0}, false},
  };
  for (const auto& c : cases) {
    const PatternReadResult r = Read(f, LoadHeaderSettings{c.model, c.version});
    EXPECT_EQ(r.ok(), c.accepted) << c.model << " " << int(c.version[3]);
    if (!c.accepted) {
      EXPECT_EQ(r.status, Status::HeaderRefused);
    }
  }
}

TEST(PatternRead, FilesOnDiskWithTheLoadSettings) {
  test::TempDir dir;
  test::WriteAll(dir / "a.INI", "[Load]\nModelNumber=TORVEK\n");
  test::WriteAll(dir / "b.INI", "[Load]\nFileVersion1=2\n");
  test::WriteAll(dir / "any.INI", "[Load]\nModelNumber=\n");
  const std::string path = dir / "saved.ppg";
  ASSERT_TRUE(WritePatternFile(MixedBits(), path, IniFile(dir / "none.INI")).ok);

  const PatternReadResult r = ReadPatternFile(path, IniFile(dir / "a.INI"));
  ASSERT_TRUE(r.ok());
  EXPECT_EQ(r.bits, MixedBits());
  EXPECT_EQ(r.header.name, "saved");
  EXPECT_EQ(ReadPatternFile(path, IniFile(dir / "b.INI")).status, Status::HeaderRefused);

  // The longest model text the reader takes still fits what it reads from disk.
  const std::string big = dir / "big.ppg";
  test::WriteAll(big, [] {
    const Image f = Write(MixedBits(), std::string(65536, 'W'));
    return std::string(f.begin(), f.end());
  }());
  EXPECT_TRUE(ReadPatternFile(big, IniFile(dir / "any.INI")).ok());
  test::WriteAll(big, std::string(200000, '\0'));
  EXPECT_EQ(ReadPatternFile(big, IniFile(dir / "any.INI")).status, Status::NoLayout);

  for (const std::string& bad : {dir / "missing.ppg", dir.path().string()}) {
    const PatternReadResult miss = ReadPatternFile(bad, IniFile(dir / "none.INI"));
    EXPECT_EQ(miss.status, Status::Unreadable) << bad;
    EXPECT_NE(miss.readError.find(bad), std::string::npos) << miss.readError;
    EXPECT_EQ(miss.bits.size(), kBits);
  }
}

}  // namespace
}  // namespace averoz
