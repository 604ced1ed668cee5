#include "core/view/CursorRules.h"

#include <algorithm>

#include "core/view/ScrollRange.h"

namespace averoz {

int VisibleThird(int scroll, int view, int content) {
  return scroll + view < content ? RoundDiv(view, 3) : RoundDiv(content - scroll, 3);
}

CursorPair DistinctCursors(int first, int second, int last) {
  CursorPair p;
  p.first = std::clamp(first, 0, last - 1);
  p.second = std::clamp(second, p.first + 1, last);
  return p;
}

int DragLowerCursor(int value, int upper) { return std::clamp(value, 0, upper - 1); }

int DragUpperCursor(int value, int lower, int last) { return std::clamp(value, lower + 1, last); }

int GrabCursor(bool visible1, int pos1, bool visible2, int pos2, int x) {
  constexpr int t = kGrabTolerance;
  int g = 0;
  if (visible1 && pos1 - 2 * t < x && x < pos1 + t) g = 1;
  if (visible2 && pos2 - t < x && x < pos2 + 2 * t) g = 2;
  return g;
}

}  // namespace averoz
