#include "ui/ppg/PpgView.h"

#include <QFrame>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimer>
#include <QWheelEvent>
#include <algorithm>

#include "core/ppg/PpgViewPen.h"
#include "ui/ppg/PpgChannelHeader.h"
#include "ui/ppg/PpgMousepad.h"
#include "ui/view/ViewParts.h"
#include "ui/wave/Mousepad.h"
#include "ui/wave/WaveRenderer.h"

namespace averoz {

namespace {

constexpr int kHeaderLeft = 3;

QTimer* MakeTimer(const char* name, int ms, QObject* parent) {
  auto* t = new QTimer(parent);
  t->setObjectName(QLatin1String(name));
  t->setInterval(ms);
  return t;
}

}  // namespace

PpgView::PpgView(PpgDoc& doc, QWidget* parent)
    : QWidget(parent),
      doc_(doc),
      zoomRunner_(
          zoom_, this, [this](const ZoomRect& r) { ShowZoomRect(r); },
          [this] {
            zoomani_->hide();
            ApplyZoom();
          }) {
  setObjectName(QStringLiteral("PpgView"));
  geom_.dataLen = doc.dataLen;

  pngraph_ = new QFrame(this);
  pngraph_->setObjectName(QStringLiteral("pngraph"));
  pngraph_->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  pngraph_->setLineWidth(1);
  pngraph_->setAutoFillBackground(true);

  selBox_ = MakeBoxWidget("selBox", pngraph_);
  image_ = new XorImage(renderer_.image(), pngraph_);
  image_->AddBox(selBox_, &selectColor_);
  static const char* const kShapeNames[] = {"Shape1", "Shape2", "Shape3"};
  for (std::size_t k = 0; k < shapes_.size(); ++k) {
    shapes_[k] = MakeBoxWidget(kShapeNames[k], pngraph_);
    image_->AddBox(shapes_[k], &selectColor_);
  }
  image_->lower();
  xcsr_[0] = MakeLineWidget("Xcsr1", pngraph_);
  xcsr_[1] = MakeLineWidget("Xcsr2", pngraph_);
  // Parts the pattern window keeps hidden: no Y axis, no debug panel.
  for (const char* name : {"Ycsr1", "Ycsr2", "pndebug"}) MakeBoxWidget(name, pngraph_);
  auto* vbar = new QScrollBar(Qt::Vertical, pngraph_);
  vbar->setObjectName(QStringLiteral("VScrollBar"));
  vbar->hide();
  zoomani_ = new ZoomFrame(pngraph_);
  zoomani_->hide();
  lblLimit_ = MakeLimitLabel(pngraph_);
  mousepad_ = new Mousepad(pngraph_);
  gestures_ = new PpgMousepad(*this);
  mousepad_->setHandler(gestures_);
  mousepad_->installEventFilter(this);  // the wheel over the pattern scrolls the view

  pnxscr_ = new QWidget(pngraph_);
  pnxscr_->setObjectName(QStringLiteral("pnxscr"));
  hScroll_ = new QScrollBar(Qt::Horizontal, pnxscr_);
  hScroll_->setObjectName(QStringLiteral("HScrollBar"));
  hScroll_->setSingleStep(kHSmallChange);
  auto* pnxscrdm = new QWidget(pnxscr_);
  pnxscrdm->setObjectName(QStringLiteral("pnxscrdm"));
  pnxscrdm->hide();
  pnxscr_->hide();
  UseLargeChange(hScroll_, kHLargeChange);
  connect(hScroll_, &QScrollBar::valueChanged, this, &PpgView::ScrollTo);

  selStart_ = new StartMark(this);
  for (int row = 0; row < kPpgChannels; ++row) {
    auto* h = new PpgChannelHeader(row, this);
    headers_[std::size_t(row)] = h;
    connect(h, &PpgChannelHeader::leftPressed, this, &PpgView::SelectRow);
    connect(h, &PpgChannelHeader::rightPressed, this, [this] { emit chViewRequested(); });
  }

  tmlimiterace_ = MakeTimer("tmlimiterace", kLimitMs, this);
  tmInvDisp_ = MakeTimer("tmInvDisp", kInvDispMs, this);
  connect(tmlimiterace_, &QTimer::timeout, this, &PpgView::LimitTick);
  connect(tmInvDisp_, &QTimer::timeout, this, &PpgView::MarkerTick);

  SetColors(ViewColors{});
  UpdateHeaders();
  SetPointer(ToolPointer());
  doc_.SetListener(this);
}

PpgView::~PpgView() {
  doc_.SetListener(nullptr);
  clip_.Release();
  mousepad_->setHandler(nullptr);
  delete gestures_;
}

void PpgView::SetColors(const ViewColors& colors) {
  renderer_.SetColors(colors);
  QPalette pal = pngraph_->palette();
  pal.setColor(QPalette::Window, ToQColor(colors.background));
  pngraph_->setPalette(pal);
  for (QWidget* w : xcsr_) FillWidget(w, ToQColor(colors.cursor));
  selectColor_ = ToQColor(colors.select);
  static_cast<ZoomFrame*>(zoomani_)->color = ToQColor(colors.zoom);
  SetLabelColor(lblLimit_, ToQColor(colors.zoom));
}

// ---- layout and painting ---------------------------------------------------------------------

void PpgView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  pngraph_->setGeometry(kGraphLeft, kGraphTop, std::max(1, width() - kGraphLeft),
                        std::max(1, height() - kGraphTop));
  const int top = kGraphTop + pngraph_->contentsRect().y();
  for (int row = 0; row < kPpgChannels; ++row)
    headers_[std::size_t(row)]->setGeometry(kHeaderLeft, top + RowTop(row),
                                            kGraphLeft - kHeaderLeft - 2, kPpgRowPitch - 1);
  Relayout();
}

void PpgView::Relayout() {
  const QRect client = pngraph_->contentsRect();
  PlacePicture(client, image_, mousepad_);
  geom_.viewWidth = client.width();
  geom_.viewHeight = client.height();
  renderer_.Resize(client.width(), client.height());
  if (geom_.fitting()) {
    geom_.FitToView();
    AfterZoom();  // the ratio follows the size
    return;
  }
  FitScrollBar();
  RedrawAll();
}

bool PpgView::eventFilter(QObject* watched, QEvent* event) {
  if (watched == mousepad_ && event->type() == QEvent::Wheel) {
    wheelEvent(static_cast<QWheelEvent*>(event));
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

void PpgView::hideEvent(QHideEvent* event) {
  gestures_->Cancel();  // a hidden view holds no pointer and no gesture
  QWidget::hideEvent(event);
}

void PpgView::paintEvent(QPaintEvent*) {
  // The label strip above the graph.
  QPainter p(this);
  p.fillRect(QRect(QPoint(1, 10), QPoint(width() - 1, 23)), palette().color(QPalette::Button));
  QFont font = p.font();
  font.setPointSize(8);
  p.setFont(font);
  p.setPen(Qt::black);
  const int ascent = p.fontMetrics().ascent();
  for (const AxisLabel& l : PpgXAxisLabels(geom_, doc_.rescaleX, kGraphLeft))
    p.drawText(l.x, l.y + ascent, QString::fromStdString(l.text));
}

QPoint PpgView::PanelPoint(QPoint picture) const {
  return picture + pngraph_->contentsRect().topLeft();
}

void PpgView::UpdateHeaders() {
  for (int row = 0; row < kPpgChannels; ++row)
    headers_[std::size_t(row)]->SetCaption(
        QStringLiteral("CH%1").arg(doc_.chOrder[std::size_t(row)] + 1));
}

// ---- redraws ---------------------------------------------------------------------------------

void PpgView::RedrawAll() {
  renderer_.DrawAll(doc_, geom_);
  image_->update();
  update(QRect(0, 0, width(), kGraphTop));  // the labels
  PlaceCursors();
  PlaceSelection();
}

void PpgView::RedrawRange(int a, int b) {
  const QRect r = renderer_.DrawRange(doc_, geom_, a, b);
  if (!r.isEmpty()) image_->update(r);
}

PpgCursorLine PpgView::cursorLine(int which) const {
  PpgCursorLine line = CursorLineAt(geom_, which == 1 ? doc_.csrX1 : doc_.csrX2);
  line.visible = line.visible && doc_.xCursorOn;
  return line;
}

void PpgView::PlaceCursors() {
  for (int k = 0; k < 2; ++k) {
    const PpgCursorLine line = cursorLine(k + 1);
    const QPoint at = PanelPoint({line.left, 0});
    xcsr_[k]->setGeometry(at.x(), at.y(), 1, kPpgLineBottom);
    xcsr_[k]->setVisible(line.visible);
  }
}

void PpgView::PlaceSelection() {
  const PpgBox box = doc_.rangeSelected
                         ? SelectionBox(geom_, doc_.selBegin.x, doc_.selEnd.x, doc_.selBegin.y,
                                        doc_.selEnd.y)
                         : PpgBox{};
  if (box.visible) {
    selBox_->setGeometry(QRect(PanelPoint({box.left, box.top}), QSize(box.width, box.height)));
    selBox_->show();
  } else {
    selBox_->hide();
  }
  if (box.visible && box.startShown) {
    // Its point sits over the box's first column.
    selStart_->move(kGraphLeft + PanelPoint({box.startX, 0}).x() - selStart_->width() / 2,
                    kGraphTop - selStart_->height());
    selStart_->show();
  } else {
    selStart_->hide();
  }
  image_->update();
}

void PpgView::PlaceInitialCursors() {
  averoz::PlaceInitialCursors(doc_, geom_);
  PlaceCursors();
}

void PpgView::ResetView() {
  geom_.zoomIndex = kPpgInitialZoomIndex;
  geom_.scrollX = 0;
  HideMarkers();
  FitScrollBar();
  PlaceInitialCursors();
  RedrawAll();
  emit zoomChanged();
}

void PpgView::SelectRow(int row) {
  doc_.SetSelection({0, row}, {doc_.dataLen - 1, row});
  emit selectionFinished();
}

// ---- the document's reports ------------------------------------------------------------------

void PpgView::DataChanged(int a, int b) {
  RedrawRange(a, b);
  emit dataChanged(a, b);
}

void PpgView::SelectionChanged() {
  PlaceSelection();
  emit selectionChanged();
}

void PpgView::OrderChanged() {
  UpdateHeaders();
  RedrawAll();
  emit orderChanged();
}

// ---- tools and pointer -----------------------------------------------------------------------

GraphPointer PpgView::ToolPointer() const {
  GraphPointer p = GraphPointer::Arrow;
  switch (doc_.editMode) {
    case kEditCursor: p = GraphPointer::CurOn; break;
    case kEditPen: p = GraphPointer::BitPen; break;
    case kEditPenHigh: p = GraphPointer::BitPenH; break;
    case kEditPenLo: p = GraphPointer::BitPenL; break;
    default: break;
  }
  return InvertingPointer(p, doc_.autoInvert);
}

void PpgView::SetPointer(GraphPointer pointer) {
  pointer_ = pointer;
  mousepad_->setCursor(GraphPointerShape(pointer));
}

void PpgView::SetEditMode(int mode) {
  doc_.editMode = std::uint8_t(mode);
  gestures_->Cancel();
  SetPointer(ToolPointer());
}

QRect PpgView::ConfineRect() const {
  const QRect client = pngraph_->contentsRect();
  // The visible pattern: up to the content's end and above the bar.
  int w = std::min(client.width() + 1, geom_.contentWidth() - geom_.scrollX + 1);
  int h = std::min(client.height() + 1, kPpgAreaHeight);
  if (pnxscr_->isVisible()) h = std::min(h, pnxscr_->y() - client.y());
  return QRect(pngraph_->mapToGlobal(client.topLeft()), QSize(std::max(1, w), std::max(1, h)));
}

void PpgView::Confine() { clip_.Confine(mousepad_, ConfineRect()); }

void PpgView::Release() { clip_.Release(); }

}  // namespace averoz
