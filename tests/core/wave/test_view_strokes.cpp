// Freehand strokes, the line tool and the select drag on a document.
#include <gtest/gtest.h>

#include "core/wave/Strokes.h"
#include "core/wave/WaveDocFixtures.h"

using namespace averoz;
using averoz::test::DrawTo;
using averoz::test::Protect;

namespace {

// The drawn samples form a prefix and carry block numbers; the tail is undrawn, block 0.
void ExpectConsistent(const WaveDoc& doc) {
  const int last = doc.lastDrawn();
  for (int i = 0; i < doc.dataLen; ++i) {
    if (i <= last) {
      ASSERT_GE(doc.waveData[i], 0) << i;
      ASSERT_NE(doc.blockNo[i], kBlockNever) << i;
    } else {
      ASSERT_EQ(doc.waveData[i], kUndrawn) << i;
      ASSERT_EQ(doc.blockNo[i], kBlockNever) << i;
    }
  }
}

}  // namespace

TEST(LineRule, BaseIsTheLeftPointAndCodesAreClipped) {
  WaveDoc doc;
  WriteLineCodes(doc, {10, 100}, {0, 0});  // drawn right to left: same samples
  EXPECT_EQ(doc.waveData[0], 0);
  EXPECT_EQ(doc.waveData[5], 50);
  EXPECT_EQ(doc.waveData[10], 100);
  WriteLineCodes(doc, {20, 7}, {20, 4000});  // one index: the first point's code
  EXPECT_EQ(doc.waveData[20], 7);
  WriteLineCodes(doc, {0, 0}, {3, 1});  // 1/3 per sample: 0, 0.33, 0.67, 1
  EXPECT_EQ((std::vector<int>(doc.waveData.begin(), doc.waveData.begin() + 4)),
            (std::vector<int>{0, 0, 1, 1}));
  WriteLineCodes(doc, {0, 4095}, {1, 9000});
  EXPECT_EQ(doc.waveData[1], 4095);
}

TEST(Freehand, EmptyDocumentStartsFromMidScale) {
  WaveDoc doc;
  FreehandStroke stroke;
  ASSERT_TRUE(stroke.Begin(doc, {100, 1048}));
  EXPECT_EQ(doc.waveData[0], 2048);
  EXPECT_EQ(doc.waveData[50], 1548);
  EXPECT_EQ(doc.waveData[100], 1048);
  EXPECT_EQ(doc.lastDrawn(), 100);
  stroke.Move(doc, {200, 1048});  // the drag goes on from the clicked point
  EXPECT_EQ(doc.waveData[150], 1048);
  EXPECT_EQ(doc.lastDrawn(), 200);
  ExpectConsistent(doc);
  EXPECT_FALSE(doc.isSaved);
  EXPECT_TRUE(doc.undoReady);
}

TEST(Freehand, ClickFarInTheTailJoinsTheDrawnPart) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 90, 99, 1);  // the joint keeps its block
  FreehandStroke stroke;
  ASSERT_TRUE(stroke.Begin(doc, {1099, 99 + 1000}));
  EXPECT_EQ(doc.waveData[599], 599);  // straight from (99, 99)
  EXPECT_EQ(doc.blockNo[99], 1);
  EXPECT_EQ(doc.blockNo[100], kBlockFree);
  ExpectConsistent(doc);
}

TEST(Freehand, LeftwardStrokeKeepsBlockNumbersAndIsOneUndoStep) {
  WaveDoc doc;
  DrawTo(doc, 999);
  Protect(doc, 0, 9, 3);
  const auto before = doc.waveData;
  FreehandStroke stroke;
  ASSERT_TRUE(stroke.Begin(doc, {500, 0}));
  for (int x = 490; x >= 300; x -= 10) stroke.Move(doc, {x, 4000});
  EXPECT_EQ(doc.waveData[400], 4000);
  EXPECT_EQ(doc.blockNo[400], kBlockFree);
  EXPECT_EQ(doc.blockNo[5], 3);
  stroke.Move(doc, {300, 10});  // within one index: nothing
  EXPECT_EQ(doc.waveData[300], 4000);
  stroke.End();
  ASSERT_TRUE(doc.RestoreUndo());
  EXPECT_EQ(doc.waveData, before);
}

TEST(Freehand, ProtectedSamplesStopTheStroke) {
  WaveDoc doc;
  DrawTo(doc, 999);
  Protect(doc, 400, 409, 2);
  FreehandStroke stroke;
  EXPECT_FALSE(stroke.Begin(doc, {405, 0}));  // on a protected sample: no stroke
  EXPECT_FALSE(doc.undoReady);
  EXPECT_EQ(stroke.refusal(), (StrokeRefusal{StrokeRefusal::Why::Protected, 405}));

  ASSERT_TRUE(stroke.Begin(doc, {300, 0}));
  EXPECT_EQ(stroke.refusal(), std::nullopt);
  stroke.Move(doc, {405, 0});  // reaches the block: ends, nothing written past 300
  EXPECT_FALSE(stroke.active());
  EXPECT_EQ(stroke.refusal(), (StrokeRefusal{StrokeRefusal::Why::Protected, 400}));
  EXPECT_EQ(doc.waveData[350], 350);
  stroke.Move(doc, {600, 0});  // later moves draw nothing
  EXPECT_EQ(doc.waveData[500], 500);

  ASSERT_TRUE(stroke.Begin(doc, {390, 0}));
  stroke.Move(doc, {420, 0});  // jumps over the block between two pointer positions
  EXPECT_FALSE(stroke.active());
  EXPECT_EQ(stroke.refusal(), (StrokeRefusal{StrokeRefusal::Why::Protected, 400}));
  for (int i = 400; i <= 409; ++i) EXPECT_EQ(doc.waveData[i], i);
  EXPECT_EQ(doc.waveData[415], 415);
}

TEST(LineTool, SecondClickWritesTheLineAsOneStep) {
  WaveDoc doc;
  DrawTo(doc, 999);
  LineTool line;
  EXPECT_FALSE(line.Click(doc, {100, 0}, false));
  EXPECT_TRUE(line.pending());
  EXPECT_TRUE(line.Click(doc, {200, 1000}, false));
  EXPECT_FALSE(line.pending());
  EXPECT_EQ(doc.waveData[150], 500);
  EXPECT_TRUE(doc.undoReady);

  line.Click(doc, {300, 77}, false);  // same index twice: that sample, the start's code
  line.Click(doc, {300, 999}, false);
  EXPECT_EQ(doc.waveData[300], 77);
}

TEST(LineTool, AcrossAProtectedBlockWritesNothing) {
  WaveDoc doc;
  DrawTo(doc, 999);
  Protect(doc, 400, 409, 1);
  LineTool line;
  const StrokeRefusal onBlock{StrokeRefusal::Why::Protected, 405};
  line.Click(doc, {405, 0}, false);  // on the block: nothing
  EXPECT_FALSE(line.pending());
  EXPECT_EQ(line.refusal(), onBlock);
  line.Click(doc, {300, 0}, false);
  EXPECT_EQ(line.refusal(), std::nullopt);
  line.Click(doc, {405, 0}, false);  // end on the block: still pending
  EXPECT_TRUE(line.pending());
  EXPECT_EQ(line.refusal(), onBlock);
  EXPECT_TRUE(line.Click(doc, {500, 0}, false));
  EXPECT_FALSE(line.pending());
  EXPECT_EQ(line.refusal(), (StrokeRefusal{StrokeRefusal::Why::Protected, 400}));
  line.Click(doc, {700, 0}, false);  // right to left: the block's sample nearest the start
  line.Click(doc, {100, 0}, false);
  EXPECT_EQ(line.refusal(), (StrokeRefusal{StrokeRefusal::Why::Protected, 409}));
  EXPECT_EQ(doc.waveData[350], 350);
  EXPECT_EQ(doc.waveData[450], 450);
  EXPECT_FALSE(doc.undoReady);
}

TEST(LineTool, IntoTheTail) {
  struct Case {
    const char* name;
    int last;          // -1: empty document
    WavePoint first;   // clicks
    bool firstAtLeft;
    WavePoint second;
    WavePoint start;   // where the line starts
  };
  const Case cases[] = {
      {"empty, click away from the edge", -1, {300, 100}, false, {400, 0}, {0, 2048}},
      {"empty, click on the first column", -1, {0, 100}, true, {400, 0}, {0, 100}},
      {"both in the tail", 99, {300, 100}, false, {400, 0}, {99, 99}},
      {"drawn start", 99, {50, 1000}, false, {150, 0}, {50, 1000}},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    if (c.last >= 0) DrawTo(doc, c.last);
    LineTool line;
    line.Click(doc, c.first, c.firstAtLeft);
    ASSERT_EQ(line.start(), c.start) << c.name;
    line.Click(doc, c.second, false);
    EXPECT_EQ(doc.waveData[c.start.index], c.start.code) << c.name;
    EXPECT_EQ(doc.waveData[c.second.index], c.second.code) << c.name;
    EXPECT_EQ(doc.lastDrawn(), c.second.index) << c.name;
    ExpectConsistent(doc);
  }
}

TEST(LineTool, TailLineKeepsTheProtectedJoint) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 90, 99, 4);
  LineTool line;
  line.Click(doc, {200, 0}, false);
  line.Click(doc, {300, 0}, false);
  EXPECT_EQ(doc.lastDrawn(), 300);
  EXPECT_EQ(doc.waveData[99], 99);
  EXPECT_EQ(doc.blockNo[99], 4);
  ExpectConsistent(doc);
}

TEST(LineTool, StartLostByAnUndoWritesNothing) {
  WaveDoc doc;
  DrawTo(doc, 99);
  LineTool line;
  line.Click(doc, {500, 0}, false);  // pending from (99, 99)
  doc.ClearRange(0, 99);            // the document changes under the pending line
  line.Click(doc, {600, 0}, false);
  EXPECT_EQ(doc.lastDrawn(), -1);
  EXPECT_EQ(line.refusal(), (StrokeRefusal{StrokeRefusal::Why::Gap, 99}));
  ExpectConsistent(doc);
}

TEST(SelectDrag, FollowsThePointerWithinTheDrawnPart) {
  WaveDoc doc;
  DrawTo(doc, 999);
  SelectPress(doc, 500, true);
  SelectDrag(doc, 700);
  EXPECT_EQ(doc.selEnd, 700);
  SelectDrag(doc, 3000);  // over the tail: up to the last drawn sample
  EXPECT_EQ(doc.selEnd, 999);
  SelectDrag(doc, 100);  // left of the start: the start alone
  EXPECT_TRUE(doc.rangeSelected);
  EXPECT_EQ(doc.selBegin, 500);
  EXPECT_EQ(doc.selEnd, 500);
  SelectPress(doc, 2000, false);
  EXPECT_FALSE(doc.rangeSelected);
  EXPECT_EQ(doc.selBegin, 0);
}
