#include "core/view/ZoomAnimation.h"

#include <algorithm>

#include "core/view/ScrollRange.h"

namespace averoz {

bool ZoomAnimation::Request(bool moves, bool in, int cx, int cy, int viewWidth,
                            int viewHeight) {
  if (!moves) {
    if (state_ != State::Animating) state_ = State::Limit;
    return false;
  }
  in_ = in;
  cx_ = cx;
  cy_ = cy;
  viewWidth_ = viewWidth;
  viewHeight_ = viewHeight;
  counter_ = 0;
  state_ = State::Animating;
  return true;
}

ZoomRect ZoomAnimation::Tick() {
  ++counter_;
  const int a = RoundDiv(cx_, 4), b = RoundDiv(cy_, 4);
  const int c = RoundDiv(viewWidth_ - cx_, 4), d = RoundDiv(viewHeight_ - cy_, 4);
  const int q = in_ ? counter_ : kTicks - counter_;
  return {cx_ - a * q, cy_ - b * q, (a + c) * q, (b + d) * q};
}

void ZoomAnimation::Applied() {
  state_ = State::Idle;
  counter_ = 0;
}

int StepZoomIndex(int index, int step, int last) { return std::clamp(index - step, 0, last); }

int ZoomScroll(int oldScroll, int c, ZoomRatio oldZoom, ZoomRatio newZoom) {
  // Exact in integers: a zoom-out that halves an odd pixel rounds away from zero.
  const std::int64_t num = std::int64_t(oldScroll + c) * oldZoom.num * newZoom.den;
  return int(RoundDiv64(num, oldZoom.den * newZoom.num)) - c;
}

}  // namespace averoz
