#include "ui/wave/Mousepad.h"

#include <QMouseEvent>

namespace averoz {

Mousepad::Mousepad(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Mousepad"));
  setMouseTracking(true);
  setAttribute(Qt::WA_NoSystemBackground);
}

void Mousepad::mousePressEvent(QMouseEvent* event) {
  if (handler_) handler_->MousepadMouseDown(event);
}

void Mousepad::mouseMoveEvent(QMouseEvent* event) {
  if (handler_) handler_->MousepadMouseMove(event);
}

void Mousepad::mouseReleaseEvent(QMouseEvent* event) {
  if (handler_) handler_->MousepadMouseUp(event);
}

void Mousepad::mouseDoubleClickEvent(QMouseEvent* event) {
  if (handler_) handler_->MousepadDblClick(event);
}

void Mousepad::enterEvent(QEnterEvent*) {
  if (handler_) handler_->MousepadMouseEnter();
}

void Mousepad::leaveEvent(QEvent*) {
  if (handler_) handler_->MousepadMouseLeave();
}

}  // namespace averoz
