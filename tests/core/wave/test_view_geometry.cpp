// Mapping, scroll bars, zoom and axis labels of the waveform view.
#include <gtest/gtest.h>

#include "core/wave/AxisLabels.h"
#include "core/wave/ViewFixtures.h"
#include "core/wave/ViewGeometry.h"
#include "core/wave/ViewZoom.h"

using namespace averoz;

namespace {

using test::View;

// Runs a request through its four ticks; false when it was at the limit.
bool Zoom(ViewGeometry& v, int dx, int dy, int cx, int cy) {
  ViewZoom zoom;
  if (!zoom.Request(v, dx, dy, cx, cy)) return false;
  while (!zoom.finished()) zoom.Tick();
  zoom.Apply(v);
  return true;
}

}  // namespace

TEST(ViewGeometry, InitialContentAndMapping) {
  const ViewGeometry v = View(530, 270);
  EXPECT_EQ(v.contentWidth(), 512);
  EXPECT_EQ(v.contentHeight(), 256);
  // Half a pixel rounds away from zero; code 0 sits on the bottom line.
  EXPECT_EQ(v.ContentX(15), 0);
  EXPECT_EQ(v.ContentX(16), 1);
  EXPECT_EQ(v.ContentY(0), 256);
  EXPECT_EQ(v.ContentY(4095), 0);
  EXPECT_EQ(v.IndexAt(600), 16383);  // right of the content: the last sample
  EXPECT_EQ(v.CodeAt(-5), 4095);
  EXPECT_EQ(v.CodeAt(300), 0);
  EXPECT_TRUE(v.InsideContent(512, 256));
  EXPECT_FALSE(v.InsideContent(513, 10));
}

TEST(ViewGeometry, ScrollBarFitting) {
  struct Case {
    int scroll, content, view;
    bool visible;
    int scrollAfter, page;
  };
  const Case cases[] = {
      {0, 512, 530, false, 0, 530},      // content fits: no bar
      {0, 16384, 530, true, 0, 530},     // at the start of a long content
      {100, 16384, 530, true, 100, 530},
      {16000, 16384, 530, true, 15854, 530},  // past the end: pulled back
      {40, 512, 530, false, 0, 512},     // narrower than the view: back to 0
  };
  for (const Case& c : cases) {
    int scroll = c.scroll;
    const ScrollBarState bar = FitScroll(scroll, c.content, c.view);
    EXPECT_EQ(bar.visible, c.visible) << c.scroll << " " << c.content;
    EXPECT_EQ(scroll, c.scrollAfter) << c.scroll << " " << c.content;
    EXPECT_EQ(bar.pageSize, c.page) << c.scroll << " " << c.content;
    EXPECT_EQ(bar.position, scroll);
  }
}

TEST(ViewZoom, MaxKeepsTheCentreSampleUnderTheCentre) {
  ViewGeometry v = View(530, 270);
  const int cx = RoundDiv(v.viewWidth, 2), cy = RoundDiv(v.viewHeight, 2);
  const int index = v.IndexAt(cx), code = v.CodeAt(cy);
  int dx = 0, dy = 0;
  MaxStep(v, dx, dy);
  ASSERT_TRUE(Zoom(v, dx, dy, cx, cy));
  EXPECT_EQ(v.zoomX(), 1);
  EXPECT_EQ(v.zoomY(), 1);
  EXPECT_EQ(v.contentWidth(), 16384);
  EXPECT_EQ(v.contentHeight(), 4096);
  FitScroll(v.scrollX, v.contentWidth(), v.viewWidth);
  FitScroll(v.scrollY, v.contentHeight(), v.viewHeight);
  EXPECT_EQ(v.IndexAt(cx), index);
  EXPECT_EQ(v.CodeAt(cy), code);
}

TEST(ViewZoom, LimitsAndAll) {
  ViewGeometry v = View(530, 270);
  int dx = 0, dy = 0;
  AllStep(v, dx, dy);
  EXPECT_FALSE(Zoom(v, dx, dy, 265, 135));  // already at 32 and 16: "done"
  v.zoomXIdx = 6;
  v.zoomYIdx = 5;
  EXPECT_FALSE(Zoom(v, -1, 0, 10, 10));  // fully out
  EXPECT_FALSE(Zoom(v, 0, -1, 10, 10));
  EXPECT_TRUE(Zoom(v, -1, 1, 10, 10));  // X stays, Y still moves
  EXPECT_EQ(v.zoomXIdx, 6);
  EXPECT_EQ(v.zoomYIdx, 4);
  AllStep(v, dx, dy);
  ASSERT_TRUE(Zoom(v, dx, dy, 10, 10));
  EXPECT_EQ(v.zoomX(), 32);
  EXPECT_EQ(v.zoomY(), 16);
}

TEST(ViewZoom, ScrollNeverNegativeAndKeepsDataUnderPointer) {
  ViewGeometry v = View(530, 270);
  ASSERT_TRUE(Zoom(v, 1, 0, 100, 50));  // in at x 100
  EXPECT_EQ(v.scrollX, 100);             // (0 + 100) * 32 / 16 - 100
  ASSERT_TRUE(Zoom(v, -1, 0, 10, 50));   // out again: round(110 * 16 / 32) - 10
  EXPECT_EQ(v.scrollX, 45);
  ASSERT_TRUE(Zoom(v, 1, 0, 10, 50));
  ASSERT_TRUE(Zoom(v, -1, 0, 400, 50));  // out far right of the data: held at 0
  EXPECT_EQ(v.scrollX, 0);
}

TEST(ViewZoom, AnimationGrowsInAndShrinksOut) {
  ViewGeometry v = View(400, 200);
  ViewZoom zoom;
  ASSERT_TRUE(zoom.Request(v, 1, 0, 100, 100));
  ZoomRect r = zoom.Tick();
  EXPECT_EQ(r.left, 75);  // 100 - 25 * 1
  EXPECT_EQ(r.top, 75);
  EXPECT_EQ(r.width, 100);  // (25 + 75) * 1
  EXPECT_EQ(r.height, 50);  // (25 + 25) * 1
  zoom.Tick();
  zoom.Tick();
  r = zoom.Tick();
  EXPECT_TRUE(zoom.finished());
  EXPECT_EQ(r.width, 400);
  ASSERT_TRUE(zoom.Request(v, -1, 0, 100, 100));  // out: full size first
  EXPECT_FALSE(zoom.zoomingIn());
  EXPECT_EQ(zoom.Tick().width, 300);
}

TEST(AxisLabels, TextsAndPlaces) {
  ViewGeometry v = View(530, 270);
  WaveScale scale;
  const auto xs = XAxisLabels(v, scale, 45);
  ASSERT_EQ(xs.size(), 9u);  // 0, 64, ..., 512
  EXPECT_EQ(xs[1].text, "2048");
  EXPECT_EQ(xs[1].x, 64 + 45 - 3 * 4);
  EXPECT_EQ(xs.back().text, "16383");  // the line at the end names the last sample
  const auto ys = YAxisLabels(v, scale, 30);
  ASSERT_EQ(ys.size(), 9u);
  EXPECT_EQ(ys.front().text, "4095");  // the top line
  EXPECT_EQ(ys.front().y, 25);
  EXPECT_EQ(ys.back().text, "0");

  scale.rescaleYMin = -1;
  scale.rescaleYMax = 1.0 / 3;
  EXPECT_EQ(YAxisLabels(v, scale, 30)[1].text, "0.167");
  scale.rescaleYMin = -12345.678;
  EXPECT_EQ(YAxisLabels(v, scale, 30)[8].text, "-12345.");  // cut to 7 characters
}

// Fit to Window: the whole document in the view at free ratios; the first zoom request
// leaves them for a table entry and keeps the sample under its centre.
TEST(ViewZoom, FittedViewFillsItAndLeavesForTheTable) {
  ViewGeometry v = View(801, 257);
  v.FitToView();
  EXPECT_EQ(v.contentWidth(), 800);
  EXPECT_EQ(v.contentHeight(), 256);
  EXPECT_DOUBLE_EQ(v.zoomX(), 16384.0 / 800);
  EXPECT_EQ(v.IndexAt(800), 16383);
  EXPECT_EQ(v.ContentY(0), 256);  // code 0 on the last row
  EXPECT_EQ(v.CodeAt(128), 2048);

  struct Case {
    int width, dx;
    bool max, all;
    int zoomXIdx;
  } cases[] = {
      {801, +1, false, false, 4},   // 20.48 per pixel: in to 16
      {801, -1, false, false, 5},   // out to 32
      {801, 0, false, false, 5},    // the other axis only: the entry that still shows it all
      {801, 0, true, false, 0},     // Max
      {801, 0, false, true, 5},     // All, although 32 is the entry that stays
      {20001, +1, false, false, 0}, // finer than the table: both ways land on its end
      {20001, -1, false, false, 0},
      {101, +1, false, false, 6},   // coarser than the table
      {101, -1, false, false, 6},
  };
  for (const Case& c : cases) {
    ViewGeometry g = View(c.width, 257);
    g.FitToView();
    int dx = c.dx, dy = 0;
    if (c.max) MaxStep(g, dx, dy);
    if (c.all) AllStep(g, dx, dy);
    const int centre = g.IndexAt(c.width / 2);
    ASSERT_TRUE(Zoom(g, dx, dy, c.width / 2, 100)) << c.width << " " << c.dx;
    EXPECT_FALSE(g.fitting());
    EXPECT_EQ(g.zoomXIdx, c.zoomXIdx) << c.width << " " << c.dx;
    if (g.scrollX > 0 && g.scrollX + g.viewWidth < g.contentWidth()) {
      EXPECT_NEAR(g.IndexAt(c.width / 2), centre, g.zoomX()) << c.width << " " << c.dx;
    }
  }
}
