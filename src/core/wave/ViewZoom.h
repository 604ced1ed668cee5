#pragma once
// The zoom of the waveform view as a state machine: a request with a step (dx, dy) and a
// centre either animates four ticks and then applies, or, when neither index can move,
// shows the limit label. The timers live in the window; this says what each tick shows.
#include "core/wave/ViewGeometry.h"

namespace averoz {

struct ZoomRect {
  int left = 0, top = 0, width = 0, height = 0;
};

class ViewZoom {
 public:
  enum class State { Idle, Animating, Limit };
  static constexpr int kTicks = 4;

  State state() const { return state_; }
  bool zoomingIn() const { return in_; }

  // Starts a request on the view. Returns false when it is at the limit (the limit label
  // is due; `done` says the "All" button found the view already there). A request during
  // the animation restarts it with the new step.
  bool Request(const ViewGeometry& view, int dx, int dy, int cx, int cy);
  // One animation tick: the rectangle to show. After the fourth, finished() is true and
  // the window calls Apply.
  ZoomRect Tick();
  bool finished() const { return state_ == State::Animating && counter_ >= kTicks; }
  // Applies the pending step: the indices move and the scroll offsets keep the data under
  // the centre in place (not below 0; the scroll bars limit them further). Back to idle.
  void Apply(ViewGeometry& view);
  // The limit label's 1000 ms are over.
  void LimitShown() { state_ = State::Idle; }

  int cx() const { return cx_; }
  int cy() const { return cy_; }
  // The offsets the last Apply asked for before they were held at 0: the difference to the
  // offsets finally used is how far the data moved under the centre.
  int wantedScrollX() const { return wantX_; }
  int wantedScrollY() const { return wantY_; }

 private:
  State state_ = State::Idle;
  bool in_ = true;
  int counter_ = 0;
  int dx_ = 0, dy_ = 0, cx_ = 0, cy_ = 0;
  int viewWidth_ = 0, viewHeight_ = 0;
  int wantX_ = 0, wantY_ = 0;
};

// The step of the "Max" button (divisors 1 and 1) and of the "All" button (back to 32 and
// 16) from the view's indices.
inline void MaxStep(const ViewGeometry& v, int& dx, int& dy) {
  dx = v.zoomXIdx;
  dy = v.zoomYIdx;
}
inline void AllStep(const ViewGeometry& v, int& dx, int& dy) {
  dx = v.zoomXIdx - kInitialZoomXIdx;
  dy = v.zoomYIdx - kInitialZoomYIdx;
}

// scrollX after a zoom from oldZoom to newZoom that keeps content under view pixel c; it
// may be negative (the caller holds it at 0).
int ZoomScroll(int oldScroll, int c, int oldZoom, int newZoom);

}  // namespace averoz
