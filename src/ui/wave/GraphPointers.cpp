#include "ui/wave/GraphPointers.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <array>

namespace averoz {

namespace {

constexpr int kSize = 32;
constexpr int kMid = kSize / 2;

// Black strokes with a white rim, readable on any of the theme backgrounds.
void Stroke(QPainter& p, const QPainterPath& path) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(path);
  p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
  p.drawPath(path);
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

QCursor Make(GraphPointer which) {
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
    case GraphPointer::Free: case GraphPointer::BitPen:
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
      break;
    case GraphPointer::Line:
      path.moveTo(kMid, 4);
      path.lineTo(kMid, kSize - 5);
      path.moveTo(4, kMid);
      path.lineTo(kSize - 5, kMid);
      path.moveTo(kMid + 4, kMid - 4);
      path.lineTo(kSize - 3, 3);
      break;
    case GraphPointer::Arrow: break;
  }
  Stroke(p, path);
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
  static std::array<QCursor, 9> shapes = [] {
    std::array<QCursor, 9> a;
    a[0] = QCursor(Qt::ArrowCursor);
    for (int n = 1; n < 9; ++n) a[std::size_t(n)] = Make(GraphPointer(n));
    return a;
  }();
  return shapes[std::size_t(pointer)];
}

const char* GraphPointerName(GraphPointer pointer) {
  static const char* const names[] = {"",      "HCUR1", "HCUR2",  "VCUR1", "VCUR2",
                                      "CURON", "FREE",  "BITPEN", "LINE"};
  return names[int(pointer)];
}

}  // namespace averoz
