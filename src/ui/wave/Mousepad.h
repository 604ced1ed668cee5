#pragma once
// The transparent area over the waveform image that takes the mouse: it paints nothing
// and hands every event to the document window's gesture handler.
#include <QWidget>

namespace averoz {

class MousepadHandler {
 public:
  virtual ~MousepadHandler() = default;
  virtual void MousepadMouseDown(QMouseEvent* event) = 0;
  virtual void MousepadMouseMove(QMouseEvent* event) = 0;
  virtual void MousepadMouseUp(QMouseEvent* event) = 0;
  virtual void MousepadDblClick(QMouseEvent* event) = 0;
  virtual void MousepadMouseEnter() = 0;
  virtual void MousepadMouseLeave() {}
};

class Mousepad : public QWidget {
  Q_OBJECT
 public:
  explicit Mousepad(QWidget* parent);
  void setHandler(MousepadHandler* handler) { handler_ = handler; }

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  MousepadHandler* handler_ = nullptr;
};

}  // namespace averoz
