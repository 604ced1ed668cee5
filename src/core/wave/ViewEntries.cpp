#include "core/wave/ViewEntries.h"

#include <algorithm>

#include "core/app/general.h"

namespace averoz {

namespace {

constexpr double kYLimit = kMaxCode;

EntryResult Refuse(std::string suffix) {
  return {EntryOutcome::Refused, Message{ERRMSG(3), {}, std::move(suffix)}};
}

// The number in a field's text; the other field always holds an accepted value.
double FieldNumber(std::string_view text, double fallback) {
  double v = 0;
  return ParseDecimal(text, v) ? v : fallback;
}

}  // namespace

int MinRescaleX(int dataLen) { return (dataLen + 999) / 1000; }

EntryResult EnterRescaleX(WaveDoc& doc, std::string_view text) {
  double v = 0;
  if (!IsUnsignedDecimal(text) || !ParseDecimal(text, v)) return {};
  const int lo = MinRescaleX(doc.dataLen);
  if (v < lo || v > doc.dataLen)
    return Refuse(" (" + std::to_string(lo) + "_" + std::to_string(doc.dataLen) + ")");
  doc.rescaleX = v;
  return {EntryOutcome::Accepted, std::nullopt};
}

EntryResult EnterRescaleYMin(WaveDoc& doc, std::string_view text, std::string_view maxText) {
  double v = 0;
  if (!IsSignedDecimal(text) || !ParseDecimal(text, v)) return {};
  if (v < -kYLimit || v >= FieldNumber(maxText, doc.rescaleYMax))
    return Refuse(" (-4095<=Value<" + std::string(maxText) + ")");
  doc.rescaleYMin = v;
  return {EntryOutcome::Accepted, std::nullopt};
}

EntryResult EnterRescaleYMax(WaveDoc& doc, std::string_view text, std::string_view minText) {
  double v = 0;
  if (!IsSignedDecimal(text) || !ParseDecimal(text, v)) return {};
  if (v <= FieldNumber(minText, doc.rescaleYMin) || v > kYLimit)
    return Refuse(" (" + std::string(minText) + "<Value<=4095)");
  doc.rescaleYMax = v;
  return {EntryOutcome::Accepted, std::nullopt};
}

void ResetRescaleX(WaveDoc& doc) { doc.rescaleX = doc.dataLen; }

void ResetRescaleY(WaveDoc& doc) {
  doc.rescaleYMin = 0;
  doc.rescaleYMax = kMaxCode;
}

bool EnterSelection(WaveDoc& doc, SelField field, std::string_view text) {
  double v = 0;
  if (!IsUnsignedDecimal(text) || !ParseDecimal(text, v)) return false;
  const int last = doc.lastDrawn();
  // Within the drawn part when there is one, and never past the document's end.
  auto limit = [&](int i) {
    if (last > 0 && i > last) i = last;
    return std::clamp(i, 0, doc.dataLen - 1);
  };
  const int index = doc.Scale().XToIndex(v);
  int begin = doc.selBegin, end = doc.selEnd;
  switch (field) {
    case SelField::Begin: begin = limit(index); break;
    case SelField::End: end = limit(index); break;
    // A length beyond the document is the document's length: begin + length stays an int.
    case SelField::Length: end = limit(begin + std::clamp(index, 1, doc.dataLen) - 1); break;
  }
  doc.SetSelection(begin, std::max(end, begin));
  return true;
}

std::string SelectionText(const WaveDoc& doc, SelField field) {
  const WaveScale s = doc.Scale();
  switch (field) {
    case SelField::Begin: return FormatNumber(s.IndexToX(doc.selBegin));
    case SelField::End: return FormatNumber(s.IndexToX(doc.selEnd));
    case SelField::Length: return FormatNumber(s.IndexToX(doc.selEnd - doc.selBegin + 1));
  }
  return {};
}

}  // namespace averoz
