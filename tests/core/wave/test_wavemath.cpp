// Invert, Mirror, Absolute, Clip, Fit to X, Fit to Y and Add/Sub/Multiply over documents in
// known states: values, what is refused, and that each command is one undo step.
#include "core/wave/WaveMath.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/app/general.h"
#include "core/wave/Resample.h"
#include "core/wave/WaveCombine.h"
#include "core/wave/WaveDocFixtures.h"
#include "core/wave/WaveTestClipboard.h"
#include "support/FakePrompter.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::DrawTo;
using test::FakePrompter;
using test::Protect;
using test::TextClipboard;

// Samples 0..values.size()-1 hold values, unprotected.
void DrawValues(WaveDoc& doc, const std::vector<std::int32_t>& values) {
  for (std::size_t i = 0; i < values.size(); ++i) {
    doc.waveData[i] = values[i];
    doc.blockNo[i] = kBlockFree;
  }
}

std::vector<std::int32_t> Samples(const WaveDoc& doc, int from, int to) {
  return {doc.waveData.begin() + from, doc.waveData.begin() + to + 1};
}

// Undo after the command brings back exactly what was there before it.
void ExpectOneUndoStep(WaveDoc& doc, const WaveDoc& before) {
  ASSERT_TRUE(doc.undoReady);
  doc.RestoreUndo();
  EXPECT_EQ(doc.waveData, before.waveData);
  EXPECT_EQ(doc.blockNo, before.blockNo);
}

TEST(PointOp, ValuesOfTheSelectionOnly) {
  const std::vector<std::int32_t> in = {0, 2047, 2048, 4095, 1000, 3500, 500};
  struct Case {
    PointOp op;
    std::vector<std::int32_t> out;
  };
  const Case cases[] = {
      {PointOp::Invert, {0, 2048, 2047, 0, 3095, 595, 500}},
      {PointOp::Absolute, {0, 2048, 2048, 4095, 3095, 3500, 500}},
      {PointOp::Clip, {0, 2047, 2048, 3000, 1000, 3000, 500}},
      // odd count: the middle sample (index 3) stays
      {PointOp::Mirror, {0, 3500, 1000, 4095, 2048, 2047, 500}},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    DrawValues(doc, in);
    doc.csrY1 = 1000;
    doc.csrY2 = 3000;
    doc.SetSelection(1, 5);
    const WaveDoc before = doc;
    FakePrompter prompter;
    EXPECT_EQ(MathPointOp(doc, c.op, prompter), CommandOutcome::Done);
    EXPECT_EQ(Samples(doc, 0, 6), c.out) << int(c.op);
    EXPECT_FALSE(doc.isSaved);
    ExpectOneUndoStep(doc, before);
  }
  EXPECT_EQ(InvertCode(0), 4095);
  EXPECT_EQ(AbsoluteCode(0), 4095);
}

TEST(PointOp, ProtectedSampleRefusesAndNoSelectionDoesNothing) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 50, 59, 1);
  doc.SetSelection(40, 50);
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(MathPointOp(doc, PointOp::Invert, prompter), CommandOutcome::Refused);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{ERRMSG(2)});
  EXPECT_EQ(doc.waveData, before.waveData);
  EXPECT_FALSE(doc.undoReady);

  doc.ResetSelection();
  EXPECT_EQ(MathPointOp(doc, PointOp::Invert, prompter), CommandOutcome::NotRun);
}

// A selection reaching into the undrawn tail changes only drawn samples.
TEST(PointOp, UndrawnTailStaysUndrawn) {
  WaveDoc doc;
  DrawTo(doc, 9);
  doc.SetSelection(5, 20);
  FakePrompter prompter;
  MathPointOp(doc, PointOp::Invert, prompter);
  EXPECT_EQ(doc.waveData[9], 4095 - CodeAt(9));
  EXPECT_EQ(doc.waveData[10], kUndrawn);
  EXPECT_EQ(doc.lastDrawn(), 9);
}

TEST(Resample, EndsMatchAndHalvesRoundAway) {
  const std::vector<std::int32_t> src = {0, 3, 10};
  std::vector<std::int32_t> out(5);
  Resample(src, out);
  // positions 0, .5, 1, 1.5, 2: 1.5 rounds to 2, 6.5 to 7
  EXPECT_EQ(out, (std::vector<std::int32_t>{0, 2, 3, 7, 10}));
  std::vector<std::int32_t> shrunk(2);
  Resample(src, shrunk);
  EXPECT_EQ(shrunk, (std::vector<std::int32_t>{0, 10}));
}

TEST(FitX, WholeDrawnDataStretchedOverTheDocument) {
  WaveDoc doc;
  DrawTo(doc, 999);
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(MathFitX(doc, prompter), CommandOutcome::Done);
  EXPECT_EQ(doc.lastDrawn(), doc.dataLen - 1);
  EXPECT_EQ(doc.waveData[0], CodeAt(0));
  EXPECT_EQ(doc.waveData[16383], CodeAt(999));
  // a ramp stays a ramp: sample k reads old position k * 999 / 16383
  EXPECT_EQ(doc.waveData[8192], 500);  // 8192 * 999 / 16383 = 499.53
  EXPECT_TRUE(prompter.shown.empty());
  ExpectOneUndoStep(doc, before);
}

TEST(FitX, SingleSelectedSampleFillsTheTail) {
  WaveDoc doc;
  DrawTo(doc, 199);
  doc.SetSelection(100, 100);
  FakePrompter prompter;
  EXPECT_EQ(MathFitX(doc, prompter), CommandOutcome::Done);
  for (int i : {100, 5000, 16284}) EXPECT_EQ(doc.waveData[i], CodeAt(100)) << i;
  EXPECT_EQ(doc.waveData[16285], CodeAt(101));
  EXPECT_EQ(doc.waveData[16383], CodeAt(199));
  EXPECT_EQ(doc.selBegin, 100);
  EXPECT_EQ(doc.selEnd, 16284);
}

TEST(FitX, ProtectionIsRemovedOnlyAfterConfirmation) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 10, 19, 1);
  const WaveDoc before = doc;
  FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(MathFitX(doc, prompter), CommandOutcome::Cancelled);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{IMFMSG(16)});
  EXPECT_EQ(doc.blockNo, before.blockNo);
  EXPECT_EQ(doc.waveData, before.waveData);

  EXPECT_EQ(MathFitX(doc, prompter), CommandOutcome::Done);  // OK
  EXPECT_FALSE(doc.AnyProtected(0, doc.dataLen - 1));
  ExpectOneUndoStep(doc, before);
}

TEST(FitX, FullDocumentIsOnlyUnprotectedAndEmptyStaysEmpty) {
  WaveDoc full;
  DrawTo(full, full.dataLen - 1);
  Protect(full, 0, 9, 1);
  const WaveDoc before = full;
  FakePrompter prompter;
  EXPECT_EQ(MathFitX(full, prompter), CommandOutcome::Done);
  EXPECT_EQ(full.waveData, before.waveData);
  EXPECT_EQ(full.blockNo[0], kBlockFree);

  WaveDoc empty;
  EXPECT_EQ(MathFitX(empty, prompter), CommandOutcome::Done);
  EXPECT_EQ(empty.lastDrawn(), -1);
}

TEST(FitY, RampIsStretchedToTheFullRange) {
  WaveDoc doc;
  std::vector<std::int32_t> ramp;
  for (int v = 1000; v <= 2000; ++v) ramp.push_back(v);
  DrawValues(doc, ramp);
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(MathFitY(doc, prompter), CommandOutcome::Done);
  EXPECT_EQ(doc.waveData[0], 0);
  EXPECT_EQ(doc.waveData[1000], 4095);
  EXPECT_EQ(doc.waveData[200], 819);  // 1200 * 4.095 - 4095
  ExpectOneUndoStep(doc, before);
}

// Refusals come before the protection question, so nothing is unprotected for nothing.
TEST(FitY, RefusalsLeaveProtectionAlone) {
  WaveDoc doc;
  DrawValues(doc, std::vector<std::int32_t>(20, 1234));
  Protect(doc, 0, 9, 1);
  const WaveDoc before = doc;
  FakePrompter prompter;
  EXPECT_EQ(MathFitY(doc, prompter), CommandOutcome::Refused);
  doc.SetSelection(3, 3);
  EXPECT_EQ(MathFitY(doc, prompter), CommandOutcome::Refused);
  EXPECT_EQ(prompter.ids(), (std::vector<MessageId>{ERRMSG(32), ERRMSG(31)}));
  EXPECT_EQ(doc.blockNo, before.blockNo);
  EXPECT_FALSE(doc.undoReady);
}

// ---- Add, Sub, Multiply --------------------------------------------------------------------

// Presses the dialog's buttons in order; OK unless cancel is set.
class ScriptedCalc : public CalcDialog {
 public:
  std::function<void(CalcSession&)> script;
  bool ok = true;
  bool Run(CalcSession& session) override {
    if (script) script(session);
    return ok;
  }
};

TEST(Combine, CodeRules) {
  for (int w : {0, 100, 2048, 3000, 4095}) {
    EXPECT_EQ(CombineCode(CombineKind::Add, w, 2048), w);
    EXPECT_EQ(CombineCode(CombineKind::Sub, w, 2048), w);
    EXPECT_EQ(CombineCode(CombineKind::Multiply, w, 4095),
              RoundHalfAway(2048 + (w - 2048) * 2047 / 2048.0));
  }
  EXPECT_EQ(CombineCode(CombineKind::Add, 4000, 4000), 4095);
  EXPECT_EQ(CombineCode(CombineKind::Sub, 100, 4000), 0);
  EXPECT_EQ(CombineCode(CombineKind::Multiply, 0, 0), 4095);  // 2048 + 2048, clipped
}

// Exact halves: the rounding acts on 2048 plus the product, so below mid-scale -k-0.5
// goes up to the next code just as +k+0.5 does above it.
TEST(Combine, MultiplyRoundsHalvesOfTheSumUp) {
  struct Case { int w, o, expected; };
  for (const Case c : {Case{2049, 3072, 2049},   //  2048 + 0.5
                       Case{2047, 3072, 2048},   //  2048 - 0.5
                       Case{3072, 2047, 2048},   //  operands swapped
                       Case{2045, 3072, 2047},   //  2048 - 1.5
                       Case{2051, 3072, 2050},   //  2048 + 1.5
                       Case{1024, 4095, 1025},   //  2048 - 1023.5
                       Case{1, 2049, 2047},      //  2048 - 2047 / 2048, no half
                       Case{0, 4095, 1}}) {      //  2048 - 2047 exactly
    EXPECT_EQ(CombineCode(CombineKind::Multiply, c.w, c.o), c.expected) << c.w << " x " << c.o;
  }
}

TEST(Combine, ShortClipboardOperandChangesOnlyItsLength) {
  WaveDoc doc;
  DrawTo(doc, 99);
  doc.SetSelection(10, 39);
  WaveClipState clip;
  clip.waveClipLen = 5;
  std::fill_n(clip.waveClip.begin(), 5, 2148);
  const WaveDoc before = doc;
  ScriptedCalc dialog;
  dialog.script = [](CalcSession& s) { s.ChooseClipboard(); s.Preview(); };
  TextClipboard system;
  FakePrompter prompter;
  EXPECT_EQ(MathCombine(doc, CombineKind::Add, clip, system, prompter, dialog),
            CommandOutcome::Done);
  for (int i = 0; i < 100; ++i)
    EXPECT_EQ(doc.waveData[i], CodeAt(i) + (i >= 10 && i < 15 ? 100 : 0)) << i;
  ExpectOneUndoStep(doc, before);
}

TEST(Combine, FittedOperandPreviewThenCancelRestores) {
  WaveDoc doc;
  DrawTo(doc, 299);
  doc.SetSelection(200, 249);
  WaveClipState clip;
  TextClipboard system;
  system.text = "2048\r\n2148\r\n";  // read because the waveform clipboard is empty
  const WaveDoc before = doc;
  ScriptedCalc dialog;
  std::vector<std::int32_t> previewed;
  dialog.script = [&](CalcSession& s) {
    s.ChooseFitted();
    EXPECT_EQ(s.Operand().size(), 50u);
    EXPECT_EQ(s.Operand().back(), 2148);
    s.Preview();
    previewed = Samples(doc, 200, 249);
  };
  dialog.ok = false;
  FakePrompter prompter;
  EXPECT_EQ(MathCombine(doc, CombineKind::Sub, clip, system, prompter, dialog),
            CommandOutcome::Cancelled);
  EXPECT_EQ(clip.waveClipLen, 2);
  EXPECT_EQ(previewed[0], CodeAt(200));
  EXPECT_EQ(previewed[49], CodeAt(249) - 100);
  EXPECT_EQ(doc.waveData, before.waveData);
}

TEST(Combine, OkWithoutOperandChangesNothingAndProtectionRefuses) {
  WaveDoc doc;
  DrawTo(doc, 99);
  doc.SetSelection(0, 49);
  WaveClipState clip;
  TextClipboard system;
  ScriptedCalc dialog;
  FakePrompter prompter;
  const WaveDoc before = doc;
  EXPECT_EQ(MathCombine(doc, CombineKind::Multiply, clip, system, prompter, dialog),
            CommandOutcome::Cancelled);
  EXPECT_EQ(doc.waveData, before.waveData);
  EXPECT_TRUE(doc.isSaved);

  Protect(doc, 49, 49, 1);
  EXPECT_EQ(MathCombine(doc, CombineKind::Multiply, clip, system, prompter, dialog),
            CommandOutcome::Refused);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{ERRMSG(2)});
}

}  // namespace
}  // namespace averoz
