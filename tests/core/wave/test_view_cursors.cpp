// X and Y cursors: initial places, entries, arrows, drags, grabbing and read-outs.
#include <gtest/gtest.h>

#include "core/wave/ViewCursors.h"
#include "core/wave/ViewFixtures.h"
#include "core/wave/WaveDocFixtures.h"

using namespace averoz;

using test::View;

TEST(ViewCursors, InitialPlacesFollowTheVisibleContent) {
  WaveDoc doc;
  PlaceInitialXCursors(doc, View(530, 270));  // content 512 fits: thirds of the content
  EXPECT_EQ(doc.csrX1, 171 * 32);
  EXPECT_EQ(doc.csrX2, 342 * 32);
  PlaceInitialYCursors(doc, View(530, 270));
  EXPECT_EQ(doc.csrY2, (256 - 85) * 16);
  EXPECT_EQ(doc.csrY1, (256 - 170) * 16);

  ViewGeometry zoomed = View(300, 150);
  zoomed.zoomXIdx = 0;
  zoomed.scrollX = 1000;
  PlaceInitialXCursors(doc, zoomed);  // a third of the view from the scroll offset
  EXPECT_EQ(doc.csrX1, 1100);
  EXPECT_EQ(doc.csrX2, 1200);

  PlaceInitialXCursors(doc, View(1, 1));  // a view too small still gives two cursors
  EXPECT_LT(doc.csrX1, doc.csrX2);
}

TEST(ViewCursors, EntriesAreClampedToTheirPartner) {
  struct Case {
    CursorField field;
    const char* text;
    bool taken;
    int x1, x2, y1, y2;
  };
  // Starting from X 1000/2000, Y 1000/3000.
  const Case cases[] = {
      {CursorField::X2, "500", true, 1000, 1001, 1000, 3000},    // below csrX1
      {CursorField::X1, "2500", true, 1999, 2000, 1000, 3000},   // past csrX2
      {CursorField::X2, "99999", true, 1000, 16383, 1000, 3000},
      {CursorField::X1, "-5", false, 1000, 2000, 1000, 3000},    // X has no sign
      {CursorField::X1, "1.2.3", false, 1000, 2000, 1000, 3000},
      {CursorField::DX, "100", true, 1000, 1099, 1000, 3000},    // dX counts both ends
      {CursorField::DX, "1", true, 1000, 1001, 1000, 3000},      // at least two samples
      {CursorField::DX, "20000", true, 1000, 16383, 1000, 3000},
      {CursorField::Y1, "-7", true, 1000, 2000, 0, 3000},        // Y may be negative
      {CursorField::Y2, "3", true, 1000, 2000, 1000, 1001},
      {CursorField::DY, "5000", true, 1000, 2000, 1000, 4095},
      // Spans beyond the 32-bit range reach the end instead of wrapping round.
      {CursorField::DX, "9999999999", true, 1000, 16383, 1000, 3000},
      {CursorField::DY, "9999999999", true, 1000, 2000, 1000, 4095},
      {CursorField::DY, "-9999999999", true, 1000, 2000, 1000, 1001},
      {CursorField::Y1, ".", false, 1000, 2000, 1000, 3000},
  };
  for (const Case& c : cases) {
    WaveDoc doc;
    doc.csrX1 = 1000, doc.csrX2 = 2000, doc.csrY1 = 1000, doc.csrY2 = 3000;
    EXPECT_EQ(EnterCursor(doc, c.field, c.text), c.taken) << c.text;
    EXPECT_EQ(doc.csrX1, c.x1) << c.text;
    EXPECT_EQ(doc.csrX2, c.x2) << c.text;
    EXPECT_EQ(doc.csrY1, c.y1) << c.text;
    EXPECT_EQ(doc.csrY2, c.y2) << c.text;
  }
}

TEST(ViewCursors, EntriesUseTheDocumentUnits) {
  WaveDoc doc;
  doc.rescaleX = 1000;  // 16384 samples are 1000 units
  doc.csrX1 = 0, doc.csrX2 = 16383;
  ASSERT_TRUE(EnterCursor(doc, CursorField::X1, "500"));
  EXPECT_EQ(doc.csrX1, 8192);
  EXPECT_EQ(CursorText(doc, CursorField::X1), "500");
  doc.rescaleYMin = -10, doc.rescaleYMax = 10;
  doc.csrY1 = 0, doc.csrY2 = 4095;
  ASSERT_TRUE(EnterCursor(doc, CursorField::Y2, "0"));
  EXPECT_EQ(doc.csrY2, 2048);  // round(4095 / 20 * 10)
}

TEST(ViewCursors, DragStopsOneBeforeThePartner) {
  WaveDoc doc;
  doc.csrX1 = 1000, doc.csrX2 = 2000, doc.csrY1 = 100, doc.csrY2 = 200;
  DragCursor(doc, GrabbedCursor::X1, 5000, 0);
  EXPECT_EQ(doc.csrX1, 1999);
  DragCursor(doc, GrabbedCursor::X1, -40, 0);
  EXPECT_EQ(doc.csrX1, 0);
  DragCursor(doc, GrabbedCursor::X2, 0, 0);
  EXPECT_EQ(doc.csrX2, 1);
  DragCursor(doc, GrabbedCursor::Y2, 0, 50);
  EXPECT_EQ(doc.csrY2, 101);
  DragCursor(doc, GrabbedCursor::Y1, 0, 4095);
  EXPECT_EQ(doc.csrY1, 100);
  StepCursor(doc, CursorField::Y2, false);  // the arrow too stops at the partner
  EXPECT_EQ(doc.csrY2, 101);
  StepCursor(doc, CursorField::X1, false);
  EXPECT_EQ(doc.csrX1, 0);
}

TEST(ViewCursors, GrabTolerancesFaceAwayFromThePartner) {
  const CursorLine x1{true, 100, 200}, x2{true, 200, 200}, off{};
  struct Case {
    int x;
    GrabbedCursor grabbed;
  };
  const Case cases[] = {
      {91, GrabbedCursor::X1}, {90, GrabbedCursor::None}, {104, GrabbedCursor::X1},
      {105, GrabbedCursor::None}, {196, GrabbedCursor::X2}, {209, GrabbedCursor::X2},
      {210, GrabbedCursor::None},
  };
  for (const Case& c : cases) EXPECT_EQ(GrabAt(x1, x2, off, off, c.x, 500), c.grabbed) << c.x;
  // Close cursors: the later test wins.
  const CursorLine near{true, 103, 200};
  EXPECT_EQ(GrabAt(x1, near, off, off, 101, 0), GrabbedCursor::X2);
  const CursorLine y1{true, 50, 300};
  EXPECT_EQ(GrabAt(x1, x2, y1, off, 100, 55), GrabbedCursor::Y1);
  EXPECT_EQ(GrabAt(x1, x2, y1, off, 100, 60), GrabbedCursor::X1);
}

TEST(ViewCursors, ValueReadOutShowsDashOnTheTail) {
  WaveDoc doc;
  test::DrawTo(doc, 99);
  EXPECT_EQ(ValueAtText(doc, 50), "50");
  EXPECT_EQ(ValueAtText(doc, 100), "-");
  doc.rescaleYMin = 0, doc.rescaleYMax = 1;
  EXPECT_EQ(ValueAtText(doc, 99), "0.024");
}

TEST(ViewCursors, LinesHideOutsideTheView) {
  WaveDoc doc;
  doc.xCursorOn = true;
  ViewGeometry v;
  v.viewWidth = 300, v.viewHeight = 200, v.zoomXIdx = 0, v.scrollX = 1000;
  EXPECT_FALSE(XCursorLine(doc, v, 500).visible);
  const CursorLine line = XCursorLine(doc, v, 1100);
  EXPECT_TRUE(line.visible);
  EXPECT_EQ(line.pos, 101);
  doc.xCursorOn = false;
  EXPECT_FALSE(XCursorLine(doc, v, 1100).visible);
}
