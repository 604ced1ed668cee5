#include "core/wave/ViewGeometry.h"

#include <algorithm>

namespace averoz {

int ViewGeometry::IndexAt(int x) const {
  return std::min((x + scrollX) * zoomX(), dataLen - 1);
}

int ViewGeometry::CodeAt(int y) const {
  return std::clamp((contentHeight() - y - scrollY) * zoomY(), 0, kCodeCount - 1);
}

}  // namespace averoz
