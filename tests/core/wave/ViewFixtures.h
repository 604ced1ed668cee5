#pragma once
// Waveform views of a given size, everything else at its initial state.
#include "core/wave/ViewGeometry.h"

namespace averoz::test {

inline ViewGeometry View(int width, int height) {
  ViewGeometry v;
  v.viewWidth = width;
  v.viewHeight = height;
  return v;
}

}  // namespace averoz::test
