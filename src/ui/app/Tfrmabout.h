#pragma once
// Help ▸ About: version, and a revision made from the executable's last-write time that
// appears on Ctrl+click of the version or Shift+Ctrl+click of the icon.
#include <QDateTime>
#include <QDialog>

class QLabel;

namespace averoz {

class Tfrmabout : public QDialog {
  Q_OBJECT
 public:
  explicit Tfrmabout(QWidget* parent = nullptr);

  // "0." + local time "yymmdd.hhnn": 18 October 2008 15:30 gives "0.081018.1530".
  static QString RevisionText(const QDateTime& lastWrite);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QLabel* lblVersion_;
  QLabel* lblrev_;
  QLabel* label2_;
  QLabel* programIcon_;
};

}  // namespace averoz
