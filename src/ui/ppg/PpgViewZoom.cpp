// Zoom, scrolling and the inversion markers of the pattern view.
#include <QCursor>
#include <QFrame>
#include <QLabel>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>

#include "core/ppg/PpgViewPen.h"
#include "ui/ppg/PpgView.h"
#include "ui/wave/Mousepad.h"
#include "ui/view/ViewParts.h"

namespace averoz {

void PpgView::ZoomRequest(int direction, QPoint anchor, bool fromMouse) {
  if (!zoom_.Request(geom_, direction, anchor.x(), anchor.y())) {
    if (zoom_.state() == PpgZoom::State::Limit) {
      const QPoint at = PanelPoint(anchor);
      ShowLimitLabel(lblLimit_, QString::fromLatin1(kLimitText), at.x(), at.y());
      tmlimiterace_->start();
    }
    return;
  }
  zoomFromMouse_ = fromMouse;
  zoomRunner_.Start();
}

void PpgView::ZoomStep(int direction) {
  ZoomRequest(direction, {RoundDiv(geom_.viewWidth, 2), RoundDiv(geom_.viewHeight, 2)}, false);
}

void PpgView::ZoomMax() { ZoomStep(MaxDirection(geom_)); }

void PpgView::ZoomAll() {
  const int direction = AllDirection(geom_);
  if (direction != 0) {
    ZoomStep(direction);
    return;
  }
  // Already the whole pattern: the label says so instead of "limit".
  const QPoint at = PanelPoint({RoundDiv(geom_.viewWidth, 2), RoundDiv(geom_.viewHeight, 2)});
  ShowLimitLabel(lblLimit_, QString::fromLatin1(kDoneText), at.x(), at.y());
  tmlimiterace_->start();
}

void PpgView::LimitTick() {
  tmlimiterace_->stop();
  HideLimitLabel(lblLimit_);
  zoom_.LimitShown();
}

void PpgView::ShowZoomRect(const ZoomRect& r) {
  const QPoint at = PanelPoint({r.left, r.top});
  zoomani_->setGeometry(at.x(), at.y(), std::max(1, r.width), std::max(1, r.height));
  zoomani_->show();
  zoomani_->raise();
  mousepad_->raise();
  pnxscr_->raise();
}

void PpgView::FinishZoom() { zoomRunner_.RunToEnd(); }

void PpgView::ApplyZoom() {
  zoom_.Apply(geom_);
  FitScrollBar();
  // Where the offset was held (at 0 or at the content's end) the data under the anchor
  // moved; a pointer that asked for the zoom follows it.
  const int moved = zoom_.wantedScrollX() - geom_.scrollX;
  AfterZoom();
  if (zoomFromMouse_ && moved != 0) QCursor::setPos(QCursor::pos() + QPoint(moved, 0));
  zoomFromMouse_ = false;
}

void PpgView::SetFitToWindow(bool on) {
  if (SwitchFit(geom_, on)) AfterZoom();
}

void PpgView::AfterZoom() {
  FitScrollBar();
  HideMarkers();
  // The pens work only at one address per pixel or less.
  if (IsPenMode(doc_.editMode) && geom_.columnsHoldSeveral()) SetEditMode(kEditSelect);
  RedrawAll();
  if (clip_.active()) Confine();
  emit zoomChanged();
}

// ---- scrolling -------------------------------------------------------------------------------

void PpgView::FitScrollBar() {
  hState_ = FitPpgScroll(geom_);
  SetScrollBar(hScroll_, hState_);
  const QRect client = pngraph_->contentsRect();
  const int h = hScroll_->sizeHint().height();
  pnxscr_->setGeometry(client.x(), client.bottom() + 1 - h, client.width(), h);
  hScroll_->setGeometry(0, 0, client.width(), h);
  pnxscr_->setVisible(hState_.visible);
  pnxscr_->raise();
}

void PpgView::ScrollTo(int x) {
  geom_.scrollX = LimitScrollPosition(x, hState_);
  FitScrollBar();
  HideMarkers();
  RedrawAll();
  emit scrolled();
}

void PpgView::wheelEvent(QWheelEvent* event) {
  const QPoint delta = event->angleDelta();
  const int steps = delta.y() != 0 ? delta.y() : delta.x();
  if (steps != 0 && pnxscr_->isVisible())
    hScroll_->setValue(hScroll_->value() + (steps > 0 ? -kHSmallChange : kHSmallChange));
  event->accept();
}

// ---- inversion markers -----------------------------------------------------------------------

void PpgView::PairInverted(int derived, int from, int to) {
  const std::size_t pair = std::size_t(derived % 3);
  const int row = doc_.DisplayPos(derived);
  const PpgBox box = SelectionBox(geom_, from, to, row, row);
  QWidget* shape = shapes_[pair];
  if (!box.visible) {
    shape->hide();
  } else {
    shape->setGeometry(QRect(PanelPoint({box.left, box.top}), QSize(box.width, box.height)));
    shape->show();
    markTicks_[pair] = kMarkerTicks;
    if (!tmInvDisp_->isActive()) tmInvDisp_->start();
  }
  image_->update();
}

void PpgView::MarkerTick() {
  bool shown = false;
  for (std::size_t k = 0; k < shapes_.size(); ++k) {
    if (!shapes_[k]->isVisible()) continue;
    if (markTicks_[k] <= 0) {
      shapes_[k]->hide();
      continue;
    }
    emit statusText(QString::fromLatin1(kInvertingText));
    --markTicks_[k];
    shown = true;
  }
  image_->update();
  if (!shown) {
    tmInvDisp_->stop();
    emit statusText(QString());
  }
}

void PpgView::HideMarkers() {
  const bool running = tmInvDisp_->isActive();
  for (QWidget* s : shapes_) s->hide();
  markTicks_.fill(0);
  tmInvDisp_->stop();
  image_->update();
  if (running) emit statusText(QString());
}

}  // namespace averoz
