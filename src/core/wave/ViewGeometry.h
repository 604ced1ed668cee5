#pragma once
// Where samples land on the waveform view: the zoom tables, the content size, the scroll
// offsets and the mapping between (index, code) and view pixels. Content pixels count from
// the left and the top of the whole zoomed picture; view pixels from the image's corner.
#include <array>
#include <cstdint>
#include <optional>

#include "core/view/ScrollRange.h"
#include "core/view/ZoomFit.h"

namespace averoz {

inline constexpr std::array<int, 7> kZoomXTable{1, 2, 4, 8, 16, 32, 64};  // samples per pixel
inline constexpr std::array<int, 6> kZoomYTable{1, 2, 4, 8, 16, 32};      // codes per pixel
inline constexpr auto kZoomXRatios = WholeRatios(kZoomXTable);
inline constexpr auto kZoomYRatios = WholeRatios(kZoomYTable);
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
  // While the view fits its window: samples and codes per pixel that show the whole
  // document in it, in place of the table entries.
  std::optional<ZoomRatio> fitX, fitY;

  bool fitting() const { return fitX.has_value(); }
  // The free ratios for the current view size.
  void FitToView() {
    fitX = FitRatio(dataLen, viewWidth);
    fitY = FitRatio(kCodeCount, viewHeight);
  }
  // Back to the table entries the view had before.
  void LeaveFit() {
    fitX.reset();
    fitY.reset();
  }
  ZoomRatio ratioX() const { return fitX ? *fitX : kZoomXRatios[std::size_t(zoomXIdx)]; }
  ZoomRatio ratioY() const { return fitY ? *fitY : kZoomYRatios[std::size_t(zoomYIdx)]; }
  double zoomX() const { return ratioX().value(); }
  double zoomY() const { return ratioY().value(); }
  int contentWidth() const { return Pixels(dataLen, ratioX()); }
  int contentHeight() const { return Pixels(kCodeCount, ratioY()); }

  // Content x of sample i and content y of code v (code 0 at the bottom).
  int ContentX(int i) const { return PixelOf(i, ratioX()); }
  int ContentY(int v) const { return contentHeight() - PixelOf(v, ratioY()); }
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

 private:
  // Whole pixels that `units` fill at ratio r (integer division).
  static int Pixels(int units, ZoomRatio r) { return int(std::int64_t(units) * r.den / r.num); }
};

}  // namespace averoz
