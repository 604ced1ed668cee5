#include "ui/app/FitLabel.h"

#include <QFont>
#include <QLabel>

namespace averoz {

void FitLabel(QLabel* label) {
  QFont font = label->font();
  for (int points = 9;; --points) {
    font.setPointSize(points);
    label->setFont(font);
    label->adjustSize();
    const int w = label->width();
    int left = -1;
    if (w < 140) left = 20;
    else if (w <= 147) left = 12;
    else if (w <= 155 || points <= 1) left = 4;
    if (left >= 0) {
      label->move(left, label->y());
      return;
    }
  }
}

}  // namespace averoz
