#pragma once
// The client area of a pattern window: the axis-label strip, the channel header panels
// `pn1`..`pn6` and the graph panel `pngraph` with the picture `ImgWave`, the mouse area
// `Mousepad`, the X cursor lines `Xcsr1`, `Xcsr2`, the selection box `selBox` (and its
// start mark `selStart` above the panel), the inversion markers `Shape1`..`Shape3`, the
// zoom rectangle `zoomani`, the label `lblLimit` and the scroll bar `HScrollBar` in
// `pnxscr`. Timers: `tmZoomAnime` (50 ms), `tmlimiterace` (1000 ms), `tmInvDisp` (200 ms).
//
// The view listens to its document and repaints what it reports; the window connects the
// signals below to the main window (read-outs, status bar, data browser, menus). Keys are
// the window's.
#include <QWidget>
#include <array>

#include "core/ppg/PpgDoc.h"
#include "core/ppg/PpgViewGeometry.h"
#include "core/wave/ViewColors.h"
#include "ui/ppg/PpgRenderer.h"
#include "ui/view/ZoomRunner.h"
#include "ui/wave/GraphPointers.h"
#include "ui/wave/PointerClip.h"

class QFrame;
class QLabel;
class QScrollBar;
class QTimer;

namespace averoz {

class Mousepad;
class PpgChannelHeader;
class PpgMousepad;
class XorImage;

class PpgView : public QWidget, public PpgDocListener {
  Q_OBJECT
 public:
  static constexpr int kGraphLeft = 45, kGraphTop = 30;
  static constexpr int kHSmallChange = 10, kHLargeChange = 50;
  static constexpr int kLimitMs = 1000, kInvDispMs = 200;
  static constexpr int kMarkerTicks = 5;
  static inline const char* const kInvertingText = "Auto Inverting...";

  // Becomes the document's listener (and leaves it again when destroyed).
  PpgView(PpgDoc& doc, QWidget* parent = nullptr);
  ~PpgView() override;

  PpgDoc& doc() { return doc_; }
  const PpgViewGeometry& geom() const { return geom_; }
  const PpgRenderer& renderer() const { return renderer_; }
  Mousepad* mousepad() const { return mousepad_; }
  QFrame* graphPanel() const { return pngraph_; }
  QScrollBar* hScrollBar() const { return hScroll_; }

  void SetColors(const ViewColors& colors);

  // ---- redraws (the document's reports call them too) --------------------------------------
  // Grid, labels, traces, cursor lines, selection box.
  void RedrawAll();
  // Addresses a..b changed: only their columns are drawn again.
  void RedrawRange(int a, int b);
  void PlaceCursors();
  void PlaceSelection();
  // Header captions "CH" + channel number from chOrder.
  void UpdateHeaders();
  // X cursors at a third and two thirds of the visible part (creation, Change Length,
  // cursors switched on).
  void PlaceInitialCursors();
  // Change Length: initial zoom, scroll 0, cursors placed again, everything redrawn.
  void ResetView();

  // ---- zoom and scroll -----------------------------------------------------------------------
  // direction +1 magnifies, -1 reduces, larger values jump; anchor in picture pixels.
  // fromMouse: a clamped scroll moves the pointer with the data.
  void ZoomRequest(int direction, QPoint anchor, bool fromMouse);
  void ZoomStep(int direction);  // `udzx`, centred
  void ZoomMax();                // `bnzmax`: to 0.04 addresses per pixel
  void ZoomAll();                // `bnzall`: back to 20; "done" when already there
  // "Fit to Window": while on, the pattern fills the picture's width at whatever ratio that
  // takes, on every resize; a zoom request leaves it.
  void SetFitToWindow(bool on);
  bool fitToWindow() const { return geom_.fitting(); }
  // Runs the rest of a running animation at once.
  void FinishZoom();
  const PpgZoom& zoomState() const { return zoom_; }
  // Moves the view to scroll offset x (held within the content) and redraws.
  void ScrollTo(int x);

  // ---- tools ---------------------------------------------------------------------------------
  // Sets doc.editMode (0, 1, 4, 5, 6) and the pad's pointer.
  void SetEditMode(int mode);
  // The pad's pointer for the tool, in its inverting variant while autoInvert is on.
  GraphPointer ToolPointer() const;
  void SetPointer(GraphPointer pointer);
  GraphPointer pointer() const { return pointer_; }
  // Auto Invert switched: the pointer follows.
  void AutoInvertChanged() { SetPointer(ToolPointer()); }

  // ---- inversion markers ---------------------------------------------------------------------
  void HideMarkers();
  QWidget* marker(int pair) const { return shapes_[std::size_t(pair)]; }

  // ---- pointer confinement (the gestures use it) ---------------------------------------------
  QRect ConfineRect() const;
  PointerClip& clip() { return clip_; }
  void Confine();
  void Release();
  // The X cursor line's left edge in pad pixels and whether it shows.
  PpgCursorLine cursorLine(int which) const;

  // ---- PpgDocListener ------------------------------------------------------------------------
  void DataChanged(int a, int b) override;
  void UndoStateChanged(bool ready) override { emit undoStateChanged(ready); }
  void ModifiedChanged(bool modified) override { emit modifiedChanged(modified); }
  void SelectionChanged() override;
  void OrderChanged() override;
  void PairInverted(int derived, int from, int to) override;

 signals:
  // Changed-range notice for the data browser (the repaint is done).
  void dataChanged(int a, int b);
  void undoStateChanged(bool ready);
  void modifiedChanged(bool modified);
  // The selection moved: box placed; read-outs follow.
  void selectionChanged();
  // A gesture ended (button up) or a header selected a row: enable the selection commands;
  // in select mode the browser is told the selection.
  void selectionFinished();
  void mouseReleased();
  // csrX1 / csrX2 moved by a drag: read-outs and the browser's cursor row.
  void cursorsChanged();
  // chOrder changed: header captions done; cursor read-outs follow.
  void orderChanged();
  // Zoom applied: edzx/udzx, bit pen buttons (enabled only at zoomX <= 1); a pen mode
  // fell back to select mode when the zoom went above 1 address per pixel.
  void zoomChanged();
  void scrolled();
  // Status-bar text: the pad's hint, "Auto Inverting..."; empty clears it.
  void statusText(const QString& text);
  // The address under the pointer (for `edcx`).
  void pointerAddress(int address);
  // Right press on the pad: the main window's `PopupMenu2` at this screen point.
  void popupRequested(const QPoint& global);
  // Right press on a channel header: the "CH View" dialog.
  void chViewRequested();

 protected:
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void hideEvent(QHideEvent* event) override;

 private:
  void Relayout();
  void FitScrollBar();
  void ApplyZoom();
  // After the ratio changed: scroll bar, markers, pens, picture, read-outs.
  void AfterZoom();
  void LimitTick();
  void MarkerTick();
  void ShowZoomRect(const ZoomRect& r);
  void SelectRow(int row);
  QPoint PanelPoint(QPoint picture) const;

  PpgDoc& doc_;
  PpgViewGeometry geom_;
  PpgRenderer renderer_;
  PpgZoom zoom_;
  ZoomRunner<PpgZoom> zoomRunner_;
  QFrame* pngraph_;
  XorImage* image_;
  Mousepad* mousepad_;
  PpgMousepad* gestures_;
  QWidget* xcsr_[2];
  QWidget* selBox_;
  QWidget* selStart_;
  std::array<QWidget*, 3> shapes_;
  std::array<int, 3> markTicks_{};
  QWidget* zoomani_;
  QLabel* lblLimit_;
  QWidget* pnxscr_;
  QScrollBar* hScroll_;
  std::array<PpgChannelHeader*, kPpgChannels> headers_;
  QTimer* tmlimiterace_;
  QTimer* tmInvDisp_;
  QColor selectColor_;
  ScrollBarState hState_;
  PointerClip clip_;
  GraphPointer pointer_ = GraphPointer::Arrow;
  bool zoomFromMouse_ = false;
};

}  // namespace averoz
