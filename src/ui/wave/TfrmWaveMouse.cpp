// Mouse gestures on the graph of a waveform window and its two keys.
#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>

#include "core/app/Prompter.h"
#include "core/app/general.h"
#include "ui/app/DocumentHost.h"
#include "ui/view/KeyScroll.h"
#include "ui/wave/GraphNotes.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"
#include "ui/wave/WaveGenerateAction.h"
#include "ui/wave/WaveView.h"
#include "ui/wave/WaveViewHooks.h"

namespace averoz {

namespace {

bool IsProtectedAt(const WaveDoc& doc, int i) {
  return doc.waveData[std::size_t(i)] >= 0 && doc.blockNo[std::size_t(i)] >= 1;
}

template <typename Hook>
void Call(const Hook& hook, TfrmWave& wave) {
  if (hook) hook(wave);
}

}  // namespace

void TfrmWave::SetPointer(GraphPointer pointer) {
  if (pointer == pointer_) return;
  pointer_ = pointer;
  pngraph_->mousepad()->setCursor(GraphPointerShape(pointer));
}

GraphPointer TfrmWave::ToolPointer() const {
  switch (doc_->editMode) {
    case 1: return GraphPointer::CurOn;
    case 2: return GraphPointer::Free;
    case 3: return GraphPointer::Line;
    default: return GraphPointer::Arrow;
  }
}

void TfrmWave::Confine() { clip_.Confine(pngraph_->mousepad(), pngraph_->ConfineRect()); }

void TfrmWave::Release() { clip_.Release(); }

void TfrmWave::MousepadMouseDown(QMouseEvent* event) {
  setFocus();
  const QPoint pos = event->position().toPoint();
  const Qt::MouseButton button = event->button();
  const Qt::KeyboardModifiers mods = event->modifiers();
  int dx = 0, dy = 0;
  const int sign = button == Qt::LeftButton ? 1 : button == Qt::RightButton ? -1 : 0;
  if (mods & Qt::ControlModifier) dx = sign;
  if (mods & Qt::ShiftModifier) dy = sign;
  if (dx != 0 || dy != 0) {
    ZoomRequest(dx, dy, pos.x(), pos.y(), true);
    return;
  }
  const ViewGeometry& g = pngraph_->geom();
  const bool inside = g.InsideContent(pos.x(), pos.y());
  const int index = g.IndexAt(std::max(pos.x(), 0)), code = g.CodeAt(pos.y());
  WaveDoc& doc = *doc_;

  if (button == Qt::RightButton) {
    popupIndex_ = inside ? index : -1;
    if (QAction* edit = host()->action(QStringLiteral("pmEditBlock")))
      edit->setEnabled(inside && doc.waveData[std::size_t(index)] >= 0);
    if (doc.editMode == 3 && line_.pending()) CancelLine();
    if (doc.editMode == 0 && (mods & Qt::AltModifier)) AltEdit(index);
    if (!(mods & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier)))
      if (auto* menu = host()->control<QMenu>(QStringLiteral("PopupMenu2")))
        menu->popup(event->globalPosition().toPoint());
    return;
  }
  if (button != Qt::LeftButton) return;

  ShowStrokeNote(*host(), {});  // a new press: the last refusal is history
  buttonDown_ = true;
  switch (doc.editMode) {
    case 0:
      if (mods & Qt::AltModifier) {
        AltEdit(index);
        break;
      }
      SelectPress(doc, index, inside && doc.waveData[std::size_t(index)] >= 0);
      if (doc.rangeSelected) Confine();
      break;
    case 1:
      if (grabbed_ != GrabbedCursor::None) Confine();
      break;
    case 2:
      if (!inside) {
        buttonDown_ = false;
        ShowStrokeNote(*host(), OutsideText(QStringLiteral("Freehand")));
      } else if (!stroke_.Begin(doc, {index, code})) {
        buttonDown_ = false;
        ShowRefusal(stroke_.refusal());
      } else {
        Confine();
      }
      break;
    case 3: {
      if (!inside) {
        ShowStrokeNote(*host(), OutsideText(QStringLiteral("Line")));
        break;
      }
      const bool wasPending = line_.pending();
      // The band goes before the line is written, so the redraw finds a clean picture.
      if (wasPending && !IsProtectedAt(doc, index)) pngraph_->EraseBand();
      const bool ended = line_.Click(doc, {index, code}, pos.x() + g.scrollX == 0);
      ShowRefusal(line_.refusal());
      if (ended) {
        pngraph_->ForgetBand();
        Release();
      } else if (!wasPending && line_.pending()) {
        Confine();
      }
      break;
    }
    default: break;
  }
}

void TfrmWave::MousepadDblClick(QMouseEvent* event) {
  if (doc_->editMode != 0 || event->button() != Qt::LeftButton ||
      (event->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::ShiftModifier))) {
    MousepadMouseDown(event);  // a fast second click of the other tools
    return;
  }
  const QPoint pos = event->position().toPoint();
  buttonDown_ = true;
  dblLatch_ = true;
  doc_->SelectRun(pngraph_->geom().IndexAt(std::max(pos.x(), 0)));
}

void TfrmWave::EditBlockAtPopupPoint() {
  if (popupIndex_ >= 0) AltEdit(popupIndex_);
}

void TfrmWave::ShowRefusal(const std::optional<StrokeRefusal>& refusal) {
  if (!refusal) return;
  const QString tool = doc_->editMode == 3 ? QStringLiteral("Line") : QStringLiteral("Freehand");
  ShowStrokeNote(*host(), RefusalText(*doc_, tool, *refusal));
}

void TfrmWave::AltEdit(int index) {
  buttonDown_ = false;
  Release();
  const int block = doc_->SelectRun(index);
  if (block >= 1) RunReEditBlock(*host(), *this, block);
  else if (block == kBlockFree) mnMathResizeClick(*host(), *this);
}

QPoint TfrmWave::ClampToContent(QPoint pos) {
  if (!clip_.active()) return pos;
  Mousepad* pad = pngraph_->mousepad();
  return pad->mapFromGlobal(clip_.Hold(pad->mapToGlobal(pos)));
}

void TfrmWave::ShowPointerReadouts(QPoint pos) {
  if (!IsActive()) return;
  host()->prompter().status(kGraphHint);
  const ViewGeometry& g = pngraph_->geom();
  if (!g.InsideContent(pos.x(), pos.y()) || pos.x() < 0 || pos.y() < 0) {
    ShowBlockNote(*host(), {});
    return;
  }
  ShowBlockNote(*host(), DescribeSample(*doc_, g.IndexAt(pos.x())));
  const WaveScale s = doc_->Scale();
  if (auto* cx = Control<QLineEdit>("edcx"))
    cx->setText(QString::fromStdString(FormatNumber(s.IndexToX(g.IndexAt(pos.x())))));
  if (auto* cy = Control<QLineEdit>("edcy"))
    cy->setText(QString::fromStdString(FormatNumber(s.CodeToY(g.CodeAt(pos.y())))));
}

void TfrmWave::MousepadMouseMove(QMouseEvent* event) {
  const QPoint pos = ClampToContent(event->position().toPoint());
  ShowPointerReadouts(pos);
  const ViewGeometry& g = pngraph_->geom();
  const bool inside = g.InsideContent(pos.x(), pos.y());
  const int index = g.IndexAt(std::max(pos.x(), 0)), code = g.CodeAt(pos.y());
  WaveDoc& doc = *doc_;
  switch (doc.editMode) {
    case 1: {
      if (buttonDown_ && grabbed_ != GrabbedCursor::None) {
        DragCursor(doc, grabbed_, index, code);
        doc.NotifyCursorsChanged();
        break;
      }
      grabbed_ = GrabbedCursor::None;
      if (inside)
        grabbed_ = GrabAt(pngraph_->cursorLine(GrabbedCursor::X1),
                          pngraph_->cursorLine(GrabbedCursor::X2),
                          pngraph_->cursorLine(GrabbedCursor::Y1),
                          pngraph_->cursorLine(GrabbedCursor::Y2), pos.x(), pos.y());
      static const GraphPointer kShapes[] = {GraphPointer::CurOn, GraphPointer::HCur1,
                                             GraphPointer::HCur2, GraphPointer::VCur1,
                                             GraphPointer::VCur2};
      SetPointer(kShapes[int(grabbed_)]);
      break;
    }
    case 2:
      if (buttonDown_ && inside && stroke_.active()) {
        stroke_.Move(doc, {index, code});
        if (!stroke_.active()) {  // a protected sample ended it
          buttonDown_ = false;
          ShowRefusal(stroke_.refusal());
        }
      }
      break;
    case 3:
      if (line_.pending() && inside) {
        const WavePoint s = *line_.start();
        pngraph_->DrawBand(QPoint(g.ViewX(s.index), g.ViewY(s.code)), pos);
      }
      break;
    default:
      if (buttonDown_ && !dblLatch_ && !(event->modifiers() & Qt::AltModifier))
        SelectDrag(doc, index);
      break;
  }
}

void TfrmWave::MousepadMouseUp(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) return;
  buttonDown_ = false;
  dblLatch_ = false;
  switch (doc_->editMode) {
    case 1: Release(); break;
    case 2:
      Release();
      stroke_.End();
      break;
    case 3: break;
    default:
      Release();  // the browser followed the selection as it changed
      break;
  }
}

void TfrmWave::MousepadMouseEnter() {
  if (IsActive() && PasteAvailableOnMouseEnter(*host()))
    if (QAction* paste = host()->action(QStringLiteral("EditPaste1"))) paste->setEnabled(true);
}

void TfrmWave::MousepadMouseLeave() {
  if (IsActive()) ShowBlockNote(*host(), {});
}

void TfrmWave::CancelLine() {
  line_.Cancel();
  pngraph_->EraseBand();
  pngraph_->ForgetBand();
  Release();
}

void TfrmWave::EndStrokes() {
  if (line_.pending()) CancelLine();
  stroke_.End();
  buttonDown_ = false;
  Release();
}

void TfrmWave::hideEvent(QHideEvent* event) {
  EndStrokes();  // a hidden window holds no pointer
  DocumentWindow::hideEvent(event);
}

void TfrmWave::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_M) {
    Call(waveViewHooks().fillBrowser, *this);
  } else if (event->key() == Qt::Key_Escape && doc_->editMode == 3) {
    CancelLine();
  } else if (!ScrollByKey(*event, pngraph_->hScrollBar(), pngraph_->vScrollBar())) {
    DocumentWindow::keyPressEvent(event);
  }
}

}  // namespace averoz
