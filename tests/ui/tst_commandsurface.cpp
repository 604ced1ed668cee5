// The command surface offscreen: menus, shortcuts, tool bars and their remembered
// visibility, the layout for the active document, Help.
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QToolBar>
#include <QToolButton>
#include <QtTest>
#include <functional>

#include "core/app/IniFile.h"
#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

class TestCommandSurface : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  test::FakePrompter prompter;
  QString iniPath = AppContext::besideExecutable(".INI");
  QStringList ran;

  void startForm() {
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    form->setSaveHandler([](DocumentWindow&) { return false; });
    form->CreateStartupDocument();
    form->resize(1920, 1080);  // room for every tool-bar control
    form->show();
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
    form->activateWindow();
    for (const char* name : {"EditClear1", "EditSelectAll1", "EditCut1"})
      form->setCommandHandler(name, [this, name](TMainForm&, DocumentWindow& doc) {
        ran << QString(name) + ":" + doc.caption();
      });
  }
  QToolBar* bar(const char* name) { return form->findChild<QToolBar*>(name); }
  QString iniValue(const char* section, const char* key) {
    return QString::fromStdString(IniFile(iniPath.toStdString()).ReadString(section, key, "<none>"));
  }

 private slots:
  void init() {
    test::WriteJapaneseSettings(iniPath);
    prompter = test::FakePrompter();
    ran.clear();
  }
  void cleanup() {
    if (form) {
      prompter.answers.assign(40, Answer::No);
      form.reset();
    }
    QFile::remove(iniPath);
  }

  void menuBarAndCaptions() {
    startForm();
    QStringList titles;
    for (QAction* a : form->menuBar()->actions())
      if (a->isVisible()) titles << a->text();
    QCOMPARE(titles, (QStringList{"File(&F)", "Edit(&E)", "View(&V)", "Waveforms(&W)", "Math(&M)",
                                  "Trans(&T)", "Window(&N)", "Help(&H)"}));
    QCOMPARE(form->action("FileNew1")->shortcut(), QKeySequence("Ctrl+N"));
    QCOMPARE(form->action("EditClear1")->shortcut(), QKeySequence(Qt::Key_Delete));
    QCOMPARE(form->action("mnWaveSup")->text(), QString("SCurveUp"));
    QCOMPARE(form->action("mnTransSend")->statusTip(), QString("Send Data to XJ"));
    QVERIFY(form->action("mnFileSaveUSB")->isVisible());
    QCOMPARE(form->action("mnFileSaveUSB")->statusTip(), QString("Save To USB Memory"));
    QVERIFY(!form->action("mnMathLen")->isVisible());
    // Every tool button has an icon and a hint.
    for (QToolButton* b : form->findChildren<QToolButton*>()) {
      if (!b->objectName().startsWith("bn")) continue;
      QVERIFY2(!b->icon().isNull(), qPrintable(b->objectName()));
      QVERIFY2(!b->toolTip().isEmpty(), qPrintable(b->objectName()));
    }
  }

  void shortcutsRouteToTheActiveDocument() {
    startForm();
    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(form->documents().size(), 2);
    QCOMPARE(form->activeDocument()->caption(), QString("pcwav002"));
    QCOMPARE(form->activeDocument()->docKind(), 0);
    QTest::keyClick(form.get(), Qt::Key_A, Qt::ControlModifier);
    // Clear needs a selection.
    QVERIFY(!form->action("EditClear1")->isEnabled());
    auto* wave = qobject_cast<TfrmWave*>(form->activeDocument());
    for (int i = 0; i < 10; ++i) wave->doc().waveData[size_t(i)] = 100;
    wave->doc().SetSelection(2, 5);
    form->DocumentActivated(*wave);
    QTest::keyClick(form.get(), Qt::Key_Delete);
    QCOMPARE(ran, (QStringList{"EditSelectAll1:pcwav002", "EditClear1:pcwav002"}));
  }

  void newDropDownReachesEveryKind() {
    startForm();
    auto* button = form->findChild<QToolButton*>("bnfilenew");
    QVERIFY(button->menu());
    QStringList kinds;
    for (QAction* a : button->menu()->actions()) kinds << a->text();
    QCOMPARE(kinds, (QStringList{"Modulation", "Operation", "PPG"}));
    button->menu()->actions()[1]->trigger();
    QCOMPARE(form->activeDocument()->caption(), QString("pcope001"));
    button->menu()->actions()[2]->trigger();
    QCOMPARE(form->activeDocument()->caption(), QString("pcppg001"));
    QCOMPARE(form->activeDocument()->docKind(), 2);
  }

  void zoomToolBarToggleIsRemembered() {
    startForm();
    form->action("mnViewToolbarZoom")->trigger();
    QVERIFY(bar("tbzm")->isHidden());
    QCOMPARE(iniValue("ToolBar", "mnViewToolBarZoom"), QString("0"));
    form.reset();
    startForm();
    QVERIFY(bar("tbzm")->isHidden());
    QVERIFY(!form->action("mnViewToolbarZoom")->isChecked());
  }

  void closingAToolBarByItsOwnControlWritesNothing() {
    startForm();
    bar("tbxy")->toggleViewAction()->trigger();  // the tool bar's own hide control
    QVERIFY(bar("tbxy")->isHidden());
    QVERIFY(!form->action("mnViewToolbarCsr")->isChecked());
    QCOMPARE(iniValue("ToolBar", "mnViewToolbarCsr"), QString("<none>"));
    form.reset();
    startForm();
    QVERIFY(!bar("tbxy")->isHidden());
  }

  void layoutForAWaveformDocument() {
    startForm();
    auto* wave = qobject_cast<TfrmWave*>(form->activeDocument());
    QVERIFY(!form->action("FileSave1")->isEnabled());
    QVERIFY(!form->action("mnTransSend")->isEnabled());
    QVERIFY(!form->findChild<QToolButton*>("bnfilesave")->isEnabled());
    form->action("mnMathLen")->setVisible(true);  // hidden items always read as disabled
    form->DocumentActivated(*wave);
    QVERIFY(!form->action("mnMathLen")->isEnabled());
    wave->doc().waveData[0] = 1;
    wave->doc().CommitEdit(0, 0);
    form->DocumentActivated(*wave);
    QVERIFY(form->action("FileSave1")->isEnabled());
    QVERIFY(form->action("mnTransSend")->isEnabled());
    form->FileNewOpr1Execute();
    QVERIFY(form->action("mnMathLen")->isEnabled());
    QVERIFY(!form->action("FileSaveAs1")->isEnabled());
    QVERIFY(!form->findChild<QMenu*>("mnWave2")->menuAction()->isVisible());
    QVERIFY(!form->findChild<QWidget*>("pnX1ValP")->isVisibleTo(form.get()));
    QVERIFY(form->findChild<QWidget*>("pnY1")->isVisibleTo(form.get()));
  }

  // A second press releases Cursor Mode from its button, its menu item and its pop-up item;
  // Select Mode pressed while on stays on. The menu checks always show the buttons.
  void modeButtonsAndTheirMenuChecksAgree() {
    startForm();
    auto* wave = qobject_cast<TfrmWave*>(form->activeDocument());
    auto* seled = form->findChild<QToolButton*>("bnseled");
    auto* selcsr = form->findChild<QToolButton*>("bnselcsr");
    auto expectMode = [&](bool cursor, const QString& how) {
      QVERIFY2(selcsr->isChecked() == cursor && seled->isChecked() == !cursor, qPrintable(how));
      for (const char* item : {"mnViewCsrMode", "pmCsrMode"})
        QVERIFY2(form->action(item)->isChecked() == cursor, qPrintable(how + " " + item));
      for (const char* item : {"mnViewSelMode", "pmSelMode"})
        QVERIFY2(form->action(item)->isChecked() == !cursor, qPrintable(how + " " + item));
      QVERIFY2(wave->doc().editMode == (cursor ? 1 : 0), qPrintable(how));
      QVERIFY2(wave->doc().xCursorOn == cursor && wave->doc().yCursorOn == cursor,
               qPrintable(how));
    };
    auto pressFor = [&](const char* control) -> std::function<void()> {
      if (auto* button = form->findChild<QToolButton*>(control))
        return [button] { QTest::mouseClick(button, Qt::LeftButton); };
      return [this, control] { form->action(control)->trigger(); };
    };
    for (const char* control : {"bnselcsr", "mnViewCsrMode", "pmCsrMode"}) {
      const auto press = pressFor(control);
      press();
      expectMode(true, QString(control) + " on");
      press();
      expectMode(false, QString(control) + " off");
    }
    for (const char* control : {"bnseled", "mnViewSelMode", "pmSelMode"}) {
      pressFor(control)();
      expectMode(false, QString(control) + " again");
    }
  }

  void popupAndToolBarMenusInTheirOrder() {
    startForm();
    QStringList popup;
    for (QAction* a : form->findChild<QMenu*>("PopupMenu2")->actions())
      popup << (a->isSeparator() ? QString("-") : a->objectName());
    QCOMPARE(popup, (QStringList{"pmBitpenChange", "-", "pmSelMode", "pmCsrMode", "-",
                                 "pmEditUndo", "-", "pmEditCut", "pmEditCopy", "pmEditPaste", "-",
                                 "pmEditClear", "pmEditAllClear", "-", "pmEditSelectAll", "-",
                                 "pmDatabrows", "-", "pmResize",
                                 // ours, after the specified items
                                 "-", "pmEditBlock"}));
    QStringList bars;
    for (QAction* a : form->findChild<QMenu*>("mnViewToolbar")->actions()) bars << a->text();
    QCOMPARE(bars, (QStringList{"Edit", "Pallete", "Zoom", "Cursor", "Select", "Rescale"}));
  }

  void connectDotsFollowsTheDocumentAndIsWritten() {
    startForm();
    auto* wave = qobject_cast<TfrmWave*>(form->activeDocument());
    form->action("mnViewLine")->trigger();
    QVERIFY(!wave->doc().lineDisp);
    QCOMPARE(iniValue("View", "LineDisp"), QString("0"));
    // A new document takes the stored setting.
    auto* next = form->FileNewMod1Execute();
    QVERIFY(!next->doc().lineDisp);
  }

  void copyImagePutsTheDocumentOnTheClipboard() {
    startForm();
    QGuiApplication::clipboard()->clear();
    form->action("mnEditCopyImage")->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    QCOMPARE(image.size(), form->activeDocument()->size());
  }

  void helpWithoutTheHelpFile() {
    startForm();
    QFile::remove(AppContext::besideExecutable(".chm"));
    form->action("mnHelpIndex")->trigger();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(29)});
  }

  void lastDocumentClosedDisablesTheDocumentMenus() {
    startForm();
    form->mdiArea()->closeAllSubWindows();
    QCoreApplication::processEvents();
    for (const char* name : {"mnEdit", "mnView", "mnWave", "mnWave2", "mnMath", "mnMath2"})
      QVERIFY2(!form->findChild<QMenu*>(name)->menuAction()->isEnabled(), name);
    for (const char* name : {"tbzm", "tbms", "tbpl", "tbNor", "tbxy"})
      QVERIFY2(bar(name)->isHidden(), name);
    QVERIFY(!bar("tbfl")->isHidden());
    // The document bars were hidden by the program: their View items stay checked.
    QVERIFY(form->action("mnViewToolbarZoom")->isChecked());
    QTest::keyClick(form.get(), Qt::Key_Delete);  // no document: nothing runs
    QVERIFY(ran.isEmpty());
    form->FileNewMod1Execute();
    QVERIFY(!bar("tbzm")->isHidden());
  }
};

QTEST_MAIN(TestCommandSurface)
#include "tst_commandsurface.moc"
