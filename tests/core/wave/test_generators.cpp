#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <numeric>
#include <ostream>
#include <string>
#include <utility>
#include <vector>

#include "core/wave/NoiseData.h"
#include "core/wave/ParamLimits.h"
#include "core/wave/StandardGenerator.h"

namespace averoz {
namespace {

constexpr std::int32_t kDataLen = 16384;
constexpr std::int32_t kSentinel = -7777;  // neither a code nor "undrawn"

TWaveParam Request(WaveKind kind, std::int32_t start, std::int32_t len, std::int32_t amp,
                   std::int32_t ofs) {
  TWaveParam p;
  p.kind = kind;
  p.start = start;
  p.len = len;
  p.amp = amp;
  p.ofs = ofs;
  return p;
}

std::vector<std::int32_t> Generated(const TWaveParam& p) {
  std::vector<std::int32_t> wave(kDataLen, kSentinel);
  const StandardGenerator generator;
  static_cast<const WaveGenerator&>(generator).Generate(p, wave);
  return wave;
}

// ---- shapes: requests and the samples they must give ---------------------------------------

struct ShapeCase {
  std::string name;
  TWaveParam p;
  std::vector<std::pair<int, std::int32_t>> samples;  // absolute index, expected code
};

TWaveParam With(TWaveParam p, double cycles, double phase, double duty = 50, double damp = 8) {
  p.cycles = cycles;
  p.phase = phase;
  p.duty = duty;
  p.damp = damp;
  return p;
}

std::vector<ShapeCase> ShapeCases() {
  return {
      // Full amplitude on offset 0: the peak 4096 is clipped, the trough reaches 0.
      {"SineDefaults", Request(kSine, 0, 2048, 2048, 2048),
       {{0, 2048}, {512, 4095}, {1024, 2048}, {1536, 0}}},
      {"SinePhase90", With(Request(kSine, 100, 400, 1000, 2048), 1, 90),
       {{100, 3048}, {200, 2048}, {300, 1048}}},
      {"SquareHalfDuty", Request(kSquare, 0, 10, 100, 2048),
       {{0, 2148}, {4, 2148}, {5, 1948}, {9, 1948}}},
      {"SquareTwoCycles", With(Request(kSquare, 0, 10, 100, 2048), 2, 0),
       {{0, 2148}, {2, 2148}, {3, 1948}, {4, 1948}, {5, 2148}, {7, 2148}, {8, 1948}}},
      {"SquarePhase180StartsLow", With(Request(kSquare, 0, 10, 100, 2048), 1, 180),
       {{0, 1948}, {4, 1948}, {5, 2148}, {9, 2148}}},
      // Phase 360 puts m exactly on T, which wraps to the start of a period: high.
      {"SquarePhase360WrapsToStart", With(Request(kSquare, 0, 10, 100, 2048), 1, 360),
       {{0, 2148}, {4, 2148}, {5, 1948}}},
      {"SquareDuty0AllLow", With(Request(kSquare, 0, 10, 100, 2048), 1, 0, 0),
       {{0, 1948}, {9, 1948}}},
      {"SquareDuty100AllHigh", With(Request(kSquare, 0, 10, 100, 2048), 1, 0, 100),
       {{0, 2148}, {9, 2148}}},
      {"SquareFullAmpClipped", Request(kSquare, 0, 10, 2048, 2048), {{0, 4095}, {9, 0}}},
      {"Triangle", Request(kTriangle, 0, 400, 1000, 2048),
       {{0, 2048}, {50, 2548}, {100, 3048}, {200, 2048}, {300, 1048}, {399, 2038}}},
      {"TriangleClippedAtZero", Request(kTriangle, 0, 400, 1000, 500),
       {{0, 500}, {200, 500}, {300, 0}}},
      // Half a cycle: T = 200, so the block is the lower half of one ramp.
      {"RampHalfCycle", With(Request(kRamp, 0, 100, 2048, 2048), 0.5, 0),
       {{0, 0}, {50, 1024}, {99, 2028}}},
      // 2047.5 and 2048.5 round up, away from zero (not to even, not down).
      {"RampRoundsHalfAway", Request(kRamp, 0, 4, 1, 2048),
       {{0, 2047}, {1, 2048}, {2, 2048}, {3, 2049}}},
      {"RampRestartsEachPeriod", With(Request(kRamp, 0, 100, 1000, 2048), 2, 0),
       {{0, 1048}, {49, 3008}, {50, 1048}}},
      {"Charge", Request(kCharge, 0, 100, 1000, 2048), {{0, 2048}, {50, 3030}, {99, 3048}}},
      {"ChargeDamp0IsFlat", With(Request(kCharge, 0, 100, 1000, 2048), 1, 0, 50, 0),
       {{0, 2048}, {99, 2048}}},
      {"DisCharge", Request(kDisCharge, 0, 100, 1000, 2048), {{0, 3048}, {50, 2066}, {99, 2048}}},
      {"SCurveUp", Request(kSCurveUp, 0, 100, 1000, 2048), {{0, 1048}, {25, 1341}, {50, 2048}}},
      {"SCurveDown", Request(kSCurveDown, 0, 100, 1000, 2048),
       {{0, 3048}, {25, 2755}, {50, 2048}}},
      {"DC", Request(kDC, 20, 10, 2048, 3000), {{20, 3000}, {29, 3000}}},
      {"DCClippedHigh", Request(kDC, 0, 8, 2048, 5000), {{0, 4095}}},
      {"DCClippedLow", Request(kDC, 0, 8, 2048, -5), {{0, 0}}},
      // Half amplitude: round(v / 2), odd table values rounding up; the noise then lies in
      // about 0..2048 although the centre line is 2048.
      {"NoiseHalfAmplitude", Request(kNoise, 0, 16, 1024, 2048),
       {{0, 811}, {1, 1259}, {2, 818}, {3, 1400}}},
      {"NoiseZeroAmplitude", Request(kNoise, 0, 16, 0, 2548), {{0, 500}, {15, 500}}},
  };
}

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.name; }

class ShapeTest : public testing::TestWithParam<ShapeCase> {};

TEST_P(ShapeTest, GivesTheExpectedSamples) {
  const ShapeCase& c = GetParam();
  const std::vector<std::int32_t> wave = Generated(c.p);
  for (const auto& [index, code] : c.samples) {
    EXPECT_EQ(wave[index], code) << "sample " << index;
  }
}

INSTANTIATE_TEST_SUITE_P(Generators, ShapeTest, testing::ValuesIn(ShapeCases()),
                         [](const testing::TestParamInfo<ShapeCase>& info) {
                           return info.param.name;
                         });

// ---- what every kernel must keep to ----------------------------------------------------------

constexpr WaveKind kAllShapes[] = {kSine,      kSquare,      kTriangle, kRamp, kCharge,
                                   kDisCharge, kSCurveUp,    kSCurveDown, kDC, kNoise};

TEST(Generators, WriteOnlyTheRequestedRangeAndOnlyCodes) {
  for (WaveKind kind : kAllShapes) {
    SCOPED_TRACE(static_cast<int>(kind));
    const std::vector<std::int32_t> wave = Generated(Request(kind, 100, 50, 2048, 2048));
    for (int i = 0; i < kDataLen; ++i) {
      if (i >= 100 && i < 150) {
        ASSERT_GE(wave[i], 0) << i;
        ASSERT_LE(wave[i], 4095) << i;
      } else {
        ASSERT_EQ(wave[i], kSentinel) << i;
      }
    }
  }
}

TEST(Generators, KindNoneAndEmptyRequestsWriteNothing) {
  const std::vector<std::int32_t> untouched(kDataLen, kSentinel);
  EXPECT_EQ(Generated(Request(kNone, 0, 100, 2048, 2048)), untouched);
  TWaveParam beyond = Request(kSine, 0, 100, 2048, 2048);
  beyond.kind = 200;
  EXPECT_EQ(Generated(beyond), untouched);
  EXPECT_EQ(Generated(Request(kSine, 0, 0, 2048, 2048)), untouched);
  EXPECT_EQ(Generated(Request(kDC, 10, -5, 2048, 2048)), untouched);
}

// A request reaching past either end of the buffer writes the part inside, with the values
// it would have had, and never writes outside (guard cells around a shorter span).
TEST(Generators, RequestOutsideTheBufferIsCutToIt) {
  const StandardGenerator generator;
  for (WaveKind kind : kAllShapes) {
    SCOPED_TRACE(static_cast<int>(kind));
    std::vector<std::int32_t> cells(8 + 40 + 8, kSentinel);
    const std::span<std::int32_t> buffer(cells.data() + 8, 40);

    generator.Generate(Request(kind, -10, 30, 1500, 2048), buffer);
    generator.Generate(Request(kind, 35, 100, 1500, 2048), buffer);

    std::vector<std::int32_t> whole(kDataLen, kSentinel);
    generator.Generate(Request(kind, -10 + 1000, 30, 1500, 2048), whole);
    std::vector<std::int32_t> tail(kDataLen, kSentinel);
    generator.Generate(Request(kind, 35 + 1000, 100, 1500, 2048), tail);
    for (int i = 0; i < 8; ++i) {
      ASSERT_EQ(cells[i], kSentinel);
      ASSERT_EQ(cells[8 + 40 + i], kSentinel);
    }
    if (kind == kNoise) continue;  // noise follows the absolute index, compared below
    for (int i = 0; i < 20; ++i) EXPECT_EQ(buffer[i], whole[1000 + i]) << i;
    for (int i = 20; i < 35; ++i) EXPECT_EQ(buffer[i], kSentinel) << i;
    for (int i = 35; i < 40; ++i) EXPECT_EQ(buffer[i], tail[1000 + i]) << i;
  }
}

// Values no dialog lets through must still end, and give codes, not garbage: a zero,
// negative or NaN cycle count has no period, a huge one or a huge phase would need
// billions of period subtractions.
TEST(Generators, OutOfRangeParametersStillGiveCodes) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  struct Wild {
    double cycles, phase, damp, duty;
    std::int32_t amp, ofs;
  };
  const Wild wild[] = {
      {0, 0, 8, 50, 2048, 2048},     {0, 90, 8, 50, 2048, 2048},   {-3, 45, 8, 50, 2048, 2048},
      {nan, 0, 8, 50, 2048, 2048},   {inf, 0, 8, 50, 2048, 2048},  {1e300, 10, 8, 50, 2048, 2048},
      {1e-300, 10, 8, 50, 2048, 2048}, {1, 1e15, 8, 50, 2048, 2048}, {1, -720, 8, 50, 2048, 2048},
      {1, nan, nan, nan, 2048, 2048},
      {1, 0, 8, 50, std::numeric_limits<std::int32_t>::max(), std::numeric_limits<std::int32_t>::min()},
      {1, 0, 8, 50, std::numeric_limits<std::int32_t>::min(), std::numeric_limits<std::int32_t>::max()},
  };
  for (const Wild& w : wild) {
    for (WaveKind kind : kAllShapes) {
      SCOPED_TRACE(testing::Message() << "kind " << int{kind} << " cycles " << w.cycles
                                      << " phase " << w.phase << " amp " << w.amp);
      const TWaveParam p = With(Request(kind, 0, 1024, w.amp, w.ofs), w.cycles, w.phase,
                                w.duty, w.damp);
      const std::vector<std::int32_t> wave = Generated(p);
      const auto [lo, hi] = std::minmax_element(wave.begin(), wave.begin() + p.len);
      EXPECT_GE(*lo, 0);
      EXPECT_LE(*hi, 4095);
    }
  }
}

// ---- noise ---------------------------------------------------------------------------------

TEST(Generators, NoiseFollowsTheAbsoluteIndex) {
  // Full amplitude on offset 0 gives the table values themselves.
  const TWaveParam p = Request(kNoise, 1000, 500, 2048, 2048);
  const std::vector<std::int32_t> first = Generated(p);
  EXPECT_EQ(Generated(p), first);
  for (int i = 1000; i < 1500; ++i) ASSERT_EQ(first[i], noisedata[i]) << i;

  // The same index gets the same value whatever the block's start.
  const std::vector<std::int32_t> shifted = Generated(Request(kNoise, 1200, 500, 2048, 2048));
  for (int i = 1200; i < 1500; ++i) ASSERT_EQ(shifted[i], first[i]) << i;
}

TEST(NoiseData, StartsAndEndsWithTheFixedEntries) {
  const std::vector<int> head = {1622, 2518, 1635, 2800, 1602, 1993, 2500, 1978,
                                 2469, 1456, 2393, 2674, 2826, 2163, 1656, 2176};
  const std::vector<int> tail = {1763, 1571, 1749, 1643, 1270, 3027, 1718, 2654};
  EXPECT_TRUE(std::equal(head.begin(), head.end(), noisedata.begin()));
  EXPECT_TRUE(std::equal(tail.begin(), tail.end(), noisedata.end() - tail.size()));
}

TEST(NoiseData, IsBellShapedAroundMidScale) {
  const auto [lo, hi] = std::minmax_element(noisedata.begin(), noisedata.end());
  EXPECT_GE(*lo, 14);
  EXPECT_LE(*hi, 4095);

  const double n = noisedata.size();
  const double mean = std::accumulate(noisedata.begin(), noisedata.end(), 0.0) / n;
  double squares = 0;
  for (double v : noisedata) squares += (v - mean) * (v - mean);
  const double sd = std::sqrt(squares / n);
  EXPECT_NEAR(mean, 2047, 10);
  EXPECT_NEAR(sd, 550, 25);

  // About 68 % within one standard deviation: a flat spread of the same width gives 58 %.
  const auto within = std::count_if(noisedata.begin(), noisedata.end(),
                                    [&](double v) { return std::abs(v - mean) <= sd; });
  EXPECT_NEAR(within / n, 0.683, 0.03);
}

// ---- parameter limits of the dialog ----------------------------------------------------------

TEST(ParamLimits, EntryRanges) {
  struct Case {
    ParamField field;
    double value;
    bool ok;
  };
  const std::int32_t room = 3000;
  const Case cases[] = {
      {ParamField::Data, 7, false},     {ParamField::Data, 8, true},
      {ParamField::Data, 3000, true},   {ParamField::Data, 3001, false},
      {ParamField::Amp, -1, false},     {ParamField::Amp, 0, true},
      {ParamField::Amp, 2048, true},    {ParamField::Amp, 2049, false},
      {ParamField::Ofs, -2049, false},  {ParamField::Ofs, -2048, true},
      {ParamField::Ofs, 2047, true},    {ParamField::Ofs, 2048, false},
      {ParamField::Cycl, 0.009, false}, {ParamField::Cycl, 0.01, true},
      {ParamField::Cycl, 100, true},    {ParamField::Cycl, 100.001, false},
      {ParamField::Phase, -0.1, false}, {ParamField::Phase, 360, true},
      {ParamField::Phase, 360.5, false}, {ParamField::Damp, 16, true},
      {ParamField::Damp, 16.1, false},  {ParamField::Duty, 0, true},
      {ParamField::Duty, 100.5, false},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParamInRange(c.field, c.value, room), c.ok)
        << "field " << static_cast<int>(c.field) << " value " << c.value;
  }
}

TEST(ParamLimits, SpinSteps) {
  struct Case {
    ParamField field;
    double value;
    bool up;
    double result;
  };
  const std::int32_t room = 1250;
  const Case cases[] = {
      {ParamField::Data, 1200, true, 1250},  {ParamField::Data, 1000, true, 1100},
      {ParamField::Data, 50, false, 8},      {ParamField::Amp, 2000, true, 2048},
      {ParamField::Amp, 50, false, 0},       {ParamField::Ofs, 2000, true, 2048},
      {ParamField::Ofs, -2000, false, -2048}, {ParamField::Cycl, 99.5, true, 100},
      {ParamField::Cycl, 1, false, 1},       {ParamField::Cycl, 0.5, false, 1},
      {ParamField::Cycl, 2.5, false, 1.5},   {ParamField::Phase, 355, true, 360},
      {ParamField::Phase, 5, false, 0},      {ParamField::Damp, 15.5, true, 16},
      {ParamField::Damp, 0.5, false, 0},     {ParamField::Duty, 95, true, 100},
      {ParamField::Duty, 40, false, 30},
  };
  for (const Case& c : cases) {
    EXPECT_DOUBLE_EQ(ParamSpin(c.field, c.value, c.up, room), c.result)
        << "field " << static_cast<int>(c.field) << " value " << c.value << " up " << c.up;
  }
}

TEST(ParamLimits, DefaultLengths) {
  EXPECT_EQ(DefaultGenLength(kDataLen, kDataLen), 2048);
  EXPECT_EQ(DefaultGenLength(kDataLen, 100), 100);
  EXPECT_EQ(DefaultGenLength(100, 1000), 13);  // 12.5 rounds away from zero
  EXPECT_EQ(DefaultReplaceLength(3), 8);
  EXPECT_EQ(DefaultReplaceLength(500), 500);
}

}  // namespace
}  // namespace averoz
