#include "ui/wave/WavePlot.h"

#include <QPainter>
#include <algorithm>

#include "core/wave/WaveDoc.h"

namespace averoz {

WavePlot::WavePlot(const WaveDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void WavePlot::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int w = width(), h = height();
  p.fillRect(rect(), Qt::black);
  p.setPen(QPen(Qt::gray, 1, Qt::DotLine));
  for (int x = 64; x < w; x += 64) p.drawLine(x, 0, x, h - 1);
  for (int y = 32; y < h; y += 32) p.drawLine(0, y, w - 1, y);

  // Each pixel column shows the lowest and highest code of the samples it covers.
  const int len = doc_.dataLen;
  auto yOf = [h](int code) { return (h - 1) - code * (h - 1) / kMaxCode; };
  p.setPen(QColor(255, 0, 255));
  for (int x = 0; x < w; ++x) {
    const int from = int(std::int64_t(x) * len / w);
    const int to = std::max(from + 1, int(std::int64_t(x + 1) * len / w));
    int lo = kMaxCode + 1, hi = -1;
    for (int i = from; i < to && i < len; ++i) {
      const int v = doc_.waveData[std::size_t(i)];
      if (v < 0) continue;
      lo = std::min(lo, v);
      hi = std::max(hi, v);
    }
    if (hi >= 0) p.drawLine(x, yOf(lo), x, yOf(hi));
  }
}

}  // namespace averoz
