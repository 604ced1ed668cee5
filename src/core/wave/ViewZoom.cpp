#include "core/wave/ViewZoom.h"

#include <algorithm>

namespace averoz {

namespace {
constexpr int kLastX = int(kZoomXTable.size()) - 1;
constexpr int kLastY = int(kZoomYTable.size()) - 1;
}  // namespace

bool ViewZoom::Request(const ViewGeometry& view, int dx, int dy, int cx, int cy) {
  const bool moves = StepZoomIndex(view.zoomXIdx, dx, kLastX) != view.zoomXIdx ||
                     StepZoomIndex(view.zoomYIdx, dy, kLastY) != view.zoomYIdx;
  const bool in = !(dy < 0 || (dy == 0 && dx < 0));
  if (!anim_.Request(moves, in, cx, cy, view.viewWidth, view.viewHeight)) return false;
  dx_ = dx;
  dy_ = dy;
  return true;
}

void ViewZoom::Apply(ViewGeometry& view) {
  const int oldX = view.zoomX(), oldY = view.zoomY();
  view.zoomXIdx = StepZoomIndex(view.zoomXIdx, dx_, kLastX);
  view.zoomYIdx = StepZoomIndex(view.zoomYIdx, dy_, kLastY);
  wantX_ = ZoomScroll(view.scrollX, anim_.cx(), {oldX, 1}, {view.zoomX(), 1});
  wantY_ = ZoomScroll(view.scrollY, anim_.cy(), {oldY, 1}, {view.zoomY(), 1});
  view.scrollX = std::max(0, wantX_);
  view.scrollY = std::max(0, wantY_);
  anim_.Applied();
}

}  // namespace averoz
