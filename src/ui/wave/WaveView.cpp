#include "ui/wave/WaveView.h"

#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <algorithm>

#include "core/wave/WaveDoc.h"
#include "ui/view/ViewParts.h"
#include "ui/wave/Mousepad.h"

namespace averoz {

WaveView::WaveView(WaveDoc& doc, QWidget* parent) : QFrame(parent), doc_(doc) {
  setObjectName(QStringLiteral("pngraph"));
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  setLineWidth(1);
  setAutoFillBackground(true);
  geom_.dataLen = doc.dataLen;

  selBox_ = MakeBoxWidget("selBox", this);
  image_ = new XorImage(renderer_.image(), this);
  image_->AddBox(selBox_, &selectColor_);
  image_->lower();
  xcsr_[0] = MakeLineWidget("Xcsr1", this);
  xcsr_[1] = MakeLineWidget("Xcsr2", this);
  ycsr_[0] = MakeLineWidget("Ycsr1", this);
  ycsr_[1] = MakeLineWidget("Ycsr2", this);
  zoomani_ = new ZoomFrame(this);
  zoomani_->hide();
  lblLimit_ = MakeLimitLabel(this);
  mousepad_ = new Mousepad(this);

  pnxscr_ = new QWidget(this);
  pnxscr_->setObjectName(QStringLiteral("pnxscr"));
  hScroll_ = new QScrollBar(Qt::Horizontal, pnxscr_);
  hScroll_->setObjectName(QStringLiteral("HScrollBar"));
  hScroll_->setSingleStep(kHSmallChange);
  vScroll_ = new QScrollBar(Qt::Vertical, this);
  vScroll_->setObjectName(QStringLiteral("VScrollBar"));
  vScroll_->setSingleStep(kVSmallChange);
  corner_ = new QWidget(this);
  corner_->setAutoFillBackground(true);
  corner_->setBackgroundRole(QPalette::Button);
  pnxscr_->hide();
  vScroll_->hide();
  corner_->hide();
  UseLargeChange(hScroll_, kHLargeChange);
  UseLargeChange(vScroll_, kVLargeChange);
  for (QScrollBar* bar : {hScroll_, vScroll_}) {
    connect(bar, &QScrollBar::valueChanged, this, [this, bar](int v) { ScrollTo(bar, v); });
  }
  SetColors(ViewColors{});
}

void WaveView::SetColors(const ViewColors& colors) {
  renderer_.SetColors(colors);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, ToQColor(colors.background));
  setPalette(pal);
  for (QWidget* w : {xcsr_[0], xcsr_[1], ycsr_[0], ycsr_[1]})
    FillWidget(w, ToQColor(colors.cursor));
  selectColor_ = ToQColor(colors.select);
  static_cast<ZoomFrame*>(zoomani_)->color = ToQColor(colors.zoom);
  SetLabelColor(lblLimit_, ToQColor(colors.zoom));
}

void WaveView::resizeEvent(QResizeEvent* event) {
  QFrame::resizeEvent(event);
  Relayout();
}

void WaveView::Relayout() {
  const QRect client = contentsRect();
  PlacePicture(client, image_, mousepad_);
  geom_.viewWidth = client.width();
  geom_.viewHeight = client.height();
  renderer_.Resize(client.width(), client.height());
  if (geom_.fitting()) geom_.FitToView();  // the ratios follow the size
  FitScrollBars();
  RedrawAll();
}

void WaveView::FitScrollBars() {
  hState_ = FitScroll(geom_.scrollX, geom_.contentWidth(), geom_.viewWidth);
  vState_ = FitScroll(geom_.scrollY, geom_.contentHeight(), geom_.viewHeight);
  SetScrollBar(hScroll_, hState_);
  SetScrollBar(vScroll_, vState_);
  const QRect client = contentsRect();
  const int sbh = hScroll_->sizeHint().height(), sbw = vScroll_->sizeHint().width();
  pnxscr_->setGeometry(client.x(), client.bottom() + 1 - sbh,
                       client.width() - (vState_.visible ? sbw : 0), sbh);
  hScroll_->setGeometry(0, 0, pnxscr_->width(), sbh);
  vScroll_->setGeometry(client.right() + 1 - sbw, client.y(), sbw,
                        client.height() - (hState_.visible ? sbh : 0));
  pnxscr_->setVisible(hState_.visible);
  vScroll_->setVisible(vState_.visible);
  corner_->setGeometry(vScroll_->x(), pnxscr_->y(), sbw, sbh);
  corner_->setVisible(hState_.visible && vState_.visible);
  pnxscr_->raise();
  vScroll_->raise();
  corner_->raise();
}

void WaveView::ScrollTo(QScrollBar* bar, int position) {
  if (bar == hScroll_) geom_.scrollX = LimitScrollPosition(position, hState_);
  else geom_.scrollY = LimitScrollPosition(position, vState_);
  FitScrollBars();
  RedrawAll();
  emit scrolled();
}

void WaveView::WheelScroll(bool down) {
  if (vScroll_->isVisible())
    vScroll_->setValue(vScroll_->value() + (down ? kVSmallChange : -kVSmallChange));
  else if (pnxscr_->isVisible())
    hScroll_->setValue(hScroll_->value() + (down ? kHSmallChange : -kHSmallChange));
}

void WaveView::RedrawAll() {
  renderer_.DrawAll(doc_, geom_);
  bandEnd_.reset();  // the band went with the old picture
  image_->update();
  PlaceCursors();
  PlaceSelection();
}

void WaveView::RedrawRange(int a, int b) {
  // A band crossing the range would be cut in two; it goes first and the next pointer
  // move draws it again.
  if (bandStart_ && bandEnd_) EraseBand();
  const QRect r = renderer_.DrawRange(doc_, geom_, a, b);
  if (!r.isEmpty()) image_->update(r);
}

CursorLine WaveView::cursorLine(GrabbedCursor which) const {
  switch (which) {
    case GrabbedCursor::X1: return XCursorLine(doc_, geom_, doc_.csrX1);
    case GrabbedCursor::X2: return XCursorLine(doc_, geom_, doc_.csrX2);
    case GrabbedCursor::Y1: return YCursorLine(doc_, geom_, doc_.csrY1);
    case GrabbedCursor::Y2: return YCursorLine(doc_, geom_, doc_.csrY2);
    case GrabbedCursor::None: break;
  }
  return {};
}

void WaveView::PlaceCursors() {
  const int top = contentsRect().y();
  const GrabbedCursor xs[] = {GrabbedCursor::X1, GrabbedCursor::X2};
  const GrabbedCursor ys[] = {GrabbedCursor::Y1, GrabbedCursor::Y2};
  for (int k = 0; k < 2; ++k) {
    const CursorLine x = cursorLine(xs[k]);
    xcsr_[k]->setGeometry(x.pos, top, 1, std::max(1, x.length));
    xcsr_[k]->setVisible(x.visible);
    const CursorLine y = cursorLine(ys[k]);
    ycsr_[k]->setGeometry(contentsRect().x(), y.pos, std::max(1, y.length), 1);
    ycsr_[k]->setVisible(y.visible);
  }
}

void WaveView::PlaceSelection() {
  selStartX_.reset();
  const int x1 = geom_.ContentX(doc_.selBegin), x2 = geom_.ContentX(doc_.selEnd);
  if (!doc_.rangeSelected || x2 < geom_.scrollX || x1 > geom_.scrollX + geom_.viewWidth) {
    selBox_->hide();
    image_->update();
    return;
  }
  int left = 1;
  if (x1 >= geom_.scrollX) {
    left = x1 - geom_.scrollX + 1;
    selStartX_ = left - 1;
  }
  // The box reaches x2, or past the view's right edge when the selection goes on there.
  const int right = std::min(x2 - geom_.scrollX + 1, geom_.viewWidth + 1);
  const int height = std::max(1, geom_.contentHeight() - geom_.scrollY);
  selBox_->setGeometry(left, contentsRect().y(), std::max(1, right - left + 1), height);
  selBox_->show();
  image_->update();
}

void WaveView::ShowZoomRect(const ZoomRect& r) {
  zoomani_->setGeometry(r.left + contentsRect().x(), r.top + contentsRect().y(),
                        std::max(1, r.width), std::max(1, r.height));
  zoomani_->show();
  zoomani_->raise();
  mousepad_->raise();
  pnxscr_->raise();
  vScroll_->raise();
}

void WaveView::HideZoomRect() { zoomani_->hide(); }

void WaveView::ShowLimit(const QString& text, int cx, int cy) {
  ShowLimitLabel(lblLimit_, text, cx + contentsRect().x(), cy + contentsRect().y());
}

void WaveView::HideLimit() { HideLimitLabel(lblLimit_); }

void WaveView::DrawBand(QPoint start, QPoint end) {
  EraseBand();
  renderer_.XorLine(start, end);
  bandStart_ = start;
  bandEnd_ = end;
  image_->update();
}

void WaveView::EraseBand() {
  if (bandStart_ && bandEnd_) renderer_.XorLine(*bandStart_, *bandEnd_);
  bandEnd_.reset();
  image_->update();
}

QRect WaveView::ConfineRect() const {
  const QRect client = contentsRect();
  // Up to the content's last pixel when the content ends inside the view.
  int width = std::min(client.width() + 1, geom_.contentWidth() - geom_.scrollX + 1);
  int height = std::min(client.height() + 1, geom_.contentHeight() - geom_.scrollY + 1);
  if (vScroll_->isVisible()) width = std::min(width, vScroll_->x() - client.x());
  if (pnxscr_->isVisible()) height = std::min(height, pnxscr_->y() - client.y());
  return QRect(mapToGlobal(client.topLeft()), QSize(std::max(1, width), std::max(1, height)));
}

}  // namespace averoz
