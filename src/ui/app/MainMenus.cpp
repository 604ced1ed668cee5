// The menu bar and the action list of the main window.
#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QToolBar>

#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"

namespace averoz {

QAction* TMainForm::AddAction(const QString& name, const QString& caption, const QString& hint,
                              const QKeySequence& shortcut) {
  auto* a = new QAction(caption, this);
  a->setObjectName(name);
  if (!hint.isEmpty()) {
    a->setStatusTip(hint);
    a->setToolTip(hint);
  }
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  actions_.insert(name, a);
  return a;
}

void TMainForm::CreateMenus() {
  QMenuBar* bar = menuBar();
  bar->setObjectName(QStringLiteral("MainMenu1"));
  auto menu = [&](const char* name, const QString& caption) {
    QMenu* m = bar->addMenu(caption);
    m->setObjectName(QLatin1String(name));
    m->menuAction()->setObjectName(QLatin1String(name));
    menus_.insert(QLatin1String(name), m);
    return m;
  };
  auto separator = [&](QMenu* m, const char* name = nullptr) {
    QAction* s = m->addSeparator();
    if (name) {
      s->setObjectName(QLatin1String(name));
      actions_.insert(QLatin1String(name), s);
    }
    return s;
  };
  // A menu item without an action of its own in the action list.
  auto item = [&](QMenu* m, const char* name, const QString& caption) {
    QAction* a = AddAction(QLatin1String(name), caption);
    m->addAction(a);
    return a;
  };

  // Actions of the action list (shortcuts live here).
  QAction* fileNew = AddAction("FileNew1", "New(&N)", "New file", QKeySequence::New);
  QAction* fileOpen = AddAction("FileOpen1", "Open(&O)...", "Open File", QKeySequence::Open);
  QAction* fileClose = AddAction("FileClose1", "Close(&C)", "Close file");
  QAction* fileSave = AddAction("FileSave1", "Save", "Save File", QKeySequence::Save);
  QAction* fileSaveAs = AddAction("FileSaveAs1", "Save As(&A)...", "Save with a new name");
  QAction* fileExit = AddAction("FileExit1", "Exit(&X)", "Quit Application");
  QAction* newMod = AddAction("FileNewMod1", "Modulation", "Modulation");
  QAction* newOpr = AddAction("FileNewOpr1", "Operation", "Operation");
  QAction* newPpg = AddAction("FileNewPPG1", "PPG", "PPG");
  newPpg->setEnabled(false);  // pattern documents are not available yet
  AddAction("EditUndo1", "Undo", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z));
  AddAction("EditCut1", "Cut", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X));
  AddAction("EditCopy1", "Copy", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C));
  AddAction("EditPaste1", "Paste", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V));
  AddAction("EditClear1", "Clear", "Clear", QKeySequence(Qt::Key_Delete));
  AddAction("EditClearAll1", "Clear All", "Clear All");
  AddAction("EditSelectAll1", "Select All", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A));
  QAction* about = AddAction("HelpAbout1", "About(&A)...", "About ");
  for (QAction* a : actions_) addAction(a);  // shortcuts work wherever the focus is

  connect(fileNew, &QAction::triggered, this, [this] { FileNewMod1Execute(); });
  connect(newMod, &QAction::triggered, this, [this] { FileNewMod1Execute(); });
  connect(newOpr, &QAction::triggered, this, [this] { FileNewOpr1Execute(); });
  connect(newPpg, &QAction::triggered, this, [this] { FileNewPPG1Execute(); });
  connect(fileClose, &QAction::triggered, this, [this] {
    if (QMdiSubWindow* sub = mdiArea_->activeSubWindow()) sub->close();
  });
  connect(fileSave, &QAction::triggered, this, [this] {
    if (DocumentWindow* doc = activeDocument()) SaveDocument(*doc);
  });
  connect(fileExit, &QAction::triggered, this, &QWidget::close);
  connect(about, &QAction::triggered, this, &TMainForm::HelpAbout1Execute);

  QMenu* file = menu("mnFile", "File(&F)");
  file->addAction(fileNew);
  QMenu* fileNewMenu = file->addMenu("New Document");
  fileNewMenu->setObjectName("PopupMenu1");
  fileNewMenu->addActions({newMod, newOpr, newPpg});
  file->addAction(fileOpen);
  file->addAction(fileClose);
  file->addAction(fileSave);
  file->addAction(fileSaveAs);
  item(file, "mnFileSaveUSB", "Save To USB Memory(&U)")->setVisible(false);
  separator(file, "N2")->setEnabled(false);
  for (int slot = 1; slot <= RecentFiles::kSlots; ++slot)
    item(file, QStringLiteral("mnFileLastFile%1").arg(slot).toLatin1().constData(),
         QStringLiteral("%1(&%1) Recent File").arg(slot))
        ->setVisible(false);
  separator(file, "N1")->setVisible(false);
  file->addAction(fileExit);

  QMenu* edit = menu("mnEdit", "Edit(&E)");
  edit->addAction(action("EditUndo1"));
  edit->addSeparator();
  edit->addActions({action("EditCut1"), action("EditCopy1"), action("EditPaste1")});
  item(edit, "mnEditCopyImage", "Copy Image(&I)");
  edit->addSeparator();
  edit->addActions({action("EditClear1"), action("EditClearAll1")});
  edit->addSeparator();
  edit->addAction(action("EditSelectAll1"));

  QMenu* view = menu("mnView", "View(&V)");
  QMenu* toolBarMenu = view->addMenu("Tool Bar(&T)");
  toolBarMenu->setObjectName("mnViewToolbar");
  menus_.insert("mnViewToolbar", toolBarMenu);
  view->addSeparator();
  QAction* line = item(view, "mnViewLine", "Connect Dots(&L)");
  line->setCheckable(true);
  line->setChecked(true);
  connect(line, &QAction::triggered, this, [](bool checked) {
    WriteSetting([checked](IniFile& ini) { ini.WriteBool("View", "LineDisp", checked); });
  });

  QMenu* wave = menu("mnWave", "Waveforms(&W)");
  item(wave, "mnWaveFree", "Freehand(&F)");
  item(wave, "mnWaveLine", "Line(&L)");
  QMenu* wave2 = menu("mnWave2", "Waveforms(&B)");
  wave2->menuAction()->setVisible(false);
  QMenu* math = menu("mnMath", "Math(&M)");
  for (const char* caption : {"Invert(&I)", "Mirror(&M)", "Absolute(&A)", "Clip(&C)"})
    math->addAction(QString::fromLatin1(caption))->setEnabled(false);
  QAction* mathLen = item(math, "mnMathLen", "Change Length(&E)");
  mathLen->setVisible(false);
  QMenu* math2 = menu("mnMath2", "Math(&A)");
  math2->menuAction()->setVisible(false);

  QMenu* trans = menu("mnTrans", "Trans(&T)");
  QAction* send = item(trans, "mnTransSend", "Send->NQ(&S)");
  send->setStatusTip("Send Data to XJ");
  item(trans, "mnTransReceive", "Receive<-NQ(&R)")->setStatusTip("Receive Data From XJ");
  trans->addSeparator();
  item(trans, "mnTransConfig", "Configure(&C)");

  QMenu* window = menu("mnWindow", "Window(&N)");
  connect(window, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);
  connect(AddAction("WindowCascade1", "Cascade(&C)", "Cascade"), &QAction::triggered, mdiArea_,
          &QMdiArea::cascadeSubWindows);
  connect(AddAction("WindowTileHorizontal1", "TileHorizontal(&H)", "TileHorizontal"),
          &QAction::triggered, mdiArea_, &QMdiArea::tileSubWindows);
  connect(AddAction("WindowTileVertical1", "TileVertical(&V)", "TileVertical"), &QAction::triggered,
          mdiArea_, &QMdiArea::tileSubWindows);
  connect(AddAction("WindowMinimizeAll1", "MinimizeAll(&M)", "MinimizeAll"), &QAction::triggered,
          this, [this] {
            for (QMdiSubWindow* sub : mdiArea_->subWindowList()) sub->showMinimized();
          });
  connect(AddAction("mnWindowArrangeI", "ArrangeIcons(&A)", "ArrangeAll"), &QAction::triggered,
          mdiArea_, &QMdiArea::tileSubWindows);
  FillWindowMenu();

  QMenu* help = menu("mnHelp", "Help(&H)");
  item(help, "mnHelpIndex", "Help(&H)");
  help->addSeparator();
  help->addAction(about);
}

// The fixed window commands followed by one checkable entry per open document.
void TMainForm::FillWindowMenu() {
  QMenu* window = menus_.value("mnWindow");
  window->clear();
  for (const char* name : {"WindowCascade1", "WindowTileHorizontal1", "WindowTileVertical1",
                           "WindowMinimizeAll1", "mnWindowArrangeI"})
    window->addAction(action(QLatin1String(name)));
  const QList<DocumentWindow*> docs = documents();
  if (!docs.isEmpty()) window->addSeparator();
  int number = 0;
  for (DocumentWindow* doc : docs) {
    ++number;
    QAction* entry = window->addAction(
        (number < 10 ? QStringLiteral("&%1 ").arg(number) : QString()) + doc->caption());
    entry->setObjectName(QStringLiteral("windowEntry"));
    entry->setCheckable(true);
    entry->setChecked(doc == activeDocument());
    connect(entry, &QAction::triggered, this, [this, doc] {
      for (QMdiSubWindow* sub : mdiArea_->subWindowList())
        if (sub->widget() == doc) mdiArea_->setActiveSubWindow(sub);
    });
  }
}

}  // namespace averoz
