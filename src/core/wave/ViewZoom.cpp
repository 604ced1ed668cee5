#include "core/wave/ViewZoom.h"

#include <algorithm>

namespace averoz {

bool ViewZoom::Request(const ViewGeometry& view, int dx, int dy, int cx, int cy) {
  // Leaving the fitted ratio for the table is a move even where the index stays.
  const bool moves = view.fitting() ||
                     StepZoom(view.zoomXIdx, {}, kZoomXRatios, dx) != view.zoomXIdx ||
                     StepZoom(view.zoomYIdx, {}, kZoomYRatios, dy) != view.zoomYIdx;
  const bool in = !(dy < 0 || (dy == 0 && dx < 0));
  if (!anim_.Request(moves, in, cx, cy, view.viewWidth, view.viewHeight)) return false;
  dx_ = dx;
  dy_ = dy;
  return true;
}

void ViewZoom::Apply(ViewGeometry& view) {
  const ZoomRatio oldX = view.ratioX(), oldY = view.ratioY();
  view.zoomXIdx = StepZoom(view.zoomXIdx, view.fitX, kZoomXRatios, dx_);
  view.zoomYIdx = StepZoom(view.zoomYIdx, view.fitY, kZoomYRatios, dy_);
  view.LeaveFit();
  wantX_ = ZoomScroll(view.scrollX, anim_.cx(), oldX, view.ratioX());
  wantY_ = ZoomScroll(view.scrollY, anim_.cy(), oldY, view.ratioY());
  view.scrollX = std::max(0, wantX_);
  view.scrollY = std::max(0, wantY_);
  anim_.Applied();
}

}  // namespace averoz
