#pragma once
// Horizontal and vertical scrolling of a zoomed document view: how far the view may be
// scrolled, whether its bar shows, and which grid lines fall inside it. Shared by the
// waveform and the pattern view.
#include <cstdint>
#include <vector>

namespace averoz {

// a / b rounded half away from zero, b > 0.
constexpr int RoundDiv(int a, int b) {
  return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}
constexpr std::int64_t RoundDiv64(std::int64_t a, std::int64_t b) {
  return a >= 0 ? (a + b / 2) / b : -((-a + b / 2) / b);
}

// One scroll bar after a zoom, resize or scroll: whether its panel shows, and its range.
struct ScrollBarState {
  bool visible = false;
  int max = 0;
  int pageSize = 0;
  int position = 0;
};

// Fits `scroll` to the content and the view and says how the bar looks. A view scrolled
// past the end is pulled back so the content's end meets the view's edge; a content
// narrower than the view goes back to 0.
ScrollBarState FitScroll(int& scroll, int content, int view);
// Moves a scroll bar by hand: the position is held within 0..max - pageSize.
int LimitScrollPosition(int position, const ScrollBarState& bar);

// Content positions 0, step, 2 step, ... up to `content` that lie within the view
// (scroll..scroll + view, both ends included).
std::vector<int> VisibleGridLines(int step, int content, int scroll, int view);

}  // namespace averoz
