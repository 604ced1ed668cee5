#pragma once
// How the mouse tools write samples: the straight-line rule shared by freehand and the
// line tool, a freehand stroke from button down to button up, the line tool's two clicks
// and the select drag. Each gesture that writes takes one undo snapshot and reports its
// range through the document, so the view repaints only what changed.
//
// Every write keeps the drawn samples a prefix: new samples are only ever added from the
// last drawn one onwards, and protected samples are never overwritten.
#include <optional>

#include "core/wave/WaveDoc.h"

namespace averoz {

struct WavePoint {
  int index = 0;
  int code = 0;
  friend bool operator==(const WavePoint&, const WavePoint&) = default;
};

// Codes along the line from a to b over min..max index: the point with the smaller index
// is the base (a when both are equal), the slope comes from the other one, each code is
// rounded and clipped to 0..4095. Block numbers are left alone.
void WriteLineCodes(WaveDoc& doc, WavePoint a, WavePoint b);

// Where a line that starts from the undrawn tail begins: the last drawn sample, or in an
// empty document index 0 at mid-scale.
WavePoint TailStart(const WaveDoc& doc);

// Why the last press, move or click of a tool wrote nothing, for the window to say.
struct StrokeRefusal {
  enum class Why {
    Protected,  // a protected sample under the pointer or on the way to it
    Gap,        // the write would start past the drawn part (the document changed under it)
  };
  Why why;
  int index;  // Protected: a sample of the block met; Gap: where the write would start
  friend bool operator==(const StrokeRefusal&, const StrokeRefusal&) = default;
};

class FreehandStroke {
 public:
  bool active() const { return point_.has_value(); }
  std::optional<WavePoint> point() const { return point_; }

  // Button down on p (inside the content). A free sample takes p's code; an undrawn one
  // is joined to the drawn part by a line; a protected one starts nothing. Returns false
  // when no stroke started.
  bool Begin(WaveDoc& doc, WavePoint p);
  // Pointer over p with the button down. Draws the segment from the last point; a
  // protected sample at p or between the two points ends the stroke without writing.
  void Move(WaveDoc& doc, WavePoint p);
  void End() { point_.reset(); }
  // Set by the last Begin or Move that wrote nothing because of protection or a gap.
  const std::optional<StrokeRefusal>& refusal() const { return refusal_; }

 private:
  std::optional<WavePoint> point_;
  std::optional<StrokeRefusal> refusal_;
};

class LineTool {
 public:
  bool pending() const { return start_.has_value(); }
  std::optional<WavePoint> start() const { return start_; }

  // A left click on p inside the content; atContentLeft: the click is on the first pixel
  // column (an empty document then starts at the clicked code). The first click sets the
  // start, the second writes the line unless it would cross a protected sample. A click
  // on a protected sample does nothing. Returns true when the click ended a line.
  bool Click(WaveDoc& doc, WavePoint p, bool atContentLeft);
  void Cancel() { start_.reset(); }
  // Set by the last Click that was refused or ended without writing.
  const std::optional<StrokeRefusal>& refusal() const { return refusal_; }

 private:
  std::optional<WavePoint> start_;
  std::optional<StrokeRefusal> refusal_;
};

// The select tool's button down on index (inside the content and on a drawn sample:
// starts a selection there; otherwise clears it) and its drag to the sample under the
// pointer (undrawn: to the last drawn sample; left of the start: the start alone).
void SelectPress(WaveDoc& doc, int index, bool onDrawnSample);
void SelectDrag(WaveDoc& doc, int index);

}  // namespace averoz
