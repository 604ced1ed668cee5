#pragma once
// A pair of arrow buttons beside an entry field (the "ud" controls): each press asks the
// owner to step the field. The buttons never take the focus, so the field is not left.
#include <QWidget>

class QToolButton;

namespace averoz {

class UpDown : public QWidget {
  Q_OBJECT
 public:
  explicit UpDown(QWidget* parent);

  // The same as a click on the upper or lower arrow.
  void press(bool up) { emit stepped(up); }

 signals:
  void stepped(bool up);
};

}  // namespace averoz
