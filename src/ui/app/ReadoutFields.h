#pragma once
// Writing the frame's read-out fields from a document window: a text only when it changed
// (so a field being edited keeps its cursor), a small up/down bar without reporting back.
#include <QLineEdit>
#include <QScrollBar>
#include <QSignalBlocker>

namespace averoz {

inline void SetReadout(QLineEdit* edit, const QString& text) {
  if (edit && edit->text() != text) edit->setText(text);
}

// A zoom ratio for the narrow zoom fields: three significant digits keep every table step as
// it is ("0.04", "64") and a fitted ratio short enough to read ("10.8" rather than "10.8074").
inline QString ZoomText(double ratio) {
  return ratio >= 100 ? QString::number(qRound64(ratio)) : QString::number(ratio, 'g', 3);
}

inline void SetReadoutBar(QScrollBar* bar, int min, int max, int value, bool enabled = true) {
  if (!bar) return;
  const QSignalBlocker block(bar);
  bar->setRange(min, max);
  bar->setValue(value);
  bar->setEnabled(enabled);
}

}  // namespace averoz
