// VCD export of patterns: the time-step setting, the file's layout, and sigrok reading it.
#include <gtest/gtest.h>

#include <cstdio>
#include <random>
#include <sstream>

#include "core/app/IniFile.h"
#include "core/files/FilesTestSupport.h"
#include "core/files/VcdExport.h"

namespace averoz {
namespace {

constexpr std::size_t kLen = 16384;

TEST(VcdExport, TimeStepTexts) {
  struct Case {
    const char* text;
    const char* timescale;
    std::uint64_t ticks;
  };
  const Case good[] = {{"1us", "1 us", 1},       {" 1 us ", "1 us", 1},   {"1µs", "1 us", 1},
                       {"2.5us", "100 ns", 25},  {"20ns", "10 ns", 2},    {"0.5 ns", "100 ps", 5},
                       {"10ms", "10 ms", 1},     {"1000s", "100 s", 10},  {"1.000 us", "1 us", 1},
                       {"3fs", "1 fs", 3},       {".25 ms", "10 us", 25}};
  for (const Case& c : good) {
    const std::optional<VcdTimeStep> step = ParseVcdTimeStep(c.text);
    ASSERT_TRUE(step) << c.text;
    EXPECT_EQ(step->timescale, c.timescale) << c.text;
    EXPECT_EQ(step->ticks, c.ticks) << c.text;
  }
  for (const char* bad : {"", "us", "1", "0us", "0.0 ns", "-1us", "1 min", "1.5fs", "1e3us",
                          "1.2.3us", "1 Us", "99999999999999999999s"})
    EXPECT_FALSE(ParseVcdTimeStep(bad)) << bad;
}

TEST(VcdExport, TimeStepSettingFallsBackToOneMicrosecond) {
  test::TempDir dir;
  IniFile settings(dir / "a.INI");
  EXPECT_EQ(ReadVcdTimeStep(settings).timescale, "1 us");
  test::WriteAll(dir / "a.INI", "[Export]\nVcdTimeStep=5 ns\n");
  EXPECT_EQ(ReadVcdTimeStep(settings).timescale, "1 ns");
  EXPECT_EQ(ReadVcdTimeStep(settings).ticks, 5u);
  test::WriteAll(dir / "a.INI", "[Export]\nVcdTimeStep=soon\n");
  EXPECT_EQ(ReadVcdTimeStep(settings).timescale, "1 us");
}

TEST(VcdExport, InitialValuesThenOnlyChangesThenTheEnd) {
  // Four addresses: CH1 1,1,0,0; CH6 0,1,1,1; the others stay low.
  std::vector<std::uint8_t> bits(6 * 4, 0);
  bits[0] = bits[1] = 1;
  bits[5 * 4 + 1] = bits[5 * 4 + 2] = bits[5 * 4 + 3] = 1;
  EXPECT_EQ(BuildVcd(bits, {"100 ns", 25}),
            "$version Averoz $end\n"
            "$timescale 100 ns $end\n"
            "$scope module pattern $end\n"
            "$var wire 1 a CH1 $end\n$var wire 1 b CH2 $end\n$var wire 1 c CH3 $end\n"
            "$var wire 1 d CH4 $end\n$var wire 1 e CH5 $end\n$var wire 1 f CH6 $end\n"
            "$upscope $end\n$enddefinitions $end\n"
            "#0\n$dumpvars\n1a\n0b\n0c\n0d\n0e\n0f\n$end\n"
            "#25\n1f\n"
            "#50\n0a\n"
            "#100\n");
}

// sigrok-cli's CSV of a VCD file: one "b1,b2,...,b6" line per sample.
std::vector<std::string> SigrokSamples(const std::string& vcd, std::string& log) {
  FILE* p = ::popen(("sigrok-cli -I vcd -i '" + vcd + "' -O csv 2>&1").c_str(), "r");
  std::vector<std::string> rows;
  if (!p) return rows;
  std::string text;
  char buf[65536];
  for (std::size_t n; (n = std::fread(buf, 1, sizeof buf, p)) > 0;) text.append(buf, n);
  ::pclose(p);
  std::istringstream lines(text);
  for (std::string line; std::getline(lines, line);) {
    if (line.size() == 11 && (line[0] == '0' || line[0] == '1'))
      rows.push_back(line);
    else
      log += line + "\n";
  }
  return rows;
}

TEST(VcdExport, SigrokReadsThePatternsBits) {
  // A mix of a fast clock, a slow counter bit, noise, and a channel high only at the end.
  std::vector<std::uint8_t> bits(6 * kLen, 0);
  std::mt19937 noise(17);
  for (std::size_t a = 0; a < kLen; ++a) {
    bits[0 * kLen + a] = a % 2;
    bits[1 * kLen + a] = (a >> 9) & 1;
    bits[2 * kLen + a] = noise() & 1;
    bits[5 * kLen + a] = a >= kLen - 3;
  }
  test::TempDir dir;
  const std::string path = dir / "p.vcd";
  ASSERT_TRUE(WriteVcdFile(bits, path, *ParseVcdTimeStep("1us")).ok);

  std::string log;
  const std::vector<std::string> rows = SigrokSamples(path, log);
  ASSERT_EQ(rows.size(), kLen) << "sigrok-cli (must be installed) said:\n" << log;
  EXPECT_NE(log.find("CH1, CH2, CH3, CH4, CH5, CH6"), std::string::npos) << log;
  for (std::size_t a = 0; a < kLen; ++a) {
    std::string expected;
    for (std::size_t ch = 0; ch < 6; ++ch)
      expected += std::string(ch ? "," : "") + (bits[ch * kLen + a] ? "1" : "0");
    ASSERT_EQ(rows[a], expected) << "address " << a;
  }
}

}  // namespace
}  // namespace averoz
