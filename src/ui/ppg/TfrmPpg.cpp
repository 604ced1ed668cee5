#include "ui/ppg/TfrmPpg.h"

#include <QAction>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QResizeEvent>

#include "core/app/Prompter.h"
#include "core/wave/ViewColors.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentHost.h"
#include "ui/app/FitToWindow.h"
#include "ui/app/ToolBarBinding.h"
#include "ui/ppg/PpgCommands.h"
#include "ui/ppg/PpgView.h"
#include "ui/view/KeyScroll.h"

namespace averoz {

TfrmPpg::TfrmPpg(DocumentHost* host)
    : DocumentWindow(host, PpgDoc::docKind), doc_(std::make_unique<PpgDoc>()),
      view_(new PpgView(*doc_, this)) {
  setObjectName(QStringLiteral("frmPpg"));
  setFocusPolicy(Qt::StrongFocus);
  connect(view_, &PpgView::undoStateChanged, this, [this](bool ready) {
    if (IsActive()) UpdateUndo(ready);
  });
  connect(view_, &PpgView::modifiedChanged, this, [this](bool modified) { showSavedMark(!modified); });
  connect(view_, &PpgView::selectionChanged, this, [this] {
    if (!IsActive()) return;
    ShowSelectionReadouts();
    UpdateSelectionCommands();
  });
  connect(view_, &PpgView::selectionFinished, this, [this] {
    if (IsActive()) UpdateSelectionCommands();
  });
  connect(view_, &PpgView::cursorsChanged, this, [this] {
    if (IsActive()) ShowCursorReadouts();
  });
  connect(view_, &PpgView::orderChanged, this, [this] {
    if (IsActive()) ShowCursorReadouts();
  });
  connect(view_, &PpgView::zoomChanged, this, [this] {
    if (!IsActive()) return;
    ShowZoomReadouts();
    ShowBitPenAvailability();
    ShowToolChecks();
  });
  connect(view_, &PpgView::statusText, this, [this](const QString& text) {
    if (IsActive()) this->host()->prompter().status(text.toStdString());
  });
  connect(view_, &PpgView::pointerAddress, this, [this](int address) {
    if (!IsActive()) return;
    if (auto* e = this->host()->control<QLineEdit>(QStringLiteral("edcx")))
      e->setText(QString::fromStdString(doc_->AddressText(address)));
  });
  connect(view_, &PpgView::popupRequested, this, [this](const QPoint& global) {
    if (auto* menu = this->host()->control<QMenu>(QStringLiteral("PopupMenu2"))) menu->popup(global);
  });
  connect(view_, &PpgView::chViewRequested, this, [this] { RunChView(*this->host(), *this); });
  LoadColors();
  view_->SetFitToWindow(FitToWindowChosen());
}

TfrmPpg::~TfrmPpg() {
  ToolBarBinding::instance().Release(this);
  // The view leaves the document as its listener: it goes while the document is there.
  delete view_;
}

void TfrmPpg::showInitialSize() {
  if (QWidget* frame = parentWidget()) frame->resize(kInitialWidth, kInitialHeight);
  else resize(kInitialWidth, kInitialHeight);
  show();
}

void TfrmPpg::setSaved(bool saved) {
  if (saved) doc_->MarkSaved();
  else doc_->MarkModified();
}

bool TfrmPpg::IsActive() const { return host()->activeDocument() == this; }

void TfrmPpg::LoadColors() {
  view_->SetColors(ReadViewColors(AppContext::instance().settings()));
  view_->RedrawAll();
}

void TfrmPpg::resizeEvent(QResizeEvent* event) {
  DocumentWindow::resizeEvent(event);
  view_->setGeometry(rect());
  PlaceCursorsOnce();
}

void TfrmPpg::showEvent(QShowEvent* event) {
  DocumentWindow::showEvent(event);
  // A hidden view gets its size only when shown.
  PlaceCursorsOnce();
}

void TfrmPpg::PlaceCursorsOnce() {
  // The cursors start at the thirds of the first real view.
  if (cursorsPlaced_ || view_->geom().viewWidth <= 1 || doc_->xCursorOn) return;
  view_->PlaceInitialCursors();
  cursorsPlaced_ = true;
  if (IsActive()) ShowCursorReadouts();
}

void TfrmPpg::keyPressEvent(QKeyEvent* event) {
  // M shows this document in the data browser.
  if (event->key() == Qt::Key_M && !(event->modifiers() & ~Qt::ShiftModifier)) {
    if (QAction* browse = host()->action(QStringLiteral("DataBrows1"))) browse->trigger();
    return;
  }
  if (ScrollByKey(*event, view_->hScrollBar())) return;
  DocumentWindow::keyPressEvent(event);
}

// ---- activation ----------------------------------------------------------------------------

void TfrmPpg::FormActivate() {
  UpdateUndo(doc_->undoReady);
  if (QAction* paste = host()->action(QStringLiteral("EditPaste1")))
    paste->setEnabled(PatternClipboard(*host()).patClipLen > 0);
  ShowToolChecks();
  ShowBitPenAvailability();
  BindToolBars();
  ShowZoomReadouts();
  ShowCursorReadouts();
  ShowSelectionReadouts();
  UpdateSelectionCommands();
  if (auto* e = host()->control<QLineEdit>(QStringLiteral("edNorX")))
    e->setText(QString::fromStdString(doc_->AddressText(doc_->dataLen)));
}

void TfrmPpg::UpdateUndo(bool ready) {
  for (const char* name : {"EditUndo1", "pmEditUndo"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(ready);
}

void TfrmPpg::UpdateSelectionCommands() {
  const bool on = doc_->rangeSelected;
  for (const char* name : {"EditCut1", "EditCopy1", "mnEditClear", "pmEditCut", "pmEditCopy",
                           "pmEditClear", "EditClear1", "mnMath2Invert", "mnMath2Mirror",
                           "PalletePpgHi1", "PalletePpgLo1", "PalletePpgClk1", "PalletePpgCtr1",
                           "PalletePpgval1"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(on);
  for (const char* name : {"mnMathAdd", "mnMathSub", "mnMathMul"})
    if (QAction* a = host()->action(QLatin1String(name))) a->setEnabled(on);
  if (QAction* a = host()->action(QStringLiteral("mnMathResize"))) a->setEnabled(false);
  if (QAction* a = host()->action(QStringLiteral("pmResize"))) a->setVisible(false);
}

}  // namespace averoz
