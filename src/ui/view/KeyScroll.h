#pragma once
// The keyboard scrolls a document view through its bars: Left and Right by the bar's small
// change, Up and Down likewise on the vertical bar (when the view has one), Page Up and
// Page Down by the visible width, Home and End to the start and the end.
class QKeyEvent;
class QScrollBar;

namespace averoz {

// True when the key was one of these (without Ctrl or Alt) and went to a bar.
bool ScrollByKey(const QKeyEvent& event, QScrollBar* horizontal, QScrollBar* vertical = nullptr);

}  // namespace averoz
