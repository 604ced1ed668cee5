// Zoom and scroll of the waveform window: the animation timer, the limit label, the
// buttons and the mouse wheel.
#include <QCursor>
#include <QTimer>
#include <QWheelEvent>

#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveView.h"

namespace averoz {

void TfrmWave::ZoomRequest(int dx, int dy, int cx, int cy, bool fromMouse) {
  if (!zoom_.Request(pngraph_->geom(), dx, dy, cx, cy)) {
    if (zoom_.state() == ViewZoom::State::Limit) {
      pngraph_->ShowLimit(QStringLiteral("limit"), cx, cy);
      tmlimiterace_->start();
    }
    return;
  }
  zoomFromMouse_ = fromMouse;
  zoomRunner_.Start();
}

void TfrmWave::FinishZoom() { zoomRunner_.RunToEnd(); }

void TfrmWave::SetFitToWindow(bool on) {
  if (SwitchFit(pngraph_->geom(), on)) AfterViewChange();
}

bool TfrmWave::fitToWindow() const { return pngraph_->geom().fitting(); }

void TfrmWave::ApplyZoom() {
  ViewGeometry& g = pngraph_->geom();
  zoom_.Apply(g);
  pngraph_->FitScrollBars();
  // Where the offsets were held (at 0 or at the content's end) the data under the centre
  // moved; a pointer that asked for the zoom follows it.
  const QPoint moved(zoom_.wantedScrollX() - g.scrollX, zoom_.wantedScrollY() - g.scrollY);
  AfterViewChange();
  if (zoomFromMouse_ && !moved.isNull()) QCursor::setPos(QCursor::pos() + moved);
  zoomFromMouse_ = false;
  if (clip_.active()) Confine();
}

void TfrmWave::bnzmaxClick() {
  int dx = 0, dy = 0;
  MaxStep(pngraph_->geom(), dx, dy);
  const ViewGeometry& g = pngraph_->geom();
  ZoomRequest(dx, dy, RoundDiv(g.viewWidth, 2), RoundDiv(g.viewHeight, 2), false);
}

void TfrmWave::bnzallClick() {
  int dx = 0, dy = 0;
  const ViewGeometry& g = pngraph_->geom();
  AllStep(g, dx, dy);
  const int cx = RoundDiv(g.viewWidth, 2), cy = RoundDiv(g.viewHeight, 2);
  if (dx == 0 && dy == 0 && !g.fitting()) {
    // Already the whole document: the label says so instead of "limit".
    pngraph_->ShowLimit(QStringLiteral("done"), cx, cy);
    tmlimiterace_->start();
    return;
  }
  ZoomRequest(dx, dy, cx, cy, false);
}

void TfrmWave::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const int steps = delta.y() != 0 ? delta.y() : delta.x();
  if (steps == 0) return;
  const bool up = steps > 0;
  const Qt::KeyboardModifiers mods = event->modifiers();
  int dx = 0, dy = 0;
  if (mods & Qt::ControlModifier) dx = up ? 1 : -1;
  if (mods & Qt::ShiftModifier) dy = up ? 1 : -1;
  if (dx != 0 || dy != 0) {
    const QPoint at = pngraph_->mousepad()->mapFromGlobal(event->globalPosition().toPoint());
    ZoomRequest(dx, dy, at.x(), at.y(), true);
  } else {
    pngraph_->WheelScroll(!up);
  }
  event->accept();
}

}  // namespace averoz
