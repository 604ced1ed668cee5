#include "core/view/ZoomFit.h"

#include <algorithm>

namespace averoz {

namespace {

bool Less(ZoomRatio a, ZoomRatio b) { return a.num * b.den < b.num * a.den; }

// Where a step from the free ratio starts: a reducing step from the last entry at most as
// coarse (-1 when every entry is coarser), any other from the first entry at least as
// coarse (past the end when none is).
int StepBase(ZoomRatio fit, std::span<const ZoomRatio> table, int step) {
  const int count = int(table.size());
  if (step < 0) {
    int k = count - 1;
    while (k >= 0 && Less(fit, table[std::size_t(k)])) --k;
    return k;
  }
  int k = 0;
  while (k < count && Less(table[std::size_t(k)], fit)) ++k;
  return k;
}

}  // namespace

ZoomRatio FitRatio(int units, int pixels) { return {std::max(1, units), std::max(1, pixels - 1)}; }

int StepZoom(int index, const std::optional<ZoomRatio>& fit, std::span<const ZoomRatio> table,
             int step) {
  const int base = fit ? StepBase(*fit, table, step) : index;
  return StepZoomIndex(base, step, int(table.size()) - 1);
}

int StepToward(int index, const std::optional<ZoomRatio>& fit, std::span<const ZoomRatio> table,
               int target) {
  if (!fit) return index - target;
  // Magnifying (or staying) from the entry at least as coarse; else reducing.
  const int coarser = StepBase(*fit, table, 0);
  return coarser >= target ? coarser - target : StepBase(*fit, table, -1) - target;
}

}  // namespace averoz
