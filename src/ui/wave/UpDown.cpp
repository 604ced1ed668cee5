#include "ui/wave/UpDown.h"

#include <QToolButton>
#include <QVBoxLayout>

namespace averoz {

UpDown::UpDown(QWidget* parent) : QWidget(parent) {
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(0);
  for (const bool up : {true, false}) {
    auto* button = new QToolButton(this);
    button->setArrowType(up ? Qt::UpArrow : Qt::DownArrow);
    button->setFocusPolicy(Qt::NoFocus);
    button->setAutoRepeat(true);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    connect(button, &QToolButton::clicked, this, [this, up] { press(up); });
    layout->addWidget(button);
  }
}

}  // namespace averoz
