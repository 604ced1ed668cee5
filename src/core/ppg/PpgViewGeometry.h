#pragma once
// Where the bits of a pattern land on the pattern view: the zoom table (addresses per
// pixel), the scroll offset, the mapping between pixel columns and addresses, the fixed
// row layout, and the rules of the zoom, the X cursors and the selection drag. Content
// pixels count from the left of the whole zoomed pattern; view pixels from the image's
// left edge.
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "core/view/AxisLabel.h"
#include "core/view/CursorRules.h"
#include "core/view/ScrollRange.h"
#include "core/view/ZoomAnimation.h"
#include "core/view/ZoomFit.h"
#include "core/ppg/PpgDoc.h"

namespace averoz {

// Addresses per pixel for each zoom step, as exact fractions:
// 0.04, 0.1, 0.2, 0.5, 1, 2, 5, 10, 20, 50.
inline constexpr std::array<ZoomRatio, 10> kPpgZoomTable{{
    {1, 25}, {1, 10}, {1, 5}, {1, 2}, {1, 1}, {2, 1}, {5, 1}, {10, 1}, {20, 1}, {50, 1}}};
inline constexpr int kPpgLastZoomIndex = int(kPpgZoomTable.size()) - 1;
inline constexpr int kPpgInitialZoomIndex = 8;  // 20 addresses per pixel
inline constexpr int kPpgGridStepX = 50;
inline constexpr int kPpgGridStepY = 41;

// Row layout: display row pos occupies 41 pixels from y = 6 + 41 pos; its trace is High
// at y = 10 + 41 pos and Low 32 pixels lower. The six rows end at y = 252; the pattern
// area (press test, pointer confinement, grid and cursor lines) runs a little further so
// the last grid line, at y = 251, is drawn.
inline constexpr int kPpgRowTop = 6;
inline constexpr int kPpgRowPitch = 41;
inline constexpr int kPpgHighOffset = 4;
inline constexpr int kPpgLowOffset = 36;
inline constexpr int kPpgFirstGridY = 46;
inline constexpr int kPpgAreaHeight = 256;
inline constexpr int kPpgLineBottom = kPpgAreaHeight - 5;  // grid and cursor lines end here

constexpr int RowTop(int pos) { return kPpgRowTop + kPpgRowPitch * pos; }
constexpr int HighY(int pos) { return RowTop(pos) + kPpgHighOffset; }
constexpr int LowY(int pos) { return RowTop(pos) + kPpgLowOffset; }
constexpr int LevelY(int pos, bool high) { return high ? HighY(pos) : LowY(pos); }
// The display row a y coordinate hits, by fixed bands: y < 48 row 0, 48..89 row 1, ...,
// 216 and below row 5.
constexpr int RowAt(int y) {
  if (y < 48) return 0;
  const int row = 1 + (y - 48) / 42;
  return row > 5 ? 5 : row;
}

// An inclusive range of addresses.
struct AddressRange {
  int first = 0;
  int last = 0;
  friend bool operator==(const AddressRange&, const AddressRange&) = default;
};

struct PpgViewGeometry {
  int dataLen = kPpgLen;
  int zoomIndex = kPpgInitialZoomIndex;
  int scrollX = 0;
  int viewWidth = 0;  // client size of the picture
  int viewHeight = 0;
  // While the view fits its window: the addresses per pixel that show the whole pattern in
  // it, in place of the table entry.
  std::optional<ZoomRatio> fit;

  bool fitting() const { return fit.has_value(); }
  void FitToView() { fit = FitRatio(dataLen, viewWidth); }
  void LeaveFit() { fit.reset(); }
  ZoomRatio zoom() const { return fit ? *fit : kPpgZoomTable[std::size_t(zoomIndex)]; }
  // Addresses per pixel.
  double zoomX() const { return zoom().value(); }
  // More than one address per pixel: the traces are drawn column by column.
  bool columnsHoldSeveral() const { return zoom().num > zoom().den; }
  // round(dataLen / zoomX): 819 at 20 addresses per pixel.
  int contentWidth() const;

  // Address of view column x: trunc((x + scrollX) x zoomX), held in 0..dataLen - 1.
  int AddressAt(int x) const;
  // The addresses a view column covers: from its address to the next column's minus one,
  // at least its own. The column that reaches the pattern's end covers it.
  AddressRange ColumnAt(int x) const;
  // Content pixel of address a: round(a / zoomX); ViewX subtracts the scroll offset.
  int ContentX(int a) const;
  int ViewX(int a) const { return ContentX(a) - scrollX; }

  // A press at (x, y) lies over the pattern: left of the content's end and above the
  // bottom of the pattern area.
  bool InsideArea(int x, int y) const {
    return x >= 0 && y >= 0 && x <= contentWidth() - scrollX && y < kPpgAreaHeight;
  }
  // Content x lies within the view columns.
  bool ColumnVisible(int contentX) const {
    return contentX >= scrollX && contentX <= scrollX + viewWidth;
  }
  // Pixels of the view the content covers (the pattern may end inside the view).
  int visibleWidth() const;
};

// ---- zoom ----------------------------------------------------------------------------------
// A zoom request along the address axis: direction +1 magnifies (toward step 0), -1 reduces;
// larger steps jump ("Max", "All"). The shared zoom animation runs around the anchor.
class PpgZoom {
 public:
  using State = ZoomAnimation::State;
  State state() const { return anim_.state(); }
  bool zoomingIn() const { return anim_.zoomingIn(); }

  // False at the limit (the clamped step equals the current one).
  bool Request(const PpgViewGeometry& view, int direction, int ax, int ay);
  ZoomRect Tick() { return anim_.Tick(); }
  bool finished() const { return anim_.finished(); }
  // The new step (from the fitted ratio, which it leaves, while the view fits its window);
  // scrollX keeps the address under the anchor in place, not below 0.
  void Apply(PpgViewGeometry& view);
  void LimitShown() { anim_.LimitShown(); }

  int ax() const { return anim_.cx(); }
  int ay() const { return anim_.cy(); }
  // The offset the last Apply asked for before it was held at 0.
  int wantedScrollX() const { return wantX_; }

 private:
  ZoomAnimation anim_;
  int direction_ = 0;
  int wantX_ = 0;
};

// The steps of "Max" (to 0.04 addresses per pixel) and "All" (back to 20), from the table
// index or from the fitted ratio.
inline int MaxDirection(const PpgViewGeometry& v) {
  return StepToward(v.zoomIndex, v.fit, kPpgZoomTable, 0);
}
inline int AllDirection(const PpgViewGeometry& v) {
  return StepToward(v.zoomIndex, v.fit, kPpgZoomTable, kPpgInitialZoomIndex);
}

// Fits scrollX to the content (0..contentWidth - viewWidth) and says how the bar looks.
inline ScrollBarState FitPpgScroll(PpgViewGeometry& v) {
  return FitScroll(v.scrollX, v.contentWidth(), v.viewWidth);
}

// ---- cursors -------------------------------------------------------------------------------
// X cursors at one third and two thirds of the visible part of the content.
CursorPair InitialPpgCursors(const PpgViewGeometry& view);
void PlaceInitialCursors(PpgDoc& doc, const PpgViewGeometry& view);
// Where an X cursor line stands: view x of its left edge and whether it shows.
struct PpgCursorLine {
  bool visible = false;
  int left = 0;
};
PpgCursorLine CursorLineAt(const PpgViewGeometry& view, int address);
// A grabbed cursor (1 or 2) follows the address under the pointer within its limits:
// 0 <= csrX1 <= csrX2 - 1 and csrX1 + 1 <= csrX2 <= dataLen - 1.
void DragPpgCursor(PpgDoc& doc, int grabbed, int address);

// ---- selection -----------------------------------------------------------------------------
// The selection's end while dragging to (address, row): it grows right and down from its
// start only.
PpgPoint SelectionDragEnd(PpgPoint begin, int address, int row);

// Where the selection box stands in view pixels, clipped to the visible part.
struct PpgBox {
  bool visible = false;
  int left = 0, width = 0, top = 0, height = 0;
  bool startShown = false;  // the first column is visible (the marker above the graph)
  int startX = 0;
};
PpgBox SelectionBox(const PpgViewGeometry& view, int fromAddress, int toAddress, int firstRow,
                    int lastRow);

// ---- labels --------------------------------------------------------------------------------
// Labels over the vertical grid lines inside the view: the address round(d x zoomX) of
// line d in the document's X units ("0.###"), graph panel at graphLeft in the window.
std::vector<AxisLabel> PpgXAxisLabels(const PpgViewGeometry& view, double rescaleX,
                                      int graphLeft);

}  // namespace averoz
