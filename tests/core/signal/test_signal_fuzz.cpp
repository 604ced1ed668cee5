// Seeded random damage to valid signal files: the readers never crash or read out of bounds;
// they either give a table whose columns are equally long, non-empty and finite, or refuse
// with a text that starts with the file's name.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include "core/signal/SignalFiles.h"
#include "core/signal/SignalImport.h"
#include "core/signal/SignalRead.h"

namespace averoz {
namespace {

using test::Bytes;

constexpr int kRounds = 2000;

// One to four byte edits; half of them land in the first 64 bytes, where the headers are.
Bytes Damage(Bytes b, std::mt19937& rng) {
  static const std::uint8_t kBytes[] = {0x00, 0xFF, 0x80, 0x7F, '\n', ',', ';', '\t', '.', '-', 'e', 'n', '('};
  const int edits = 1 + int(rng() % 4);
  for (int e = 0; e < edits; ++e) {
    const std::size_t span = rng() % 2 ? std::min<std::size_t>(b.size(), 64) : b.size();
    const std::size_t at = span == 0 ? 0 : rng() % span;
    const std::uint8_t byte = rng() % 2 ? std::uint8_t(rng()) : kBytes[rng() % std::size(kBytes)];
    switch (rng() % 5) {
      case 0:
      case 1:
        if (!b.empty()) b[at] = byte;
        break;
      case 2:
        b.resize(at);
        break;
      case 3:
        b.insert(b.begin() + std::ptrdiff_t(at), 1 + rng() % 8, byte);
        break;
      default:
        b.erase(b.begin() + std::ptrdiff_t(at), b.begin() + std::ptrdiff_t(std::min(b.size(), at + 1 + rng() % 16)));
        break;
    }
  }
  return b;
}

// Reads the damaged bytes; true when they were accepted.
bool ReadSafely(const Bytes& bytes, const std::string& name) {
  try {
    const SignalTable t = ParseSignalBytes(bytes, name);
    EXPECT_FALSE(t.columns.empty());
    const std::size_t n = t.columns.front().values.size();
    EXPECT_GE(n, 1u);
    for (const SignalColumn& c : t.columns) {
      EXPECT_FALSE(c.name.empty());
      EXPECT_EQ(c.values.size(), n);
      EXPECT_TRUE(std::all_of(c.values.begin(), c.values.end(), [](double v) { return std::isfinite(v); }));
    }
    SignalImportOptions options;
    options.length = 64;
    const std::vector<std::int32_t> codes = ImportSignalCodes(t, options);
    EXPECT_TRUE(std::all_of(codes.begin(), codes.end(), [](std::int32_t c) { return c >= 0 && c <= 4095; }));
    return true;
  } catch (const SignalError& e) {
    EXPECT_TRUE(std::string(e.what()).starts_with(name + ": ")) << e.what();
    return false;
  }
}

TEST(SignalFuzz, DamagedFilesAreReadOrRefusedSafely) {
  std::vector<std::int32_t> stereo;
  std::vector<float> floats;
  for (int i = 0; i < 200; ++i) {
    stereo.push_back((i * 40503) % 16777216 - 8388608);
    stereo.push_back(i * 1000);
    floats.push_back(std::sin(float(i) * 0.1f));
  }
  const struct {
    const char* name;
    Bytes seed;
  } seeds[] = {
      {"scope.csv", test::TextBytes("X,CH1,Start,Increment,\nSequence,Volt,-1e-3,1e-6,\n0,1.5e-02,,\n"
                                    "1,-2.0e-02,,\n2,3.25e-01,,\n3,4.0e-01,,\n")},
      {"sheet.tsv", test::TextBytes("Zeit\tA\tB\n0,0\t1,5\t-2\n0,1\t2,5\t-3\n0,2\t3,5\t-4\n")},
      {"stereo.wav", test::Wav24(2, 48000, stereo)},
      {"float.wav", test::WavFloat(96000, floats)},
      {"array.npy", test::NpyFloat32(floats)},
      {"ints.npy", test::NpyBytes("{'descr': '>i2', 'fortran_order': False, 'shape': (6,), }", Bytes(12, 0x41))},
  };
  std::mt19937 rng(20261211);
  for (const auto& s : seeds) {
    SCOPED_TRACE(s.name);
    ASSERT_TRUE(ReadSafely(s.seed, s.name));
    int accepted = 0, refused = 0;
    for (int round = 0; round < kRounds; ++round) {
      (ReadSafely(Damage(s.seed, rng), s.name) ? accepted : refused)++;
      if (::testing::Test::HasFailure()) return;
    }
    // Both outcomes were reached, so the test does not pass vacuously.
    EXPECT_GT(accepted, 0);
    EXPECT_GT(refused, 0);
  }
}

}  // namespace
}  // namespace averoz
