#include "core/view/ScrollRange.h"

#include <algorithm>

namespace averoz {

ScrollBarState FitScroll(int& scroll, int content, int view) {
  ScrollBarState bar;
  bar.max = content;
  if (scroll <= 0) {
    scroll = 0;
    bar.visible = view < content;
    bar.pageSize = view;
  } else {
    bar.visible = true;
    if (scroll + view < content) {
      bar.pageSize = view;
    } else if (content < view) {
      bar.pageSize = content;
      scroll = 0;
      bar.visible = false;
    } else {
      bar.pageSize = view;
      scroll = content - view;
    }
  }
  bar.position = scroll;
  return bar;
}

int LimitScrollPosition(int position, const ScrollBarState& bar) {
  return std::clamp(position, 0, std::max(0, bar.max - bar.pageSize));
}

std::vector<int> VisibleGridLines(int step, int content, int scroll, int view) {
  std::vector<int> lines;
  // Starts at the first line at or right of the view's edge: a long content at a large
  // magnification has hundreds of thousands of pixels, and only a few lines show.
  const int first = scroll <= 0 ? 0 : (scroll + step - 1) / step * step;
  const int last = std::min(content, scroll + view);
  for (int d = first; d <= last; d += step) lines.push_back(d);
  return lines;
}

}  // namespace averoz
