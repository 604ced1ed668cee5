#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <string>
#include <vector>

#include "core/spectrum/Spectrum.h"

namespace averoz {
namespace {

std::vector<std::int32_t> Sine(int length, double cycles, double amplitude = 2047.5) {
  std::vector<std::int32_t> codes(static_cast<std::size_t>(length));
  for (int i = 0; i < length; ++i)
    codes[std::size_t(i)] = std::int32_t(
        std::lround(2047.5 + amplitude * std::sin(2 * std::numbers::pi * cycles * i / length)));
  return codes;
}

struct SineCase {
  int length;
  int cycles;
  SpectrumWindow window;
};

class PureSine : public testing::TestWithParam<SineCase> {};

std::string SineCaseName(const testing::TestParamInfo<SineCase>& info) {
  static const char* const kWindows[] = {"None", "Hann", "BlackmanHarris"};
  return std::to_string(info.param.cycles) + "CyclesIn" + std::to_string(info.param.length) +
         kWindows[int(info.param.window)];
}

TEST_P(PureSine, PeaksAtItsCycleCountAtFullScale) {
  const auto [length, cycles, window] = GetParam();
  const std::vector<std::int32_t> codes = Sine(length, cycles);
  SpectrumAnalyzer analyzer;
  const Spectrum s = analyzer.Analyze(codes.data(), length, window);
  ASSERT_EQ(s.levelDb.size(), std::size_t(length / 2 + 1));
  ASSERT_TRUE(s.hasFundamental());
  EXPECT_EQ(s.peaks[0].bin, cycles);
  EXPECT_NEAR(s.peaks[0].levelDb, 0.0, 0.05);
  // Rounding to whole codes is the only distortion left.
  EXPECT_LT(s.thdPercent, 0.1);
}

INSTANTIATE_TEST_SUITE_P(
    Windows, PureSine,
    testing::Values(SineCase{16384, 1, SpectrumWindow::None},
                    SineCase{16384, 7, SpectrumWindow::Hann},
                    SineCase{16384, 100, SpectrumWindow::BlackmanHarris},
                    SineCase{1000, 3, SpectrumWindow::Hann},  // a partly drawn memory
                    SineCase{999, 5, SpectrumWindow::None}),  // odd length
    SineCaseName);

TEST(Spectrum, SquareShowsTheOddHarmonicsAtOneOverN) {
  const int length = 16384;
  const int period = 2048;  // 8 cycles
  std::vector<std::int32_t> codes(length);
  for (int i = 0; i < length; ++i) codes[std::size_t(i)] = (i % period) < period / 2 ? 4095 : 0;
  for (SpectrumWindow window : {SpectrumWindow::None, SpectrumWindow::BlackmanHarris}) {
    SpectrumAnalyzer analyzer;
    const Spectrum s = analyzer.Analyze(codes.data(), length, window);
    ASSERT_TRUE(s.hasFundamental());
    EXPECT_EQ(s.peaks[0].bin, 8);
    EXPECT_NEAR(s.peaks[0].levelDb, 20 * std::log10(4 / std::numbers::pi), 0.05);
    double expectedPower = 0;
    for (const SpectrumPeak& peak : s.peaks) {
      if (peak.harmonic == 1) continue;
      EXPECT_EQ(peak.bin, 8 * peak.harmonic);
      if (peak.harmonic % 2) {
        EXPECT_NEAR(peak.levelDb - s.peaks[0].levelDb, -20 * std::log10(peak.harmonic), 0.05)
            << "harmonic " << peak.harmonic;
        expectedPower += 1.0 / (peak.harmonic * peak.harmonic);
      } else {
        EXPECT_LT(peak.levelDb, -100) << "harmonic " << peak.harmonic;
      }
    }
    EXPECT_EQ(s.peaks.back().harmonic, SpectrumAnalyzer::kMaxHarmonic);
    EXPECT_NEAR(s.thdPercent, 100 * std::sqrt(expectedPower), 0.1);
  }
}

TEST(Spectrum, HarmonicsStopBelowNyquistAndFlatInputHasNoFundamental) {
  SpectrumAnalyzer analyzer;
  const std::vector<std::int32_t> high = Sine(100, 20);  // 2nd harmonic at bin 40, 3rd beyond 50
  const Spectrum s = analyzer.Analyze(high.data(), 100, SpectrumWindow::None);
  ASSERT_EQ(s.peaks.size(), 2u);
  EXPECT_EQ(s.peaks[1].bin, 40);

  const std::vector<std::int32_t> flat(64, 1000);
  const Spectrum dc = analyzer.Analyze(flat.data(), 64, SpectrumWindow::Hann);
  EXPECT_FALSE(dc.hasFundamental());
  EXPECT_NEAR(dc.levelDb[0], 20 * std::log10((2047.5 - 1000) / 2047.5), 0.01);

  EXPECT_TRUE(analyzer.Analyze(flat.data(), 1, SpectrumWindow::None).levelDb.empty());
}

}  // namespace
}  // namespace averoz
