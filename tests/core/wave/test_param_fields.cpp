// The "Set Parameters" fields: what leaving a field accepts and shows, the spin buttons and
// the range labels, in the default units and in rescaled ones.
#include "core/wave/ParamFields.h"

#include <gtest/gtest.h>

namespace averoz {
namespace {

constexpr WaveScale kSamples{};                          // 1 X unit = 1 sample, Y = codes
constexpr WaveScale kVolts{16384, 16384.0, 0.0, 10.0};   // Y 0..10 over the codes
constexpr WaveScale kMillis{16384, 1.0, 0.0, 4095.0};    // X 0..1 over the document

TEST(ParamFields, LeavingAFieldChecksCharactersNumberAndRange) {
  struct Case {
    ParamField field;
    const char* text;
    const char* kept;  // nullptr: refused
  };
  const Case cases[] = {
      {ParamField::Data, "8", "8"},
      {ParamField::Data, "7", nullptr},
      {ParamField::Data, "1000", "1000"},
      {ParamField::Data, "1001", nullptr},  // room 1000
      {ParamField::Data, "99.5", "100"},    // whole samples
      {ParamField::Data, "-8", nullptr},
      {ParamField::Amp, "-", nullptr},
      {ParamField::Amp, "-5", nullptr},
      {ParamField::Amp, ".", nullptr},
      {ParamField::Amp, "", nullptr},
      {ParamField::Amp, "2048", "2048"},
      {ParamField::Amp, "2049", nullptr},
      {ParamField::Amp, "1.5", "2"},
      {ParamField::Amp, "1e3", nullptr},
      {ParamField::Ofs, "-2048", "-2048"},
      {ParamField::Ofs, "2047", "2047"},
      {ParamField::Ofs, "2048", nullptr},
      {ParamField::Ofs, "-", nullptr},
      {ParamField::Ofs, "1-2", nullptr},
      {ParamField::Cycl, "0.01", "0.01"},
      {ParamField::Cycl, "0.009", nullptr},
      {ParamField::Cycl, "100", "100"},
      {ParamField::Cycl, "100.1", nullptr},
      {ParamField::Cycl, "01.50", "01.50"},  // plain numbers keep their text
      {ParamField::Phase, "360", "360"},
      {ParamField::Phase, "-1", nullptr},
      {ParamField::Damp, "16", "16"},
      {ParamField::Damp, "16.5", nullptr},
      {ParamField::Duty, "0", "0"},
      {ParamField::Duty, "100.01", nullptr},
      {ParamField::Duty, "1.2.3", nullptr},
  };
  for (const Case& c : cases) {
    const auto kept = CheckFieldText(c.field, c.text, kSamples, 1000);
    if (c.kept) {
      EXPECT_EQ(kept, std::optional<std::string>(c.kept)) << c.text;
    } else {
      EXPECT_FALSE(kept) << c.text << " kept as " << kept.value_or("");
    }
  }
}

TEST(ParamFields, UserUnitsAreCheckedAsSamplesAndCodes) {
  // 5 V is 2048 codes, shown back as the Y value of those codes.
  EXPECT_EQ(CheckFieldText(ParamField::Amp, "5", kVolts, 0), "5.001");
  EXPECT_FALSE(CheckFieldText(ParamField::Amp, "5.01", kVolts, 0));
  EXPECT_EQ(CheckFieldText(ParamField::Ofs, "-5", kVolts, 0), "-5.001");  // -2047.5 codes
  // X 0.125 of a document of X length 1 is 2048 samples.
  EXPECT_EQ(CheckFieldText(ParamField::Data, "0.125", kMillis, 2048), "0.125");
  EXPECT_FALSE(CheckFieldText(ParamField::Data, "0.126", kMillis, 2048));
  EXPECT_EQ(FieldValue(ParamField::Data, "0.125", kMillis), 2048);
  EXPECT_EQ(FieldValue(ParamField::Ofs, "-5", kVolts), -2048);
  // Without room the length field is not range checked (it is disabled then).
  EXPECT_EQ(CheckFieldText(ParamField::Data, "3", kSamples, 3), "3");
}

TEST(ParamFields, SpinStepsAndClamps) {
  struct Case {
    ParamField field;
    const char* text;
    bool up;
    const char* shown;
  };
  const Case cases[] = {
      {ParamField::Data, "950", true, "1000"},  // room 1000
      {ParamField::Data, "50", false, "8"},
      {ParamField::Amp, "2000", true, "2048"},
      {ParamField::Amp, "50", false, "0"},
      {ParamField::Ofs, "2000", true, "2048"},  // one above the highest entry
      {ParamField::Ofs, "-2000", false, "-2048"},
      {ParamField::Cycl, "99.5", true, "100"},
      {ParamField::Cycl, "0.5", false, "1"},
      {ParamField::Cycl, "2.25", false, "1.25"},
      {ParamField::Phase, "355", true, "360"},
      {ParamField::Phase, "5", false, "0"},
      {ParamField::Damp, "15.5", true, "16"},
      {ParamField::Duty, "95", true, "100"},
      {ParamField::Duty, "0.0625", true, "10.0625"},  // shortest decimal, not "0.###"
      {ParamField::Amp, "abc", true, "400"},  // the last accepted text "300" stepped
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SpinFieldText(c.field, c.text, "300", c.up, kSamples, 1000), c.shown) << c.text;
  }
  EXPECT_EQ(SpinFieldText(ParamField::Amp, "1", "1", true, kVolts, 0), "1.245");
}

TEST(ParamFields, LabelsCarryTheRangesInUserUnits) {
  EXPECT_EQ(DataLengthLabel(kSamples, 16384), "Data Length(8_16384)");
  EXPECT_EQ(FillLengthLabel(kSamples, 6384), "Data Length(6384)");
  EXPECT_EQ(AmpLabel(kSamples), "Amplitude(0_2048)");
  EXPECT_EQ(OfsLabel(kSamples), "Offset(-2048_2047)");
  EXPECT_EQ(AmpLabel(kVolts), "Amplitude(0_5.001)");
  EXPECT_EQ(OfsLabel(kVolts), "Offset(-5.001_4.999)");
  EXPECT_EQ(DataLengthLabel(kMillis, 16384), "Data Length(0_1)");
}

}  // namespace
}  // namespace averoz
