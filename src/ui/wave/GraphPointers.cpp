#include "ui/wave/GraphPointers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>
#include <utility>

namespace averoz {

namespace {

constexpr int kSize = 32;
constexpr int kMid = kSize / 2;

// Black strokes with a white rim, readable on any of the theme backgrounds; the inverting
// variants swap the two.
void Stroke(QPainter& p, const QPainterPath& path, bool inverted) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(inverted ? Qt::black : Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(inverted ? Qt::white : Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(path);
}

// The drawing each pointer is made of, and whether it is an inverting variant.
GraphPointer BaseOf(GraphPointer which, bool& inverted) {
  inverted = true;
  switch (which) {
    case GraphPointer::ArInv: return GraphPointer::Arrow;
    case GraphPointer::CurOnInv: return GraphPointer::CurOn;
    case GraphPointer::BitPenInv: return GraphPointer::BitPen;
    case GraphPointer::BitPenHInv: return GraphPointer::BitPenH;
    case GraphPointer::BitPenLInv: return GraphPointer::BitPenL;
    default: inverted = false; return which;
  }
}

// A double arrow across the hot spot (horizontal for X cursors) with the cursor's number.
QPainterPath DoubleArrow(bool horizontal) {
  QPainterPath path;
  auto pt = [horizontal](int along, int across) {
    return horizontal ? QPointF(along, across) : QPointF(across, along);
  };
  path.moveTo(pt(4, kMid));
  path.lineTo(pt(kSize - 5, kMid));
  for (const int tip : {4, kSize - 5}) {
    const int back = tip < kMid ? tip + 4 : tip - 4;
    path.moveTo(pt(back, kMid - 4));
    path.lineTo(pt(tip, kMid));
    path.lineTo(pt(back, kMid + 4));
  }
  path.moveTo(pt(kMid, kMid - 7));
  path.lineTo(pt(kMid, kMid + 7));
  return path;
}

QCursor Make(GraphPointer pointer) {
  bool inverted = false;
  const GraphPointer which = BaseOf(pointer, inverted);
  QPixmap pm(kSize, kSize);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  QPainterPath path;
  QPoint hot(kMid, kMid);
  QString digit;
  switch (which) {
    case GraphPointer::HCur1: case GraphPointer::HCur2:
      path = DoubleArrow(true);
      digit = which == GraphPointer::HCur1 ? "1" : "2";
      break;
    case GraphPointer::VCur1: case GraphPointer::VCur2:
      path = DoubleArrow(false);
      digit = which == GraphPointer::VCur1 ? "1" : "2";
      break;
    case GraphPointer::CurOn:
      path.moveTo(kMid, 3);
      path.lineTo(kMid, kSize - 4);
      path.moveTo(3, kMid);
      path.lineTo(kSize - 4, kMid);
      path.addRect(kMid - 5, kMid - 5, 10, 10);
      break;
    case GraphPointer::Free: case GraphPointer::BitPen: case GraphPointer::BitPenH:
    case GraphPointer::BitPenL:
      // A pen with its tip on the hot spot at the lower left.
      hot = QPoint(2, kSize - 3);
      path.moveTo(2, kSize - 3);
      path.lineTo(6, kSize - 11);
      path.lineTo(22, 5);
      path.lineTo(28, 11);
      path.lineTo(12, kSize - 7);
      path.closeSubpath();
      path.moveTo(6, kSize - 11);
      path.lineTo(12, kSize - 7);
      if (which == GraphPointer::BitPen) path.addRect(20, 20, 8, 8);
      // The High and Lo pens carry the level they write.
      if (which == GraphPointer::BitPenH) digit = "H";
      if (which == GraphPointer::BitPenL) digit = "L";
      break;
    case GraphPointer::Line:
      path.moveTo(kMid, 4);
      path.lineTo(kMid, kSize - 5);
      path.moveTo(4, kMid);
      path.lineTo(kSize - 5, kMid);
      path.moveTo(kMid + 4, kMid - 4);
      path.lineTo(kSize - 3, 3);
      break;
    case GraphPointer::Arrow:
      // Only the inverting arrow is drawn; the plain one is the system's.
      hot = QPoint(1, 1);
      path.moveTo(1, 1);
      path.lineTo(1, 20);
      path.lineTo(6, 15);
      path.lineTo(10, 23);
      path.lineTo(13, 22);
      path.lineTo(9, 14);
      path.lineTo(15, 14);
      path.closeSubpath();
      break;
    default: break;
  }
  Stroke(p, path, inverted);
  if (!digit.isEmpty()) {
    QFont f = p.font();
    f.setPixelSize(10);
    f.setBold(true);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(kMid + 3, 1, 10, 12), Qt::AlignCenter, digit);
    p.setPen(Qt::black);
    p.drawText(QRect(kMid + 2, 0, 10, 12), Qt::AlignCenter, digit);
  }
  p.end();
  return QCursor(pm, hot.x(), hot.y());
}

}  // namespace

const QCursor& GraphPointerShape(GraphPointer pointer) {
  static std::array<QCursor, kGraphPointerCount> shapes = [] {
    std::array<QCursor, kGraphPointerCount> a;
    a[0] = QCursor(Qt::ArrowCursor);
    for (int n = 1; n < kGraphPointerCount; ++n) a[std::size_t(n)] = Make(GraphPointer(n));
    return a;
  }();
  return shapes[std::size_t(pointer)];
}

const char* GraphPointerName(GraphPointer pointer) {
  static const char* const names[kGraphPointerCount] = {
      "",      "HCUR1",    "HCUR2",     "VCUR1",   "VCUR2",   "CURON",
      "FREE",  "BITPEN",   "LINE",      "ARINV",   "CURONINV", "BITPENINV",
      "BITPENH", "BITPENL", "BITPENHINV", "BITPENLINV"};
  return names[int(pointer)];
}

GraphPointer InvertingPointer(GraphPointer pointer, bool inverting) {
  static constexpr std::pair<GraphPointer, GraphPointer> kPairs[] = {
      {GraphPointer::Arrow, GraphPointer::ArInv},
      {GraphPointer::CurOn, GraphPointer::CurOnInv},
      {GraphPointer::BitPen, GraphPointer::BitPenInv},
      {GraphPointer::BitPenH, GraphPointer::BitPenHInv},
      {GraphPointer::BitPenL, GraphPointer::BitPenLInv}};
  for (const auto& [plain, inv] : kPairs) {
    if (inverting && pointer == plain) return inv;
    if (!inverting && pointer == inv) return plain;
  }
  return pointer;
}

}  // namespace averoz
