#pragma once
// Import Signal: which column or channel of a read signal, how many samples, how its values
// become codes, and which kind of document it becomes; the preview follows every choice.
#include <QDialog>
#include <cstdint>
#include <vector>

#include "core/signal/SignalImport.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace averoz {

class SignalPreview;

class TfrmImportSignal : public QDialog {
  Q_OBJECT
 public:
  TfrmImportSignal(const SignalTable& table, const QString& fileName, QWidget* parent = nullptr);

  // 0 Modulation, 1 Operation.
  int docKind() const;
  // The codes of the current choices (empty while they are not valid).
  const std::vector<std::int32_t>& codes() const;

 private:
  void ColumnChanged();
  void Update();
  bool ReadOptions(SignalImportOptions& options, QString& problem) const;

  const SignalTable& table_;
  QComboBox* cbColumn_;
  QLabel* lblSignal_;
  QSpinBox* edLength_;
  QRadioButton* rbMinMax_;
  QRadioButton* rbRange_;
  QLineEdit* edLow_;
  QLineEdit* edHigh_;
  QRadioButton* rbModulation_;
  QRadioButton* rbOperation_;
  SignalPreview* preview_;
  QLabel* lblProblem_;
  QPushButton* bnOK_;
};

}  // namespace averoz
