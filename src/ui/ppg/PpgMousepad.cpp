#include "ui/ppg/PpgMousepad.h"

#include <QMouseEvent>
#include <algorithm>

#include "core/ppg/PpgViewPen.h"
#include "ui/ppg/PpgView.h"

namespace averoz {

namespace {

constexpr Qt::KeyboardModifiers kAnyMod =
    Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier;

}  // namespace

void PpgMousepad::Cancel() {
  mouseDown_ = false;
  view_.Release();
}

QPoint PpgMousepad::HeldPosition(QPoint pos) {
  PointerClip& clip = view_.clip();
  if (!clip.active()) return pos;
  Mousepad* pad = view_.mousepad();
  return pad->mapFromGlobal(clip.Hold(pad->mapToGlobal(pos)));
}

void PpgMousepad::MousepadMouseDown(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  const Qt::MouseButton button = event->button();
  const Qt::KeyboardModifiers mods = event->modifiers();
  if (mods & Qt::ControlModifier) {
    if (button == Qt::LeftButton) view_.ZoomRequest(+1, pos, true);
    else if (button == Qt::RightButton) view_.ZoomRequest(-1, pos, true);
    return;
  }
  if (button == Qt::RightButton) {
    if (!(mods & kAnyMod)) emit view_.popupRequested(event->globalPosition().toPoint());
    return;
  }
  if (button != Qt::LeftButton) return;

  PpgDoc& doc = view_.doc();
  const PpgViewGeometry& g = view_.geom();
  const bool inside = g.InsideArea(pos.x(), pos.y());
  mouseDown_ = true;
  switch (doc.editMode) {
    case kEditSelect:
      if (!inside) {
        doc.ResetSelection();
        break;
      }
      {
        const PpgPoint at{g.AddressAt(pos.x()), RowAt(pos.y())};
        doc.SetSelection(at, at);
      }
      view_.Confine();
      break;
    case kEditCursor:
      if (cursorGrab_ != 0) view_.Confine();
      break;
    default:
      if (!IsPenMode(doc.editMode)) break;
      if (!inside) {
        mouseDown_ = false;  // the pens do nothing outside the pattern
        break;
      }
      PenPress(pos, mods & Qt::AltModifier);
      break;
  }
}

void PpgMousepad::PenPress(QPoint pos, bool alt) {
  PpgDoc& doc = view_.doc();
  const AddressRange column = view_.geom().ColumnAt(pos.x());
  doc.SaveUndo();
  PenWrite(doc, RowAt(pos.y()), column, PenWritesHigh(doc.editMode, alt));
  // The notice covers the pressed column only; the drag repaints without one.
  doc.CommitEdit(column.first, column.last);
  penX_ = pos.x();
  view_.Confine();
}

void PpgMousepad::PenDrag(QPoint pos, bool alt) {
  PpgDoc& doc = view_.doc();
  const PpgViewGeometry& g = view_.geom();
  // Every column between the last one written and the pointer, so a fast stroke leaves
  // no gaps.
  const int from = std::min(penX_, pos.x()), to = std::max(penX_, pos.x());
  const AddressRange first = g.ColumnAt(from), last = g.ColumnAt(to);
  PenWrite(doc, RowAt(pos.y()), {first.first, last.last}, PenWritesHigh(doc.editMode, alt));
  view_.RedrawRange(first.first, last.last);
  penX_ = pos.x();
}

void PpgMousepad::CursorHover(QPoint pos, bool inside) {
  cursorGrab_ = 0;
  if (inside) {
    const PpgCursorLine l1 = view_.cursorLine(1), l2 = view_.cursorLine(2);
    cursorGrab_ = GrabCursor(l1.visible, l1.left, l2.visible, l2.left, pos.x());
  }
  static const GraphPointer kShapes[] = {GraphPointer::CurOn, GraphPointer::HCur1,
                                         GraphPointer::HCur2};
  view_.SetPointer(cursorGrab_ == 0 ? view_.ToolPointer() : kShapes[cursorGrab_]);
}

void PpgMousepad::MousepadMouseMove(QMouseEvent* event) {
  const QPoint pos = HeldPosition(event->position().toPoint());
  PpgDoc& doc = view_.doc();
  const PpgViewGeometry& g = view_.geom();
  QString hint = QString::fromUtf8(kHint);
  if (doc.editMode == kEditPen) hint += QString::fromUtf8(kPenHint);
  emit view_.statusText(hint);
  const bool inside = g.InsideArea(pos.x(), pos.y());
  if (inside) emit view_.pointerAddress(g.AddressAt(pos.x()));
  const bool alt = event->modifiers() & Qt::AltModifier;
  switch (doc.editMode) {
    case kEditSelect:
      if (mouseDown_ && doc.rangeSelected && !alt)
        doc.SetSelection(doc.selBegin,
                         SelectionDragEnd(doc.selBegin, g.AddressAt(pos.x()), RowAt(pos.y())));
      break;
    case kEditCursor:
      if (mouseDown_ && cursorGrab_ != 0) {
        DragPpgCursor(doc, cursorGrab_, g.AddressAt(pos.x()));
        view_.PlaceCursors();
        emit view_.cursorsChanged();
      } else {
        CursorHover(pos, inside);
      }
      break;
    default:
      if (IsPenMode(doc.editMode) && mouseDown_ && inside) PenDrag(pos, alt);
      break;
  }
}

void PpgMousepad::MousepadMouseUp(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  mouseDown_ = false;
  view_.Release();
  emit view_.mouseReleased();
  if (view_.doc().editMode == kEditSelect) emit view_.selectionFinished();
}

}  // namespace averoz
