// The signal readers on files as scopes, spreadsheets, audio tools and NumPy write them, and
// their refusals.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "core/files/WavExport.h"
#include "core/signal/SignalImport.h"
#include "core/signal/SignalRead.h"
#include "core/signal/SignalFiles.h"

namespace averoz {
namespace {

using test::Bytes;

std::vector<std::int32_t> Codes(const SignalTable& table, std::size_t column, CodeMapping mapping = {}) {
  SignalImportOptions options;
  options.column = column;
  options.length = table.columns[column].values.size();
  options.mapping = mapping;
  return ImportSignalCodes(table, options);
}

constexpr CodeMapping kPlusMinusOne{true, -1.0, 1.0};

TEST(SignalText, ScopeCsvSkipsHeaderLinesAndTheTimeColumn) {
  const std::string csv =
      "X,CH1,Start,Increment,\r\n"
      "Sequence,Volt,-2.0e-03,1.0e-03,\r\n"
      "0,-1.0e+00,,\r\n1,-5.0e-01,,\r\n2,0.0e+00,,\r\n3,5.0e-01,,\r\n4,1.0e+00,,\r\n";
  const SignalTable t = ParseSignalText(csv, "scope.csv");
  ASSERT_EQ(t.columns.size(), 1u);
  EXPECT_EQ(t.columns[0].name, "Volt");
  EXPECT_EQ(t.timeColumn, "Sequence");
  EXPECT_EQ(Codes(t, 0), (std::vector<std::int32_t>{0, 1024, 2048, 3071, 4095}));
}

TEST(SignalText, Dialects) {
  struct Case {
    const char* text;
    std::size_t columns;
    std::vector<double> first;
    double rate;
    const char* time;
  };
  const Case cases[] = {
      {"Time (s),CH1 (V),CH2 (V)\n0,1.5e-3,2\n1e-6,2.5E-3,3\n2e-6,-1,4\n", 2, {0.0015, 0.0025, -1}, 1e6, "Time (s)"},
      {"Zeit;Kanal A\n0,000;1,5\n0,001;2,5\n0,002;-3,25\n", 1, {1.5, 2.5, -3.25}, 1000, "Zeit"},
      {"t\tv\n0\t1\n0.5\t2\n1\t4\n", 1, {1, 2, 4}, 2, "t"},
      {"\"TIME\",\"CH1\"\n\"0.0\",\"7\"\n\"0.5\",\"8\"\n\"1.0\",\"9\"\n", 1, {7, 8, 9}, 2, "TIME"},
      // No titles: a rising, evenly stepped first column is the time axis.
      {"0.0 1\n0.1 3\n0.2 2\n", 1, {1, 3, 2}, 10, "Column 1"},
      {"1,5\n2,6\n10,7\n", 2, {1, 2, 10}, 0, nullptr},
      {"CH1,CH2\n0,5\n1,6\n2,7\n", 2, {0, 1, 2}, 0, nullptr},
      {"3\n+1.5\n-2e+1\n\n", 1, {3, 1.5, -20}, 0, nullptr},
      // Settings beside the first samples: those lines hold samples too.
      {"Record Length,4,,0.0,0.25,\nSample Interval,1,,1.0,0.5,\n,,,2.0,0.75,\n,,,3.0,1.0,\n", 1,
       {0.25, 0.5, 0.75, 1.0}, 1, "Column 4"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    const SignalTable t = ParseSignalText(c.text, "in.csv");
    ASSERT_EQ(t.columns.size(), c.columns);
    ASSERT_EQ(t.columns[0].values.size(), c.first.size());
    for (std::size_t i = 0; i < c.first.size(); ++i) EXPECT_DOUBLE_EQ(t.columns[0].values[i], c.first[i]);
    EXPECT_NEAR(t.sampleRate, c.rate, c.rate * 1e-9);
    if (c.time) EXPECT_EQ(t.timeColumn, c.time);
    else EXPECT_TRUE(t.timeColumn.empty());
  }
}

TEST(SignalWav, TwentyFourBitStereoKeepsBothChannels) {
  const Bytes wav = test::Wav24(2, 44100, {-8388608, 100, 0, 200, 4194304, 300, 8388607, 400});
  const SignalTable t = ParseSignalBytes(wav, "capture.wav");
  ASSERT_EQ(t.columns.size(), 2u);
  EXPECT_EQ(t.sampleRate, 44100);
  EXPECT_EQ(t.columns[1].name, "Channel 2");
  EXPECT_EQ(Codes(t, 0, kPlusMinusOne), (std::vector<std::int32_t>{0, 2048, 3071, 4095}));
  EXPECT_EQ(Codes(t, 1), (std::vector<std::int32_t>{0, 1365, 2730, 4095}));
}

TEST(SignalWav, EveryIntegerWidthAndFloatGiveTheSameLevels) {
  // -full scale, zero and +half scale in each encoding.
  Bytes u8 = {0, 128, 192}, s16, s32, f32;
  for (std::int64_t v : {-32768, 0, 16384}) test::PutLE(s16, std::uint64_t(v), 2);
  for (std::int64_t v : {std::int64_t(INT32_MIN), std::int64_t(0), std::int64_t(1) << 30})
    test::PutLE(s32, std::uint64_t(v), 4);
  const struct {
    Bytes wav;
    const char* what;
  } cases[] = {{test::WavBytes(1, 8, 1, 8000, u8), "8-bit"},
               {test::WavBytes(1, 16, 1, 8000, s16), "16-bit"},
               {test::WavBytes(1, 32, 1, 8000, s32), "32-bit"},
               {test::WavFloat(8000, {-1.0f, 0.0f, 0.5f}), "float"}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    const SignalTable t = ParseSignalBytes(c.wav, "x.wav");
    EXPECT_EQ(Codes(t, 0, kPlusMinusOne), (std::vector<std::int32_t>{0, 2048, 3071}));
  }
}

TEST(SignalWav, ExportedWaveformComesBackWithinOneCode) {
  std::vector<std::int32_t> codes(16384);
  for (std::size_t i = 0; i < codes.size(); ++i) codes[i] = std::int32_t((i * 37) % 4096);
  std::string error;
  const Bytes wav = BuildWavImage(codes, 48000, error);
  ASSERT_EQ(error, "");
  const SignalTable t = ParseSignalBytes(wav, "export.wav");
  EXPECT_EQ(t.sampleRate, 48000);
  for (const CodeMapping& mapping : {CodeMapping{}, kPlusMinusOne}) {
    SignalImportOptions options;
    options.mapping = mapping;
    const std::vector<std::int32_t> back = ImportSignalCodes(t, options);
    ASSERT_EQ(back.size(), codes.size());
    for (std::size_t i = 0; i < codes.size(); ++i) ASSERT_LE(std::abs(back[i] - codes[i]), 1) << i;
  }
}

TEST(SignalNpy, FloatArrayBecomesCodes) {
  const SignalTable t = ParseSignalBytes(test::NpyFloat32({0.0f, 0.25f, 0.5f, 1.0f}), "computed.npy");
  ASSERT_EQ(t.columns.size(), 1u);
  EXPECT_EQ(Codes(t, 0), (std::vector<std::int32_t>{0, 1024, 2048, 4095}));
}

TEST(SignalNpy, ElementTypesAndByteOrders) {
  const struct {
    const char* descr;
    const char* shape;
    Bytes data;
    std::vector<double> values;
  } cases[] = {
      {">f8", "(2,)", {0x3F, 0xF8, 0, 0, 0, 0, 0, 0, 0xC0, 0, 0, 0, 0, 0, 0, 0}, {1.5, -2}},
      {"<i2", "(3,)", {0xFE, 0xFF, 0, 0, 0x10, 0}, {-2, 0, 16}},
      {">i4", "(1, 2)", {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 1, 0}, {-1, 256}},
      {"|u1", "(3, 1)", {0, 200, 255}, {0, 200, 255}},
      {"<u8", "(1,)", {0, 0, 0, 0, 0, 0, 0, 0x80}, {9223372036854775808.0}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.descr);
    const std::string dict = std::string("{'descr': '") + c.descr +
                             "', 'fortran_order': False, 'shape': " + c.shape + ", }";
    const SignalTable t = ParseSignalBytes(test::NpyBytes(dict, c.data), "a.npy");
    EXPECT_EQ(t.columns[0].values, c.values);
  }
}

TEST(SignalRefusals, NameTheFileAndWhereTheFaultIs) {
  const float nan = std::numeric_limits<float>::quiet_NaN();
  const float inf = std::numeric_limits<float>::infinity();
  const struct {
    const char* name;
    Bytes bytes;
    std::vector<const char*> says;
  } cases[] = {
      {"names.csv", test::TextBytes("name,value\nfoo,bar\n"), {"names.csv: line 2: no numeric column", "\"foo\""}},
      {"gap.csv", test::TextBytes("1\n2\nnan\n"), {"gap.csv: line 3", "\"nan\" is not a finite number"}},
      {"inf.csv", test::TextBytes("0,1\n1,-inf\n2,3\n"), {"inf.csv: line 2: column 2", "not a finite number"}},
      {"tail.csv", test::TextBytes("1\n2\nend of data\n"), {"tail.csv: line 3", "\"end\" is not a number"}},
      {"hole.tsv", test::TextBytes("0\t1\t2\n1\t\t3\n2\t5\t6\n"), {"hole.tsv: line 2: column 2 has no value"}},
      {"blank.csv", test::TextBytes(" \r\n\r\n"), {"blank.csv: empty signal"}},
      {"alaw.wav", test::WavBytes(6, 8, 1, 8000, {1, 2, 3}), {"alaw.wav: fmt chunk", "not supported"}},
      {"silent.wav", test::Wav24(1, 48000, {}), {"silent.wav: data chunk: empty signal"}},
      {"inf.wav", test::WavFloat(48000, {0.0f, inf}), {"inf.wav: data chunk: frame 1, channel 1 is not a finite"}},
      {"junk.wav", Bytes{'R', 'I', 'F', 'F', 4, 0, 0, 0, 'j', 'u', 'n', 'k'}, {"junk.wav: RIFF header: not a readable WAV file"}},
      {"nan.npy", test::NpyFloat32({1.0f, nan}), {"nan.npy: data: element 1 is not a finite number"}},
      {"empty.npy", test::NpyFloat32({}), {"empty.npy: data: empty signal"}},
      {"matrix.npy", test::NpyBytes("{'descr': '<f8', 'fortran_order': False, 'shape': (2, 3), }", Bytes(48)),
       {"matrix.npy: header: shape (2, 3) is not one-dimensional"}},
      {"short.npy", test::NpyBytes("{'descr': '<f4', 'fortran_order': False, 'shape': (4,), }", Bytes(8)),
       {"short.npy: data: holds 2 of the 4 elements"}},
      {"complex.npy", test::NpyBytes("{'descr': '<c8', 'fortran_order': False, 'shape': (1,), }", Bytes(8)),
       {"complex.npy: header: element type '<c8' is not supported"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    try {
      ParseSignalBytes(c.bytes, c.name);
      ADD_FAILURE() << "accepted";
    } catch (const SignalError& e) {
      for (const char* part : c.says) EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
    }
  }
}

TEST(SignalRefusals, AMissingFileNamesTheSystemsReason) {
  try {
    ReadSignalFile("/nonexistent/capture.csv");
    ADD_FAILURE() << "accepted";
  } catch (const SignalError& e) {
    EXPECT_STREQ(e.what(), "/nonexistent/capture.csv: No such file or directory");
  }
}

}  // namespace
}  // namespace averoz
