#include "ui/wave/PointerClip.h"

#include <QCursor>
#include <QWidget>
#include <algorithm>

namespace averoz {

void PointerClip::Confine(QWidget* grabber, const QRect& screenRect) {
  if (grabber_ && grabber_ != grabber) grabber_->releaseMouse();
  grabber_ = grabber;
  rect_ = screenRect;
  active_ = true;
  if (grabber_->isVisible()) grabber_->grabMouse();
}

void PointerClip::Release() {
  if (active_ && grabber_) grabber_->releaseMouse();
  active_ = false;
}

QPoint PointerClip::Hold(QPoint global) {
  if (!active_ || rect_.contains(global)) return global;
  const QPoint held(std::clamp(global.x(), rect_.left(), rect_.right()),
                    std::clamp(global.y(), rect_.top(), rect_.bottom()));
  QCursor::setPos(held);
  return held;
}

}  // namespace averoz
