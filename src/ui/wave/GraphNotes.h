#pragma once
// Two notes at the right end of the main window's status bar, beside the graph hint: the
// block under the pointer ("Sine, block 3, protected"), and why the last freehand or line
// gesture wrote nothing. Alt+click is often taken by the window manager, so these tell the
// user where protection is and how to get past it.
#include <QString>

#include "core/wave/Strokes.h"

namespace averoz {

class DocumentHost;

// "Sine, block 3, protected", "unprotected" or "undrawn" for sample i.
QString DescribeSample(const WaveDoc& doc, int i);
// tool: "Freehand" or "Line".
QString RefusalText(const WaveDoc& doc, const QString& tool, const StrokeRefusal& refusal);
QString OutsideText(const QString& tool);

// Empty text clears the note.
void ShowBlockNote(DocumentHost& host, const QString& text);
void ShowStrokeNote(DocumentHost& host, const QString& text);

}  // namespace averoz
