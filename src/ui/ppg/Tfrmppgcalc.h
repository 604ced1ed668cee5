#pragma once
// "Math" of patterns: the operation, its source channels, the target channel and, for Rotate
// and Shift, the count and direction. The checks are PpgCalcCommand's; the dialog shows
// their refusals and hands Preview to the command that opened it.
#include <QDialog>
#include <QString>

#include "core/ppg/PpgCalcCommand.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;

namespace averoz {

class Prompter;

class Tfrmppgcalc : public QDialog, public PpgCalcDialog {
  Q_OBJECT
 public:
  // Refusals go to `prompter`.
  Tfrmppgcalc(QWidget* parent, Prompter& prompter);

  std::optional<PpgCalcChoice> Run(const PpgCalcSetup& setup, PpgCalcPreview& preview) override;

  // edRot left or Enter pressed in it; false when refused (ERRMSG 3, the last count back).
  bool CheckCount();
  void bnOKClick();
  void bnPreviewClick();
  void cboCalcChange();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  LogicOp op() const;
  std::uint32_t SourceMask() const;
  void SelectSources(std::uint32_t mask);
  // The source check of OK and Preview, then the count; false after a refusal.
  bool CheckChoice();
  PpgCalcChoice Choice() const;

  Prompter& prompter_;
  QListWidget* listch_;
  QComboBox* cboCalc_;
  QComboBox* cboDestch_;
  QLineEdit* edData_;
  QWidget* pnrotate_;
  QLineEdit* edRot_;
  QLabel* lblRpt_;
  QRadioButton* rbleft_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  QPushButton* bnPreview_;

  QString prevRotText_ = QStringLiteral("1");
  std::int32_t maxCount_ = 100;
  PpgCalcPreview* preview_ = nullptr;
};

}  // namespace averoz
