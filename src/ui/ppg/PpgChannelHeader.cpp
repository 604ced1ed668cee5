#include "ui/ppg/PpgChannelHeader.h"

#include <QMouseEvent>
#include <QPainter>

namespace averoz {

PpgChannelHeader::PpgChannelHeader(int row, QWidget* parent) : QFrame(parent), row_(row) {
  setObjectName(QStringLiteral("pn%1").arg(row + 1));
  setToolTip(QStringLiteral("CH Sel/CH View"));
  setFrameStyle(QFrame::NoFrame);
  setLineWidth(1);
}

void PpgChannelHeader::SetCaption(const QString& text) {
  caption_ = text;
  update();
}

QString PpgChannelHeader::caption() const { return caption_; }

void PpgChannelHeader::enterEvent(QEnterEvent*) { setFrameStyle(QFrame::Panel | QFrame::Raised); }

void PpgChannelHeader::leaveEvent(QEvent*) { setFrameStyle(QFrame::NoFrame); }

void PpgChannelHeader::mousePressEvent(QMouseEvent* event) {
  setFrameStyle(QFrame::Panel | QFrame::Sunken);
  if (event->button() == Qt::LeftButton) emit leftPressed(row_);
  else if (event->button() == Qt::RightButton) emit rightPressed(row_);
}

void PpgChannelHeader::mouseReleaseEvent(QMouseEvent*) { setFrameStyle(QFrame::NoFrame); }

void PpgChannelHeader::paintEvent(QPaintEvent* event) {
  QFrame::paintEvent(event);
  QPainter p(this);
  p.drawText(contentsRect(), Qt::AlignCenter, caption_);
}

}  // namespace averoz
