// The commands that belong to the shell itself: command routing, the layout for the active
// document kind, Connect Dots, Copy Image, Help and the window arrangement.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <algorithm>
#include <cmath>

#include "core/app/Prompter.h"
#include "platform/HelpViewer.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveCommands.h"

namespace averoz {

void TMainForm::setAppCommandHandler(const QString& name, AppCommandHandler handler) {
  appCommandHandlers_.insert(name, std::move(handler));
}

void TMainForm::RunFileCommand(const QString& name) {
  const auto it = appCommandHandlers_.constFind(name);
  if (it != appCommandHandlers_.constEnd()) (*it)(*this);
}

namespace {

// Tool-bar widgets are shown and hidden through their tool-bar action.
void SetToolWidgetVisible(QMainWindow& main, const char* name, bool visible) {
  auto* widget = main.findChild<QWidget*>(QLatin1String(name));
  if (!widget) return;
  if (auto* bar = qobject_cast<QToolBar*>(widget->parentWidget())) {
    for (QAction* a : bar->actions())
      if (bar->widgetForAction(a) == widget) {
        a->setVisible(visible);
        return;
      }
  }
  widget->setVisible(visible);
}

}  // namespace

void TMainForm::ApplyDocumentLayout(const DocumentWindow& document) {
  auto* wave = qobject_cast<const TfrmWave*>(&document);
  const bool w = wave != nullptr;
  for (const char* name : {"mnWave", "mnMath"}) menus_.value(name)->menuAction()->setVisible(w);
  for (const char* name : {"mnWave2", "mnMath2"}) menus_.value(name)->menuAction()->setVisible(!w);
  QAction* line = action("mnViewLine");
  line->setVisible(w);
  if (w) line->setChecked(wave->doc().lineDisp);
  action("mnViewYcsr")->setVisible(w);
  for (const char* name : {"bncy", "pncy", "pnY1", "pnY2", "pndy", "tbX1Val", "tbX2Val", "pnnorY", "pnzy"})
    SetToolWidgetVisible(*this, name, w);
  for (const char* name : {"pnX1ValP", "pnX2ValP", "pnsY"}) SetToolWidgetVisible(*this, name, !w);
  action("mnViewPair")->setVisible(!w);
  for (const char* name : {"mnEditUnprotectAll", "pmEditBlock"}) action(name)->setVisible(w);
  action("N19")->setVisible(!w);
  if (w) SetToolWidgetVisible(*this, "pnsetVal", false);
  const bool savable = !w || document.hasData();
  for (const char* name : {"FileSave1", "FileSaveAs1", "mnTransSend", "mnFileSaveUSB"})
    action(name)->setEnabled(savable);
  action("mnMathLen")->setEnabled(!w || document.docKind() == 1);
  if (w) {
    UpdateSelectionCommands(*this, *wave);
    action("EditPaste1")->setEnabled(PasteEnabledOnActivate(*this));
  }
  // The pattern tools; the pattern window then enables its pens and generators as its
  // zoom and selection allow.
  for (const char* name : {"PalletePpgDispPair1", "PalletePpgDispOrd1", "PalletePpgautoinv1"})
    action(name)->setEnabled(!w);
  if (w) {
    for (const char* name : {"PalletePpgHi1", "PalletePpgLo1", "PalletePpgClk1", "PalletePpgCtr1",
                             "PalletePpgval1", "PalletePpgbitpen1", "PalletePpgbitpenh1",
                             "PalletePpgbitpenl1"})
      action(name)->setEnabled(false);
    action("pmBitpenChange")->setVisible(false);
  }
  for (const char* name : {"PalleteFree1", "PalleteLine1", "PalleteSin1", "PalleteSqr1",
                           "PalleteTri1", "PalleteLamp1", "PalleteCharge1", "PalleteDisCharge1",
                           "PalleteSup1", "PalleteSDown1", "PalleteDC1"})
    action(name)->setEnabled(w);
}

// Text copied by another program becomes pasteable as soon as the pointer comes back.
void TMainForm::enterEvent(QEnterEvent* event) {
  QMainWindow::enterEvent(event);
  if (qobject_cast<TfrmWave*>(activeDocument()) && PasteAvailableOnMouseEnter(*this))
    action("EditPaste1")->setEnabled(true);
}

void TMainForm::mnViewLineClick(bool checked) {
  if (auto* wave = qobject_cast<TfrmWave*>(activeDocument())) {
    wave->doc().lineDisp = checked;
    wave->doc().NotifyDataChanged(0, WaveDoc::dataLen - 1);
  }
  WriteSetting([checked](IniFile& ini) { ini.WriteBool("View", "LineDisp", checked); });
}

void TMainForm::mnEditCopyImageClick() {
  if (DocumentWindow* doc = activeDocument()) QApplication::clipboard()->setPixmap(doc->grab());
}

// The HTML user guide in the desktop's browser.
void TMainForm::mnHelpIndexClick() {
  const QString guide = FindUserGuide(QCoreApplication::applicationDirPath());
  if (guide.isEmpty() || !OpenWithDefaultViewer(guide)) prompter().warn(ERRMSG(29));
}

// Side by side in one row (horizontal) or stacked in one column (vertical), as the window
// commands of the classic MDI frame do; QMdiArea only knows a grid.
static void TileInLine(QMdiArea& area, bool stacked) {
  QList<QMdiSubWindow*> subs;
  for (QMdiSubWindow* sub : area.subWindowList(QMdiArea::CreationOrder))
    if (!sub->isMinimized()) subs << sub;
  if (subs.isEmpty()) return;
  const QSize room = area.viewport()->size();
  const int n = int(subs.size());
  for (int i = 0; i < n; ++i) {
    subs[i]->showNormal();
    if (stacked)
      subs[i]->setGeometry(0, room.height() * i / n, room.width(),
                           room.height() * (i + 1) / n - room.height() * i / n);
    else
      subs[i]->setGeometry(room.width() * i / n, 0,
                           room.width() * (i + 1) / n - room.width() * i / n, room.height());
  }
}

void TMainForm::TileHorizontal() { TileInLine(*mdiArea_, true); }
void TMainForm::TileVertical() { TileInLine(*mdiArea_, false); }

// Minimised windows in a row along the bottom edge.
void TMainForm::ArrangeIcons() {
  int x = 0;
  for (QMdiSubWindow* sub : mdiArea_->subWindowList(QMdiArea::CreationOrder)) {
    if (!sub->isMinimized()) continue;
    sub->move(x, mdiArea_->viewport()->height() - sub->height());
    x += sub->width();
  }
}

}  // namespace averoz
