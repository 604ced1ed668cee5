#include "ui/view/KeyScroll.h"

#include <QKeyEvent>
#include <QScrollBar>

namespace averoz {

bool ScrollByKey(const QKeyEvent& event, QScrollBar* horizontal, QScrollBar* vertical) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return false;
  // Straight to the value: a page here is what the view shows, not the bars' click step.
  auto by = [](QScrollBar* bar, int delta) {
    bar->setValue(bar->value() + delta);
    return true;
  };
  QScrollBar* h = horizontal;
  switch (event.key()) {
    case Qt::Key_Left: return by(h, -h->singleStep());
    case Qt::Key_Right: return by(h, h->singleStep());
    case Qt::Key_PageUp: return by(h, -h->pageStep());
    case Qt::Key_PageDown: return by(h, h->pageStep());
    case Qt::Key_Home: return by(h, h->minimum() - h->value());
    case Qt::Key_End: return by(h, h->maximum() - h->value());
    case Qt::Key_Up: return vertical && by(vertical, -vertical->singleStep());
    case Qt::Key_Down: return vertical && by(vertical, vertical->singleStep());
    default: return false;
  }
}

}  // namespace averoz
