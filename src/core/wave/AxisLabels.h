#pragma once
// The axis labels beside the waveform view: one per grid line inside the view, in the
// document's own X and Y units, placed in window pixels.
#include <vector>

#include "core/view/AxisLabel.h"
#include "core/wave/ViewGeometry.h"
#include "core/wave/WaveScale.h"

namespace averoz {

inline constexpr int kYLabelChars = 7;

// Graph panel at (graphLeft, graphTop) in the window.
std::vector<AxisLabel> XAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphLeft);
std::vector<AxisLabel> YAxisLabels(const ViewGeometry& view, const WaveScale& scale,
                                   int graphTop);

}  // namespace averoz
