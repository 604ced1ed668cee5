#pragma once
// A plain view of all samples: grid and curve, one column per group of samples.
#include <QWidget>

namespace averoz {

class WaveDoc;

class WavePlot : public QWidget {
  Q_OBJECT
 public:
  WavePlot(const WaveDoc& doc, QWidget* parent);

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  const WaveDoc& doc_;
};

}  // namespace averoz
