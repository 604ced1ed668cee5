#pragma once
// The start-up window: a 100 ms tick reveals the logo, shows the version at tick 15 and a
// second line at tick 18, and closes the window after tick 30.
#include <QTimer>
#include <QWidget>

class QLabel;

namespace averoz {

class TfrmSplash : public QWidget {
  Q_OBJECT
 public:
  explicit TfrmSplash(QWidget* centreOn = nullptr);
  int tick() const { return tick_; }
  // One step of the timeline (the timer calls it every 100 ms).
  void tmShowTimer();

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* logo_;
  QWidget* shape1_;
  QLabel* lblVersion_;
  QLabel* lblProduct_;
  QTimer tmShow_;
  QWidget* centreOn_;
  int tick_ = 0;
};

}  // namespace averoz
