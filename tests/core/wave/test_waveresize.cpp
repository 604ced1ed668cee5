// Resize: new length, peak-to-peak scaling about mid-scale and offset; refusals, the
// re-edit of a protected block, the dialog's fields and labels.
#include "core/wave/WaveResize.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/wave/ResizeFields.h"
#include "core/wave/WaveDocFixtures.h"
#include "support/FakePrompter.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::DrawTo;
using test::FakePrompter;
using test::Protect;

class ScriptedResize : public ResizeDialog {
 public:
  std::vector<ResizeSetup> setups;
  std::function<void(ResizeSession&)> previews;
  std::optional<ResizeRequest> answer;
  std::optional<ResizeRequest> Run(const ResizeSetup& setup, ResizeSession& session) override {
    setups.push_back(setup);
    if (previews) previews(session);
    return answer;
  }
};

class NoParamDialog : public ParamDialog {
 public:
  int runs = 0;
  bool Run(const ParamDialogSetup&, ParamDialogHandler&) override {
    ++runs;
    return false;
  }
};

// Samples 0..299 a ramp; 100..199 selected.
struct ResizeFixture : ::testing::Test {
  WaveDoc doc;
  FakePrompter prompter;
  ScriptedResize dialog;
  NoParamDialog params;
  void SetUp() override {
    DrawTo(doc, 299);
    doc.SetSelection(100, 199);
  }
  CommandOutcome Run() { return MathResize(doc, doc.Scale(), prompter, dialog, params); }
};

TEST_F(ResizeFixture, HalvingTheLengthMovesTheRestDown) {
  const WaveDoc before = doc;
  dialog.answer = ResizeRequest{50, 99, 0};  // the ramp's own peak-to-peak
  ASSERT_EQ(Run(), CommandOutcome::Done);
  ASSERT_EQ(dialog.setups.size(), 1u);
  EXPECT_EQ(dialog.setups[0].length, 100);
  EXPECT_EQ(dialog.setups[0].pp, 99);
  EXPECT_EQ(dialog.setups[0].room, 16384 - 300 + 100);
  EXPECT_EQ(doc.waveData[100], CodeAt(100));
  EXPECT_EQ(doc.waveData[149], CodeAt(199));
  EXPECT_EQ(doc.waveData[150], CodeAt(200));
  EXPECT_EQ(doc.lastDrawn(), 249);
  EXPECT_EQ(doc.selEnd, 149);
  doc.RestoreUndo();
  EXPECT_EQ(doc.waveData, before.waveData);
}

TEST_F(ResizeFixture, AmplitudeAndOffset) {
  struct Case {
    std::vector<std::int32_t> values;  // of the 10 selected samples
    ResizeRequest request;
    std::vector<std::int32_t> expected;
  };
  const std::vector<std::int32_t> wave = {1048, 3048, 1048, 3048, 1048, 3048, 1048, 3048, 1048, 3048};
  const std::vector<std::int32_t> flat(10, 1000);
  const Case cases[] = {
      // P-P 0: everything at mid-scale plus the offset
      {wave, {10, 0, 100}, std::vector<std::int32_t>(10, 2148)},
      // half the P-P about 2048, not about the block's centre
      {wave, {10, 1000, 0}, {1548, 2548, 1548, 2548, 1548, 2548, 1548, 2548, 1548, 2548}},
      // constant: factor 1, only the offset
      {flat, {10, 4095, -1000}, std::vector<std::int32_t>(10, 0)},
      {flat, {10, 0, 5}, std::vector<std::int32_t>(10, 1005)},
  };
  for (const Case& c : cases) {
    WaveDoc d;
    DrawTo(d, 19);
    std::copy(c.values.begin(), c.values.end(), d.waveData.begin() + 5);
    ResizeSamples(d, {5, 14}, c.request);
    EXPECT_EQ(std::vector<std::int32_t>(d.waveData.begin() + 5, d.waveData.begin() + 15),
              c.expected);
    EXPECT_EQ(d.waveData[15], CodeAt(15));
  }
}

TEST_F(ResizeFixture, PreviewThenCancelRestoresAndGrowingKeepsTheTail) {
  const WaveDoc before = doc;
  dialog.previews = [&](ResizeSession& s) {
    s.Preview({300, 99, 0});
    EXPECT_EQ(doc.waveData[400], CodeAt(200));  // grown by 200
    EXPECT_EQ(doc.selEnd, 399);  // the selection shows the new samples
    s.Preview({20, 99, 0});  // the previous preview is gone first
    EXPECT_EQ(doc.lastDrawn(), 219);
  };
  EXPECT_EQ(Run(), CommandOutcome::Cancelled);
  EXPECT_EQ(doc.waveData, before.waveData);
  EXPECT_EQ(doc.selEnd, 199);
  EXPECT_TRUE(doc.isSaved);
}

TEST_F(ResizeFixture, Refusals) {
  Protect(doc, 190, 209, 1);
  EXPECT_EQ(Run(), CommandOutcome::Refused);
  doc.SetSelection(10, 16);
  EXPECT_EQ(Run(), CommandOutcome::Refused);
  ASSERT_EQ(prompter.ids(), (std::vector<MessageId>{ERRMSG(2), ERRMSG(5)}));
  EXPECT_EQ(prompter.shown[1].message.suffix, "8)");
  EXPECT_TRUE(dialog.setups.empty());
  EXPECT_FALSE(doc.undoReady);
}

TEST_F(ResizeFixture, SelectionInsideOneBlockReEditsIt) {
  Protect(doc, 150, 209, 1);
  doc.blockCount = 1;
  doc.blockParams[1].kind = kSine;
  doc.blockParams[1].start = 150;
  doc.blockParams[1].len = 60;
  doc.SetSelection(160, 170);
  Run();
  EXPECT_EQ(params.runs, 1);
  EXPECT_TRUE(dialog.setups.empty());
  EXPECT_EQ(doc.selBegin, 150);
  EXPECT_EQ(doc.selEnd, 209);
}

TEST(ResizeFields, ChecksSpinsAndLabels) {
  WaveScale scale;  // one unit per sample and code
  EXPECT_EQ(CheckResizeText(ResizeField::Data, "7", scale, 500), std::nullopt);
  EXPECT_EQ(CheckResizeText(ResizeField::Data, "500", scale, 500), "500");
  EXPECT_EQ(CheckResizeText(ResizeField::Amp, "4095", scale, 500), "4095");
  EXPECT_EQ(CheckResizeText(ResizeField::Amp, "4096", scale, 500), std::nullopt);
  EXPECT_EQ(CheckResizeText(ResizeField::Amp, "-1", scale, 500), std::nullopt);
  EXPECT_EQ(CheckResizeText(ResizeField::Ofs, "-2048", scale, 500), "-2048");
  EXPECT_EQ(CheckResizeText(ResizeField::Ofs, "2048", scale, 500), std::nullopt);
  EXPECT_EQ(SpinResizeText(ResizeField::Amp, "4050", "0", true, scale, 500), "4095");
  EXPECT_EQ(SpinResizeText(ResizeField::Amp, "x", "50", false, scale, 500), "0");
  EXPECT_EQ(SpinResizeText(ResizeField::Data, "450", "8", true, scale, 500), "500");

  WaveScale volts{16384, 16384, -10, 10};  // Y in volts
  EXPECT_EQ(ResizeAmpLabel(volts), "Amplitude P-P(0_20)");
  EXPECT_EQ(ResizeOfsLabel(volts), "Offset(-10.002_9.998)");
  EXPECT_EQ(ResizeDataLabel(scale, 1250), "Data Length(8_1250)");
  EXPECT_EQ(ResizeValue(ResizeField::Amp, "10", volts), 2048);
}

}  // namespace
}  // namespace averoz
