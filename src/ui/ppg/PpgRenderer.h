#pragma once
// Draws a pattern document into the view's picture: background and grid, then the six
// traces, all of them or only the pixel columns an edit touched. At more than one address
// per pixel each column shows a dot, or a stroke where the level changes; at one address
// or less per pixel the traces are steps. Cursor lines, the selection box and the
// inversion markers are widgets over the picture.
#include <QImage>
#include <QRect>

#include "core/ppg/PpgViewGeometry.h"
#include "core/wave/ViewColors.h"

namespace averoz {

class PpgDoc;

class PpgRenderer {
 public:
  const QImage& image() const { return image_; }
  void SetColors(const ViewColors& colors) { colors_ = colors; }
  const ViewColors& colors() const { return colors_; }

  // The picture takes the view's size (contents undefined until the next DrawAll).
  void Resize(int width, int height);
  void DrawAll(const PpgDoc& doc, const PpgViewGeometry& view);
  // Addresses a..b changed: the columns they and their edges cover. Returns the picture
  // rectangle repainted (empty when off the view).
  QRect DrawRange(const PpgDoc& doc, const PpgViewGeometry& view, int a, int b);

 private:
  void Draw(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip);
  void DrawGrid(const PpgViewGeometry& view, const QRect& clip);
  void DrawColumns(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip);
  void DrawSteps(const PpgDoc& doc, const PpgViewGeometry& view, const QRect& clip);
  void HLine(int y, int x0, int x1, QRgb c, const QRect& clip);
  void VLine(int x, int y0, int y1, QRgb c, const QRect& clip);

  QImage image_;
  ViewColors colors_;
};

}  // namespace averoz
