#pragma once
// Draws a magnitude spectrum: level in dB over frequency, with the fundamental and its
// harmonics marked and numbered.
#include <QWidget>

#include "core/spectrum/Spectrum.h"

namespace averoz {

class SpectrumPlot : public QWidget {
  Q_OBJECT
 public:
  static constexpr double kTopDb = 10.0;
  static constexpr double kBottomDb = -150.0;

  explicit SpectrumPlot(QWidget* parent = nullptr);

  // sampleRate 0: the axis counts cycles per analysed length.
  void setSpectrum(const Spectrum* spectrum, double sampleRate);
  // A logarithmic frequency axis spreads the low harmonics that a linear one crowds into
  // the first pixels.
  void setLogAxis(bool on);
  bool logAxis() const { return logAxis_; }
  QSize sizeHint() const override { return {480, 180}; }
  QSize minimumSizeHint() const override { return {160, 90}; }

  // Where a bin and a level land, for the markers and the tests.
  QPointF pointOf(int bin, double levelDb) const;

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  QRectF plotArea() const;
  // 0..1 across the plot for a (fractional) bin, and back.
  double fractionOf(double bin) const;
  double binAt(double fraction) const;
  int lastBin() const;
  void drawAxes(QPainter& painter, const QRectF& area) const;
  void drawTrace(QPainter& painter, const QRectF& area) const;
  void drawMarkers(QPainter& painter) const;

  const Spectrum* spectrum_ = nullptr;
  double sampleRate_ = 0.0;
  bool logAxis_ = true;
};

// A frequency as the axis and the marker list write it: "8", or "1.5 kHz" with a rate.
QString FrequencyText(int bin, int length, double sampleRate);

}  // namespace averoz
