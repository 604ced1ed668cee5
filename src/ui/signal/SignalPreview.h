#pragma once
// The import dialog's picture: the chosen column of the file above, the waveform it becomes
// (codes 0..4095) below. Long signals are drawn as the min..max of each pixel column.
#include <QWidget>
#include <cstdint>
#include <span>
#include <vector>

namespace averoz {

class SignalPreview : public QWidget {
  Q_OBJECT
 public:
  explicit SignalPreview(QWidget* parent = nullptr);

  void setSignal(std::span<const double> values);
  void setCodes(std::vector<std::int32_t> codes);
  const std::vector<std::int32_t>& codes() const { return codes_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  std::span<const double> signal_;
  double signalLow_ = 0, signalHigh_ = 0;
  std::vector<std::int32_t> codes_;
};

}  // namespace averoz
