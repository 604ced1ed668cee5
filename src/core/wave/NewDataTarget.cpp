#include "core/wave/NewDataTarget.h"

#include <algorithm>

namespace averoz {

int NewDataTarget::ShiftDistance(int newLen) const {
  switch (mode) {
    case NewDataMode::Append: return 0;
    case NewDataMode::Insert: return newLen;
    case NewDataMode::Replace: return newLen - replaced;
  }
  return 0;
}

int NewDataTarget::ChangedEnd(int newLen) const {
  const int grow = mode == NewDataMode::Append ? newLen : ShiftDistance(newLen);
  return std::max(lastDrawn, lastDrawn + grow);
}

NewDataPlan FindNewDataTarget(const WaveDoc& doc) {
  const int last = doc.lastDrawn();
  const int free = doc.dataLen - last - 1;
  NewDataPlan plan;
  NewDataTarget& t = plan.target;
  if (!doc.rangeSelected) {
    t = {NewDataMode::Append, last + 1, 0, free, last};
    return plan;
  }
  // A point at or after the drawn end inserts at the end; so does a range that starts
  // there (it holds no drawn sample to replace).
  const int begin = std::clamp(doc.selBegin, 0, last + 1);
  if (doc.selEnd <= doc.selBegin || begin > last) {
    // Inside a block means sample begin continues the block of sample begin-1; the first
    // sample of a block, also right behind another block, is allowed.
    if (doc.SameProtectedBlock(begin - 1, begin)) plan.refusal = ERRMSG(2);
    t = {NewDataMode::Insert, begin, 0, free, last};
    return plan;
  }
  const int end = std::min(doc.selEnd, last);
  if (doc.AnyProtected(begin, end)) plan.refusal = ERRMSG(2);
  const int replaced = end - begin + 1;
  t = {NewDataMode::Replace, begin, replaced, free + replaced, last};
  return plan;
}

NewDataPlan FindNewDataTarget(const WaveDoc& doc, int newLen) {
  NewDataPlan plan = FindNewDataTarget(doc);
  if (!plan.refusal && newLen > plan.target.room) plan.refusal = ERRMSG(1);
  return plan;
}

int PlaceNewData(WaveDoc& doc, const NewDataTarget& target, int newLen) {
  if (newLen < 0 || newLen > target.room) return -1;
  doc.Shift(target.start, target.ShiftDistance(newLen));
  return target.start;
}

}  // namespace averoz
