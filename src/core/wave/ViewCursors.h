#pragma once
// The two X cursors (sample indices) and two Y cursors (codes) of a waveform document:
// where they start, what their fields show, how typed values, arrow steps and drags move
// them. Every move keeps csrX1 < csrX2 and csrY1 < csrY2 inside the document.
#include <string>
#include <string_view>

#include "core/view/CursorRules.h"
#include "core/wave/ViewGeometry.h"
#include "core/wave/WaveDoc.h"

namespace averoz {

enum class CursorField { X1, X2, DX, Y1, Y2, DY };
enum class GrabbedCursor { None = 0, X1 = 1, X2 = 2, Y1 = 3, Y2 = 4 };

// A third and two thirds of the visible part of the content.
void PlaceInitialXCursors(WaveDoc& doc, const ViewGeometry& view);
void PlaceInitialYCursors(WaveDoc& doc, const ViewGeometry& view);

// The values the field's arrows and entries may take (X1, X2, Y1, Y2).
struct CursorRange {
  int min = 0;
  int max = 0;
};
CursorRange RangeOf(const WaveDoc& doc, CursorField field);

// The field's read-out in the document's units, "0.###".
std::string CursorText(const WaveDoc& doc, CursorField field);
// The Y units of the sample under an X cursor, or "-" on an undrawn sample.
std::string ValueAtText(const WaveDoc& doc, int index);

// A typed entry. False, with nothing changed, when the text fails the field's character
// check or is no number: the caller puts the current read-out back.
bool EnterCursor(WaveDoc& doc, CursorField field, std::string_view text);
// One arrow press on X1, X2, Y1 or Y2: one sample or code, held in the field's range.
void StepCursor(WaveDoc& doc, CursorField field, bool up);
// The grabbed cursor follows the pointer's index and code, stopping one short of the
// other cursor of its pair and at the document's ends.
void DragCursor(WaveDoc& doc, GrabbedCursor grabbed, int index, int code);

// Where a cursor line stands in view pixels: X lines by their left, Y lines by their top.
struct CursorLine {
  bool visible = false;
  int pos = 0;
  int length = 0;  // height of an X line, width of a Y line
};
CursorLine XCursorLine(const WaveDoc& doc, const ViewGeometry& view, int index);
CursorLine YCursorLine(const WaveDoc& doc, const ViewGeometry& view, int code);

// The cursor a hover at view pixel (x, y) grabs (inside the content only); a later test
// overrides an earlier one, so cursors lying close together favour X2 over X1 and Y2 over Y1.
GrabbedCursor GrabAt(const CursorLine& x1, const CursorLine& x2, const CursorLine& y1,
                     const CursorLine& y2, int x, int y);

}  // namespace averoz
