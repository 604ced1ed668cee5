#include "ui/signal/SignalPreview.h"

#include <QPainter>
#include <algorithm>

namespace averoz {
namespace {

// One vertical stroke per pixel column from the min to the max of the samples under it.
template <typename T>
void DrawEnvelope(QPainter& p, const QRect& area, std::span<const T> v, double low, double high) {
  if (v.empty() || area.width() < 2) return;
  const double range = high > low ? high - low : 1.0;
  auto y = [&](double value) {
    return area.bottom() - (value - low) / range * double(area.height() - 1);
  };
  const int width = area.width();
  QPointF last;
  for (int x = 0; x < width; ++x) {
    const std::size_t from = v.size() * std::size_t(x) / std::size_t(width);
    const std::size_t to = std::max(from + 1, v.size() * std::size_t(x + 1) / std::size_t(width));
    const auto [mn, mx] = std::minmax_element(v.begin() + std::ptrdiff_t(from),
                                              v.begin() + std::ptrdiff_t(std::min(to, v.size())));
    const QPointF top(area.left() + x, y(double(*mx))), bottom(area.left() + x, y(double(*mn)));
    if (x > 0) p.drawLine(last, bottom);
    p.drawLine(top, bottom);
    last = top;
  }
}

}  // namespace

SignalPreview::SignalPreview(QWidget* parent) : QWidget(parent) {
  setMinimumSize(360, 220);
  setAutoFillBackground(false);
}

void SignalPreview::setSignal(std::span<const double> values) {
  signal_ = values;
  if (!values.empty()) {
    const auto [mn, mx] = std::minmax_element(values.begin(), values.end());
    signalLow_ = *mn;
    signalHigh_ = *mx;
  }
  update();
}

void SignalPreview::setCodes(std::vector<std::int32_t> codes) {
  codes_ = std::move(codes);
  update();
}

void SignalPreview::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  const int half = height() / 2;
  const QRect top(4, 4, width() - 8, half - 8), bottom(4, half + 4, width() - 8, half - 8);
  p.setPen(QColor(60, 60, 60));
  p.drawLine(0, half, width(), half);
  p.setPen(QColor(140, 200, 255));
  DrawEnvelope(p, top, signal_, signalLow_, signalHigh_);
  p.setPen(QColor(120, 255, 120));
  DrawEnvelope(p, bottom, std::span<const std::int32_t>(codes_), 0.0, 4095.0);
}

}  // namespace averoz
