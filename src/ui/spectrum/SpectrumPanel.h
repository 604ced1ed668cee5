#pragma once
// The spectrum of the active waveform: window choice, playback sample rate, the plot and a
// list of the fundamental, its harmonics and the THD. It follows the waveform's edits while
// it is shown; window and rate are kept in the settings file.
#include <QPointer>
#include <QWidget>

#include "core/spectrum/Spectrum.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace averoz {

class SpectrumPlot;
class TfrmWave;

class SpectrumPanel : public QWidget {
  Q_OBJECT
 public:
  explicit SpectrumPanel(QWidget* parent = nullptr);

  // The waveform to follow; nullptr when the active document is not a waveform.
  void setWave(TfrmWave* wave);
  const Spectrum& spectrum() const { return spectrum_; }
  double sampleRate() const { return sampleRate_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void scheduleUpdate();
  void updateNow();
  void rateEntered();
  void showPeaks();

  QComboBox* cbWindow_;
  QLineEdit* edSampleRate_;
  QCheckBox* cbLogAxis_;
  SpectrumPlot* plot_;
  QLabel* lblPeaks_;
  QPointer<TfrmWave> wave_;
  QMetaObject::Connection waveConnection_;
  SpectrumAnalyzer analyzer_;
  Spectrum spectrum_;
  double sampleRate_ = 0.0;
  bool updatePending_ = false;
};

}  // namespace averoz
