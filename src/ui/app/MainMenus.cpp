// The menu bar and the action list of the main window.
#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QIcon>
#include <QMenuBar>
#include <tuple>
#include <QToolBar>

#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/MenuKeys.h"
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

void TMainForm::RouteToDocument(QAction* action) {
  connect(action, &QAction::triggered, this, [this, name = action->objectName()] {
    RunCommand(name);
  });
}

void TMainForm::setCommandHandler(const QString& name, CommandHandler handler) {
  commandHandlers_.insert(name, std::move(handler));
}

void TMainForm::RunCommand(const QString& name) {
  DocumentWindow* doc = activeDocument();
  const auto it = commandHandlers_.constFind(name);
  if (doc && it != commandHandlers_.constEnd()) (*it)(*this, *doc);
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
  // A menu item of its own (not an action of the action list).
  auto item = [&](QMenu* m, const char* name, const QString& caption) {
    QAction* a = AddAction(QLatin1String(name), caption);
    m->addAction(a);
    return a;
  };
  // A menu item that runs another action: its own caption, the action's enabled state.
  auto runs = [&](QMenu* m, const char* name, const QString& caption, const char* target) {
    QAction* a = item(m, name, caption);
    QAction* t = action(QLatin1String(target));
    connect(a, &QAction::triggered, t, [a, t] {
      t->trigger();
      // A checked item clicked again unchecks itself even when its tool stays down: the
      // item shows the tool's state, not its own toggle.
      a->setChecked(t->isChecked());
    });
    a->setEnabled(t->isEnabled());
    ShowKey(*a, t->shortcut());
    connect(t, &QAction::enabledChanged, a, &QAction::setEnabled);
    if (t->isCheckable()) {
      a->setCheckable(true);
      a->setChecked(t->isChecked());
      connect(t, &QAction::toggled, a, &QAction::setChecked);
    }
    return a;
  };
  auto icon = [](const char* name) { return QIcon(QStringLiteral(":/icons/%1.svg").arg(name)); };

  // ---- the action list; shortcuts live here --------------------------------------------------
  QAction* fileNew = AddAction("FileNew1", "New(&N)", "New file", QKeySequence::New);
  QAction* fileOpen = AddAction("FileOpen1", "Open(&O)...", "Open File", QKeySequence::Open);
  QAction* fileClose = AddAction("FileClose1", "Close(&C)", "Close file");
  QAction* fileSave = AddAction("FileSave1", "Save", "Save File", QKeySequence::Save);
  QAction* fileSaveAs = AddAction("FileSaveAs1", "Save As(&A)...", "Save with a new name");
  QAction* fileExit = AddAction("FileExit1", "Exit(&X)", "Quit Application");
  QAction* newMod = AddAction("FileNewMod1", "Modulation", "Modulation");
  QAction* newOpr = AddAction("FileNewOpr1", "Operation", "Operation");
  QAction* newPpg = AddAction("FileNewPPG1", "PPG", "PPG");
  fileNew->setIcon(icon("filenew"));
  fileOpen->setIcon(icon("fileopen"));
  fileSave->setIcon(icon("filesave"));
  struct Edit { const char* name; const char* caption; QKeySequence key; const char* icon; };
  for (const Edit& e : {Edit{"EditUndo1", "Undo", QKeySequence(Qt::CTRL | Qt::Key_Z), "undo"},
                        Edit{"EditCut1", "Cut", QKeySequence(Qt::CTRL | Qt::Key_X), "cut"},
                        Edit{"EditCopy1", "Copy", QKeySequence(Qt::CTRL | Qt::Key_C), "copy"},
                        Edit{"EditPaste1", "Paste", QKeySequence(Qt::CTRL | Qt::Key_V), "paste"},
                        Edit{"EditClear1", "Clear", QKeySequence(Qt::Key_Delete), nullptr},
                        Edit{"EditClearAll1", "Clear All", {}, nullptr},
                        Edit{"EditSelectAll1", "Select All", QKeySequence(Qt::CTRL | Qt::Key_A),
                             nullptr}}) {
    QAction* a = AddAction(e.name, e.caption, e.caption, e.key);
    if (e.icon) a->setIcon(icon(e.icon));
    RouteToDocument(a);
  }
  QAction* about = AddAction("HelpAbout1", "About(&A)...", "About ");

  // Palette actions: tools (one of four is down), generators, pattern tools.
  auto* tools = new QActionGroup(this);
  struct Palette { const char* name; const char* caption; const char* icon; bool tool; };
  for (const Palette& p : {
           Palette{"PalleteSelect1", "Select Mode", "select", true},
           Palette{"PalleteCursor1", "Cursor Mode", "cursor", true},
           Palette{"PalleteFree1", "Freehand", "freehand", true},
           Palette{"PalleteLine1", "Line", "line", true},
           Palette{"PalleteSin1", "Sine", "sin", false},
           Palette{"PalleteSqr1", "Square", "sqr", false},
           Palette{"PalleteTri1", "Triangle", "tri", false},
           Palette{"PalleteLamp1", "Ramp", "ramp", false},
           Palette{"PalleteCharge1", "Charge", "charge", false},
           Palette{"PalleteDisCharge1", "Discharge", "discharge", false},
           Palette{"PalleteSup1", "SCurve Up", "sup", false},
           Palette{"PalleteSDown1", "SCurve Down", "sdown", false},
           Palette{"PalleteDC1", "DC", "dc", false},
           Palette{"PalleteNoise1", "Noise", "noise", false},
           Palette{"SetParameter1", "Set Parameter", nullptr, false},
           Palette{"PalletePpgHi1", "High", "ppghi", false},
           Palette{"PalletePpgLo1", "Lo", "ppglo", false},
           Palette{"PalletePpgClk1", "Clock", "ppgclk", false},
           Palette{"PalletePpgCtr1", "Counter", "ppgctr", false},
           Palette{"PalletePpgval1", "Value", "ppgval", false},
           Palette{"PalletePpgbitpen1", "BitPen", "bitpen", true},
           Palette{"PalletePpgbitpenh1", "BitPen high", "bitpenh", true},
           Palette{"PalletePpgbitpenl1", "BitPen Lo", "bitpenl", true},
           Palette{"PalletePpgDispPair1", "Pair CH View", "disppair", false},
           Palette{"PalletePpgDispOrd1", "Normal View", "dispord", false},
           Palette{"PalletePpgautoinv1", "Auto Invert", "autoinv", false},
           Palette{"CursorX", "X Cursor", "cx", false},
           Palette{"CursorY", "Y Cursor", "cy", false},
           Palette{"ZoomMax1", "Max", "zoommax", false},
           Palette{"ZoomAll1", "All", "zoomall", false},
           Palette{"SelReset1", "Res", "selres", false},
           Palette{"RescaleX1", "NX", "rescalex", false},
           Palette{"RescaleY1", "NY", "rescaley", false},
           Palette{"DataBrows1", "Data View", nullptr, false}}) {
    QAction* a = AddAction(p.name, p.caption, p.caption);
    if (p.icon) a->setIcon(icon(p.icon));
    if (p.tool) {
      a->setCheckable(true);
      // A second press releases Cursor Mode; the exclusive group would send "on" again.
      if (QLatin1String(p.name) != QLatin1String("PalleteCursor1")) tools->addAction(a);
    }
    RouteToDocument(a);
  }
  // Fit to Window: a view toggle of the waveform and pattern windows (FitToWindow.h).
  QAction* fit = AddAction("ZoomFit1", "Fit to Window", "Fit to Window");
  fit->setIcon(icon("zoomfit"));
  fit->setCheckable(true);
  action("PalleteSelect1")->setChecked(true);
  for (const char* name : {"CursorX", "CursorY", "PalletePpgautoinv1"}) action(name)->setCheckable(true);
  for (const char* name : {"PalletePpgHi1", "PalletePpgLo1", "PalletePpgClk1", "PalletePpgCtr1",
                           "PalletePpgval1", "PalletePpgbitpen1", "PalletePpgbitpenh1",
                           "PalletePpgbitpenl1", "PalletePpgDispPair1", "PalletePpgDispOrd1",
                           "PalletePpgautoinv1"})
    action(name)->setEnabled(false);  // until a pattern document is active
  action("SelReset1")->setStatusTip("Reset");
  action("SelReset1")->setToolTip("Reset");
  action("RescaleX1")->setToolTip("ResetX");
  action("RescaleX1")->setStatusTip("ResetX");
  action("RescaleY1")->setToolTip("ResetY");
  action("RescaleY1")->setStatusTip("ResetY");
  for (QAction* a : actions_) addAction(a);  // shortcuts work wherever the focus is

  connect(fileNew, &QAction::triggered, this, [this] { FileNewMod1Execute(); });
  connect(newMod, &QAction::triggered, this, [this] { FileNewMod1Execute(); });
  connect(newOpr, &QAction::triggered, this, [this] { FileNewOpr1Execute(); });
  connect(newPpg, &QAction::triggered, this, [this] { FileNewPPG1Execute(); });
  connect(fileOpen, &QAction::triggered, this, [this] { RunFileCommand("FileOpen1"); });
  connect(fileClose, &QAction::triggered, this, [this] {
    if (QMdiSubWindow* sub = mdiArea_->activeSubWindow()) sub->close();
  });
  connect(fileSave, &QAction::triggered, this, [this] {
    if (DocumentWindow* doc = activeDocument()) SaveDocument(*doc);
  });
  RouteToDocument(fileSaveAs);
  connect(fileExit, &QAction::triggered, this, &QWidget::close);
  connect(about, &QAction::triggered, this, &TMainForm::HelpAbout1Execute);

  // ---- File ----------------------------------------------------------------------------------
  QMenu* file = menu("mnFile", "File(&F)");
  file->addAction(fileNew);
  QMenu* fileNewMenu = file->addMenu("New Document(&D)");
  fileNewMenu->setObjectName("PopupMenu1");
  fileNewMenu->addActions({newMod, newOpr, newPpg});
  file->addAction(fileOpen);
  // Captured (scope CSV, WAV) or computed (.npy) signals made into a waveform.
  connect(item(file, "mnFileImportSignal", "Import Signal…"), &QAction::triggered, this,
          [this] { RunFileCommand("mnFileImportSignal"); });
  file->addAction(fileClose);
  file->addAction(fileSave);
  file->addAction(fileSaveAs);
  // Offered in the menu: it is what a user carrying waveforms on a stick looks for.
  QAction* saveUsb = item(file, "mnFileSaveUSB", "Save To USB Memory(&U)");
  saveUsb->setStatusTip(QStringLiteral("Save To USB Memory"));
  saveUsb->setToolTip(QStringLiteral("Save To USB Memory"));
  RouteToDocument(saveUsb);
  separator(file, "N2")->setEnabled(false);
  for (int slot = 1; slot <= RecentFiles::kSlots; ++slot) {
    QAction* recent = item(file, QStringLiteral("mnFileLastFile%1").arg(slot).toLatin1().constData(),
                           QStringLiteral("%1(&%1) Recent File").arg(slot));
    recent->setVisible(false);
    connect(recent, &QAction::triggered, this,
            [this, name = recent->objectName()] { RunFileCommand(name); });
  }
  separator(file, "N1")->setVisible(false);
  file->addAction(fileExit);

  // ---- Edit ----------------------------------------------------------------------------------
  QMenu* edit = menu("mnEdit", "Edit(&E)");
  edit->addAction(action("EditUndo1"));
  edit->addSeparator();
  edit->addActions({action("EditCut1"), action("EditCopy1"), action("EditPaste1")});
  connect(item(edit, "mnEditCopyImage", "Copy Image(&I)"), &QAction::triggered, this,
          &TMainForm::mnEditCopyImageClick);
  edit->addSeparator();
  edit->addActions({action("EditClear1"), action("EditClearAll1")});
  edit->addSeparator();
  edit->addAction(action("EditSelectAll1"));
  // Protection without Alt+click, which many window managers take for themselves.
  edit->addSeparator();
  RouteToDocument(item(edit, "mnEditUnprotectAll", "Unprotect All"));

  // ---- View ----------------------------------------------------------------------------------
  QMenu* view = menu("mnView", "View(&V)");
  QMenu* toolBarMenu = view->addMenu("Tool Bar(&T)");
  toolBarMenu->setObjectName("mnViewToolbar");
  menus_.insert("mnViewToolbar", toolBarMenu);
  view->addSeparator();
  item(view, "mnViewGrid", "Grid(&G)")->setVisible(false);
  separator(view)->setVisible(false);
  QAction* line = item(view, "mnViewLine", "Connect Dots(&L)");
  line->setCheckable(true);
  line->setChecked(true);
  connect(line, &QAction::triggered, this, &TMainForm::mnViewLineClick);
  runs(view, "mnViewFit", "Fit to Window(&F)", "ZoomFit1");
  view->addSeparator();
  runs(view, "mnViewSelMode", "Select Mode(&S)", "PalleteSelect1");
  view->addSeparator();
  runs(view, "mnViewCsrMode", "Cursor Mode(&C)", "PalleteCursor1");
  runs(view, "mnViewXcsr", "X Cursor(&X)", "CursorX");
  runs(view, "mnViewYcsr", "Y Cursor(&Y)", "CursorY");
  view->addSeparator();
  // M in a document window fills the data browser.
  ShowKey(*runs(view, "mnViewData", "Data View", "DataBrows1"), QKeySequence(Qt::Key_M));
  view->addSeparator();
  RouteToDocument(item(view, "mnViewConfig", "Color(&P)"));
  runs(view, "mnViewPair", "Pair CH View", "PalletePpgDispPair1")->setVisible(false);
  separator(view, "N19")->setVisible(false);

  // ---- Waveforms (analog) and Waveforms (pattern) --------------------------------------------
  QMenu* wave = menu("mnWave", "Waveforms(&W)");
  runs(wave, "mnWaveFree", "Freehand(&F)", "PalleteFree1");
  runs(wave, "mnWaveLine", "Line(&L)", "PalleteLine1");
  wave->addSeparator();
  for (const auto& [name, caption, target] :
       std::initializer_list<std::tuple<const char*, const char*, const char*>>{
           {"mnWaveSin", "Sine", "PalleteSin1"}, {"mnWaveSqr", "Square", "PalleteSqr1"},
           {"mnWaveTri", "Triangle", "PalleteTri1"}, {"mnWaveRamp", "Ramp", "PalleteLamp1"},
           {"mnWaveExpup", "Charge", "PalleteCharge1"},
           {"mnWaveExpdown", "Discharge", "PalleteDisCharge1"},
           {"mnWaveSup", "SCurveUp", "PalleteSup1"}, {"mnWaveSdown", "SCurveDown", "PalleteSDown1"},
           {"mnWaveDc", "DC", "PalleteDC1"}, {"mnWaveNoise", "Noise", "PalleteNoise1"}})
    runs(wave, name, caption, target);
  // A block computed from a typed expression.
  RouteToDocument(item(wave, "mnWaveEq", "Equation…"));
  separator(wave)->setVisible(false);
  runs(wave, "P1", "Set Parameter(&P)", "SetParameter1")->setVisible(false);

  QMenu* wave2 = menu("mnWave2", "Waveforms(&B)");
  runs(wave2, "mnWave2bitpen", "BitPen(&B)", "PalletePpgbitpen1")->setVisible(false);
  runs(wave2, "mnWave2bitpenh", "BitPen High(&1)", "PalletePpgbitpenh1");
  runs(wave2, "mnWave2bitpenl", "BitPen Lo(&0)", "PalletePpgbitpenl1");
  wave2->addSeparator();
  for (const auto& [name, caption, target] :
       std::initializer_list<std::tuple<const char*, const char*, const char*>>{
           {"mnWave2High", "High", "PalletePpgHi1"}, {"mnWave2Lo", "Lo", "PalletePpgLo1"},
           {"mnWave2Clk", "Clock", "PalletePpgClk1"}, {"mnWave2Ctr", "Counter", "PalletePpgCtr1"},
           {"mnWave2Val", "Value", "PalletePpgval1"}})
    runs(wave2, name, caption, target);
  wave2->menuAction()->setVisible(false);

  // ---- Math (analog) and Math (pattern) ------------------------------------------------------
  QMenu* math = menu("mnMath", "Math(&M)");
  for (const auto& [name, caption] : std::initializer_list<std::pair<const char*, const char*>>{
           {"mnMathInvert", "Invert(&I)"}, {"mnMathMirror", "Mirror(&M)"},
           {"mnMathAbs", "Absolute(&A)"}, {"mnMathClip", "Clip(&C)"}, {"-", nullptr},
           {"mnMathAdd", "Add(&P)"}, {"mnMathSub", "Sub(&S)"}, {"mnMathMul", "Multiply(&L)"},
           {"-", nullptr}, {"mnMathXfit", "Fit to X(&X)"}, {"mnMathYfit", "Fit to Y(&Y)"},
           {"-", nullptr}, {"mnMathResize", "Resize(&R)"}}) {
    if (name[0] == '-') math->addSeparator();
    else RouteToDocument(item(math, name, caption));
  }
  separator(math)->setVisible(false);
  RouteToDocument(item(math, "mnMathLen", "Change Length(&E)"));
  action("mnMathLen")->setVisible(false);

  QMenu* math2 = menu("mnMath2", "Math(&A)");
  for (const auto& [name, caption] : std::initializer_list<std::pair<const char*, const char*>>{
           {"mnMath2Invert", "Invert(&I)"}, {"mnMath2Mirror", "Mirror(&M)"},
           {"mnMath2Equ", "EQU(&E)"}, {"mnMath2Not", "NOT(&N)"}, {"mnMath2And", "AND(&A)"},
           {"mnMath2Or", "OR(&O)"}, {"mnMath2Xor", "XOR(&X)"}, {"-", nullptr},
           {"mnMath2Rot", "Rotate(&R)"}, {"mnMath2Sft", "Shift(&S)"}, {"-", nullptr}}) {
    if (name[0] == '-') math2->addSeparator();
    else RouteToDocument(item(math2, name, caption));
  }
  runs(math2, "mnMath2Pair", "Auto Invert(&P)", "PalletePpgautoinv1");
  math2->addSeparator();
  RouteToDocument(item(math2, "mnMath2Len", "Change Length(&E)"));
  math2->menuAction()->setVisible(false);

  // ---- Trans ---------------------------------------------------------------------------------
  QMenu* trans = menu("mnTrans", "Trans(&T)");
  QAction* send = item(trans, "mnTransSend", "Send->NQ(&S)");
  send->setStatusTip("Send Data to XJ");
  RouteToDocument(send);
  QAction* receive = item(trans, "mnTransReceive", "Receive<-NQ(&R)");
  receive->setStatusTip("Receive Data From XJ");
  connect(receive, &QAction::triggered, this, [this] { RunFileCommand("mnTransReceive"); });
  trans->addSeparator();
  QAction* config = item(trans, "mnTransConfig", "Configure(&C)");
  connect(config, &QAction::triggered, this, [this] { RunFileCommand("mnTransConfig"); });

  // ---- Window --------------------------------------------------------------------------------
  QMenu* window = menu("mnWindow", "Window(&N)");
  connect(window, &QMenu::aboutToShow, this, &TMainForm::FillWindowMenu);
  connect(AddAction("WindowCascade1", "Cascade(&C)", "Cascade"), &QAction::triggered, mdiArea_,
          &QMdiArea::cascadeSubWindows);
  connect(AddAction("WindowTileHorizontal1", "TileHorizontal(&H)", "TileHorizontal"),
          &QAction::triggered, this, &TMainForm::TileHorizontal);
  connect(AddAction("WindowTileVertical1", "TileVertical(&V)", "TileVertical"), &QAction::triggered,
          this, &TMainForm::TileVertical);
  connect(AddAction("WindowMinimizeAll1", "MinimizeAll(&M)", "MinimizeAll"), &QAction::triggered,
          this, [this] {
            for (QMdiSubWindow* sub : mdiArea_->subWindowList()) sub->showMinimized();
          });
  connect(AddAction("mnWindowArrangeI", "ArrangeIcons(&A)", "ArrangeAll"), &QAction::triggered,
          this, &TMainForm::ArrangeIcons);
  FillWindowMenu();

  // ---- Help ----------------------------------------------------------------------------------
  QMenu* help = menu("mnHelp", "Help(&H)");
  connect(item(help, "mnHelpIndex", "Help(&H)"), &QAction::triggered, this,
          &TMainForm::mnHelpIndexClick);
  help->addSeparator();
  help->addAction(about);

  // ---- pop-up menus --------------------------------------------------------------------------
  auto* popup = new QMenu(this);
  popup->setObjectName("PopupMenu2");
  menus_.insert("PopupMenu2", popup);
  auto popupItem = [&](const char* name, const QString& caption, const char* target) {
    QAction* a = runs(popup, name, caption, target);
    return a;
  };
  QAction* reverse = item(popup, "pmBitpenChange", "Reverse BitPen");
  RouteToDocument(reverse);
  reverse->setVisible(false);  // only while a bit pen High or Lo is down
  popup->addSeparator();  // collapses while the item above is hidden
  popupItem("pmSelMode", "Select Mode", "PalleteSelect1");
  popupItem("pmCsrMode", "Cursor Mode", "PalleteCursor1");
  popup->addSeparator();
  popupItem("pmEditUndo", "Undo", "EditUndo1");
  popup->addSeparator();
  popupItem("pmEditCut", "Cut", "EditCut1");
  popupItem("pmEditCopy", "Copy", "EditCopy1");
  popupItem("pmEditPaste", "Paste", "EditPaste1");
  popup->addSeparator();
  popupItem("pmEditClear", "Clear", "EditClear1");
  popupItem("pmEditAllClear", "Clear All", "EditClearAll1");
  popup->addSeparator();
  popupItem("pmEditSelectAll", "Select All", "EditSelectAll1");
  popup->addSeparator();
  ShowKey(*popupItem("pmDatabrows", "Data View", "DataBrows1"), QKeySequence(Qt::Key_M));
  popup->addSeparator();
  RouteToDocument(item(popup, "pmResize", "Resize"));
  action("pmResize")->setVisible(false);
  popup->addSeparator();
  RouteToDocument(item(popup, "pmEditBlock", "Edit Block…"));  // what Alt+click does
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
