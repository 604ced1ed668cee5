#include "ui/ppg/BevelButton.h"

#include <QMouseEvent>

namespace averoz {

BevelButton::BevelButton(const QString& caption, QWidget* parent) : QLabel(caption, parent) {
  setAlignment(Qt::AlignCenter);
  setFrameShape(QFrame::Panel);
  SetBevel(Bevel::Flat);
}

void BevelButton::SetBevel(Bevel bevel) {
  bevel_ = bevel;
  // A flat panel keeps its line width, so the caption does not move between the states.
  setFrameShadow(bevel == Bevel::Lowered ? QFrame::Sunken : QFrame::Raised);
  setLineWidth(bevel == Bevel::Flat ? 0 : 1);
  setMidLineWidth(0);
  setContentsMargins(bevel == Bevel::Flat ? QMargins(1, 1, 1, 1) : QMargins());
}

void BevelButton::enterEvent(QEnterEvent* event) {
  if (!pressed_) SetBevel(Bevel::Raised);
  QLabel::enterEvent(event);
}

void BevelButton::leaveEvent(QEvent* event) {
  if (!pressed_) SetBevel(Bevel::Flat);
  QLabel::leaveEvent(event);
}

void BevelButton::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return QLabel::mousePressEvent(event);
  pressed_ = true;
  SetBevel(Bevel::Lowered);
}

void BevelButton::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return QLabel::mouseReleaseEvent(event);
  pressed_ = false;
  const bool over = rect().contains(event->position().toPoint());
  SetBevel(over ? Bevel::Raised : Bevel::Flat);
  if (over) emit clicked();
}

}  // namespace averoz
