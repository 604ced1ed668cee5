#pragma once
// The graph panel `pngraph` of a waveform window: the image `ImgWave` with the curve, the
// mouse area `Mousepad`, the cursor lines `Xcsr1`, `Xcsr2`, `Ycsr1`, `Ycsr2`, the
// selection box `selBox`, the zoom rectangle `zoomani`, the label `lblLimit` and the
// scroll bars. It shows the document at the view geometry it holds; the window decides
// when the geometry changes.
#include <QFrame>
#include <optional>

#include "core/wave/ViewCursors.h"
#include "core/wave/ViewGeometry.h"
#include "core/wave/ViewZoom.h"
#include "ui/wave/WaveRenderer.h"

class QLabel;
class QScrollBar;

namespace averoz {

class Mousepad;
class WaveDoc;
class XorImage;

class WaveView : public QFrame {
  Q_OBJECT
 public:
  static constexpr int kHSmallChange = 10, kHLargeChange = 50;
  static constexpr int kVSmallChange = 4, kVLargeChange = 32;

  WaveView(WaveDoc& doc, QWidget* parent);

  ViewGeometry& geom() { return geom_; }
  const ViewGeometry& geom() const { return geom_; }
  WaveRenderer& renderer() { return renderer_; }
  Mousepad* mousepad() const { return mousepad_; }
  QScrollBar* hScrollBar() const { return hScroll_; }
  QScrollBar* vScrollBar() const { return vScroll_; }
  QLabel* limitLabel() const { return lblLimit_; }

  void SetColors(const ViewColors& colors);

  // The image takes the panel's client size; scroll bars and the picture follow.
  void Relayout();
  // Fits the scroll offsets and shows or hides the bars (after a zoom, resize or scroll).
  void FitScrollBars();
  // Background, grid, curve, cursor lines and selection box.
  void RedrawAll();
  // Samples a..b changed.
  void RedrawRange(int a, int b);
  void PlaceCursors();
  void PlaceSelection();
  // View x where the selection starts, or nothing when its start is not shown.
  std::optional<int> selectionStartX() const { return selStartX_; }

  CursorLine cursorLine(GrabbedCursor which) const;

  void ShowZoomRect(const ZoomRect& r);
  void HideZoomRect();
  void ShowLimit(const QString& text, int cx, int cy);
  void HideLimit();

  // The line tool's rubber band: the previous band is drawn again to take it away.
  void DrawBand(QPoint start, QPoint end);
  void EraseBand();
  void ForgetBand() { bandEnd_.reset(); }

  // The screen rectangle the pointer is held in during a drag: the panel without the
  // part beyond the content's end and without the scroll bars.
  QRect ConfineRect() const;

  // Scrolls by the wheel: the vertical bar when shown, else the horizontal one.
  void WheelScroll(bool down);

 signals:
  // The user scrolled; the picture is redrawn already, labels and selection marker follow.
  void scrolled();

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void ScrollTo(QScrollBar* bar, int position);

  WaveDoc& doc_;
  ViewGeometry geom_;
  WaveRenderer renderer_;
  XorImage* image_;
  QColor selectColor_;
  Mousepad* mousepad_;
  QWidget* xcsr_[2];
  QWidget* ycsr_[2];
  QWidget* selBox_;
  QWidget* zoomani_;
  QLabel* lblLimit_;
  QWidget* pnxscr_;
  QScrollBar* hScroll_;
  QScrollBar* vScroll_;
  QWidget* corner_;  // the square between the two bars
  ScrollBarState hState_, vState_;
  std::optional<int> selStartX_;
  std::optional<QPoint> bandStart_, bandEnd_;
};

}  // namespace averoz
