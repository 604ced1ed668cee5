// The waveform data file: the bytes written, and what the reader makes of good and bad files.
#include <gtest/gtest.h>

#include "core/app/IniFile.h"
#include "core/files/WaveFile.h"
#include "core/files/FilesTestSupport.h"

namespace averoz {
namespace {

using test::Filled;
using test::TempDir;

std::span<const std::uint8_t> Bytes(const std::string& s) {
  return {reinterpret_cast<const std::uint8_t*>(s.data()), s.size()};
}

// A file image with the given header fields and raw data words.
std::string Image(const std::string& size, const std::vector<std::uint16_t>& words,
                  const std::string& model = "TORVEK PELWAVE", const std::string& version = "01.00") {
  std::string s = model;
  s.resize(32, '\0');
  s += version + size + "47";
  for (std::uint16_t w : words) s += {static_cast<char>(w >> 8), static_cast<char>(w & 0xFF)};
  return s;
}

std::vector<std::uint16_t> Words(std::size_t n, std::uint16_t w = 0x07FF) {
  return std::vector<std::uint16_t>(n, w);
}

WaveReadResult Read(const std::string& bytes, const LoadHeaderSettings& load = {}) {
  return ReadWaveFile(Bytes(bytes), 0, load);
}

TEST(WaveFileWrite, DefaultHeaderAndWordsOfAFullDocument) {
  const std::vector<std::uint8_t> image = BuildWaveFileImage(Filled(2048), SaveHeaderSettings{});
  ASSERT_EQ(image.size(), kWaveFileSize);
  const std::string header(image.begin(), image.begin() + 44);
  EXPECT_EQ(header, std::string("TORVEK PELWAVE") + std::string(18, '\0') + "01.00" + "32814" + "47");
  for (std::size_t i = 44; i < image.size(); i += 2) {
    ASSERT_EQ(image[i], 0x07) << i;
    ASSERT_EQ(image[i + 1], 0xFF) << i;
  }
}

TEST(WaveFileWrite, EachWordIs4095MinusCodeBigEndian) {
  const std::vector<std::int32_t> codes{0, 1, 0x123, 2048, 4094, 4095};
  const std::vector<std::uint8_t> image = BuildWaveFileImage(codes, SaveHeaderSettings{});
  const std::vector<std::uint8_t> data(image.begin() + 44, image.end());
  EXPECT_EQ(data, (std::vector<std::uint8_t>{0x0F, 0xFF, 0x0F, 0xFE, 0x0E, 0xDC, 0x07, 0xFF,
                                             0x00, 0x01, 0x00, 0x00}));
}

TEST(WaveFileWrite, HeaderFieldsFollowTheSaveSettings) {
  SaveHeaderSettings save;
  save.modelNumber = "ACME";
  save.version = {2, 3, 4, 5};
  const std::vector<std::uint8_t> image = BuildWaveFileImage(Filled(0, 1), save);
  EXPECT_EQ(std::string(image.begin(), image.begin() + 4), "ACME");
  EXPECT_EQ(std::string(image.begin() + 32, image.begin() + 44), "23.4532814" "47");

  // Longer than its field: cut to 32 characters so the header keeps its 44 bytes.
  save.modelNumber = std::string(40, 'M');
  EXPECT_EQ(BuildWaveFileImage(Filled(0, 1), save).size(), 46u);
}

TEST(WaveFileWrite, AVersionThatIsNotOneDigitIsRefusedAndNothingIsWritten) {
  TempDir dir;
  const std::string path = dir / "a.awf";
  test::WriteAll(path, "previous");
  test::WriteAll(dir / "bad.INI", "[Save]\nFileVersion1=10\n");
  const FileWriteResult r = WriteWaveFile(Filled(2048), path, IniFile(dir / "bad.INI"));
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find(path), std::string::npos);
  EXPECT_NE(r.error.find("FileVersion1"), std::string::npos) << r.error;
  EXPECT_EQ(test::ReadAll(path), "previous");
}

TEST(WaveFileWrite, TransferWordsHoldTheCodeItselfAndUndrawnIsFFFF) {
  const std::vector<std::uint8_t> words = BuildWaveWords(std::vector<std::int32_t>{0, 4095, 0x123, -1});
  EXPECT_EQ(words, (std::vector<std::uint8_t>{0x00, 0x00, 0x0F, 0xFF, 0x01, 0x23, 0xFF, 0xFF}));
  EXPECT_EQ(BuildWaveWords(Filled(-1)).size(), kWaveWordsSize);
}

TEST(WaveFileRead, FileWrittenWithDefaultsReadsBack) {
  std::vector<std::int32_t> codes(16384);
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = static_cast<std::int32_t>(i % 4096);
  const std::vector<std::uint8_t> image = BuildWaveFileImage(codes, SaveHeaderSettings{});
  const WaveReadResult r = ReadWaveFile(image, 0, LoadHeaderSettings{});
  EXPECT_EQ(r.count, 16384);
  EXPECT_EQ(r.samples, codes);
  EXPECT_TRUE(r.warnings.empty());
  EXPECT_TRUE(r.addToRecent());
  EXPECT_EQ(r.header.model, "TORVEK PELWAVE");
  EXPECT_EQ(r.header.version, (std::array<int, 4>{0, 1, 0, 0}));
}

struct ReadCase {
  const char* name;
  std::string bytes;
  int count;
};

TEST(WaveFileRead, CountsOfGoodShortAndBrokenFiles) {
  std::vector<std::uint16_t> stopAt101 = Words(16384);
  stopAt101[100] = 0x1000;
  std::vector<std::uint16_t> stopThenShort = Words(101);
  stopThenShort[100] = 0x1000;
  const std::string full = Image("32814", Words(16384));

  const ReadCase cases[] = {
      {"fewer than 44 bytes", full.substr(0, 43), -1},
      {"header only", full.substr(0, 44), -1},
      {"ends before the announced words", full.substr(0, 44 + 2 * 100), -1},
      {"ends inside a word", Image("00050", Words(1)) + "\x07", -1},
      {"bytes beyond the announced words are ignored", full + "garbage", 16384},
      {"101st word 0x1000", Image("32814", stopAt101), 100},
      {"stop word before a short end", Image("32814", stopThenShort), 100},
      {"first word above 4095", Image("32814", Words(16384, 0x1000)), 0},
      {"size not digits", Image("ABCDE", Words(16384)), 0},
      {"size with a blank", Image(" 3281", Words(16384)), 0},
      {"size 47 announces nothing", Image("00047", Words(4)), 0},
      {"size 44 is no data, not a wrong format", Image("00044", {}), 0},
      {"size 48 announces one word", Image("00048", Words(1)), 1},
      {"model text differs", Image("32814", Words(16384), "TORVEK PELWAVF"), -1},
      {"model text differs in case", Image("32814", Words(16384), "torvek pelwave"), -1},
      {"wrong model wins over no data", Image("ABCDE", {}, "OTHER"), -1},
  };
  for (const ReadCase& c : cases) {
    const WaveReadResult r = Read(c.bytes);
    EXPECT_EQ(r.count, c.count) << c.name;
    EXPECT_EQ(r.openRefusal(), c.count == -1 ? ERRMSG(16) : ERRMSG(12)) << c.name;
    EXPECT_TRUE(r.warnings.empty()) << c.name;
    ASSERT_EQ(r.samples.size(), 16384u) << c.name;
  }
}

TEST(WaveFileRead, SamplesBeforeAStopWordAreLoadedAndTheRestIsZero) {
  std::vector<std::uint16_t> words = Words(16384, 4095 - 7);
  words[100] = 0xFFFF;
  const WaveReadResult r = Read(Image("32814", words));
  ASSERT_EQ(r.count, 100);
  EXPECT_EQ(r.samples[99], 7);
  EXPECT_EQ(r.samples[100], 0);
  EXPECT_EQ(r.samples[16383], 0);
}

TEST(WaveFileRead, MoreThan16384AnnouncedLoads16384WithAWarning) {
  std::vector<std::uint16_t> words = Words(20000, 4095 - 9);
  words[16384] = 4095 - 1;  // beyond the document: checked, not stored
  const WaveReadResult r = Read(Image("40046", words));
  EXPECT_EQ(r.count, 16384);
  EXPECT_EQ(r.warnings, std::vector<MessageId>{IMFMSG(6)});
  EXPECT_EQ(r.samples[16383], 9);

  // A stop word past the 16384th still ends the data, and the warning still comes.
  words[17000] = 0x2000;
  EXPECT_EQ(Read(Image("40046", words)).warnings, std::vector<MessageId>{IMFMSG(6)});
  // Announced but missing: the file ends early.
  EXPECT_EQ(Read(Image("40046", Words(16385))).count, -1);
}

TEST(WaveFileRead, LoadSettingsDecideWhichHeadersAreAccepted) {
  const std::string written = Image("00050", Words(2));       // "TORVEK PELWAVE", "01.00"
  const std::string oddVersion = Image("00050", Words(2), "TORVEK PELWAVE", "0x.00");
  struct Case {
    const char* name;
    std::string model;
    std::array<std::uint8_t, 4> version;
    const std::string& file;
    int count;
  };
  constexpr std::uint8_t any = LoadHeaderSettings::kAnyVersion;
  const Case cases[] = {
      {"defaults", "TORVEK PELWAVE", {any, any, any, any}, written, 2},
      {"exact versions", "TORVEK PELWAVE", {0, 1, 0, 0}, written, 2},
      {"version 1 must be 2", "TORVEK PELWAVE", {any, 2, any, any}, written, -1},
      {"model prefix", "TORVEK", {any, any, any, any}, written, 2},
      {"empty model accepts all", "", {any, any, any, any}, Image("00050", Words(2), "X"), 2},
      {"demand longer than the 14 compared bytes", "TORVEK PELWAVE2", {any, any, any, any},
       Image("00050", Words(2), "TORVEK PELWAVE2"), -1},
      {"non-digit version byte fails a demand", "TORVEK PELWAVE", {any, 0, any, any}, oddVersion, -1},
      {"non-digit version byte passes any", "TORVEK PELWAVE", {0, any, 0, 0}, oddVersion, 2},
  };
  for (const Case& c : cases) {
    LoadHeaderSettings load;
    load.modelNumber = c.model;
    load.version = c.version;
    EXPECT_EQ(Read(c.file, load).count, c.count) << c.name;
  }
}

TEST(WaveFileRead, ThroughTheSettingsFile) {
  TempDir dir;
  const std::string path = dir / "a.awf";
  ASSERT_TRUE(WriteWaveFile(Filled(2048), path, IniFile(dir / "none.INI")).ok);
  EXPECT_EQ(test::ReadAll(path).size(), kWaveFileSize);

  struct Case {
    const char* ini;
    int count;
  } cases[] = {
      {"", 16384},
      {"[Load]\nFileVersion1=2\n", -1},
      {"[Load]\nFileVersion1=\n", 16384},
      {"[Load]\nFileVersion1= 1 \nFileVersion0=0\n", 16384},
      {"[Load]\nModelNumber=TORVEK\n", 16384},
      {"[Load]\nModelNumber=PELWAVE\n", -1},
  };
  for (const Case& c : cases) {
    test::WriteAll(dir / "x.INI", c.ini);
    const WaveReadResult r = ReadWaveFile(path, 0, IniFile(dir / "x.INI"));
    EXPECT_EQ(r.count, c.count) << c.ini;
    EXPECT_EQ(r.samples[16383], c.count > 0 ? 2048 : 0) << c.ini;
  }

  // What "Save" says is what the file carries.
  test::WriteAll(dir / "s.INI", "[Save]\nModelNumber=ACME 7\nFileVersion0=3\nFileVersion3=9\n"
                                "[Load]\nModelNumber=ACME\nFileVersion0=3\nFileVersion3=9\n");
  ASSERT_TRUE(WriteWaveFile(Filled(5), path, IniFile(dir / "s.INI")).ok);
  const WaveReadResult r = ReadWaveFile(path, 0, IniFile(dir / "s.INI"));
  EXPECT_EQ(r.count, 16384);
  EXPECT_EQ(r.header.version, (std::array<int, 4>{3, 1, 0, 9}));
}

TEST(WaveFileRead, UnreadablePathsGiveMinusOneAndTheReasonNamingTheFile) {
  TempDir dir;
  for (const std::string& path : {dir / "missing.awf", dir.path().string()}) {
    const WaveReadResult r = ReadWaveFile(path, 0, IniFile(dir / "none.INI"));
    EXPECT_EQ(r.count, -1) << path;
    EXPECT_NE(r.readError.find(path), std::string::npos) << r.readError;
  }
}

TEST(WaveFileRead, ALargeFileIsReadOnlyAsFarAsTheLargestSizeField) {
  TempDir dir;
  const std::string path = dir / "big.awd";
  std::string bytes = Image("99999", Words(49976));
  bytes += std::string(1 << 20, '\xFF');
  test::WriteAll(path, bytes);
  const WaveReadResult r = ReadWaveFile(path, 0, IniFile(dir / "none.INI"));
  EXPECT_EQ(r.count, 16384);
  EXPECT_EQ(r.warnings, std::vector<MessageId>{IMFMSG(6)});
}

}  // namespace
}  // namespace averoz
