#pragma once
// Holds the pointer inside a screen rectangle during a drag: the widget grabs the mouse
// and every move that leaves the rectangle puts the pointer back on its edge.
#include <QPoint>
#include <QRect>

class QWidget;

namespace averoz {

class PointerClip {
 public:
  bool active() const { return active_; }
  const QRect& rect() const { return rect_; }

  void Confine(QWidget* grabber, const QRect& screenRect);
  void Release();
  // The global position held inside the rectangle; moves the pointer there when it was
  // outside. Without confinement the position is returned as it is.
  QPoint Hold(QPoint global);

 private:
  QWidget* grabber_ = nullptr;
  QRect rect_;
  bool active_ = false;
};

}  // namespace averoz
