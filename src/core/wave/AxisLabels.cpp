#include "core/wave/AxisLabels.h"

#include "core/app/general.h"

namespace averoz {

std::vector<AxisLabel> XAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphLeft) {
  std::vector<AxisLabel> labels;
  for (int d = 0; d <= view.contentWidth(); d += kGridStepX) {
    if (!view.ColumnVisible(d)) continue;
    int index = d * view.zoomX();
    if (index == view.dataLen) index -= 1;  // the last line names the last sample
    AxisLabel label;
    label.text = FormatNumber(scale.IndexToX(index));
    label.x = d + graphLeft - view.scrollX - 3 * int(label.text.size());
    label.y = 11;
    labels.push_back(std::move(label));
  }
  return labels;
}

std::vector<AxisLabel> YAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphTop) {
  std::vector<AxisLabel> labels;
  const int height = view.contentHeight();
  for (int y = 0; y <= height; y += kGridStepY) {
    if (y < view.scrollY || y > view.scrollY + view.viewHeight) continue;
    int code = (height - y) * view.zoomY();
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
