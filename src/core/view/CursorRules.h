#pragma once
// The two X cursors shared by the document views: where they start, how far a drag may
// move them, and which one a hovering pointer grabs.
namespace averoz {

// A third of the visible part of the content: of the view when the content runs past it,
// else of what is left of the content.
int VisibleThird(int scroll, int view, int content);

struct CursorPair {
  int first = 0;
  int second = 0;
};
// Two cursors held inside 0..last and apart, first < second (a view too small for three
// thirds still gets two distinct cursors).
CursorPair DistinctCursors(int first, int second, int last);

// A dragged cursor stops one short of its partner and at the document's ends.
int DragLowerCursor(int value, int upper);
int DragUpperCursor(int value, int lower, int last);

// The cursor grabbed by a pointer at x (0 none, 1 the lower, 2 the upper) over lines at
// view x pos1 and pos2: each cursor's wider side faces away from its partner, and a later
// test overrides an earlier one, so two close cursors favour the upper.
inline constexpr int kGrabTolerance = 5;
int GrabCursor(bool visible1, int pos1, bool visible2, int pos2, int x);

}  // namespace averoz
