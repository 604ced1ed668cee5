#pragma once
// "Math": the operand of Add, Sub or Multiply, taken from the waveform clipboard as it is,
// fitted to the selection, or as a standard shape, with a thumbnail of it and a preview in
// the document. One dialog serves the whole main window and is reused.
#include <QColor>
#include <QDialog>

#include "core/wave/WaveCombine.h"
#include "core/wave/WaveScale.h"

class QLabel;
class QPushButton;
class QToolButton;

namespace averoz {

class TfrmCalc : public QDialog, public CalcDialog {
  Q_OBJECT
 public:
  static constexpr int kThumbWidth = 157;
  static constexpr int kThumbHeight = 96;

  explicit TfrmCalc(QWidget* parent = nullptr);
  // The dialog of the window `owner` (the main window), made there on first use.
  static TfrmCalc& instance(QWidget& owner);

  // The scale "Set Parameters" shows the standard operand in.
  void setScale(const WaveScale& scale) { scale_ = scale; }
  bool Run(CalcSession& session) override;

  void sbClipClick();
  void sbFitClick();
  void sbstdwaveClick();
  void bnpreviewClick();

 private:
  void FormShow();
  void DrawThumb();

  QToolButton* sbClip_;
  QLabel* lblClip_;
  QToolButton* sbFit_;
  QLabel* lblFit_;
  QLabel* imgthumb_;
  QColor background_;
  QColor graph_;
  WaveScale scale_;
  CalcSession* session_ = nullptr;
};

}  // namespace averoz
