#include "core/wave/WaveDoc.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "core/wave/WaveDocFixtures.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::CountingGenerator;
using test::DrawTo;
using test::Protect;
using test::RecordingListener;
using Events = std::vector<std::string>;

TEST(WaveDoc, NewDocumentIsEmptyUnprotectedAndSaved) {
  WaveDoc doc;
  EXPECT_EQ(doc.lastDrawn(), -1);
  EXPECT_EQ(doc.waveData, std::vector<std::int32_t>(16384, -1));
  EXPECT_EQ(doc.blockNo, std::vector<std::int16_t>(16384, 0));
  ASSERT_EQ(doc.blockParams.size(), 10001u);
  EXPECT_EQ(doc.blockParams[0].kind, kNone);
  EXPECT_EQ(doc.blockCount, 0);
  EXPECT_FALSE(doc.undoReady);
  EXPECT_FALSE(doc.rangeSelected);
  EXPECT_TRUE(doc.isSaved);
  EXPECT_EQ(doc.rescaleX, 16384.0);
  EXPECT_EQ(doc.rescaleYMin, 0.0);
  EXPECT_EQ(doc.rescaleYMax, 4095.0);
  EXPECT_LT(doc.csrX1, doc.csrX2);
  EXPECT_LT(doc.csrY1, doc.csrY2);
}

TEST(WaveDoc, LastDrawnIsTheSampleBeforeTheFirstUndrawnOne) {
  for (int last : {0, 1, 999, 16382, 16383}) {
    WaveDoc doc;
    DrawTo(doc, last);
    EXPECT_EQ(doc.lastDrawn(), last);
  }
}

// The moves exactly as the document defines them, one sample at a time.
void ReferenceShift(std::vector<std::int32_t>& w, std::vector<std::int16_t>& b, int s, int d) {
  const std::int64_t n = static_cast<std::int64_t>(w.size());
  if (s < 0) return;
  if (d >= 0) {
    for (std::int64_t i = n - 1; i >= s; --i) {
      if (i + d <= n - 1) {
        w[i + d] = w[i];
        b[i + d] = b[i];
      }
    }
  } else {
    for (std::int64_t i = s; i <= n - 1; ++i) {
      const std::int64_t from = i - static_cast<std::int64_t>(d);
      w[i] = from > n - 1 ? -1 : w[from];
      b[i] = from > n - 1 ? 0 : b[from];
    }
  }
}

TEST(WaveDoc, ShiftMovesLikeTheSampleBySampleDefinition) {
  struct Case { int s, d; };
  const Case cases[] = {
      {0, 10},     {0, 1},          {5000, 3},   {16373, 10},  {16383, 1},   {0, 16383},
      {0, 16384},  {0, INT_MAX},    {16384, 5},  {-1, 5},      {5, -3},      {0, -1},
      {100, -100}, {11990, -20},    {0, -16383}, {0, -16384},  {16383, -1},  {100, INT_MIN},
      {16384, -5}, {20000, 1},
  };
  WaveDoc base;
  DrawTo(base, 12000);
  Protect(base, 3000, 3999, 1);
  Protect(base, 11990, 12000, 2);
  for (const Case& c : cases) {
    WaveDoc doc = base;
    std::vector<std::int32_t> w = base.waveData;
    std::vector<std::int16_t> b = base.blockNo;
    ReferenceShift(w, b, c.s, c.d);
    doc.Shift(c.s, c.d);
    EXPECT_EQ(doc.waveData, w) << "s=" << c.s << " d=" << c.d;
    EXPECT_EQ(doc.blockNo, b) << "s=" << c.s << " d=" << c.d;
  }
}

TEST(WaveDoc, InsertShiftOnFullDocumentLosesTheLastSamples) {
  WaveDoc doc;
  DrawTo(doc, 16383);
  const WaveDoc old = doc;
  doc.Shift(0, 10);
  for (int i = 10; i < 16384; ++i) ASSERT_EQ(doc.waveData[i], old.waveData[i - 10]) << i;
  for (int i = 0; i < 10; ++i) EXPECT_EQ(doc.waveData[i], old.waveData[i]);  // caller overwrites
  EXPECT_EQ(doc.lastDrawn(), 16383);
}

class DeleteSelection : public ::testing::Test {
 protected:
  void SetUp() override {
    DrawTo(doc, 999);
    doc.SetListener(&events);
  }
  WaveDoc doc;
  RecordingListener events;
};

TEST_F(DeleteSelection, TailMovesDownAndEndBecomesUndrawn) {
  const WaveDoc old = doc;
  doc.SetSelection(100, 199);
  events.events.clear();
  EXPECT_EQ(doc.DeleteSelection(), std::nullopt);

  for (int i = 100; i <= 899; ++i) ASSERT_EQ(doc.waveData[i], CodeAt(i + 100)) << i;
  for (int i = 900; i < 16384; ++i) {
    ASSERT_EQ(doc.waveData[i], -1) << i;
    ASSERT_EQ(doc.blockNo[i], 0) << i;
  }
  EXPECT_EQ(doc.lastDrawn(), 899);
  EXPECT_FALSE(doc.rangeSelected);
  EXPECT_FALSE(doc.isSaved);
  EXPECT_EQ(events.events, (Events{"undo on", "data 100..999", "modified", "selection"}));

  events.events.clear();
  EXPECT_TRUE(doc.RestoreUndo());
  EXPECT_EQ(doc.waveData, old.waveData);
  EXPECT_EQ(doc.blockNo, old.blockNo);
  EXPECT_EQ(events.events, (Events{"undo off", "data 0..16383"}));
}

TEST_F(DeleteSelection, RefusedWhenASelectedSampleIsProtected) {
  Protect(doc, 300, 399, 1);
  struct Case { int begin, end; bool refused; };
  const Case cases[] = {
      {200, 300, true}, {399, 500, true}, {350, 350, true}, {0, 999, true},
      {200, 299, false}, {400, 999, false},
  };
  for (const Case& c : cases) {
    WaveDoc d = doc;
    RecordingListener seen;
    d.SetSelection(c.begin, c.end);
    d.SetListener(&seen);
    const auto refusal = d.DeleteSelection();
    if (!c.refused) {
      EXPECT_EQ(refusal, std::nullopt) << c.begin << ".." << c.end;
      continue;
    }
    EXPECT_EQ(refusal, ERRMSG(2)) << c.begin << ".." << c.end;
    EXPECT_EQ(d.waveData, doc.waveData);
    EXPECT_EQ(d.blockNo, doc.blockNo);
    EXPECT_FALSE(d.undoReady);
    EXPECT_TRUE(d.isSaved);
    EXPECT_TRUE(d.rangeSelected);
    EXPECT_TRUE(seen.events.empty());
  }
}

TEST_F(DeleteSelection, WithoutSelectionNothingHappens) {
  const WaveDoc old = doc;
  EXPECT_EQ(doc.DeleteSelection(), std::nullopt);
  EXPECT_EQ(doc.waveData, old.waveData);
  EXPECT_TRUE(events.events.empty());
}

TEST(WaveDocUndo, RestoresSamplesAndBlocksOnlyAndIsSpentAfterOneUse) {
  WaveDoc doc;
  DrawTo(doc, 499);
  Protect(doc, 100, 199, 1);
  const WaveDoc old = doc;
  doc.SaveUndo();
  EXPECT_TRUE(doc.undoReady);

  doc.ClearRange(0, 499);
  doc.blockCount = 7;
  doc.blockParams[7].kind = kDC;
  doc.SetSelection(10, 20);
  doc.csrX1 = 3;
  doc.MarkModified();

  EXPECT_TRUE(doc.RestoreUndo());
  EXPECT_EQ(doc.waveData, old.waveData);
  EXPECT_EQ(doc.blockNo, old.blockNo);
  EXPECT_FALSE(doc.undoReady);  // a second Undo is not offered
  EXPECT_EQ(doc.blockCount, 7);
  EXPECT_EQ(doc.blockParams[7].kind, kDC);
  EXPECT_TRUE(doc.rangeSelected);
  EXPECT_EQ(doc.selBegin, 10);
  EXPECT_EQ(doc.csrX1, 3);
  EXPECT_FALSE(doc.isSaved);
}

TEST(WaveDocUndo, EachPreviewIsThrownAwayByTheSameSnapshot) {
  WaveDoc doc;
  DrawTo(doc, 299);
  const WaveDoc old = doc;
  const CountingGenerator gen;
  doc.SaveUndo();
  for (int ofs : {1000, 2000}) {
    doc.RestoreUndo();
    TWaveParam p;
    p.start = 300;
    p.len = 50;
    p.ofs = ofs;
    p.blockNo = static_cast<std::int16_t>(doc.blockCount);
    ASSERT_TRUE(doc.PreviewBlock(p, gen));
  }
  EXPECT_TRUE(doc.RestoreUndo());
  EXPECT_EQ(doc.waveData, old.waveData);
  EXPECT_EQ(doc.blockNo, old.blockNo);
}

TEST(WaveDocUndo, NoSnapshotTakenMeansNothingToRestore) {
  WaveDoc doc;
  DrawTo(doc, 99);  // a loaded document
  RecordingListener events;
  doc.SetListener(&events);
  EXPECT_FALSE(doc.RestoreUndo());
  EXPECT_EQ(doc.lastDrawn(), 99);
  EXPECT_TRUE(events.events.empty());
}

TEST(WaveDocBlocks, NumbersAreNeverReused) {
  WaveDoc doc;
  const CountingGenerator gen;
  auto addProtected = [&](int len) {
    TWaveParam p;
    p.kind = kSine;
    p.start = doc.lastDrawn() + 1;
    p.len = len;
    p.blockNo = doc.NewBlockNo().value();
    EXPECT_TRUE(doc.WriteBlock(p, gen));
    return p.blockNo;
  };
  EXPECT_EQ(addProtected(100), 1);
  doc.SaveUndo();
  EXPECT_EQ(addProtected(100), 2);
  doc.RestoreUndo();  // block 2 is gone
  EXPECT_EQ(addProtected(100), 3);
  doc.ClearRange(0, doc.lastDrawn());  // block 1 is gone too
  EXPECT_EQ(addProtected(100), 4);
  EXPECT_EQ(doc.blockCount, 4);
}

TEST(WaveDocBlocks, NoNumberAboveTenThousand) {
  WaveDoc doc;
  doc.blockCount = 9999;
  EXPECT_FALSE(doc.BlockLimitReached());
  EXPECT_EQ(doc.NewBlockNo(), std::optional<std::int16_t>(10000));
  EXPECT_TRUE(doc.BlockLimitReached());
  EXPECT_EQ(doc.NewBlockNo(), std::nullopt);
  EXPECT_EQ(doc.blockCount, 10000);
}

TEST(WaveDocBlocks, WriteKeepsParametersOfProtectedBlocksOnly) {
  WaveDoc doc;
  const CountingGenerator gen;
  TWaveParam p;
  p.kind = kRamp;
  p.start = 0;
  p.len = 64;
  p.ofs = 100;
  p.blockNo = doc.NewBlockNo().value();
  ASSERT_TRUE(doc.WriteBlock(p, gen));
  EXPECT_EQ(doc.waveData[0], 100);
  EXPECT_EQ(doc.waveData[63], 163);
  EXPECT_EQ(doc.blockNo[63], 1);
  EXPECT_EQ(doc.blockNo[64], 0);
  EXPECT_EQ(doc.blockParams[1].kind, kRamp);
  EXPECT_EQ(doc.blockParams[1].len, 64);

  // An unprotected block and a preview (which carries the last block's number) leave the
  // stored parameters alone.
  TWaveParam q = p;
  q.kind = kSquare;
  q.start = 64;
  q.blockNo = -1;
  ASSERT_TRUE(doc.WriteBlock(q, gen));
  q.blockNo = static_cast<std::int16_t>(doc.blockCount);
  ASSERT_TRUE(doc.PreviewBlock(q, gen));
  EXPECT_EQ(doc.blockParams[1].kind, kRamp);
  EXPECT_EQ(doc.blockNo[64], 1);
}

TEST(WaveDocBlocks, RequestOutsideTheDocumentIsRefused) {
  struct Case { int start, len; std::int16_t block; };
  const Case cases[] = {
      {-1, 10, -1}, {16380, 5, -1}, {0, 16385, -1}, {0, -1, -1}, {0, 10, 10001}, {0, 10, -2},
  };
  const CountingGenerator gen;
  for (const Case& c : cases) {
    WaveDoc doc;
    TWaveParam p;
    p.start = c.start;
    p.len = c.len;
    p.blockNo = c.block;
    EXPECT_FALSE(doc.WriteBlock(p, gen)) << c.start << "+" << c.len << " #" << c.block;
    EXPECT_EQ(doc.lastDrawn(), -1);
  }
}

TEST(WaveDocBlocks, ProtectionQueries) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 10, 19, 1);
  Protect(doc, 20, 29, 2);
  EXPECT_FALSE(doc.AnyProtected(0, 9));
  EXPECT_TRUE(doc.AnyProtected(0, 10));
  EXPECT_TRUE(doc.AnyProtected(29, 16383));
  EXPECT_FALSE(doc.AnyProtected(30, 16383));
  EXPECT_TRUE(doc.AnyProtected(25, 99999));  // end clipped to the document
  EXPECT_FALSE(doc.AnyProtected(20, 19));
  EXPECT_FALSE(doc.AnyProtected(-1, 50));

  EXPECT_TRUE(doc.SameProtectedBlock(10, 19));
  EXPECT_FALSE(doc.SameProtectedBlock(19, 20));  // two blocks side by side
  EXPECT_FALSE(doc.SameProtectedBlock(5, 6));    // unprotected samples
  EXPECT_FALSE(doc.SameProtectedBlock(200, 300));  // undrawn samples
  EXPECT_FALSE(doc.SameProtectedBlock(-1, 10));
  EXPECT_FALSE(doc.SameProtectedBlock(29, 16384));
}

TEST(WaveDocBlocks, UnprotectAllTouchesOnlyDrawnSamples) {
  WaveDoc doc;
  DrawTo(doc, 99);
  Protect(doc, 0, 49, 1);
  doc.UnprotectAll();
  for (int i = 0; i <= 99; ++i) ASSERT_EQ(doc.blockNo[i], -1) << i;
  EXPECT_EQ(doc.blockNo[100], 0);
  EXPECT_FALSE(doc.AnyProtected(0, 16383));
}

TEST(WaveDoc, ClearRangeIsClippedToTheDocument) {
  WaveDoc doc;
  DrawTo(doc, 16383);
  doc.ClearRange(16000, 20000);
  doc.ClearRange(-5, -1);
  EXPECT_EQ(doc.lastDrawn(), 15999);
  EXPECT_EQ(doc.blockNo[16383], 0);
  EXPECT_EQ(doc.blockNo[15999], -1);
}

TEST(WaveDocSelectRun, SelectsTheUnbrokenRunOfTheSampleBlockNumber) {
  WaveDoc doc;
  const CountingGenerator gen;
  auto write = [&](int start, int len, std::int16_t block) {
    TWaveParam p;
    p.start = start;
    p.len = len;
    p.blockNo = block;
    ASSERT_TRUE(doc.WriteBlock(p, gen));
  };
  write(0, 100, -1);    // two unprotected commands side by side
  write(100, 100, -1);
  write(200, 100, 1);
  write(300, 100, 2);
  write(400, 50, -1);

  struct Case { int index, result, begin, end; };
  const Case cases[] = {
      {150, -1, 0, 199}, {0, -1, 0, 199}, {250, 1, 200, 299}, {300, 2, 300, 399},
      {449, -1, 400, 449},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(doc.SelectRun(c.index), c.result) << c.index;
    EXPECT_TRUE(doc.rangeSelected);
    EXPECT_EQ(doc.selBegin, c.begin) << c.index;
    EXPECT_EQ(doc.selEnd, c.end) << c.index;
  }

  RecordingListener events;
  doc.SetListener(&events);
  for (int outside : {450, 16383, -1, 16384}) {
    EXPECT_EQ(doc.SelectRun(outside), 0) << outside;
  }
  EXPECT_EQ(doc.selBegin, 400);
  EXPECT_TRUE(events.events.empty());
}

TEST(WaveDoc, ACopyReportsNothingToTheOriginalListener) {
  WaveDoc doc;
  RecordingListener events;
  doc.SetListener(&events);
  WaveDoc copy = doc;
  copy.CommitEdit(0, 10);
  doc = copy;
  doc.CommitEdit(0, 10);  // assignment keeps the document's own listener
  EXPECT_EQ(events.events, (Events{"data 0..10"}));
}

TEST(WaveDoc, ModifiedMarkIsReportedWhenItChanges) {
  WaveDoc doc;
  RecordingListener events;
  doc.SetListener(&events);
  doc.MarkModified();
  doc.MarkModified();
  EXPECT_FALSE(doc.isSaved);
  doc.MarkSaved();
  EXPECT_TRUE(doc.isSaved);
  EXPECT_EQ(events.events, (Events{"modified", "saved"}));
}

}  // namespace
}  // namespace averoz
