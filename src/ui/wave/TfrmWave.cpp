#include "ui/wave/TfrmWave.h"

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QPainter>
#include <QTimer>

#include "core/wave/AxisLabels.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/FitToWindow.h"
#include "ui/view/ViewParts.h"
#include "ui/wave/WaveCommands.h"
#include "ui/wave/WaveView.h"

namespace averoz {

TfrmWave::TfrmWave(DocumentHost* mainForm, int docKind)
    : DocumentWindow(mainForm, docKind),
      doc_(std::make_unique<WaveDoc>()),
      zoomRunner_(
          zoom_, this, [this](const ZoomRect& r) { pngraph_->ShowZoomRect(r); },
          [this] {
            pngraph_->HideZoomRect();
            ApplyZoom();
          }) {
  setObjectName(QStringLiteral("frmWave"));
  setAttribute(Qt::WA_DeleteOnClose);
  setFocusPolicy(Qt::StrongFocus);
  doc_->docKind = std::uint8_t(docKind);
  doc_->lineDisp = AppContext::instance().settings().ReadBool("View", "LineDisp", true);
  doc_->SetListener(this);
  resize(565, 305);

  pngraph_ = new WaveView(*doc_, this);
  pngraph_->mousepad()->setHandler(this);
  if (FitToWindowChosen()) pngraph_->geom().FitToView();  // the first layout sizes it
  selStart_ = new StartMark(this);
  tmlimiterace_ = new QTimer(this);
  tmlimiterace_->setObjectName(QStringLiteral("tmlimiterace"));
  tmlimiterace_->setInterval(kLimitMs);
  tmlimiterace_->setSingleShot(true);
  connect(tmlimiterace_, &QTimer::timeout, this, [this] {
    pngraph_->HideLimit();
    zoom_.LimitShown();
  });
  connect(pngraph_, &WaveView::scrolled, this, [this] {
    update();  // axis labels
    PlaceSelStart();
    if (clip_.active()) Confine();  // the held pointer keeps to the moved content
  });
  LoadColors();
  FormResize();
}

TfrmWave::~TfrmWave() {
  clip_.Release();
  UnbindToolBars();
  doc_->SetListener(nullptr);
}

bool TfrmWave::IsActive() const {
  return host()->activeDocument() == this;
}

void TfrmWave::showInitialSize() {
  if (QWidget* frame = parentWidget()) frame->resize(586, 336);
  else resize(586, 336);
  show();
}

void TfrmWave::LoadColors() {
  pngraph_->SetColors(ReadViewColors(AppContext::instance().settings()));
  RedrawAll();
}

void TfrmWave::RedrawAll() {
  QApplication::setOverrideCursor(Qt::WaitCursor);
  pngraph_->RedrawAll();
  QApplication::restoreOverrideCursor();
  PlaceSelStart();
  ShowCursors();
  update();
  UpdateSavable();
}

// ---- layout and painting -------------------------------------------------------------------

void TfrmWave::resizeEvent(QResizeEvent* event) {
  DocumentWindow::resizeEvent(event);
  FormResize();
}

void TfrmWave::FormResize() {
  pngraph_->setGeometry(kGraphLeft, kGraphTop, std::max(1, width() - kGraphLeft),
                        std::max(1, height() - kGraphTop));
  // A hidden panel gets its resize event only when shown; the view size is needed now.
  if (!pngraph_->isVisible()) pngraph_->Relayout();
  // The cursors start at the thirds of the first real view.
  if (!cursorsPlaced_ && pngraph_->geom().viewWidth > 1 && !doc_->xCursorOn &&
      !doc_->yCursorOn) {
    PlaceInitialXCursors(*doc_, pngraph_->geom());
    PlaceInitialYCursors(*doc_, pngraph_->geom());
    cursorsPlaced_ = true;
  }
  AfterViewChange();
}

// After a zoom, resize or rescale: the picture, the labels and every read-out.
void TfrmWave::AfterViewChange() {
  pngraph_->FitScrollBars();
  RedrawAll();
  if (IsActive()) {
    ShowZoomReadouts();
    ShowSelectionReadouts();
  }
}

void TfrmWave::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const QColor face = palette().color(QPalette::Button);
  p.fillRect(QRect(QPoint(1, 10), QPoint(width() - 1, 23)), face);
  p.fillRect(QRect(QPoint(5, 25), QPoint(kGraphLeft - 1, height() - 1)), face);
  QFont font = p.font();
  font.setPointSize(8);
  p.setFont(font);
  p.setPen(Qt::black);
  const ViewGeometry& g = pngraph_->geom();
  const WaveScale scale = doc_->Scale();
  const int ascent = p.fontMetrics().ascent();
  for (const AxisLabel& l : XAxisLabels(g, scale, kGraphLeft))
    p.drawText(l.x, l.y + ascent, QString::fromStdString(l.text));
  p.setClipRect(QRect(0, kGraphTop - 6, kGraphLeft, height()));
  for (const AxisLabel& l : YAxisLabels(g, scale, kGraphTop))
    p.drawText(l.x, l.y + ascent, QString::fromStdString(l.text));
}

void TfrmWave::PlaceSelStart() {
  const std::optional<int> x = pngraph_->selectionStartX();
  if (!x) {
    selStart_->hide();
    return;
  }
  // Its point sits over the box's first column.
  selStart_->move(kGraphLeft + 1 + *x - selStart_->width() / 2, kGraphTop - selStart_->height());
  selStart_->show();
}

// ---- the document reports ------------------------------------------------------------------

void TfrmWave::DataChanged(int a, int b) {
  pngraph_->RedrawRange(a, b);
  UpdateSavable();
  if (doc_->xCursorOn && IsActive()) ShowCursorReadouts();
  emit samplesChanged();
}

void TfrmWave::UpdateSavable() {
  if (!IsActive()) return;
  const bool drawn = hasData();
  for (const char* name : {"FileSave1", "FileSaveAs1", "mnTransSend", "mnFileSaveUSB"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(drawn);
}

void TfrmWave::UndoStateChanged(bool ready) {
  if (!IsActive()) return;
  for (const char* name : {"EditUndo1", "pmEditUndo"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(ready);
}

void TfrmWave::ModifiedChanged(bool modified) { showSavedMark(!modified); }

void TfrmWave::SelectionChanged() {
  pngraph_->PlaceSelection();
  PlaceSelStart();
  if (!IsActive()) return;
  ShowSelectionReadouts();
  UpdateSelectionCommands(*host(), *this);
}

void TfrmWave::CursorsChanged() { ShowCursors(); }

void TfrmWave::setSaved(bool saved) {
  if (saved) doc_->MarkSaved();
  else doc_->MarkModified();
}

// ---- activation ----------------------------------------------------------------------------

void TfrmWave::FormActivate() {
  DocumentHost* main = host();
  UpdateSavable();
  UndoStateChanged(doc_->undoReady);
  for (const char* name : {"mnWave", "mnMath"})
    if (auto* m = main->control<QMenu>(QLatin1String(name))) m->menuAction()->setVisible(true);
  for (const char* name : {"mnWave2", "mnMath2"})
    if (auto* m = main->control<QMenu>(QLatin1String(name))) m->menuAction()->setVisible(false);
  if (QAction* line = main->action(QStringLiteral("mnViewLine"))) {
    line->setVisible(true);
    line->setChecked(doc_->lineDisp);
  }
  if (QAction* len = main->action(QStringLiteral("mnMathLen"))) len->setEnabled(docKind() == 1);
  ShowToolChecks();  // the tool of this document and its cursor buttons
  BindToolBars();
  ShowZoomReadouts();
  ShowCursorReadouts();
  ShowSelectionReadouts();
  ShowRescale();
}

}  // namespace averoz
