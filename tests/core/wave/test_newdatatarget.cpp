#include "core/wave/NewDataTarget.h"

#include <gtest/gtest.h>

#include <optional>

#include "core/wave/WaveDocFixtures.h"

namespace averoz {
namespace {

using test::CodeAt;
using test::CountingGenerator;
using test::DrawTo;
using test::Protect;

struct Selection {
  bool on;
  int begin, end;
};
constexpr Selection kNone{false, 0, 0};

WaveDoc DocWith(int last, Selection sel) {
  WaveDoc doc;
  DrawTo(doc, last);
  doc.rangeSelected = sel.on;
  doc.selBegin = sel.begin;
  doc.selEnd = sel.end;
  return doc;
}

TEST(NewDataTarget, ModeStartAndRoomFollowTheSelection) {
  struct Case {
    int last;
    Selection sel;
    NewDataMode mode;
    int start, replaced, room, shiftFor10;
  };
  const Case cases[] = {
      {-1, kNone, NewDataMode::Append, 0, 0, 16384, 0},
      {999, kNone, NewDataMode::Append, 1000, 0, 15384, 0},
      {16383, kNone, NewDataMode::Append, 16384, 0, 0, 0},
      {999, {true, 500, 500}, NewDataMode::Insert, 500, 0, 15384, 10},
      {999, {true, 0, 0}, NewDataMode::Insert, 0, 0, 15384, 10},
      {999, {true, 100, 199}, NewDataMode::Replace, 100, 100, 15484, -90},
      {999, {true, 0, 999}, NewDataMode::Replace, 0, 1000, 16384, -990},
      // Selections reaching into the undrawn tail count only their drawn samples.
      {99, {true, 50, 500}, NewDataMode::Replace, 50, 50, 16334, -40},
      {99, {true, 99, 120}, NewDataMode::Replace, 99, 1, 16285, 9},
      {99, {true, 200, 300}, NewDataMode::Insert, 100, 0, 16284, 10},
      {99, {true, 5000, 5000}, NewDataMode::Insert, 100, 0, 16284, 10},
  };
  for (const Case& c : cases) {
    const WaveDoc doc = DocWith(c.last, c.sel);
    const NewDataPlan plan = FindNewDataTarget(doc);
    SCOPED_TRACE(testing::Message() << "last " << c.last << " sel " << c.sel.on << " "
                                    << c.sel.begin << ".." << c.sel.end);
    ASSERT_EQ(plan.refusal, std::nullopt);
    EXPECT_EQ(plan.target.mode, c.mode);
    EXPECT_EQ(plan.target.start, c.start);
    EXPECT_EQ(plan.target.replaced, c.replaced);
    EXPECT_EQ(plan.target.room, c.room);
    EXPECT_EQ(plan.target.ShiftDistance(10), c.shiftFor10);
  }
}

TEST(NewDataTarget, RefusesProtectedTargetsFirstThenMissingRoom) {
  // Drawn to 999; block 1 is 300..399, block 2 follows directly at 400..499, block 3 starts
  // at sample 0.
  auto doc = [](Selection sel) {
    WaveDoc d = DocWith(999, sel);
    Protect(d, 0, 49, 3);
    Protect(d, 300, 399, 1);
    Protect(d, 400, 499, 2);
    return d;
  };
  struct Case {
    Selection sel;
    int newLen;
    std::optional<MessageId> refusal;
  };
  const Case cases[] = {
      {{true, 350, 350}, 10, ERRMSG(2)},     // inside a block
      {{true, 399, 399}, 10, ERRMSG(2)},     // on its last sample
      {{true, 300, 300}, 10, std::nullopt},  // on its first sample
      {{true, 400, 400}, 10, std::nullopt},  // first sample of the block right behind it
      {{true, 500, 500}, 10, std::nullopt},  // just after the blocks
      {{true, 0, 0}, 10, std::nullopt},      // in front of the block at the start
      {{true, 250, 300}, 10, ERRMSG(2)},     // range touching a block
      {{true, 200, 299}, 10, std::nullopt},
      {{true, 350, 350}, 20000, ERRMSG(2)},  // protection is reported before room
      {kNone, 15384, std::nullopt},
      {kNone, 15385, ERRMSG(1)},
      {{true, 600, 600}, 15385, ERRMSG(1)},
      {{true, 500, 599}, 15484, std::nullopt},
      {{true, 500, 599}, 15485, ERRMSG(1)},
  };
  for (const Case& c : cases) {
    const NewDataPlan plan = FindNewDataTarget(doc(c.sel), c.newLen);
    EXPECT_EQ(plan.refusal, c.refusal)
        << c.sel.on << " " << c.sel.begin << ".." << c.sel.end << " len " << c.newLen;
  }
}

TEST(NewDataTarget, FullDocumentRefusesEveryAppend) {
  const WaveDoc doc = DocWith(16383, kNone);
  EXPECT_EQ(FindNewDataTarget(doc, 1).refusal, ERRMSG(1));
}

// Places newLen samples the way paste does: make room, then write them unprotected. Returns
// the last sample the command reports as changed.
int Place(WaveDoc& doc, int newLen, int code) {
  const NewDataPlan plan = FindNewDataTarget(doc, newLen);
  EXPECT_EQ(plan.refusal, std::nullopt);
  TWaveParam p;
  p.start = PlaceNewData(doc, plan.target, newLen);
  p.len = newLen;
  p.ofs = code;
  EXPECT_TRUE(doc.WriteBlock(p, CountingGenerator()));
  return plan.target.ChangedEnd(newLen);
}

TEST(NewDataTarget, PlacedDataKeepsTheRestInOrder) {
  WaveDoc insert = DocWith(199, {true, 50, 50});
  EXPECT_EQ(Place(insert, 100, 3000), 299);
  EXPECT_EQ(insert.waveData[50], 3000);
  EXPECT_EQ(insert.waveData[149], 3099);
  for (int i = 150; i <= 299; ++i) ASSERT_EQ(insert.waveData[i], CodeAt(i - 100)) << i;
  EXPECT_EQ(insert.lastDrawn(), 299);

  WaveDoc replace = DocWith(199, {true, 50, 79});
  EXPECT_EQ(Place(replace, 10, 3000), 199);  // the freed 180..199 are reported too
  EXPECT_EQ(replace.waveData[59], 3009);
  for (int i = 60; i <= 179; ++i) ASSERT_EQ(replace.waveData[i], CodeAt(i + 20)) << i;
  EXPECT_EQ(replace.lastDrawn(), 179);

  WaveDoc append = DocWith(199, kNone);
  EXPECT_EQ(Place(append, 16184, 0), 16383);
  EXPECT_EQ(append.lastDrawn(), 16383);
  EXPECT_EQ(append.waveData[199], CodeAt(199));

  // A range running into the undrawn tail, filled to the last sample: no gap, no overrun.
  WaveDoc tail = DocWith(99, {true, 50, 500});
  EXPECT_EQ(Place(tail, 16334, 7), 16383);
  EXPECT_EQ(tail.lastDrawn(), 16383);
}

TEST(NewDataTarget, PlacingMoreThanTheRoomChangesNothing) {
  WaveDoc doc = DocWith(999, {true, 100, 100});
  const NewDataTarget target = FindNewDataTarget(doc).target;
  const WaveDoc old = doc;
  EXPECT_EQ(PlaceNewData(doc, target, target.room + 1), -1);
  EXPECT_EQ(PlaceNewData(doc, target, -1), -1);
  EXPECT_EQ(doc.waveData, old.waveData);
}

}  // namespace
}  // namespace averoz
