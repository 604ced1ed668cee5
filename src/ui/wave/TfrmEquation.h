#pragma once
// Waveforms ▸ "Equation…": an expression (an editable list of the last ten), a Data Length
// checked like the one of "Set Parameters", a live preview in the document while typing and
// an error line that points at the fault. OK and Cancel are handed to the flow. One dialog
// serves the whole main window and is reused.
#include <QDialog>
#include <QString>

#include "core/wave/EquationCommand.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace averoz {

class DocumentHost;
class TfrmWave;
class UpDown;

class TfrmEquation : public QDialog, public EquationDialog {
  Q_OBJECT
 public:
  static inline const QString kCaption = QStringLiteral("Equation");
  // Shown when no expression has been used yet.
  static inline const QString kFirstExpression = QStringLiteral("mid + fs*sin(2*pi*t)");

  explicit TfrmEquation(QWidget* parent = nullptr);

  // The dialog of the window `owner` (the main window), made there on first use.
  static TfrmEquation& instance(QWidget& owner);

  bool Run(const ParamDialogSetup& setup, EquationDialogHandler& handler) override;

  void bnOKClick();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  // The length check of Set Parameters; a kept length previews again.
  bool CheckLength();
  void SpinLength(bool up);
  std::int32_t Length() const;
  QString Expression() const;
  void Preview();
  // The problem on the error line: the expression with a caret under the fault.
  void ShowProblem(const std::optional<EquationProblem>& problem);

  QComboBox* cboEquation_;
  QLabel* lblEqError_;
  QLabel* lblEqLen_;
  QLineEdit* edEqLen_;
  UpDown* udEqLen_;
  QPushButton* bnOK_;
  QPushButton* bnCancel_;
  QString lenAccepted_;

  ParamDialogSetup setup_;
  EquationDialogHandler* handler_ = nullptr;
};

// Runs the command on the window's document with the main window's dialog and prompter.
GenerateOutcome RunEquation(DocumentHost& mainForm, TfrmWave& wave);

}  // namespace averoz
