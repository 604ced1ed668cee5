#include "core/wave/ViewGeometry.h"

#include <algorithm>

namespace averoz {

int ViewGeometry::IndexAt(int x) const {
  return std::min((x + scrollX) * zoomX(), dataLen - 1);
}

int ViewGeometry::CodeAt(int y) const {
  return std::clamp((contentHeight() - y - scrollY) * zoomY(), 0, kCodeCount - 1);
}

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

}  // namespace averoz
