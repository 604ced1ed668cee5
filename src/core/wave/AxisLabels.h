#pragma once
// The axis labels beside the waveform view: one per grid line inside the view, in the
// document's own X and Y units, placed in window pixels.
#include <string>
#include <vector>

#include "core/wave/ViewGeometry.h"
#include "core/wave/WaveScale.h"

namespace averoz {

struct AxisLabel {
  int x = 0;  // window pixels, the text's left edge
  int y = 0;  // window pixels; for X labels the strip's text top
  std::string text;
};

inline constexpr int kYLabelChars = 7;

// Graph panel at (graphLeft, graphTop) in the window.
std::vector<AxisLabel> XAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphLeft);
std::vector<AxisLabel> YAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphTop);

}  // namespace averoz
