// Geometry of the pattern view: the zoom table and the mapping between pixel columns and
// addresses, the row bands, the zoom and its anchor, the X cursors, the selection drag,
// the axis labels and the bit pen.
#include <gtest/gtest.h>

#include "core/ppg/PpgViewGeometry.h"
#include "core/ppg/PpgViewPen.h"
#include "PpgFixtures.h"

namespace averoz {
namespace {

using test::Bits;
using test::SetBits;

PpgViewGeometry View(int zoomIndex, int scrollX = 0, int width = 531) {
  PpgViewGeometry v;
  v.zoomIndex = zoomIndex;
  v.scrollX = scrollX;
  v.viewWidth = width;
  v.viewHeight = 280;
  return v;
}

TEST(PpgViewGeometry, ContentWidthPerZoomStep) {
  const int widths[] = {409600, 163840, 81920, 32768, 16384, 8192, 3277, 1638, 819, 328};
  for (int i = 0; i <= kPpgLastZoomIndex; ++i)
    EXPECT_EQ(View(i).contentWidth(), widths[i]) << "step " << i;
  EXPECT_DOUBLE_EQ(View(0).zoomX(), 0.04);
  EXPECT_DOUBLE_EQ(PpgViewGeometry{}.zoomX(), 20);
}

TEST(PpgViewGeometry, ColumnsCoverTheirAddresses) {
  struct Case {
    int zoomIndex, scrollX, x;
    AddressRange column;
  } cases[] = {
      {8, 0, 10, {200, 219}},      // the initial zoom: 20 addresses a column
      {8, 0, 0, {0, 19}},
      {8, 5, 5, {200, 219}},       // scrolled by 5 columns
      {8, 0, 819, {16380, 16383}}, // the last column reaches the end
      {9, 0, 327, {16350, 16383}},
      {4, 0, 5, {5, 5}},           // one address a pixel
      {4, 0, 16383, {16383, 16383}},
      {0, 0, 26, {1, 1}},          // 25 pixels an address
      {0, 0, 24, {0, 0}},
      {0, 1000, 10, {40, 40}},
      {8, 0, -3, {0, 0}},          // left of the picture: the first address
  };
  for (const Case& c : cases) {
    const PpgViewGeometry v = View(c.zoomIndex, c.scrollX);
    EXPECT_EQ(v.ColumnAt(c.x), c.column) << c.zoomIndex << " " << c.scrollX << " " << c.x;
    EXPECT_EQ(v.AddressAt(c.x), c.column.first);
  }
}

TEST(PpgViewGeometry, PixelOfAddressRoundsHalfAway) {
  struct Case {
    int zoomIndex, scrollX, address, x;
  } cases[] = {
      {8, 0, 190, 10}, {8, 0, 209, 10}, {8, 0, 210, 11}, {8, 3, 210, 8},
      {0, 0, 2, 50},   {3, 0, 7, 14},   {9, 0, 25, 1},   {6, 0, 12, 2},  {6, 0, 13, 3},
  };
  for (const Case& c : cases)
    EXPECT_EQ(View(c.zoomIndex, c.scrollX).ViewX(c.address), c.x) << c.zoomIndex << " " << c.address;
}

TEST(PpgViewGeometry, RowBandsAndLayout) {
  const std::pair<int, int> bands[] = {{0, 0},   {47, 0},  {48, 1},  {89, 1},  {90, 2},
                                       {131, 2}, {132, 3}, {173, 3}, {174, 4}, {215, 4},
                                       {216, 5}, {255, 5}, {400, 5}};
  for (const auto& [y, row] : bands) EXPECT_EQ(RowAt(y), row) << y;
  EXPECT_EQ(HighY(0), 10);
  EXPECT_EQ(LowY(0), 42);
  EXPECT_EQ(RowTop(5), 211);
  EXPECT_EQ(HighY(5), 215);
  // The area holds every row and the last grid line.
  EXPECT_GE(kPpgLineBottom, kPpgFirstGridY + 5 * kPpgGridStepY);
  EXPECT_GE(kPpgAreaHeight, RowTop(6));

  const PpgViewGeometry v = View(8);
  EXPECT_TRUE(v.InsideArea(819, 0));
  EXPECT_FALSE(v.InsideArea(820, 0));
  EXPECT_FALSE(v.InsideArea(10, kPpgAreaHeight));
}

TEST(PpgZoom, LimitsAndSteps) {
  PpgZoom zoom;
  EXPECT_FALSE(zoom.Request(View(0), +1, 10, 10));  // magnifying at step 0
  EXPECT_EQ(zoom.state(), PpgZoom::State::Limit);
  zoom.LimitShown();
  EXPECT_FALSE(zoom.Request(View(9), -1, 10, 10));
  EXPECT_EQ(AllDirection(View(8)), 0);               // "All" already there: no request
  EXPECT_EQ(MaxDirection(View(8)), 8);

  PpgViewGeometry v = View(5);
  ASSERT_TRUE(zoom.Request(v, AllDirection(v), 10, 10));
  EXPECT_FALSE(zoom.zoomingIn());
  while (!zoom.finished()) zoom.Tick();
  zoom.Apply(v);
  EXPECT_EQ(v.zoomIndex, 8);
  EXPECT_EQ(zoom.state(), PpgZoom::State::Idle);
}

TEST(PpgZoom, AnchorKeepsItsAddress) {
  struct Case {
    int zoomIndex, scrollX, direction, anchor, newIndex, wanted;
  } cases[] = {
      {8, 0, +1, 100, 7, 100},        // 20 -> 10 per pixel
      {8, 0, 8, 100, 0, 49900},       // "Max": 20 -> 0.04
      {8, 0, -1, 100, 9, -60},        // reducing near the start wants a negative offset
      {0, 49900, -8, 100, 8, 0},      // "All" back
      {3, 1001, -1, 0, 4, 501},       // a half pixel rounds away from zero
  };
  for (const Case& c : cases) {
    PpgViewGeometry v = View(c.zoomIndex, c.scrollX);
    const int before = v.AddressAt(c.anchor);
    PpgZoom zoom;
    ASSERT_TRUE(zoom.Request(v, c.direction, c.anchor, 50));
    while (!zoom.finished()) zoom.Tick();
    zoom.Apply(v);
    EXPECT_EQ(v.zoomIndex, c.newIndex);
    EXPECT_EQ(zoom.wantedScrollX(), c.wanted) << c.zoomIndex << " " << c.direction;
    EXPECT_EQ(v.scrollX, std::max(0, c.wanted));
    if (c.wanted >= 0 && c.direction > 0) {
      EXPECT_EQ(v.AddressAt(c.anchor), before);
    }
  }
}

TEST(PpgZoom, AnimationGrowsFromTheAnchor) {
  PpgZoom zoom;
  PpgViewGeometry v = View(8, 0, 400);
  v.viewHeight = 200;
  ASSERT_TRUE(zoom.Request(v, +1, 100, 100));
  ZoomRect r = zoom.Tick();
  EXPECT_EQ(r.left, 75);
  EXPECT_EQ(r.width, 100);
  for (int i = 2; i <= 4; ++i) r = zoom.Tick();
  EXPECT_TRUE(zoom.finished());
  EXPECT_EQ(r.left, 0);
  EXPECT_EQ(r.width, 400);
  EXPECT_EQ(r.height, 200);
}

TEST(PpgViewGeometry, ScrollStaysInsideTheContent) {
  PpgViewGeometry v = View(8, 5000);
  ScrollBarState bar = FitPpgScroll(v);
  EXPECT_EQ(v.scrollX, 819 - 531);
  EXPECT_TRUE(bar.visible);
  EXPECT_EQ(bar.max, 819);
  EXPECT_EQ(bar.pageSize, 531);
  v = View(9, 40);  // 328 pixels fit the view
  bar = FitPpgScroll(v);
  EXPECT_EQ(v.scrollX, 0);
  EXPECT_FALSE(bar.visible);
}

TEST(PpgCursors, ThirdsOfTheVisiblePart) {
  struct Case {
    int zoomIndex, scrollX;
    int x1, x2;
  } cases[] = {
      {8, 0, 3540, 7080},   // 177 and 354 pixels at 20 per pixel
      {9, 0, 5450, 10900},  // the content ends inside the view: thirds of 328 pixels
      {0, 1000, 47, 54},    // round(1177 x 0.04), round(1354 x 0.04)
      {8, 288, 9300, 12840},
  };
  for (const Case& c : cases) {
    const CursorPair p = InitialPpgCursors(View(c.zoomIndex, c.scrollX));
    EXPECT_EQ(p.first, c.x1) << c.zoomIndex;
    EXPECT_EQ(p.second, c.x2) << c.zoomIndex;
  }
  // A view too narrow for thirds still gets two cursors apart.
  const CursorPair tiny = InitialPpgCursors(View(0, 0, 1));
  EXPECT_LT(tiny.first, tiny.second);
}

TEST(PpgCursors, DragStopsShortOfThePartner) {
  PpgDoc doc;
  doc.csrX1 = 100;
  doc.csrX2 = 200;
  DragPpgCursor(doc, 1, 500);
  EXPECT_EQ(doc.csrX1, 199);
  DragPpgCursor(doc, 1, -4);
  EXPECT_EQ(doc.csrX1, 0);
  DragPpgCursor(doc, 2, 0);
  EXPECT_EQ(doc.csrX2, 1);
  DragPpgCursor(doc, 2, 99999);
  EXPECT_EQ(doc.csrX2, doc.dataLen - 1);
  DragPpgCursor(doc, 0, 5);  // nothing grabbed
  EXPECT_EQ(doc.csrX1, 0);
}

TEST(PpgSelection, DragGrowsRightAndDownOnly) {
  const PpgPoint begin{500, 2};
  EXPECT_EQ(SelectionDragEnd(begin, 300, 4), (PpgPoint{500, 4}));
  EXPECT_EQ(SelectionDragEnd(begin, 700, 0), (PpgPoint{700, 2}));
  EXPECT_EQ(SelectionDragEnd(begin, 10, 0), begin);
}

TEST(PpgSelection, BoxIsClippedToTheView) {
  const PpgViewGeometry v = View(8, 100);
  PpgBox b = SelectionBox(v, 1000, 3000, 1, 2);  // pixels 50..150, scrolled by 100
  EXPECT_TRUE(b.visible);
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.width, 51);
  EXPECT_FALSE(b.startShown);
  EXPECT_EQ(b.top, 47);
  EXPECT_EQ(b.height, 82);
  b = SelectionBox(v, 4000, 4000, 0, 0);
  EXPECT_EQ(b.left, 100);
  EXPECT_EQ(b.width, 1);
  EXPECT_TRUE(b.startShown);
  EXPECT_FALSE(SelectionBox(v, 0, 1000, 0, 5).visible);      // ends left of the view
  EXPECT_FALSE(SelectionBox(v, 13000, 13100, 0, 5).visible);  // starts right of it
  EXPECT_EQ(SelectionBox(v, 4000, 16383, 0, 5).width, 531 - 100 + 1);
}

TEST(PpgLabels, AddressesInTheDocumentsUnits) {
  auto labels = PpgXAxisLabels(View(8), kPpgLen, 45);
  ASSERT_EQ(labels.size(), 11u);  // 0, 50, ..., 500
  EXPECT_EQ(labels[0].text, "0");
  EXPECT_EQ(labels[0].x, 42);
  EXPECT_EQ(labels[1].text, "1000");
  EXPECT_EQ(labels[1].x, 45 + 50 - 12);
  EXPECT_EQ(labels[1].y, 11);
  labels = PpgXAxisLabels(View(0, 1010), 1000, 45);  // rescaled, scrolled at 0.04
  ASSERT_FALSE(labels.empty());
  EXPECT_EQ(labels[0].x, 45 + 1050 - 1010 - 3 * int(labels[0].text.size()));
  EXPECT_EQ(labels[0].text, "2.563");  // address 42 of 16384 as 1000 units
}

class InvertLog : public PpgDocListener {
 public:
  int derived = -1, from = -1, to = -1;
  void PairInverted(int d, int f, int t) override {
    derived = d;
    from = f;
    to = t;
  }
};

TEST(PpgPen, WritesTheRowsChannelAndItsPairInverse) {
  PpgDoc doc;
  InvertLog log;
  doc.SetListener(&log);
  doc.SetOrder(kPairOrder);  // row 3 shows CH5
  SetBits(doc, 1, 98, "11111");
  PenWrite(doc, 3, {100, 101}, true);
  EXPECT_EQ(Bits(doc, 4, 99, 4), "0110");
  EXPECT_EQ(Bits(doc, 1, 98, 5), "11111");  // no auto invert: CH2 untouched
  EXPECT_EQ(log.derived, -1);

  doc.autoInvert = true;
  PenWrite(doc, 3, {100, 101}, true);
  EXPECT_EQ(Bits(doc, 1, 98, 5), "11001");
  EXPECT_EQ(log.derived, 1);
  EXPECT_EQ(log.from, 100);
  EXPECT_EQ(log.to, 101);
  PenWrite(doc, 0, {16383, 20000}, false);  // held at the end
  EXPECT_EQ(doc.bit(3, 16383), 1);
}

TEST(PpgPen, LevelByModeAndAlt) {
  EXPECT_TRUE(PenWritesHigh(kEditPen, false));
  EXPECT_FALSE(PenWritesHigh(kEditPen, true));
  EXPECT_TRUE(PenWritesHigh(kEditPenHigh, true));
  EXPECT_FALSE(PenWritesHigh(kEditPenLo, false));
  EXPECT_FALSE(IsPenMode(kEditCursor));
}

TEST(PpgZoom, FittedViewFillsItAndAnyRequestLeavesIt) {
  PpgViewGeometry v = View(8);
  v.viewWidth = 1001;
  v.FitToView();
  EXPECT_EQ(v.contentWidth(), 1000);
  EXPECT_EQ(v.AddressAt(1000), v.dataLen - 1);
  EXPECT_EQ(AllDirection(v), 0);  // 16.384 per pixel: 20 is the entry at least as coarse
  PpgZoom zoom;
  ASSERT_TRUE(zoom.Request(v, AllDirection(v), 500, 10));  // not "done": it leaves the fit
  while (!zoom.finished()) zoom.Tick();
  zoom.Apply(v);
  EXPECT_FALSE(v.fitting());
  EXPECT_EQ(v.zoomIndex, kPpgInitialZoomIndex);
}

}  // namespace
}  // namespace averoz
