#include "core/wave/AxisLabels.h"

#include "core/app/general.h"

namespace averoz {

std::vector<AxisLabel> XAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphLeft) {
  std::vector<AxisLabel> labels;
  for (const int d : VisibleGridLines(kGridStepX, view.contentWidth(), view.scrollX,
                                     view.viewWidth)) {
    int index = UnitsAt(d, view.ratioX());
    if (index == view.dataLen) index -= 1;  // the last line names the last sample
    labels.push_back(XLabelAt(d, FormatNumber(scale.IndexToX(index)), graphLeft, view.scrollX));
  }
  return labels;
}

std::vector<AxisLabel> YAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphTop) {
  std::vector<AxisLabel> labels;
  const int height = view.contentHeight();
  for (int y = 0; y <= height; y += kGridStepY) {
    if (y < view.scrollY || y > view.scrollY + view.viewHeight) continue;
    int code = UnitsAt(height - y, view.ratioY());
    if (y == 0) code -= 1;  // the top line names code 4095
    AxisLabel label;
    label.text = FormatNumber(scale.CodeToY(code)).substr(0, kYLabelChars);
    label.x = 5;
    label.y = y + graphTop - view.scrollY - 5;
    labels.push_back(std::move(label));
  }
  return labels;
}

}  // namespace averoz
