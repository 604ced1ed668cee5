#include "ui/app/Logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace averoz {

QPixmap ProgramLogo(int size) {
  QPixmap pix(size, size);
  pix.fill(Qt::transparent);
  QPainter p(&pix);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient bg(0, 0, 0, size);
  bg.setColorAt(0, QColor(32, 44, 64));
  bg.setColorAt(1, QColor(10, 14, 22));
  p.setBrush(bg);
  p.setPen(QPen(QColor(90, 110, 140), size / 32.0));
  p.drawRoundedRect(QRectF(1, 1, size - 2, size - 2), size / 6.0, size / 6.0);
  QPainterPath trace;
  const double m = size * 0.14, w = size - 2 * m;
  for (int i = 0; i <= 64; ++i) {
    const double t = i / 64.0;
    const double y = size / 2.0 - std::sin(t * 2 * M_PI) * std::exp(-1.2 * t) * size * 0.3;
    if (i == 0) trace.moveTo(m, y);
    else trace.lineTo(m + t * w, y);
  }
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(255, 64, 255), size / 16.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(trace);
  return pix;
}

}  // namespace averoz
