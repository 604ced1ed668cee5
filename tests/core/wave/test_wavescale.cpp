#include "core/wave/WaveScale.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace averoz {
namespace {

// X full scale 2.5 (e.g. milliseconds), Y from -10 to 10 (e.g. volts).
constexpr WaveScale kScaled{16384, 2.5, -10.0, 10.0};

TEST(WaveScale, DefaultScaleCountsSamplesAndCodes) {
  const WaveScale s;
  EXPECT_EQ(s.IndexToX(1234), 1234.0);
  EXPECT_EQ(s.XToIndex(1234), 1234);
  EXPECT_EQ(s.CodeToY(4095), 4095.0);
  EXPECT_EQ(s.YToCode(2048), 2048);
  EXPECT_EQ(s.YToCodeDiff(-2048), -2048);
}

TEST(WaveScale, EveryIndexAndCodeSurvivesTheRoundTrip) {
  for (int i = 0; i <= 16384; ++i) ASSERT_EQ(kScaled.XToIndex(kScaled.IndexToX(i)), i) << i;
  for (int c = 0; c <= 4095; ++c) ASSERT_EQ(kScaled.YToCode(kScaled.CodeToY(c)), c) << c;
  for (int d = -4095; d <= 4095; ++d)
    ASSERT_EQ(kScaled.YToCodeDiff(kScaled.CodeDiffToY(d)), d) << d;
}

TEST(WaveScale, ValuesInUserUnits) {
  EXPECT_DOUBLE_EQ(kScaled.IndexToX(16384), 2.5);
  EXPECT_DOUBLE_EQ(kScaled.IndexToX(8192), 1.25);
  EXPECT_DOUBLE_EQ(kScaled.CodeToY(0), -10.0);
  EXPECT_DOUBLE_EQ(kScaled.CodeToY(4095), 10.0);
  EXPECT_EQ(kScaled.YToCode(0.0), 2048);  // 2047.5 rounds up
  EXPECT_DOUBLE_EQ(kScaled.CodeDiffToY(4095), 20.0);
  EXPECT_EQ(kScaled.YToCodeDiff(10.0), 2048);  // 2047.5
  EXPECT_EQ(kScaled.YToCodeDiff(-10.0), -2048);
}

TEST(WaveScale, HalvesRoundAwayFromZero) {
  const WaveScale half{16384, 32768.0, 0.0, 4095.0};  // two X units per sample
  struct Case { double x; int index; };
  const Case cases[] = {{3, 2}, {-3, -2}, {1, 1}, {-1, -1}, {2.9999, 1}, {0.9999999, 0}};
  for (const Case& c : cases) EXPECT_EQ(half.XToIndex(c.x), c.index) << c.x;
  const WaveScale unit;
  EXPECT_EQ(unit.XToIndex(0.49999999999999994), 0);
  EXPECT_EQ(unit.XToIndex(-0.5), -1);
}

TEST(WaveScale, NormalisingSnapsToAWholeSample) {
  // One sample is 2.5 / 16384 X units.
  const double step = 2.5 / 16384;
  EXPECT_DOUBLE_EQ(kScaled.NormalizeX(100.4 * step), 100 * step);
  EXPECT_DOUBLE_EQ(kScaled.NormalizeX(100.5 * step), 101 * step);
  EXPECT_DOUBLE_EQ(kScaled.NormalizeX(1.25), 1.25);
}

TEST(WaveScale, DegenerateScalesAndWildEntriesStayDefined) {
  const WaveScale flat{16384, 0.0, 5.0, 5.0};
  EXPECT_EQ(flat.XToIndex(1.0), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(flat.YToCode(5.0), 0);  // 0/0
  EXPECT_EQ(kScaled.XToIndex(1e300), std::numeric_limits<std::int32_t>::max());
  EXPECT_EQ(kScaled.XToIndex(-1e300), std::numeric_limits<std::int32_t>::min());
  EXPECT_EQ(kScaled.XToIndex(std::nan("")), 0);
}

}  // namespace
}  // namespace averoz
