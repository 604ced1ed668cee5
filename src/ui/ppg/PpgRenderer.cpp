#include "ui/ppg/PpgRenderer.h"

#include <QPainter>
#include <algorithm>
#include <cstring>

#include "core/ppg/PpgDoc.h"
#include "ui/wave/WaveRenderer.h"

namespace averoz {

namespace {

QRgb Pixel(const Rgb& c) { return qRgb(c.r, c.g, c.b); }

}  // namespace

void PpgRenderer::Resize(int width, int height) {
  image_ = QImage(std::max(width, 1), std::max(height, 1), QImage::Format_RGB32);
}

void PpgRenderer::DrawAll(const PpgDoc& doc, const PpgViewGeometry& view) {
  if (!image_.isNull()) Draw(doc, view, image_.rect());
}

QRect PpgRenderer::DrawRange(const PpgDoc& doc, const PpgViewGeometry& view, int a, int b) {
  if (image_.isNull()) return {};
  a = std::clamp(a, 0, doc.dataLen - 1);
  b = std::clamp(b, a, doc.dataLen - 1);
  // The step into a and the one out of b change too.
  const QRect clip =
      QRect(QPoint(view.ViewX(a) - 1, 0), QPoint(view.ViewX(b + 1) + 1, image_.height() - 1)) &
      image_.rect();
  if (!clip.isEmpty()) Draw(doc, view, clip);
  return clip;
}

void PpgRenderer::Draw(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip) {
  DrawGrid(view, clip);
  if (view.columnsHoldSeveral()) DrawColumns(doc, view, clip);
  else DrawSteps(doc, view, clip);
}

void PpgRenderer::HLine(int y, int x0, int x1, QRgb c, const QRect& clip) {
  if (y < clip.top() || y > clip.bottom()) return;
  x0 = std::max(x0, clip.left());
  x1 = std::min(x1, clip.right());
  auto* line = reinterpret_cast<QRgb*>(image_.scanLine(y));
  for (int x = x0; x <= x1; ++x) line[x] = c;
}

void PpgRenderer::VLine(int x, int y0, int y1, QRgb c, const QRect& clip) {
  if (x < clip.left() || x > clip.right()) return;
  if (y0 > y1) std::swap(y0, y1);
  y0 = std::max(y0, clip.top());
  y1 = std::min(y1, clip.bottom());
  const qsizetype stride = image_.bytesPerLine() / qsizetype(sizeof(QRgb));
  if (y0 > y1) return;
  QRgb* p = reinterpret_cast<QRgb*>(image_.scanLine(y0)) + x;
  for (int y = y0; y <= y1; ++y, p += stride) *p = c;
}

void PpgRenderer::DrawGrid(const PpgViewGeometry& view, const QRect& clip) {
  {
    QPainter p(&image_);
    p.fillRect(clip, ToQColor(colors_.background));
  }
  const QRgb grid = Pixel(colors_.grid);
  for (const int d : VisibleGridLines(kPpgGridStepX, view.contentWidth(), view.scrollX,
                                      view.viewWidth))
    VLine(d - view.scrollX, 0, kPpgLineBottom, grid, clip);
  const int right = view.contentWidth() - view.scrollX;
  for (int y = kPpgFirstGridY; y <= kPpgLineBottom; y += kPpgGridStepY) HLine(y, 0, right, grid, clip);
}

// More than one address per column: per column a dot at its level, or a stroke from High to
// Low when the column, or the step from the previous column's last address into it,
// holds both levels.
void PpgRenderer::DrawColumns(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip) {
  const int n = int(view.zoom().num);  // addresses per column
  const int x0 = std::max(clip.left(), 0);
  const int x1 = std::min(clip.right(), view.contentWidth() - view.scrollX);
  const QRgb graph = Pixel(colors_.graph);
  for (int pos = 0; pos < kPpgChannels; ++pos) {
    const std::uint8_t* bits = doc.channel(doc.chOrder[std::size_t(pos)]).data();
    const int hy = HighY(pos), ly = LowY(pos);
    for (int x = x0; x <= x1; ++x) {
      // The addresses whose rounded pixel is this column.
      const int lo = std::max(0, (x + view.scrollX) * n - n / 2);
      const int hi = std::min(doc.dataLen - 1, (x + view.scrollX) * n - n / 2 + n - 1);
      if (lo > hi) continue;
      const std::uint8_t prev = bits[lo > 0 ? lo - 1 : 0];
      const std::size_t count = std::size_t(hi - lo + 1);
      const bool high = prev || std::memchr(bits + lo, 1, count);
      const bool low = !prev || std::memchr(bits + lo, 0, count);
      if (high && low) VLine(x, hy, ly, graph, clip);
      else VLine(x, high ? hy : ly, high ? hy : ly, graph, clip);
    }
  }
}

// One address or less per pixel: from each address a horizontal line at its level to the
// next address's pixel, and a vertical line where the level changes; the last address runs
// to the pixel of dataLen.
void PpgRenderer::DrawSteps(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip) {
  const int d = int(view.zoom().den);  // pixels per address
  const int first = std::max(0, (clip.left() + view.scrollX) / d - 1);
  const int last = std::min(doc.dataLen - 1, (clip.right() + view.scrollX) / d + 1);
  const QRgb graph = Pixel(colors_.graph);
  for (int pos = 0; pos < kPpgChannels; ++pos) {
    const std::uint8_t* bits = doc.channel(doc.chOrder[std::size_t(pos)]).data();
    for (int a = first; a <= last; ++a) {
      const int x = a * d - view.scrollX;
      const int y = LevelY(pos, bits[a]);
      HLine(y, x, x + d, graph, clip);
      if (a > 0 && bits[a] != bits[a - 1]) VLine(x, HighY(pos), LowY(pos), graph, clip);
    }
  }
}

}  // namespace averoz
