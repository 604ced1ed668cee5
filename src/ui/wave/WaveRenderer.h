#pragma once
// Draws a waveform document into the view's image: background, grid and curve, either all
// of it or only the pixel columns an edit touched. Cursor lines, the selection box and the
// zoom rectangle are separate widgets over the image; the line tool's rubber band is drawn
// into the image with an inverting pen.
#include <QColor>
#include <QImage>
#include <QRect>

#include "core/wave/ViewColors.h"
#include "core/wave/ViewGeometry.h"

namespace averoz {

class WaveDoc;

inline QColor ToQColor(const Rgb& c) { return QColor(c.r, c.g, c.b); }

class WaveRenderer {
 public:
  const QImage& image() const { return image_; }
  void SetColors(const ViewColors& colors) { colors_ = colors; }
  const ViewColors& colors() const { return colors_; }

  // The image takes the view's size (contents undefined until the next DrawAll).
  void Resize(int width, int height);
  // Background, grid and the whole curve.
  void DrawAll(const WaveDoc& doc, const ViewGeometry& view);
  // Samples a..b changed: background, grid and curve of the columns the lines into and
  // out of them cover. Returns the image rectangle repainted (empty when off the view).
  QRect DrawRange(const WaveDoc& doc, const ViewGeometry& view, int a, int b);
  // The rubber band: drawing the same line twice leaves the image as it was.
  void XorLine(QPoint from, QPoint to);

 private:
  void DrawGrid(const ViewGeometry& view, const QRect& clip);
  void DrawCurve(const WaveDoc& doc, const ViewGeometry& view, int from, int to,
                 const QRect& clip);

  QImage image_;
  ViewColors colors_;
};

}  // namespace averoz
