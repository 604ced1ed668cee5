#include "ui/wave/TfrmWave.h"

#include <QAction>
#include <QMdiSubWindow>
#include <QMenu>
#include <QVBoxLayout>

#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/WavePlot.h"

namespace averoz {

TfrmWave::TfrmWave(TMainForm* mainForm, int docKind)
    : DocumentWindow(mainForm, docKind), doc_(std::make_unique<WaveDoc>()) {
  setObjectName(QStringLiteral("frmWave"));
  setAttribute(Qt::WA_DeleteOnClose);
  doc_->docKind = std::uint8_t(docKind);
  doc_->lineDisp = AppContext::instance().settings().ReadBool("View", "LineDisp", true);
  doc_->SetListener(this);
  pngraph_ = new WavePlot(*doc_, this);
  pngraph_->setObjectName(QStringLiteral("pngraph"));
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(pngraph_);
}

TfrmWave::~TfrmWave() { doc_->SetListener(nullptr); }

void TfrmWave::showInitialSize() {
  if (QWidget* frame = parentWidget()) frame->resize(586, 336);
  else resize(586, 336);
  show();
}

void TfrmWave::FormActivate() {
  TMainForm* main = mainForm();
  const bool drawn = hasData();
  for (const char* name : {"FileSave1", "FileSaveAs1", "mnTransSend", "mnFileSaveUSB"})
    if (QAction* a = main->action(QLatin1String(name))) a->setEnabled(drawn);
  if (QAction* undo = main->action(QStringLiteral("EditUndo1"))) undo->setEnabled(doc_->undoReady);
  for (const char* name : {"mnWave", "mnMath"})
    if (auto* m = main->findChild<QMenu*>(QLatin1String(name))) m->menuAction()->setVisible(true);
  for (const char* name : {"mnWave2", "mnMath2"})
    if (auto* m = main->findChild<QMenu*>(QLatin1String(name))) m->menuAction()->setVisible(false);
  if (QAction* line = main->action(QStringLiteral("mnViewLine"))) {
    line->setVisible(true);
    line->setChecked(doc_->lineDisp);
  }
  if (QAction* len = main->action(QStringLiteral("mnMathLen"))) len->setEnabled(docKind() == 1);
}

void TfrmWave::DataChanged(int, int) {
  pngraph_->update();
  if (isActiveWindow() || mainForm()->activeDocument() == this) FormActivate();
}

void TfrmWave::UndoStateChanged(bool ready) {
  if (mainForm()->activeDocument() == this)
    if (QAction* undo = mainForm()->action(QStringLiteral("EditUndo1"))) undo->setEnabled(ready);
}

void TfrmWave::ModifiedChanged(bool modified) { showSavedMark(!modified); }

void TfrmWave::setSaved(bool saved) {
  if (saved) doc_->MarkSaved();
  else doc_->MarkModified();
}

}  // namespace averoz
