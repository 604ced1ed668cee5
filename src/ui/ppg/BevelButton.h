#pragma once
// A captioned panel that acts as a button by its bevel alone: raised under the mouse,
// lowered while pressed, flat otherwise. A release over it is a click.
#include <QLabel>

namespace averoz {

class BevelButton : public QLabel {
  Q_OBJECT
 public:
  enum class Bevel { Flat, Raised, Lowered };

  BevelButton(const QString& caption, QWidget* parent);
  Bevel bevel() const { return bevel_; }

 signals:
  void clicked();

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  void SetBevel(Bevel bevel);

  Bevel bevel_ = Bevel::Flat;
  bool pressed_ = false;
};

}  // namespace averoz
