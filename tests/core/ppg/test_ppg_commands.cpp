// The pattern commands against scripted dialogs and a scripted prompter: modes and
// refusals of the generators, previews and Cancel, the Math dialog's decisions, the
// delete of a range, Clear All, Change Length and Auto Invert.
#include <gtest/gtest.h>

#include <functional>

#include "core/ppg/AutoInvert.h"
#include "core/ppg/PpgCalcCommand.h"
#include "core/ppg/PpgEdits.h"
#include "core/ppg/PpgGenerateCommand.h"
#include "support/FakePrompter.h"
#include "PpgFixtures.h"

namespace averoz {
namespace {

using test::Bits;
using test::FakePrompter;
using test::Select;
using test::SetBits;

// Edits the fields, optionally previews, then OK (or Cancel).
class ScriptedParams : public PpgParamDialog {
 public:
  std::function<void(PpgParamFields&)> edit = [](PpgParamFields&) {};
  bool preview = false;
  bool ok = true;
  std::optional<PpgParamFields> seen;
  std::optional<PpgParamChoice> Run(PpgParamFields& f, PpgPreviewHandler& h) override {
    seen.emplace(f);
    edit(f);
    if (preview) h.Preview(f.Choice());
    if (!ok) return std::nullopt;
    return f.Choice();
  }
};

TEST(PpgGenerate, InsertShiftsTheSelectedRowsAndSelectsTheBlock) {
  PpgDoc doc;
  SetBits(doc, 0, 100, "1");
  SetBits(doc, 0, 16374, "1");
  SetBits(doc, 1, 100, "1");
  Select(doc, 100, 100, 0, 0);
  ScriptedParams dialog;
  dialog.edit = [](PpgParamFields& f) { ASSERT_FALSE(f.Enter(PpgField::Data, "10")); };
  FakePrompter prompter;
  ASSERT_EQ(RunPpgGenerator(doc, PpgKind::High, dialog, PatternClip{}, prompter), PpgOutcome::Applied);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{IMFMSG(3)});
  EXPECT_EQ(Bits(doc, 0, 100, 11), "11111111111");  // ten new High, then the old bit 100
  EXPECT_EQ(doc.bit(0, 16383), 0);                  // bit 16374 pushed out
  EXPECT_EQ(Bits(doc, 1, 100, 2), "10");            // CH2 not selected
  EXPECT_EQ(doc.selEnd.x, 109);
  EXPECT_TRUE(doc.undoReady);
  EXPECT_FALSE(doc.isSaved);
  EXPECT_EQ(dialog.seen->text(PpgField::Data), "2048");
  EXPECT_EQ(dialog.seen->DataLabel(), "Data Length(2_16284)");
  EXPECT_EQ(dialog.seen->CaptionSuffix(), "<Insert>");
}

TEST(PpgGenerate, InsertLengthIsLimitedToTheRoomAndEndsAreRefused) {
  PpgDoc doc;
  FakePrompter prompter;
  ScriptedParams dialog;
  Select(doc, 16300, 16300, 0, 0);
  dialog.edit = [](PpgParamFields& f) {
    EXPECT_TRUE(f.Enter(PpgField::Data, "85"));
    EXPECT_FALSE(f.Enter(PpgField::Data, "84"));
  };
  EXPECT_EQ(RunPpgGenerator(doc, PpgKind::Lo, dialog, PatternClip{}, prompter), PpgOutcome::Applied);
  Select(doc, 16383, 16383, 0, 0);
  EXPECT_EQ(RunPpgGenerator(doc, PpgKind::Lo, dialog, PatternClip{}, prompter), PpgOutcome::Refused);
  EXPECT_EQ(prompter.ids().back(), ERRMSG(1));
  doc.ResetSelection();
  EXPECT_EQ(RunPpgGenerator(doc, PpgKind::Lo, dialog, PatternClip{}, prompter), PpgOutcome::Refused);
  EXPECT_EQ(prompter.ids().back(), ERRMSG(6));
}

TEST(PpgGenerate, CancelAfterPreviewLeavesThePatternAndNoUndo) {
  for (bool insert : {true, false}) {
    PpgDoc doc;
    SetBits(doc, 2, 0, "1010");
    Select(doc, 1, insert ? 1 : 20, 2, 2);
    ScriptedParams dialog;
    dialog.preview = true;
    dialog.ok = false;
    FakePrompter prompter;
    EXPECT_EQ(RunPpgGenerator(doc, PpgKind::High, dialog, PatternClip{}, prompter),
              PpgOutcome::Cancelled);
    EXPECT_EQ(Bits(doc, 2, 0, 30), "101000000000000000000000000000");
    EXPECT_FALSE(doc.undoReady);
    EXPECT_EQ(doc.selEnd.x, insert ? 1 : 20);
  }
  PpgDoc doc;  // Cancel of the insert question after OK
  Select(doc, 5, 5, 0, 0);
  ScriptedParams dialog;
  FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(RunPpgGenerator(doc, PpgKind::High, dialog, PatternClip{}, prompter), PpgOutcome::Cancelled);
  EXPECT_EQ(doc.bit(0, 5), 0);
  EXPECT_FALSE(doc.undoReady);
}

TEST(PpgGenerate, PreviewShowsTheBlockAsTheSelection) {
  PpgDoc doc;
  Select(doc, 10, 10, 0, 1);
  ScriptedParams dialog;
  dialog.edit = [](PpgParamFields& f) { f.Enter(PpgField::Data, "30"); };
  struct Previewing : ScriptedParams {
    PpgDoc* doc;
    PpgPoint end;
    std::optional<PpgParamChoice> Run(PpgParamFields& f, PpgPreviewHandler& h) override {
      f.Enter(PpgField::Data, "30");
      h.Preview(f.Choice());
      end = doc->selEnd;
      return std::nullopt;
    }
  } previewing;
  previewing.doc = &doc;
  FakePrompter prompter;
  RunPpgGenerator(doc, PpgKind::High, previewing, PatternClip{}, prompter);
  EXPECT_EQ(previewing.end, (PpgPoint{39, 1}));
  EXPECT_EQ(doc.selEnd, (PpgPoint{10, 1}));  // back after Cancel
}

TEST(PpgGenerate, OverwriteFillsTheRangeWithoutQuestion) {
  PpgDoc doc;
  Select(doc, 0, 9, 0, 0);
  ScriptedParams dialog;
  dialog.edit = [](PpgParamFields& f) {
    EXPECT_FALSE(f.dataEnabled());
    EXPECT_EQ(f.DataLabel(), "Data Length");
    EXPECT_EQ(f.CyclLabel(), "Cycles(2_10)");
    EXPECT_FALSE(f.Enter(PpgField::Cycl, "4"));
    EXPECT_TRUE(f.Enter(PpgField::Cycl, "11"));
  };
  FakePrompter prompter;
  ASSERT_EQ(RunPpgGenerator(doc, PpgKind::Clock, dialog, PatternClip{}, prompter), PpgOutcome::Applied);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(Bits(doc, 0, 0, 11), "11001100110");
}

TEST(PpgGenerate, PairsAreAskedForAndOtherwiseReDerived) {
  PpgDoc doc;
  doc.autoInvert = true;
  doc.SetOrder(kPairOrder);
  Select(doc, 0, 9, 0, 1);  // CH1 and CH4
  ScriptedParams dialog;
  FakePrompter prompter;
  ASSERT_EQ(RunPpgGenerator(doc, PpgKind::High, dialog, PatternClip{}, prompter), PpgOutcome::Applied);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{IMFMSG(5)});
  EXPECT_EQ(Bits(doc, 0, 0, 10), "1111111111");
  EXPECT_EQ(Bits(doc, 3, 0, 10), "1111111111");  // suspended: both High
  prompter.answers = {Answer::Cancel};
  Select(doc, 0, 9, 0, 1);
  EXPECT_EQ(RunPpgGenerator(doc, PpgKind::Lo, dialog, PatternClip{}, prompter), PpgOutcome::Cancelled);
  EXPECT_EQ(doc.bit(0, 0), 1);
  Select(doc, 20, 20, 3, 3);  // CH5 alone, insert: CH2 derived to the end
  dialog.edit = [](PpgParamFields& f) { f.Enter(PpgField::Data, "5"); };
  ASSERT_EQ(RunPpgGenerator(doc, PpgKind::High, dialog, PatternClip{}, prompter), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 1, 18, 9), "000000011");
  EXPECT_EQ(doc.bit(1, 16383), 1);
}

TEST(PpgGenerate, PasteChecksTheSelectionAndTheRows) {
  PpgDoc doc;
  PatternClip clip;
  SetBits(doc, 0, 0, "10");
  SetBits(doc, 1, 0, "01");
  Select(doc, 0, 1, 0, 1);
  ASSERT_TRUE(PpgCopy(doc, clip));
  EXPECT_EQ(PatternClipText(clip), "1\t0\r\n0\t1\r\n");
  ScriptedParams dialog;
  FakePrompter prompter;
  Select(doc, 50, 50, 0, 0);
  EXPECT_EQ(PastePattern(doc, dialog, clip, prompter, "CHs"), PpgOutcome::Refused);
  EXPECT_EQ(prompter.shown.back().message.suffix, "(CHs2)");
  doc.ResetSelection();
  EXPECT_EQ(PastePattern(doc, dialog, clip, prompter, "CHs"), PpgOutcome::Refused);
  EXPECT_EQ(prompter.ids().back(), ERRMSG(8));
  Select(doc, 50, 50, 2, 3);  // insert 3 copies at 50 into CH3, CH4
  dialog.edit = [](PpgParamFields& f) {
    EXPECT_EQ(f.text(PpgField::Data), "2");
    EXPECT_EQ(f.text(PpgField::Rpt), "1");
    EXPECT_FALSE(f.Enter(PpgField::Rpt, "2.5"));
    EXPECT_EQ(f.text(PpgField::Data), "5");
  };
  ASSERT_EQ(PastePattern(doc, dialog, clip, prompter, "CHs"), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 2, 50, 6), "101010");
  EXPECT_EQ(Bits(doc, 3, 50, 6), "010100");
  EXPECT_EQ(doc.selEnd.x, 54);
}

TEST(PpgFields, ValueAndDutyRules) {
  PpgParamSetup s;
  s.kind = PpgKind::Value;
  s.rowCount = 2;
  s.maxLen = 100;
  s.dataLen = 100;
  PpgParamFields f(s);
  const FieldRefusal r = f.Enter(PpgField::Dec, "4");
  ASSERT_TRUE(r);
  EXPECT_EQ(r->id, ERRMSG(3));
  EXPECT_EQ(r->suffix, " (Max3) ");
  EXPECT_EQ(f.text(PpgField::Dec), "00");
  EXPECT_EQ(f.Enter(PpgField::Hex, "4")->suffix, " (Max03) ");
  EXPECT_EQ(f.Enter(PpgField::Bin, "100")->suffix, " (Max000011) ");
  EXPECT_FALSE(f.Enter(PpgField::Bin, "1x"));  // back silently
  EXPECT_EQ(f.text(PpgField::Bin), "000000");
  EXPECT_FALSE(f.Enter(PpgField::Hex, "3"));
  EXPECT_EQ(f.text(PpgField::Bin), "000011");
  EXPECT_EQ(f.text(PpgField::Dec), "03");
  EXPECT_EQ(f.text(PpgField::Hex), "03");
  EXPECT_FALSE(f.Enter(PpgField::Cycl, "3"));
  EXPECT_EQ(f.text(PpgField::Duty), "66.667");  // 50 % of 3 snaps to 2 addresses
  EXPECT_TRUE(f.Enter(PpgField::Duty, "101"));
  EXPECT_TRUE(f.Enter(PpgField::Cycl, "1"));
  EXPECT_TRUE(f.Enter(PpgField::Data, "9999999999"));
}

struct CalcScript : PpgCalcDialog {
  PpgCalcChoice choice;
  bool preview = false;
  bool ok = true;
  PpgCalcSetup seen;
  std::optional<PpgCalcChoice> Run(const PpgCalcSetup& s, PpgCalcPreview& p) override {
    seen = s;
    if (preview) p.Preview(choice);
    if (!ok) return std::nullopt;
    return choice;
  }
};

TEST(PpgCalc, ChecksAndCounts) {
  EXPECT_EQ(CheckCalcSources(LogicOp::And, 0b1), ERRMSG(9));
  EXPECT_EQ(CheckCalcSources(LogicOp::Shift, 0), ERRMSG(10));
  EXPECT_EQ(CheckCalcSources(LogicOp::Not, 0), ERRMSG(11));
  EXPECT_FALSE(CheckCalcSources(LogicOp::Xor, 0b101));
  EXPECT_EQ(CheckCalcCount(" 5 ", 10), 5);
  EXPECT_FALSE(CheckCalcCount("11", 10));
  EXPECT_FALSE(CheckCalcCount("0", 10));
  EXPECT_FALSE(CheckCalcCount("99999999999", 10));
  EXPECT_EQ(StepCalcCount(5, false, 100), 1);
  EXPECT_EQ(StepCalcCount(95, true, 100), 100);
}

TEST(PpgCalc, WithoutSelectionCoversTheWholePattern) {
  PpgDoc doc;
  CalcScript dialog;
  dialog.choice = {LogicOp::Not, 0b1, 1, false, 1};
  FakePrompter prompter;
  ASSERT_EQ(RunPpgCalc(doc, LogicOp::Not, dialog, prompter), PpgOutcome::Applied);
  EXPECT_EQ(dialog.seen.maxCount, 16384);
  EXPECT_EQ(dialog.seen.countLabel, "Count(1_16384)");
  EXPECT_EQ(doc.bit(1, 0), 1);
  EXPECT_EQ(doc.bit(1, 16383), 1);
}

TEST(PpgCalc, AutoInvertRewritesThePairOfTheTargetAndTheSelectionMovesToIt) {
  PpgDoc doc;
  doc.autoInvert = true;
  SetBits(doc, 0, 0, "1100");
  SetBits(doc, 1, 0, "1010");
  Select(doc, 0, 3, 0, 1);
  CalcScript dialog;
  dialog.choice = {LogicOp::And, 0b11, 3, false, 1};  // into CH4: CH1 becomes its inverse
  FakePrompter prompter;
  ASSERT_EQ(RunPpgCalc(doc, LogicOp::And, dialog, prompter), PpgOutcome::Applied);
  EXPECT_TRUE(prompter.shown.empty());
  EXPECT_EQ(Bits(doc, 3, 0, 4), "1000");
  EXPECT_EQ(Bits(doc, 0, 0, 4), "0111");
  EXPECT_EQ(doc.selBegin, (PpgPoint{0, 3}));
  EXPECT_EQ(doc.selEnd, (PpgPoint{3, 3}));
  EXPECT_EQ(dialog.seen.sourceMask, 0b11u);
}

TEST(PpgCalc, RotateOfAPairAsksAndCancelKeepsEverything) {
  PpgDoc doc;
  doc.autoInvert = true;
  SetBits(doc, 0, 0, "10");
  Select(doc, 0, 1, 0, 0);
  CalcScript dialog;
  dialog.choice = {LogicOp::Rotate, 0b1001, 0, false, 1};
  FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(RunPpgCalc(doc, LogicOp::Rotate, dialog, prompter), PpgOutcome::Cancelled);
  EXPECT_EQ(Bits(doc, 0, 0, 2), "10");
  dialog.choice.srcMask = 0b1;  // one source: CH4 derived, selection on CH1's row
  ASSERT_EQ(RunPpgCalc(doc, LogicOp::Rotate, dialog, prompter), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 0, 0, 2), "01");
  EXPECT_EQ(Bits(doc, 3, 0, 2), "10");
  dialog.choice.srcMask = 0b11;  // several sources: no selection afterwards
  Select(doc, 0, 1, 0, 0);
  ASSERT_EQ(RunPpgCalc(doc, LogicOp::Shift, dialog, prompter), PpgOutcome::Applied);
  EXPECT_FALSE(doc.rangeSelected);
}

TEST(PpgCalc, CancelAfterPreviewRestores) {
  PpgDoc doc;
  SetBits(doc, 0, 0, "1");
  CalcScript dialog;
  dialog.choice = {LogicOp::Not, 0b1, 0, false, 1};
  dialog.preview = true;
  dialog.ok = false;
  FakePrompter prompter;
  EXPECT_EQ(RunPpgCalc(doc, LogicOp::Not, dialog, prompter), PpgOutcome::Cancelled);
  EXPECT_EQ(doc.bit(0, 0), 1);
  EXPECT_EQ(doc.bit(0, 1), 0);
  EXPECT_FALSE(doc.undoReady);
}

TEST(PpgEdits, DeleteMovesTheTailDownInTheSelectedChannelsOnly) {
  PpgDoc doc;
  doc.bit(0, 200) = 1;
  doc.bit(0, 16383) = 1;
  doc.bit(1, 200) = 1;
  Select(doc, 100, 199, 0, 0);
  FakePrompter prompter;
  ASSERT_EQ(DeleteSelectedRange(doc, prompter), PpgOutcome::Applied);
  EXPECT_EQ(doc.bit(0, 100), 1);
  EXPECT_EQ(doc.bit(0, 16283), 1);
  EXPECT_EQ(Bits(doc, 0, 16284, 100), std::string(100, '0'));
  EXPECT_EQ(doc.bit(1, 200), 1);
  EXPECT_FALSE(doc.rangeSelected);
}

TEST(PpgEdits, DeleteOfAPairAsksAndDoesNotReDerive) {
  PpgDoc doc;
  doc.autoInvert = true;
  doc.SetOrder(kPairOrder);
  doc.bit(1, 5) = 1;
  Select(doc, 0, 3, 2, 3);  // CH2 and CH5
  FakePrompter prompter;
  ASSERT_EQ(DeleteSelectedRange(doc, prompter), PpgOutcome::Applied);
  EXPECT_EQ(prompter.ids(), std::vector<MessageId>{IMFMSG(5)});
  EXPECT_EQ(doc.bit(1, 1), 1);
  EXPECT_EQ(doc.bit(4, 1), 0);
  Select(doc, 0, 0, 2, 2);  // CH2 alone: CH5 follows to the end
  ASSERT_EQ(DeleteSelectedRange(doc, prompter), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 4, 0, 3), "011");
  EXPECT_EQ(doc.bit(4, 16383), 1);
}

TEST(PpgEdits, ClearAllChangeLengthAndInvert) {
  PpgDoc doc;
  SetBits(doc, 5, 0, "11");
  FakePrompter prompter;
  prompter.answers = {Answer::Cancel};
  EXPECT_EQ(PpgClearAll(doc, prompter), PpgOutcome::Cancelled);
  EXPECT_EQ(doc.bit(5, 0), 1);
  ASSERT_EQ(PpgClearAll(doc, prompter), PpgOutcome::Applied);
  EXPECT_EQ(prompter.ids().back(), IMFMSG(15));
  EXPECT_EQ(doc.bit(5, 0), 0);
  EXPECT_TRUE(doc.undoReady);
  doc.MarkSaved();
  ASSERT_EQ(PpgChangeLength(doc, prompter), PpgOutcome::Applied);
  EXPECT_FALSE(doc.undoReady);
  EXPECT_FALSE(doc.isSaved);
  Select(doc, 0, 3, 5, 5);
  ASSERT_EQ(PpgInvert(doc, prompter), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 5, 0, 5), "11110");
}

struct ScriptedInvert : InvertWindow {
  bool ok = true;
  int runs = 0;
  bool Run(InvertDirections&) override {
    ++runs;
    return ok;
  }
};

TEST(AutoInvertSwitch, DerivesEachPairInItsDirection) {
  PpgDoc doc;
  SetBits(doc, 0, 0, "1010");
  SetBits(doc, 4, 0, "0011");
  InvertDirections d{false, true, false};
  ScriptedInvert window;
  ASSERT_EQ(SwitchAutoInvert(doc, true, window, d), PpgOutcome::Applied);
  EXPECT_EQ(Bits(doc, 3, 0, 4), "0101");  // CH4 from CH1
  EXPECT_EQ(Bits(doc, 1, 0, 4), "1100");  // CH2 from CH5
  EXPECT_EQ(doc.bit(5, 0), 1);            // CH6 from CH3 (all 0)
  const std::vector<std::uint8_t> bits = doc.bitData;
  ASSERT_EQ(SwitchAutoInvert(doc, false, window, d), PpgOutcome::Applied);
  window.ok = false;
  EXPECT_EQ(SwitchAutoInvert(doc, true, window, d), PpgOutcome::Cancelled);
  EXPECT_TRUE(doc.autoInvert);
  EXPECT_EQ(doc.bitData, bits);
}

}  // namespace
}  // namespace averoz
