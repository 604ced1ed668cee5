#include "ui/files/CenterOn.h"

namespace averoz {

void CenterOnParent(QWidget& window) {
  const QWidget* parent = window.parentWidget();
  if (!parent) return;
  const QRect frame = parent->frameGeometry();
  window.move(frame.center() - QPoint(window.width() / 2, window.height() / 2));
}

}  // namespace averoz
