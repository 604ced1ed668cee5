#pragma once
// The zoom of a document view as a state machine: a request either animates four ticks
// and then applies, or, when the zoom cannot move, shows the limit label ("limit", or
// "done" when the "All" button finds the view already there). The timers live in the
// window; this says what each tick shows. The waveform view zooms along two axes, the
// pattern view along one; both run the same animation and keep the data under the
// request's centre in place.
#include <cstdint>

namespace averoz {

inline constexpr const char* kLimitText = "limit";
inline constexpr const char* kDoneText = "done";

struct ZoomRect {
  int left = 0, top = 0, width = 0, height = 0;
};

// Data units per pixel as an exact fraction num / den.
struct ZoomRatio {
  std::int64_t num = 1;
  std::int64_t den = 1;
  double value() const { return double(num) / double(den); }
};

class ZoomAnimation {
 public:
  enum class State { Idle, Animating, Limit };
  static constexpr int kTicks = 4;

  State state() const { return state_; }
  bool zoomingIn() const { return in_; }
  int cx() const { return cx_; }
  int cy() const { return cy_; }

  // Starts a request centred at (cx, cy) in a view of the given size. `moves` is false
  // when the clamped zoom steps equal the current ones: then it returns false and the
  // limit label is due (unless an animation is running, which goes on). A request during
  // the animation restarts it.
  bool Request(bool moves, bool in, int cx, int cy, int viewWidth, int viewHeight);
  // One animation tick: the rectangle to show, growing from the centre to the whole view
  // when zooming in, shrinking back to the centre when zooming out.
  ZoomRect Tick();
  // After the fourth tick the zoom is due.
  bool finished() const { return state_ == State::Animating && counter_ >= kTicks; }
  // The zoom was applied.
  void Applied();
  // The limit label's 1000 ms are over.
  void LimitShown() { state_ = State::Idle; }

 private:
  State state_ = State::Idle;
  bool in_ = true;
  int counter_ = 0;
  int cx_ = 0, cy_ = 0;
  int viewWidth_ = 0, viewHeight_ = 0;
};

// A zoom table index moved by `step` (positive magnifies, toward index 0), held in
// 0..last.
int StepZoomIndex(int index, int step, int last);

// The scroll offset after a zoom from oldZoom to newZoom that keeps the data under view
// pixel c in place: round((oldScroll + c) x old / new) - c. It may be negative (the caller
// holds it at 0).
int ZoomScroll(int oldScroll, int c, ZoomRatio oldZoom, ZoomRatio newZoom);

}  // namespace averoz
