#pragma once
// A channel header panel `pn1`..`pn6` beside a display row of the pattern view, captioned
// with the channel it shows. Its bevel is raised under the mouse, lowered while pressed
// and flat otherwise.
#include <QFrame>

namespace averoz {

class PpgChannelHeader : public QFrame {
  Q_OBJECT
 public:
  PpgChannelHeader(int row, QWidget* parent);
  int row() const { return row_; }
  void SetCaption(const QString& text);
  QString caption() const;

 signals:
  void leftPressed(int row);
  void rightPressed(int row);

 protected:
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

 private:
  int row_;
  QString caption_;
};

}  // namespace averoz
