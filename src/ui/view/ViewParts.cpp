#include "ui/view/ViewParts.h"

#include <QFont>
#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QSignalBlocker>

#include "core/view/ZoomAnimation.h"

namespace averoz {

XorImage::XorImage(const QImage& image, QWidget* parent) : QWidget(parent), image_(image) {
  setObjectName(QStringLiteral("ImgWave"));
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void XorImage::paintEvent(QPaintEvent* event) {
  QPainter p(this);
  const QRect area = event->rect();
  p.drawImage(area, image_, area);
  // The boxes are inverted over a copy of the picture under them only (they cover a part
  // of it); boxes that overlap invert each other back, as inverting pens do.
  QRect under;
  for (const Box& b : boxes_)
    if (b.widget->isVisible()) under |= b.widget->geometry().translated(-pos());
  under &= area & image_.rect();
  if (under.isEmpty()) return;
  QImage frame = image_.copy(under);
  QPainter fp(&frame);
  fp.translate(-under.topLeft());
  for (const Box& b : boxes_) {
    if (!b.widget->isVisible()) continue;
    const QRect box = b.widget->geometry().translated(-pos());
    fp.setCompositionMode(box.width() > 1 ? QPainter::RasterOp_SourceXorDestination
                                          : QPainter::CompositionMode_SourceOver);
    fp.fillRect(box, *b.color);
  }
  fp.end();
  p.drawImage(under.topLeft(), frame);
}

ZoomFrame::ZoomFrame(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("zoomani"));
  setAttribute(Qt::WA_TransparentForMouseEvents);
}

void ZoomFrame::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setPen(QPen(color, 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

StartMark::StartMark(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("selStart"));
  resize(kWidth, kHeight);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  hide();
}

void StartMark::paintEvent(QPaintEvent*) {
  QPainterPath tip;
  tip.moveTo(0, 0);
  tip.lineTo(kWidth - 1, 0);
  tip.lineTo(kWidth / 2, kHeight - 1);
  tip.closeSubpath();
  QPainter(this).fillPath(tip, Qt::black);
}

void PlacePicture(const QRect& client, QWidget* image, QWidget* mousepad) {
  image->setGeometry(client);
  mousepad->setGeometry(client.x(), client.y(), client.width() + 1, client.height() + 1);
}

QWidget* MakeBoxWidget(const char* name, QWidget* parent) {
  auto* w = new QWidget(parent);
  w->setObjectName(QLatin1String(name));
  w->setAttribute(Qt::WA_TransparentForMouseEvents);
  w->hide();
  return w;
}

QWidget* MakeLineWidget(const char* name, QWidget* parent) {
  QWidget* w = MakeBoxWidget(name, parent);
  w->setAutoFillBackground(true);
  return w;
}

void FillWidget(QWidget* w, const QColor& c) {
  QPalette pal = w->palette();
  pal.setColor(QPalette::Window, c);
  w->setPalette(pal);
}

QLabel* MakeLimitLabel(QWidget* parent) {
  auto* label = new QLabel(QString::fromLatin1(kLimitText), parent);
  label->setObjectName(QStringLiteral("lblLimit"));
  QFont font(QStringLiteral("Tahoma"));
  font.setPixelSize(13);
  label->setFont(font);
  label->setAttribute(Qt::WA_TransparentForMouseEvents);
  label->hide();
  return label;
}

void SetLabelColor(QLabel* label, const QColor& color) {
  QPalette lp = label->palette();
  lp.setColor(QPalette::WindowText, color);
  label->setPalette(lp);
}

void ShowLimitLabel(QLabel* label, const QString& text, int cx, int cy) {
  label->setText(text);
  label->adjustSize();
  label->move(cx - label->width() / 2, cy - label->height() / 2);
  label->show();
  label->raise();
}

void HideLimitLabel(QLabel* label) {
  label->hide();
  label->setText(QString::fromLatin1(kLimitText));
}

void UseLargeChange(QScrollBar* bar, int largeChange) {
  QObject::connect(bar, &QScrollBar::actionTriggered, bar, [bar, largeChange](int action) {
    if (action == QAbstractSlider::SliderPageStepAdd)
      bar->setSliderPosition(bar->value() + largeChange);
    else if (action == QAbstractSlider::SliderPageStepSub)
      bar->setSliderPosition(bar->value() - largeChange);
  });
}

void SetScrollBar(QScrollBar* bar, const ScrollBarState& s) {
  const QSignalBlocker block(bar);
  bar->setRange(0, std::max(0, s.max - s.pageSize));
  bar->setPageStep(std::max(1, s.pageSize));
  bar->setValue(s.position);
}

}  // namespace averoz
