#pragma once
// "Invert": for each pair (CH1/CH4, CH2/CH5, CH3/CH6) which channel is the inverted source,
// shown by an over-bar and an arrow, flipped by the row's "Change" button. OK hands the
// directions back; Cancel leaves them as they were.
#include <QDialog>

#include "core/ppg/AutoInvert.h"

class QLabel;

namespace averoz {

class BevelButton;

class TfrmInv : public QDialog, public InvertWindow {
  Q_OBJECT
 public:
  // The over-bar's place above the first and above the second channel of a row.
  static constexpr int kBarFirstX = 8;
  static constexpr int kBarSecondX = 70;

  explicit TfrmInv(QWidget* parent = nullptr);

  bool Run(InvertDirections& directions) override;

  // The "Change" button of row k (0..2).
  void pninvClick(int k);

 private:
  void ShowRow(int k);

  struct Row {
    QLabel* bar = nullptr;
    QLabel* arrow = nullptr;
  };
  Row rows_[3];
  InvertDirections directions_{};
};

}  // namespace averoz
