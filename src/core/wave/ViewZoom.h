#pragma once
// The zoom of the waveform view: a request with a step (dx, dy) and a centre runs the
// shared zoom animation (four ticks, or the limit label when neither index can move) and
// then applies the step to both axes.
#include "core/view/ZoomAnimation.h"
#include "core/wave/ViewGeometry.h"

namespace averoz {

class ViewZoom {
 public:
  using State = ZoomAnimation::State;
  static constexpr int kTicks = ZoomAnimation::kTicks;

  State state() const { return anim_.state(); }
  bool zoomingIn() const { return anim_.zoomingIn(); }

  // Starts a request on the view. Returns false when it is at the limit (the limit label
  // is due). A request during the animation restarts it with the new step.
  bool Request(const ViewGeometry& view, int dx, int dy, int cx, int cy);
  // One animation tick: the rectangle to show. After the fourth, finished() is true and
  // the window calls Apply.
  ZoomRect Tick() { return anim_.Tick(); }
  bool finished() const { return anim_.finished(); }
  // Applies the pending step (from the fitted ratios, which it leaves, while the view fits
  // its window): the indices move and the scroll offsets keep the data under
  // the centre in place (not below 0; the scroll bars limit them further). Back to idle.
  void Apply(ViewGeometry& view);
  // The limit label's 1000 ms are over.
  void LimitShown() { anim_.LimitShown(); }

  int cx() const { return anim_.cx(); }
  int cy() const { return anim_.cy(); }
  // The offsets the last Apply asked for before they were held at 0: the difference to the
  // offsets finally used is how far the data moved under the centre.
  int wantedScrollX() const { return wantX_; }
  int wantedScrollY() const { return wantY_; }

 private:
  ZoomAnimation anim_;
  int dx_ = 0, dy_ = 0;
  int wantX_ = 0, wantY_ = 0;
};

// The step of the "Max" button (divisors 1 and 1) and of the "All" button (back to 32 and
// 16) from the view's indices, or from its fitted ratios.
inline void MaxStep(const ViewGeometry& v, int& dx, int& dy) {
  dx = StepToward(v.zoomXIdx, v.fitX, kZoomXRatios, 0);
  dy = StepToward(v.zoomYIdx, v.fitY, kZoomYRatios, 0);
}
inline void AllStep(const ViewGeometry& v, int& dx, int& dy) {
  dx = StepToward(v.zoomXIdx, v.fitX, kZoomXRatios, kInitialZoomXIdx);
  dy = StepToward(v.zoomYIdx, v.fitY, kZoomYRatios, kInitialZoomYIdx);
}

}  // namespace averoz
