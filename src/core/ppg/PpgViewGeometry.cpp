#include "core/ppg/PpgViewGeometry.h"

#include <algorithm>

#include "core/app/general.h"
#include "core/wave/WaveScale.h"

namespace averoz {

int PpgViewGeometry::contentWidth() const {
  const ZoomRatio z = zoom();
  return int(RoundDiv64(std::int64_t(dataLen) * z.den, z.num));
}

int PpgViewGeometry::AddressAt(int x) const {
  const ZoomRatio z = zoom();
  const std::int64_t a = std::int64_t(std::max(0, x + scrollX)) * z.num / z.den;
  return int(std::min<std::int64_t>(a, dataLen - 1));
}

AddressRange PpgViewGeometry::ColumnAt(int x) const {
  const ZoomRatio z = zoom();
  const int first = AddressAt(x);
  // The next column's address before it is held at the last address: a column running
  // past the end covers the end.
  const std::int64_t next = std::int64_t(std::max(0, x + 1 + scrollX)) * z.num / z.den;
  const int last = next >= dataLen ? dataLen - 1 : int(next) - 1;
  return {first, std::max(first, last)};
}

int PpgViewGeometry::ContentX(int a) const {
  const ZoomRatio z = zoom();
  return int(RoundDiv64(std::int64_t(a) * z.den, z.num));
}

int PpgViewGeometry::visibleWidth() const {
  return std::clamp(contentWidth() - scrollX, 0, viewWidth);
}

bool PpgZoom::Request(const PpgViewGeometry& view, int direction, int ax, int ay) {
  // Leaving the fitted ratio for the table is a move even where the index stays.
  const bool moves =
      view.fitting() || StepZoom(view.zoomIndex, {}, kPpgZoomTable, direction) != view.zoomIndex;
  if (!anim_.Request(moves, direction > 0, ax, ay, view.viewWidth, view.viewHeight))
    return false;
  direction_ = direction;
  return true;
}

void PpgZoom::Apply(PpgViewGeometry& view) {
  const ZoomRatio old = view.zoom();
  view.zoomIndex = StepZoom(view.zoomIndex, view.fit, kPpgZoomTable, direction_);
  view.LeaveFit();
  wantX_ = ZoomScroll(view.scrollX, anim_.cx(), old, view.zoom());
  view.scrollX = std::max(0, wantX_);
  anim_.Applied();
}

CursorPair InitialPpgCursors(const PpgViewGeometry& v) {
  const int d = VisibleThird(v.scrollX, v.viewWidth, v.contentWidth());
  const ZoomRatio z = v.zoom();
  auto address = [&](int px) { return int(RoundDiv64(std::int64_t(px) * z.num, z.den)); };
  return DistinctCursors(address(d + v.scrollX), address(2 * d + v.scrollX), v.dataLen - 1);
}

void PlaceInitialCursors(PpgDoc& doc, const PpgViewGeometry& view) {
  const CursorPair p = InitialPpgCursors(view);
  doc.csrX1 = p.first;
  doc.csrX2 = p.second;
}

PpgCursorLine CursorLineAt(const PpgViewGeometry& v, int address) {
  PpgCursorLine line;
  line.left = v.ViewX(address);
  line.visible = line.left >= 0 && line.left <= v.viewWidth;
  return line;
}

void DragPpgCursor(PpgDoc& doc, int grabbed, int address) {
  if (grabbed == 1) doc.csrX1 = DragLowerCursor(address, doc.csrX2);
  else if (grabbed == 2) doc.csrX2 = DragUpperCursor(address, doc.csrX1, doc.dataLen - 1);
}

PpgPoint SelectionDragEnd(PpgPoint begin, int address, int row) {
  return {std::max(begin.x, address), std::max(begin.y, row)};
}

PpgBox SelectionBox(const PpgViewGeometry& v, int fromAddress, int toAddress, int firstRow,
                    int lastRow) {
  PpgBox box;
  const int x1 = v.ViewX(fromAddress), x2 = v.ViewX(toAddress);
  if (x2 < 0 || x1 > v.viewWidth || lastRow < firstRow) return box;
  box.visible = true;
  box.left = std::max(x1, 0);
  box.width = std::max(1, std::min(x2, v.viewWidth) - box.left + 1);
  box.top = RowTop(firstRow);
  box.height = kPpgRowPitch * (lastRow - firstRow + 1);
  box.startShown = x1 >= 0;
  box.startX = x1;
  return box;
}

std::vector<AxisLabel> PpgXAxisLabels(const PpgViewGeometry& v, double rescaleX,
                                      int graphLeft) {
  std::vector<AxisLabel> labels;
  const ZoomRatio z = v.zoom();
  const WaveScale scale{v.dataLen, rescaleX};
  for (const int d : VisibleGridLines(kPpgGridStepX, v.contentWidth(), v.scrollX, v.viewWidth)) {
    const double address = double(RoundDiv64(std::int64_t(d) * z.num, z.den));
    labels.push_back(XLabelAt(d, FormatNumber(scale.IndexToX(address)), graphLeft, v.scrollX));
  }
  return labels;
}

}  // namespace averoz
