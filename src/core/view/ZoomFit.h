#pragma once
// A view that fits its window shows the document at a free ratio (units per pixel) that no
// zoom table holds. The first zoom step, "Max" or "All" leaves that ratio for a table entry:
// these say which one. Tables run from the finest ratio (index 0) to the coarsest.
#include <array>
#include <cstddef>
#include <optional>
#include <span>

#include "core/view/ScrollRange.h"
#include "core/view/ZoomAnimation.h"

namespace averoz {

// The units under content pixel `pixels` (truncated) and the content pixel of unit `units`
// (rounded) at ratio r.
inline int UnitsAt(int pixels, ZoomRatio r) { return int(std::int64_t(pixels) * r.num / r.den); }
inline int PixelOf(int units, ZoomRatio r) { return int(RoundDiv64(std::int64_t(units) * r.den, r.num)); }

// `units` across `pixels`: the content ends on the view's last pixel, so the last unit and
// the closing grid line stay in sight.
ZoomRatio FitRatio(int units, int pixels);

// The table index a step (positive magnifies) lands on: from `index`, or, while the view
// fits, from the free ratio — a magnifying step goes to the first entry finer than it, a
// reducing step to the first coarser one, a zero step to the nearest entry that still
// shows everything (the first one at least as coarse).
int StepZoom(int index, const std::optional<ZoomRatio>& fit, std::span<const ZoomRatio> table,
             int step);
// The step StepZoom needs to land on `target`.
int StepToward(int index, const std::optional<ZoomRatio>& fit, std::span<const ZoomRatio> table,
               int target);

// Switches a view geometry (one with fitting(), FitToView() and LeaveFit()) into or out of
// the fitted ratio; false when it was so already. (Fitting the scroll offsets afterwards
// brings a fitted view back to its start.)
template <class View>
bool SwitchFit(View& view, bool on) {
  if (on == view.fitting()) return false;
  if (on) view.FitToView();
  else view.LeaveFit();
  return true;
}

// A table of whole units per pixel as ratios.
template <std::size_t N>
constexpr std::array<ZoomRatio, N> WholeRatios(const std::array<int, N>& table) {
  std::array<ZoomRatio, N> r{};
  for (std::size_t k = 0; k < N; ++k) r[k] = {table[k], 1};
  return r;
}

}  // namespace averoz
