#pragma once
// Where samples land on the waveform view: the zoom tables, the content size, the scroll
// offsets and the mapping between (index, code) and view pixels. Content pixels count from
// the left and the top of the whole zoomed picture; view pixels from the image's corner.
#include <array>
#include <cstdint>

#include "core/view/ScrollRange.h"

namespace averoz {

inline constexpr std::array<int, 7> kZoomXTable{1, 2, 4, 8, 16, 32, 64};  // samples per pixel
inline constexpr std::array<int, 6> kZoomYTable{1, 2, 4, 8, 16, 32};      // codes per pixel
inline constexpr int kInitialZoomXIdx = 5;
inline constexpr int kInitialZoomYIdx = 4;
inline constexpr int kGridStepX = 64;
inline constexpr int kGridStepY = 32;
inline constexpr int kCodeCount = 4096;

struct ViewGeometry {
  int dataLen = 16384;
  int zoomXIdx = kInitialZoomXIdx;
  int zoomYIdx = kInitialZoomYIdx;
  int scrollX = 0;
  int scrollY = 0;
  int viewWidth = 0;   // client size of the image
  int viewHeight = 0;

  int zoomX() const { return kZoomXTable[std::size_t(zoomXIdx)]; }
  int zoomY() const { return kZoomYTable[std::size_t(zoomYIdx)]; }
  int contentWidth() const { return dataLen / zoomX(); }
  int contentHeight() const { return kCodeCount / zoomY(); }

  // Content x of sample i and content y of code v (code 0 at the bottom).
  int ContentX(int i) const { return RoundDiv(i, zoomX()); }
  int ContentY(int v) const { return contentHeight() - RoundDiv(v, zoomY()); }
  // The same in view pixels.
  int ViewX(int i) const { return ContentX(i) - scrollX; }
  int ViewY(int v) const { return ContentY(v) - scrollY; }

  // Index and code under view pixel (x, y): the index limited to dataLen - 1, the code
  // clamped to 0..4095.
  int IndexAt(int x) const;
  int CodeAt(int y) const;
  // The pointer lies over the zoomed picture (not over the empty part of a larger view).
  bool InsideContent(int x, int y) const {
    return x <= contentWidth() - scrollX && y <= contentHeight() - scrollY;
  }
  // Content x lies within the view columns.
  bool ColumnVisible(int contentX) const {
    return contentX >= scrollX && contentX <= scrollX + viewWidth;
  }
};

}  // namespace averoz
