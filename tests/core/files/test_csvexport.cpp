// Text export of waveforms and patterns.
#include <gtest/gtest.h>

#include "core/files/CsvExport.h"
#include "core/files/FilesTestSupport.h"

namespace averoz {
namespace {

TEST(CsvExport, WaveformLinesAreDecimalCodesWithCrLf) {
  std::vector<std::int32_t> codes(16384, 2048);
  codes[0] = 12, codes[1] = 4095, codes[2] = 0;
  const std::string text = BuildWaveCsv(codes);
  EXPECT_EQ(text.substr(0, 19), "12\r\n4095\r\n0\r\n2048\r\n");
  EXPECT_EQ(text.size(), 13u + 16381u * 6u);  // "12", "4095", "0", then "2048"
}

TEST(CsvExport, PatternLinesAreSixBitsCh1First) {
  std::vector<std::uint8_t> bits(6 * 16384, 0);
  bits[1 * 16384 + 0] = 1;                          // CH2 at address 0
  bits[0 * 16384 + 1] = 1, bits[5 * 16384 + 1] = 1;  // CH1 and CH6 at address 1
  const std::string text = BuildPatternCsv(bits);
  EXPECT_EQ(text.substr(0, 39), "0,1,0,0,0,0\r\n1,0,0,0,0,1\r\n0,0,0,0,0,0\r\n");
  EXPECT_EQ(text.size(), 16384u * 13u);
}

TEST(CsvExport, WritesReplaceTheTargetAndReportFailures) {
  test::TempDir dir;
  const std::string path = dir / "p.csv";
  test::WriteAll(path, "old");
  ASSERT_TRUE(WritePatternCsv(std::vector<std::uint8_t>(6, 1), path).ok);
  EXPECT_EQ(test::ReadAll(path), "1,1,1,1,1,1\r\n");

  const FileWriteResult r = WriteWaveCsv(std::vector<std::int32_t>(3, 1), dir / "missing/w.csv");
  EXPECT_FALSE(r.ok);
  EXPECT_NE(r.error.find("w.csv"), std::string::npos);
}

}  // namespace
}  // namespace averoz
