#include "core/wave/ViewGeometry.h"

#include <algorithm>

namespace averoz {

int ViewGeometry::IndexAt(int x) const {
  return std::min(UnitsAt(x + scrollX, ratioX()), dataLen - 1);
}

int ViewGeometry::CodeAt(int y) const {
  return std::clamp(UnitsAt(contentHeight() - y - scrollY, ratioY()), 0, kCodeCount - 1);
}

}  // namespace averoz
