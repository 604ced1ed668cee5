#include "core/wave/ViewCursors.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {

namespace {

std::int32_t& FieldValue(WaveDoc& doc, CursorField field) {
  switch (field) {
    case CursorField::X1: return doc.csrX1;
    case CursorField::X2: case CursorField::DX: return doc.csrX2;
    case CursorField::Y1: return doc.csrY1;
    case CursorField::Y2: case CursorField::DY: return doc.csrY2;
  }
  return doc.csrX1;
}

bool IsXField(CursorField f) {
  return f == CursorField::X1 || f == CursorField::X2 || f == CursorField::DX;
}

}  // namespace

void PlaceInitialXCursors(WaveDoc& doc, const ViewGeometry& v) {
  const int w = VisibleThird(v.scrollX, v.viewWidth, v.contentWidth());
  const CursorPair p = DistinctCursors(UnitsAt(w + v.scrollX, v.ratioX()),
                                       UnitsAt(2 * w + v.scrollX, v.ratioX()), doc.dataLen - 1);
  doc.csrX1 = p.first;
  doc.csrX2 = p.second;
}

void PlaceInitialYCursors(WaveDoc& doc, const ViewGeometry& v) {
  const int h = VisibleThird(v.scrollY, v.viewHeight, v.contentHeight());
  const int top = v.contentHeight() - v.scrollY;
  const CursorPair p = DistinctCursors(UnitsAt(top - 2 * h, v.ratioY()),
                                       UnitsAt(top - h, v.ratioY()), kMaxCode);
  doc.csrY1 = p.first;
  doc.csrY2 = p.second;
}

CursorRange RangeOf(const WaveDoc& doc, CursorField field) {
  switch (field) {
    case CursorField::X1: return {0, doc.csrX2 - 1};
    case CursorField::X2: case CursorField::DX: return {doc.csrX1 + 1, doc.dataLen - 1};
    case CursorField::Y1: return {0, doc.csrY2 - 1};
    case CursorField::Y2: case CursorField::DY: return {doc.csrY1 + 1, kMaxCode};
  }
  return {};
}

std::string CursorText(const WaveDoc& doc, CursorField field) {
  const WaveScale s = doc.Scale();
  switch (field) {
    case CursorField::X1: return FormatNumber(s.IndexToX(doc.csrX1));
    case CursorField::X2: return FormatNumber(s.IndexToX(doc.csrX2));
    case CursorField::DX: return FormatNumber(s.IndexToX(doc.csrX2 - doc.csrX1 + 1));
    case CursorField::Y1: return FormatNumber(s.CodeToY(doc.csrY1));
    case CursorField::Y2: return FormatNumber(s.CodeToY(doc.csrY2));
    case CursorField::DY: return FormatNumber(s.CodeDiffToY(doc.csrY2 - doc.csrY1 + 1));
  }
  return {};
}

std::string ValueAtText(const WaveDoc& doc, int index) {
  if (index < 0 || index >= doc.dataLen) return "-";
  const int v = doc.waveData[std::size_t(index)];
  return v < 0 ? "-" : FormatNumber(doc.Scale().CodeToY(v));
}

bool EnterCursor(WaveDoc& doc, CursorField field, std::string_view text) {
  const bool x = IsXField(field);
  // X values are positions from the start: no sign. Y values may lie below zero.
  if (x ? !IsUnsignedDecimal(text) : !IsSignedDecimal(text)) return false;
  double value = 0;
  if (!ParseDecimal(text, value)) return false;
  const WaveScale s = doc.Scale();
  switch (field) {
    // A span longer than the document reaches its end all the same; holding it there keeps
    // the sum below from overflowing on a huge entry.
    case CursorField::DX: {
      const int t = doc.csrX1 + std::clamp(s.XToIndex(value), 2, doc.dataLen);
      doc.csrX2 = t > doc.dataLen - 1 ? doc.dataLen - 1 : t - 1;
      return true;
    }
    case CursorField::DY: {
      // The difference may be typed negative; it still spans at least two codes.
      const int t = doc.csrY1 + std::clamp(s.YToCodeDiff(value), 2, kMaxCode + 1);
      doc.csrY2 = t > kMaxCode ? kMaxCode : t - 1;
      return true;
    }
    default: break;
  }
  const CursorRange r = RangeOf(doc, field);
  FieldValue(doc, field) = std::clamp(x ? s.XToIndex(value) : s.YToCode(value), r.min, r.max);
  return true;
}

void StepCursor(WaveDoc& doc, CursorField field, bool up) {
  const CursorRange r = RangeOf(doc, field);
  std::int32_t& v = FieldValue(doc, field);
  v = std::clamp(v + (up ? 1 : -1), r.min, r.max);
}

void DragCursor(WaveDoc& doc, GrabbedCursor grabbed, int index, int code) {
  switch (grabbed) {
    case GrabbedCursor::X1: doc.csrX1 = DragLowerCursor(index, doc.csrX2); break;
    case GrabbedCursor::X2: doc.csrX2 = DragUpperCursor(index, doc.csrX1, doc.dataLen - 1); break;
    case GrabbedCursor::Y1: doc.csrY1 = DragLowerCursor(code, doc.csrY2); break;
    case GrabbedCursor::Y2: doc.csrY2 = DragUpperCursor(code, doc.csrY1, kMaxCode); break;
    case GrabbedCursor::None: break;
  }
}

CursorLine XCursorLine(const WaveDoc& doc, const ViewGeometry& v, int index) {
  CursorLine line;
  line.pos = v.ViewX(index) + 1;
  line.length = v.contentHeight() - v.scrollY;
  line.visible = doc.xCursorOn && line.pos >= 0 && line.pos <= v.viewWidth;
  return line;
}

CursorLine YCursorLine(const WaveDoc& doc, const ViewGeometry& v, int code) {
  CursorLine line;
  line.pos = v.ViewY(code) + 1;
  line.length = v.contentWidth() - v.scrollX;
  line.visible = doc.yCursorOn && line.pos >= 0 && line.pos <= v.viewHeight;
  return line;
}

GrabbedCursor GrabAt(const CursorLine& x1, const CursorLine& x2, const CursorLine& y1,
                     const CursorLine& y2, int x, int y) {
  constexpr int t = kGrabTolerance;
  GrabbedCursor g = GrabbedCursor(GrabCursor(x1.visible, x1.pos, x2.visible, x2.pos, x));
  // Y lines count downward from the top: the lower code's line is the lower one.
  if (y1.visible && y1.pos - t < y && y < y1.pos + 2 * t) g = GrabbedCursor::Y1;
  if (y2.visible && y2.pos - 2 * t < y && y < y2.pos + t) g = GrabbedCursor::Y2;
  return g;
}

}  // namespace averoz
