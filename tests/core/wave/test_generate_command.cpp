// The generator flows against a scripted "Set Parameters" dialog: where blocks go, what is
// refused, previews, OK as one undo step, Cancel, block numbers, re-edit, tail fill and
// the operand.
#include "core/wave/GenerateCommand.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

#include "core/wave/OperandRequest.h"
#include "core/wave/StandardGenerator.h"
#include "core/wave/TailFill.h"
#include "core/wave/WaveDocFixtures.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::DrawTo;
using test::Protect;

class FakePrompter : public Prompter {
 public:
  std::vector<MessageId> shown;
  Answer ask(const Message& m, Buttons, Icon) override {
    shown.push_back(m.id);
    return Answer::Ok;
  }
  void showText(const std::string&, Icon) override {}
  void status(const std::string&) override {}
  void processEvents() override {}
};

// One press in the dialog. edit changes the fields from what the dialog was set up with.
struct Press {
  enum Button { Preview, Ok, Cancel } button;
  std::function<void(ParamChoice&)> edit;
};

class FakeDialog : public ParamDialog {
 public:
  std::vector<Press> presses;
  std::vector<ParamDialogSetup> setups;
  std::function<void()> afterPreview;  // looks at the document while a preview is in it
  int refusedOks = 0;

  bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) override {
    setups.push_back(setup);
    for (const Press& press : presses) {
      ParamChoice choice{setup.shown, true};  // Protect is checked every time
      if (press.edit) press.edit(choice);
      switch (press.button) {
        case Press::Preview:
          handler.Preview(choice);
          if (afterPreview) afterPreview();
          break;
        case Press::Ok:
          if (handler.Accept(choice)) return true;
          ++refusedOks;
          break;
        case Press::Cancel: return false;
      }
    }
    return false;
  }
};

auto Len(int len) {
  return [len](ParamChoice& c) { c.p.len = len; };
}
auto Dc(int len, int level) {
  return [=](ParamChoice& c) {
    c.p.len = len;
    c.p.ofs = level;
  };
}
auto Unprotected(int len) {
  return [len](ParamChoice& c) {
    c.p.len = len;
    c.protect = false;
  };
}

// Everything a command must leave alone when it is refused or cancelled.
struct DocState {
  std::vector<std::int32_t> wave;
  std::vector<std::int16_t> blocks;
  std::int32_t blockCount;
  bool rangeSelected, isSaved;
  int selBegin, selEnd;
  explicit DocState(const WaveDoc& d)
      : wave(d.waveData), blocks(d.blockNo), blockCount(d.blockCount),
        rangeSelected(d.rangeSelected), isSaved(d.isSaved), selBegin(d.selBegin),
        selEnd(d.selEnd) {}
  bool operator==(const DocState&) const = default;
};

struct Fixture {
  WaveDoc doc;
  FakeDialog dialog;
  FakePrompter prompter;
  GenerateOutcome Generate(WaveKind kind) { return GenerateBlock(doc, kind, dialog, prompter); }
};

TEST(GenerateCommand, DefaultSineOnANewDocumentBecomesProtectedBlockOne) {
  Fixture f;
  f.dialog.presses = {{Press::Ok, {}}};
  ASSERT_EQ(f.Generate(kSine), GenerateOutcome::Applied);

  const ParamDialogSetup& s = f.dialog.setups.at(0);
  EXPECT_EQ(s.mode, ParamMode::Document);
  EXPECT_EQ(s.suffix, CaptionSuffix::Insert);
  EXPECT_EQ(s.room, 16384);
  EXPECT_EQ(s.shown.len, 2048);
  EXPECT_EQ(s.shown.amp, 2048);
  EXPECT_EQ(s.shown.ofs, 2048);

  const WaveDoc& d = f.doc;
  EXPECT_EQ(d.waveData[0], 2048);
  EXPECT_EQ(d.waveData[512], 4095);
  EXPECT_EQ(d.waveData[1024], 2048);
  EXPECT_EQ(d.waveData[1536], 0);
  EXPECT_EQ(d.lastDrawn(), 2047);
  EXPECT_EQ(d.blockNo[0], 1);
  EXPECT_EQ(d.blockNo[2047], 1);
  EXPECT_EQ(d.blockCount, 1);
  EXPECT_EQ(d.blockParams[1].kind, kSine);
  EXPECT_EQ(d.blockParams[1].len, 2048);
  EXPECT_FALSE(d.isSaved);
}

TEST(GenerateCommand, OkAfterPreviewsIsOneUndoStepBackToTheDocumentBefore) {
  Fixture f;
  DrawTo(f.doc, 99);
  f.doc.SaveUndo();  // an earlier edit
  const DocState before(f.doc);
  f.dialog.presses = {{Press::Preview, Len(300)}, {Press::Preview, Len(50)}, {Press::Ok, Len(20)}};
  ASSERT_EQ(f.Generate(kDC), GenerateOutcome::Applied);
  EXPECT_EQ(f.doc.lastDrawn(), 119);  // neither preview left anything behind
  ASSERT_TRUE(f.doc.undoReady);

  f.doc.RestoreUndo();
  EXPECT_EQ(f.doc.waveData, before.wave);
  EXPECT_EQ(f.doc.blockNo, before.blocks);
  EXPECT_EQ(f.doc.blockCount, 1);  // undo never lowers the count
}

TEST(GenerateCommand, CancelAfterPreviewsLeavesTheDocumentAsItWasAndUndoOff) {
  for (const bool selection : {false, true}) {
    Fixture f;
    DrawTo(f.doc, 999);
    Protect(f.doc, 200, 299, 1);
    f.doc.blockCount = 1;
    if (selection) f.doc.SetSelection(500, 599);
    f.doc.SaveUndo();  // the previous edit's snapshot is spent by the command
    const DocState before(f.doc);
    const TWaveParam storedBefore = f.doc.blockParams[1];

    int previews = 0;
    f.dialog.afterPreview = [&] {
      ++previews;
      // The preview is in the document, numbered like the current last block.
      const int start = selection ? 500 : 1000;
      EXPECT_EQ(f.doc.waveData[start], 2048 + 7) << selection;
      EXPECT_EQ(f.doc.blockNo[start], 1);
    };
    f.dialog.presses = {{Press::Preview, Dc(64, 2048 + 7)},
                        {Press::Preview, Dc(3000, 2048 + 7)},
                        {Press::Cancel, {}}};
    EXPECT_EQ(f.Generate(kDC), GenerateOutcome::Cancelled);
    EXPECT_EQ(previews, 2);
    EXPECT_EQ(DocState(f.doc), before) << selection;
    EXPECT_EQ(f.doc.blockParams[1].ofs, storedBefore.ofs);
    EXPECT_FALSE(f.doc.undoReady);
  }
}

TEST(GenerateCommand, TargetFollowsTheSelection) {
  struct Case {
    const char* name;
    bool selected;
    int begin, end;
    CaptionSuffix suffix;
    int room, defaultLen, newLast;
    int follows;  // the old sample right after the new block, -1 none
  };
  // Drawn 0..999; every case writes 10 samples of level 7.
  const Case cases[] = {
      {"append", false, 0, 0, CaptionSuffix::Insert, 15384, 2048, 1009, -1},
      {"point", true, 400, 400, CaptionSuffix::Insert, 15384, 2048, 1009, 400},
      {"range", true, 400, 449, CaptionSuffix::Replace, 15434, 50, 959, 450},
      {"short range", true, 400, 402, CaptionSuffix::Replace, 15387, 8, 1006, 403},
  };
  for (const Case& c : cases) {
    Fixture f;
    DrawTo(f.doc, 999);
    if (c.selected) f.doc.SetSelection(c.begin, c.end);
    f.dialog.presses = {{Press::Ok, Dc(10, 7)}};
    ASSERT_EQ(f.Generate(kDC), GenerateOutcome::Applied) << c.name;
    const ParamDialogSetup& s = f.dialog.setups.at(0);
    EXPECT_EQ(s.suffix, c.suffix) << c.name;
    EXPECT_EQ(s.room, c.room) << c.name;
    EXPECT_EQ(s.shown.len, c.defaultLen) << c.name;

    const int start = c.selected ? c.begin : 1000;
    EXPECT_EQ(f.doc.waveData[start], 7) << c.name;
    EXPECT_EQ(f.doc.waveData[start + 9], 7) << c.name;
    EXPECT_EQ(f.doc.waveData[start + 10], c.follows < 0 ? kUndrawn : CodeAt(c.follows)) << c.name;
    EXPECT_EQ(f.doc.lastDrawn(), c.newLast) << c.name;
    if (c.selected) {  // the new block is selected
      EXPECT_EQ(f.doc.selBegin, c.begin) << c.name;
      EXPECT_EQ(f.doc.selEnd, c.begin + 9) << c.name;
    }
  }
}

TEST(GenerateCommand, RefusalsChangeNothingAndOpenNoDialog) {
  struct Case {
    const char* name;
    int last;
    bool selected;
    int begin, end;
    int blockCount;
    MessageId message;
  };
  // Samples 100..199 are protected block 1.
  const Case cases[] = {
      {"all numbers given out", 999, false, 0, 0, 10000, ERRMSG(4)},
      {"point inside a block", 999, true, 150, 150, 1, ERRMSG(2)},
      {"point after a block's last sample", 999, true, 199, 199, 1, ERRMSG(2)},
      {"range holding a protected sample", 999, true, 50, 100, 1, ERRMSG(2)},
      {"room 7", 16376, false, 0, 0, 1, ERRMSG(1)},
      {"room 7 at a point", 16376, true, 50, 50, 1, ERRMSG(1)},
  };
  for (const Case& c : cases) {
    Fixture f;
    DrawTo(f.doc, c.last);
    Protect(f.doc, 100, 199, 1);
    f.doc.blockCount = c.blockCount;
    if (c.selected) f.doc.SetSelection(c.begin, c.end);
    const DocState before(f.doc);
    for (WaveKind kind : {kSine, kDC, kNoise}) {
      EXPECT_EQ(f.Generate(kind), GenerateOutcome::Refused) << c.name;
      EXPECT_EQ(f.prompter.shown.back(), c.message) << c.name;
    }
    EXPECT_TRUE(f.dialog.setups.empty()) << c.name;
    EXPECT_EQ(DocState(f.doc), before) << c.name;
    EXPECT_FALSE(f.doc.undoReady) << c.name;
  }
}

TEST(GenerateCommand, RoomOfEightIsEnough) {
  Fixture f;
  DrawTo(f.doc, 16375);
  f.dialog.presses = {{Press::Ok, {}}};
  ASSERT_EQ(f.Generate(kSine), GenerateOutcome::Applied);
  EXPECT_EQ(f.dialog.setups.at(0).shown.len, 8);
  EXPECT_EQ(f.doc.lastDrawn(), 16383);
}

TEST(GenerateCommand, DcOnAProtectedBlocksFirstSampleGoesInFrontOfIt) {
  Fixture f;
  DrawTo(f.doc, 999);
  Protect(f.doc, 100, 199, 1);
  Protect(f.doc, 200, 299, 2);  // right behind block 1: its first sample is allowed too
  f.doc.blockCount = 2;
  for (const int point : {200, 100}) {
    f.doc.SetSelection(point, point);
    f.dialog.presses = {{Press::Ok, Dc(10, 5)}};
    ASSERT_EQ(f.Generate(kDC), GenerateOutcome::Applied) << point;
    EXPECT_EQ(f.doc.waveData[point], 5);
    EXPECT_EQ(f.doc.blockNo[point + 9], f.doc.blockCount);
  }
  // Both blocks moved whole: block 1 by 10, block 2 by 20.
  EXPECT_EQ(f.doc.waveData[110], CodeAt(100));
  EXPECT_EQ(f.doc.blockNo[110], 1);
  EXPECT_EQ(f.doc.blockNo[209], 1);
  EXPECT_EQ(f.doc.waveData[220], CodeAt(200));
  EXPECT_EQ(f.doc.blockNo[319], 2);
}

TEST(GenerateCommand, BlockNumbersAreNeverReusedAndOnlyProtectedBlocksTakeOne) {
  Fixture f;
  f.dialog.presses = {{Press::Ok, Len(100)}};
  f.Generate(kSine);  // 1
  f.Generate(kSine);  // 2
  f.doc.RestoreUndo();  // block 2 is gone again
  f.Generate(kSquare);
  EXPECT_EQ(f.doc.blockNo[100], 3);
  EXPECT_EQ(f.doc.blockParams[3].kind, kSquare);

  f.dialog.presses = {{Press::Ok, Unprotected(100)}};
  f.Generate(kTriangle);
  EXPECT_EQ(f.doc.blockNo[200], kBlockFree);
  EXPECT_EQ(f.doc.blockCount, 3);
  EXPECT_EQ(f.doc.blockParams[4].kind, kNone);
}

TEST(GenerateCommand, LengthBeyondTheRoomIsCutToTheRoom) {
  // The dialog checks the length; should it ever pass a longer one, nothing drawn may be
  // pushed past the end.
  Fixture f;
  DrawTo(f.doc, 16000);
  f.doc.SetSelection(10, 10);
  f.dialog.presses = {{Press::Ok, Dc(5000, 9)}};
  ASSERT_EQ(f.Generate(kDC), GenerateOutcome::Applied);
  EXPECT_EQ(f.doc.waveData[10 + 382], 9);
  EXPECT_EQ(f.doc.waveData[10 + 383], CodeAt(10));
  EXPECT_EQ(f.doc.waveData[16383], CodeAt(16000));
}

// Drawn 0..999 with a protected Ramp block 2 at 300..399.
Fixture WithBlockTwo() {
  Fixture f;
  DrawTo(f.doc, 999);
  f.doc.blockCount = 2;
  TWaveParam p;
  p.kind = kRamp;
  p.start = 300;
  p.len = 100;
  p.amp = 500;
  p.ofs = 1000;
  p.cycles = 2.5;
  p.blockNo = 2;
  f.doc.WriteBlock(p, StandardGenerator());
  return f;
}

TEST(GenerateCommand, ReEditReplacesTheBlockWithANewNumber) {
  Fixture f = WithBlockTwo();
  f.dialog.presses = {{Press::Ok, Len(40)}};
  ASSERT_EQ(ReEditBlock(f.doc, 2, f.dialog, f.prompter), GenerateOutcome::Applied);

  const ParamDialogSetup& s = f.dialog.setups.at(0);
  EXPECT_EQ(s.suffix, CaptionSuffix::Replace);
  EXPECT_EQ(s.room, 15384 + 100);
  EXPECT_EQ(s.shown.kind, kRamp);
  EXPECT_EQ(s.shown.len, 100);
  EXPECT_EQ(s.shown.amp, 500);
  EXPECT_EQ(s.shown.cycles, 2.5);

  EXPECT_EQ(f.doc.blockNo[300], 3);
  EXPECT_EQ(f.doc.blockNo[339], 3);
  EXPECT_EQ(f.doc.waveData[340], CodeAt(400));  // the rest moved down
  EXPECT_EQ(f.doc.lastDrawn(), 939);
  EXPECT_EQ(f.doc.blockParams[3].kind, kRamp);
  EXPECT_EQ(f.doc.blockParams[3].start, 300);
  EXPECT_EQ(f.doc.selBegin, 300);
  EXPECT_EQ(f.doc.selEnd, 339);
}

TEST(GenerateCommand, ReEditCancelAndStrayNumbers) {
  Fixture f = WithBlockTwo();
  const DocState before(f.doc);
  for (int stray : {0, 1, 3, -1}) {  // 1 was given out but no sample carries it
    EXPECT_EQ(ReEditBlock(f.doc, stray, f.dialog, f.prompter), GenerateOutcome::Refused);
  }
  EXPECT_TRUE(f.dialog.setups.empty());
  EXPECT_EQ(DocState(f.doc), before);

  f.dialog.presses = {{Press::Preview, Len(3000)}, {Press::Cancel, {}}};
  EXPECT_EQ(ReEditBlock(f.doc, 2, f.dialog, f.prompter), GenerateOutcome::Cancelled);
  EXPECT_EQ(f.doc.waveData, before.wave);
  EXPECT_EQ(f.doc.blockNo, before.blocks);
  EXPECT_EQ(f.doc.blockCount, 2);
  EXPECT_EQ(f.doc.selBegin, 300);  // the block's run stays selected
  EXPECT_EQ(f.doc.selEnd, 399);
}

TEST(GenerateCommand, ReEditWithProtectNeverGivesOutANumberAboveTheLimit) {
  Fixture f = WithBlockTwo();
  f.doc.blockCount = 10000;
  // Protect refused (the dialog stays open), then the user unchecks it.
  f.dialog.presses = {{Press::Ok, Len(100)}, {Press::Ok, Unprotected(100)}};
  ASSERT_EQ(ReEditBlock(f.doc, 2, f.dialog, f.prompter), GenerateOutcome::Applied);
  EXPECT_EQ(f.dialog.refusedOks, 1);
  EXPECT_EQ(f.prompter.shown, std::vector<MessageId>{ERRMSG(4)});
  EXPECT_EQ(f.doc.blockCount, 10000);
  EXPECT_EQ(f.doc.blockNo[300], kBlockFree);
}

TEST(TailFill, DcLevelFillsTheUndrawnTailAsOneUndoStep) {
  Fixture f;
  DrawTo(f.doc, 9999);
  f.doc.SetSelection(10, 20);
  f.dialog.presses = {{Press::Preview, Dc(1, 2048 + 100)}, {Press::Ok, Dc(1, 2048 + 100)}};
  ASSERT_TRUE(CheckUndefinedTail(f.doc, f.dialog, f.prompter));

  EXPECT_EQ(f.prompter.shown, std::vector<MessageId>{IMFMSG(8)});
  const ParamDialogSetup& s = f.dialog.setups.at(0);
  EXPECT_EQ(s.mode, ParamMode::Fill);
  EXPECT_EQ(s.shown.kind, kDC);
  EXPECT_EQ(s.shown.len, 6384);
  EXPECT_EQ(s.room, 6384);
  EXPECT_FALSE(s.setFields);

  EXPECT_FALSE(f.doc.rangeSelected);
  EXPECT_EQ(f.doc.lastDrawn(), 16383);  // the whole tail, whatever length was answered
  EXPECT_EQ(f.doc.waveData[10000], 2148);
  EXPECT_EQ(f.doc.waveData[16383], 2148);
  EXPECT_EQ(f.doc.blockNo[16383], kBlockFree);  // never protected in fill mode
  EXPECT_EQ(f.doc.blockCount, 0);
  EXPECT_FALSE(f.doc.isSaved);
  f.doc.RestoreUndo();
  EXPECT_EQ(f.doc.lastDrawn(), 9999);
}

TEST(TailFill, CompleteDocumentPassesAndCancelWritesNothing) {
  Fixture full;
  DrawTo(full.doc, 16383);
  EXPECT_TRUE(CheckUndefinedTail(full.doc, full.dialog, full.prompter));
  EXPECT_TRUE(full.dialog.setups.empty());
  EXPECT_TRUE(full.prompter.shown.empty());

  Fixture f;
  DrawTo(f.doc, 9999);
  const DocState before(f.doc);
  f.dialog.presses = {{Press::Preview, {}}, {Press::Cancel, {}}};
  EXPECT_FALSE(CheckUndefinedTail(f.doc, f.dialog, f.prompter));
  EXPECT_EQ(DocState(f.doc), before);
}

TEST(OperandRequest, GeneratesTheChosenShapeFromIndexZeroAndCancelPutsTheOldOneBack) {
  std::vector<std::int32_t> operand(16384, 77);
  std::int32_t operandLen = 5;
  FakeDialog dialog;
  auto dc = [](ParamChoice& c) {
    c.p.kind = kDC;  // the shape list is enabled in this mode
    c.p.ofs = 1234;
    c.p.len = 9999;  // the length field is fixed
  };
  dialog.presses = {{Press::Preview, dc}, {Press::Cancel, {}}};
  EXPECT_FALSE(RequestOperand(operand, operandLen, 300, WaveScale{}, dialog));
  EXPECT_EQ(operand, std::vector<std::int32_t>(16384, 77));
  EXPECT_EQ(operandLen, 5);
  const ParamDialogSetup& s = dialog.setups.at(0);
  EXPECT_EQ(s.mode, ParamMode::Operand);
  EXPECT_EQ(s.shown.kind, kSine);
  EXPECT_EQ(s.shown.len, 300);

  dialog.presses = {{Press::Ok, dc}};
  EXPECT_TRUE(RequestOperand(operand, operandLen, 300, WaveScale{}, dialog));
  EXPECT_EQ(operandLen, 300);
  EXPECT_EQ(operand[0], 1234);
  EXPECT_EQ(operand[299], 1234);
  EXPECT_EQ(operand[300], 77);
}

}  // namespace
}  // namespace averoz
