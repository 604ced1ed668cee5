#include "ui/wave/WaveRenderer.h"

#include <QPainter>
#include <algorithm>
#include <vector>

#include "core/wave/WaveDoc.h"

namespace averoz {

namespace {

// Collects the curve's lines in drawing order and hands them to the painter in runs of
// one colour, so a later sample still covers an earlier one. Consecutive points in one
// pixel column merge into one vertical span: at 32 samples per pixel that is one line
// where there would be thirty-two, with the same pixels.
class CurveBatch {
 public:
  CurveBatch(QPainter& p, const QRect& clip, bool lines) : p_(p), clip_(clip), lines_(lines) {}
  ~CurveBatch() { Flush(); }

  void SetColor(const QColor& c) {
    if (c == color_) return;
    Flush();
    color_ = c;
  }
  void Start(int x, int y) {
    px_ = x;
    py_ = y;
    Point(x, y);
  }
  void To(int x, int y) {
    if (!lines_) {
      Point(x, y);
    } else if (x == px_) {
      if (!span_) spanLo_ = spanHi_ = py_;
      span_ = true;
      spanLo_ = std::min(spanLo_, y);
      spanHi_ = std::max(spanHi_, y);
    } else {
      EndSpan();
      if (std::max(px_, x) >= clip_.left() && std::min(px_, x) <= clip_.right())
        segs_.emplace_back(px_, py_, x, y);
    }
    px_ = x;
    py_ = y;
  }
  void Flush() {
    EndSpan();
    if (segs_.empty() && points_.empty()) return;
    p_.setPen(QPen(color_, 1));
    if (!segs_.empty()) p_.drawLines(segs_.data(), int(segs_.size()));
    if (!points_.empty()) p_.drawPoints(points_.data(), int(points_.size()));
    segs_.clear();
    points_.clear();
  }

 private:
  void Point(int x, int y) {
    if (x >= clip_.left() && x <= clip_.right()) points_.emplace_back(x, y);
  }
  void EndSpan() {
    if (!span_) return;
    span_ = false;
    if (px_ >= clip_.left() && px_ <= clip_.right()) segs_.emplace_back(px_, spanLo_, px_, spanHi_);
  }

  QPainter& p_;
  QRect clip_;
  bool lines_;
  QColor color_;
  std::vector<QLine> segs_;
  std::vector<QPoint> points_;
  int px_ = 0, py_ = 0;
  bool span_ = false;
  int spanLo_ = 0, spanHi_ = 0;
};

}  // namespace

void WaveRenderer::Resize(int width, int height) {
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
}

void WaveRenderer::DrawAll(const WaveDoc& doc, const ViewGeometry& view) {
  if (image_.isNull()) return;  // not laid out yet
  const QRect all = image_.rect();
  DrawGrid(view, all);
  DrawCurve(doc, view, 0, doc.dataLen - 1, all);
}

QRect WaveRenderer::DrawRange(const WaveDoc& doc, const ViewGeometry& view, int a, int b) {
  if (image_.isNull()) return {};
  a = std::clamp(a, 0, doc.dataLen - 1);
  b = std::clamp(b, a, doc.dataLen - 1);
  // The lines into a and out of b change too.
  const int left = view.ViewX(std::max(a - 1, 0));
  const int right = view.ViewX(std::min(b + 1, doc.dataLen - 1));
  const QRect clip = QRect(QPoint(left, 0), QPoint(right, image_.height() - 1)) & image_.rect();
  if (clip.isEmpty()) return {};
  DrawGrid(view, clip);
  // Every line that reaches into the columns is drawn again: from a sample whose column
  // lies left of them to one whose column lies right of them.
  const ZoomRatio z = view.ratioX();
  const int perColumn = int((z.num + z.den - 1) / z.den);  // samples a column holds, at least 1
  const int from = std::max(0, UnitsAt(clip.left() + view.scrollX - 1, z) - perColumn);
  const int to = std::min(doc.dataLen - 1, UnitsAt(clip.right() + view.scrollX + 2, z));
  DrawCurve(doc, view, from, to, clip);
  return clip;
}

void WaveRenderer::DrawGrid(const ViewGeometry& view, const QRect& clip) {
  QPainter p(&image_);
  p.fillRect(clip, ToQColor(colors_.background));
  p.setClipRect(clip);
  p.setPen(QPen(ToQColor(colors_.grid), 1));
  const int bottom = view.contentHeight() - view.scrollY;
  const int right = view.contentWidth() - view.scrollX;
  for (int d = 0; d <= view.contentWidth(); d += kGridStepX) {
    const int x = d - view.scrollX;
    if (x >= clip.left() && x <= clip.right()) p.drawLine(x, 0, x, bottom);
  }
  const int x0 = std::max(clip.left(), -view.scrollX), x1 = std::min(clip.right(), right);
  for (int c = 0; c <= view.contentHeight(); c += kGridStepY) {
    const int y = c - view.scrollY;
    if (y >= 0 && y < image_.height() && x0 <= x1) p.drawLine(x0, y, x1, y);
  }
}

void WaveRenderer::DrawCurve(const WaveDoc& doc, const ViewGeometry& view, int from, int to,
                             const QRect& clip) {
  if (from > to || doc.waveData[std::size_t(from)] < 0) return;
  QPainter p(&image_);
  p.setClipRect(clip);
  const QColor graph = ToQColor(colors_.graph), protect = ToQColor(colors_.graphProtect);
  CurveBatch batch(p, clip, doc.lineDisp);
  for (int i = from; i <= to; ++i) {
    const int v = doc.waveData[std::size_t(i)];
    if (v < 0) break;
    batch.SetColor(doc.blockNo[std::size_t(i)] >= 1 ? protect : graph);
    const int x = view.ViewX(i), y = view.ViewY(v);
    if (i == from) batch.Start(x, y);
    else batch.To(x, y);
  }
}

void WaveRenderer::XorLine(QPoint from, QPoint to) {
  if (image_.isNull()) return;
  QPainter p(&image_);
  p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
  p.setPen(QPen(ToQColor(colors_.line), 1));
  p.drawLine(from, to);
}

}  // namespace averoz
