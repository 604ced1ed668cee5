// From a read signal to codes: resampling to the document's length and the two mappings.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "core/signal/SignalImport.h"
#include "core/signal/SignalResample.h"

namespace averoz {
namespace {

double MaxAbs(const std::vector<double>& v, std::size_t from, std::size_t to) {
  double m = 0;
  for (std::size_t i = from; i < to; ++i) m = std::max(m, std::abs(v[i]));
  return m;
}

TEST(SignalResample, ShorteningKeepsLevelsAndPlaces) {
  // A constant stays constant right to both ends (no droop towards zero at the edges).
  const std::vector<double> level(100003, 2.5);
  for (double v : ResampleSignal(level, 16384)) ASSERT_NEAR(v, 2.5, 1e-5);
  // A slow ramp: output k sits at input k * n / length.
  std::vector<double> ramp(163840);
  for (std::size_t i = 0; i < ramp.size(); ++i) ramp[i] = double(i);
  const std::vector<double> out = ResampleSignal(ramp, 16384);
  ASSERT_EQ(out.size(), 16384u);
  for (std::size_t k = 100; k < 16284; k += 97) ASSERT_NEAR(out[k], 10.0 * double(k), 0.5) << k;
}

TEST(SignalResample, ShorteningRemovesWhatTheNewRateCannotHold) {
  // 400 periods over 16384 output samples stay; 30000 periods (above the new Nyquist) go.
  const std::size_t n = 1 << 20;
  std::vector<double> kept(n), aliased(n);
  for (std::size_t i = 0; i < n; ++i) {
    kept[i] = std::sin(2 * std::numbers::pi * 400.0 * double(i) / double(n));
    aliased[i] = std::sin(2 * std::numbers::pi * 30000.0 * double(i) / double(n));
  }
  const std::vector<double> k = ResampleSignal(kept, 16384), a = ResampleSignal(aliased, 16384);
  EXPECT_NEAR(MaxAbs(k, 100, 16284), 1.0, 0.01);
  EXPECT_LT(MaxAbs(a, 100, 16284), 0.01);
}

TEST(SignalResample, StretchingIsLinearBetweenTheSamples) {
  const std::vector<double> in = {0, 10, -10};
  const std::vector<double> out = ResampleSignal(in, 5);
  EXPECT_EQ(out, (std::vector<double>{0, 5, 10, 0, -10}));
  EXPECT_EQ(ResampleSignal(std::vector<double>{7}, 3), (std::vector<double>{7, 7, 7}));
  EXPECT_EQ(ResampleSignal(std::vector<double>{1, 2, 6}, 1), (std::vector<double>{3}));
}

TEST(SignalMapping, MinMaxFixedRangeAndConstant) {
  const std::vector<double> v = {-3, -1, 1, 3, 5};
  EXPECT_EQ(MapToCodes(v, {}), (std::vector<std::int32_t>{0, 1024, 2048, 3071, 4095}));
  // A range of volts: outside it clips; a reversed range turns the signal upside down.
  EXPECT_EQ(MapToCodes(v, {true, -1, 1}), (std::vector<std::int32_t>{0, 0, 4095, 4095, 4095}));
  EXPECT_EQ(MapToCodes(v, {true, 5, -3}), (std::vector<std::int32_t>{4095, 3071, 2048, 1024, 0}));
  EXPECT_EQ(MapToCodes(std::vector<double>(4, 0.7), {}), std::vector<std::int32_t>(4, 2048));
  // Also after shortening, where the resampler's rounding must not be spread over 0..4095.
  SignalTable flat;
  flat.columns.push_back({"flat", std::vector<double>(100003, 0.7)});
  EXPECT_EQ(ImportSignalCodes(flat, {}), std::vector<std::int32_t>(16384, 2048));
}

TEST(SignalMapping, OptionsAreChecked) {
  SignalTable t;
  t.columns.push_back({"a", {1, 2}});
  SignalImportOptions o;
  EXPECT_EQ(CheckImportOptions(t, o), "");
  o.column = 1;
  EXPECT_EQ(CheckImportOptions(t, o), "there is no column 2 (the file has 1)");
  o.column = 0;
  for (std::size_t bad : {std::size_t(0), std::size_t(16385)}) {
    o.length = bad;
    EXPECT_EQ(CheckImportOptions(t, o), "the length must be 1 to 16384 samples");
  }
  o.length = 100;
  o.mapping = {true, 1, 1};
  EXPECT_EQ(CheckImportOptions(t, o), "the range needs two different finite values");
  o.mapping = {true, 0, 1};
  EXPECT_EQ(ImportSignalCodes(t, o).size(), 100u);
}

}  // namespace
}  // namespace averoz
