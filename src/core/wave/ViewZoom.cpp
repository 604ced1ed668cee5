#include "core/wave/ViewZoom.h"

#include <algorithm>

namespace averoz {

namespace {
constexpr int kLastX = int(kZoomXTable.size()) - 1;
constexpr int kLastY = int(kZoomYTable.size()) - 1;
}  // namespace

int ZoomScroll(int oldScroll, int c, int oldZoom, int newZoom) {
  // The content pixel under c scaled by the ratio of the divisors; exact for powers of two
  // except where a zoom-out halves an odd pixel, which rounds away from zero.
  const long long num = (long long)(oldScroll + c) * oldZoom;
  const long long q = num >= 0 ? (num + newZoom / 2) / newZoom : -((-num + newZoom / 2) / newZoom);
  return int(q) - c;
}

bool ViewZoom::Request(const ViewGeometry& view, int dx, int dy, int cx, int cy) {
  const int nx = std::clamp(view.zoomXIdx - dx, 0, kLastX);
  const int ny = std::clamp(view.zoomYIdx - dy, 0, kLastY);
  if (nx == view.zoomXIdx && ny == view.zoomYIdx) {
    if (state_ != State::Animating) state_ = State::Limit;
    return false;
  }
  in_ = !(dy < 0 || (dy == 0 && dx < 0));
  dx_ = dx;
  dy_ = dy;
  cx_ = cx;
  cy_ = cy;
  viewWidth_ = view.viewWidth;
  viewHeight_ = view.viewHeight;
  counter_ = 0;
  state_ = State::Animating;
  return true;
}

ZoomRect ViewZoom::Tick() {
  ++counter_;
  const int a = RoundDiv(cx_, 4), b = RoundDiv(cy_, 4);
  const int c = RoundDiv(viewWidth_ - cx_, 4), d = RoundDiv(viewHeight_ - cy_, 4);
  const int q = in_ ? counter_ : kTicks - counter_;
  return {cx_ - a * q, cy_ - b * q, (a + c) * q, (b + d) * q};
}

void ViewZoom::Apply(ViewGeometry& view) {
  const int oldX = view.zoomX(), oldY = view.zoomY();
  view.zoomXIdx = std::clamp(view.zoomXIdx - dx_, 0, kLastX);
  view.zoomYIdx = std::clamp(view.zoomYIdx - dy_, 0, kLastY);
  wantX_ = ZoomScroll(view.scrollX, cx_, oldX, view.zoomX());
  wantY_ = ZoomScroll(view.scrollY, cy_, oldY, view.zoomY());
  view.scrollX = std::max(0, wantX_);
  view.scrollY = std::max(0, wantY_);
  state_ = State::Idle;
  counter_ = 0;
}

}  // namespace averoz
