#pragma once
// The graph pointers of the document windows, our own drawings, under fixed numbers:
// 1 "HCUR1", 2 "HCUR2" (over X cursor 1 or 2), 3 "VCUR1", 4 "VCUR2" (over Y cursor 1 or
// 2), 5 "CURON" (cursor mode), 6 "FREE" (freehand), 7 "BITPEN" (pattern bit pen), 8 "LINE"
// (line tool); 0 is the arrow. The pattern view adds 9 "ARINV", 10 "CURONINV", 11
// "BITPENINV", 12 "BITPENH", 13 "BITPENL", 14 "BITPENHINV", 15 "BITPENLINV": the inverting
// variants (white on black) show that Auto Invert is on.
#include <QCursor>

namespace averoz {

enum class GraphPointer {
  Arrow = 0, HCur1, HCur2, VCur1, VCur2, CurOn, Free, BitPen, Line,
  ArInv, CurOnInv, BitPenInv, BitPenH, BitPenL, BitPenHInv, BitPenLInv
};
inline constexpr int kGraphPointerCount = 16;
// The plain pointer's inverting variant (the Auto Invert look) and back; pointers without
// one stay as they are.
GraphPointer InvertingPointer(GraphPointer pointer, bool inverting);

// Made on first use (a pointer needs the running application).
const QCursor& GraphPointerShape(GraphPointer pointer);
// The resource name of a pointer ("" for the arrow).
const char* GraphPointerName(GraphPointer pointer);

}  // namespace averoz
