// The shell offscreen: start-up document, naming, the window limit, close prompts, the
// enabling for the number of documents, settings read at the first show.
#include <QAction>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QtTest>

#include "core/app/IniFile.h"
#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

QStringList Captions(const TMainForm& form) {
  QStringList list;
  for (DocumentWindow* doc : form.documents()) list << doc->caption();
  return list;
}

void Draw(TfrmWave* doc) {
  doc->doc().waveData[0] = 2048;
  doc->doc().blockNo[0] = -1;
  doc->doc().CommitEdit(0, 0);
}

bool MenuEnabled(const TMainForm& form, const char* name) {
  return form.findChild<QMenu*>(name)->menuAction()->isEnabled();
}

}  // namespace

class TestMainForm : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  test::FakePrompter prompter;
  QString iniPath = AppContext::besideExecutable(".INI");

  void startForm() {
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    // A save that never succeeds, as when the user cancels the file dialog.
    form->setSaveHandler([](DocumentWindow&) { return false; });
    form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
  }
  void writeIni(const QByteArray& text) {
    QFile f(iniPath);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(text);
  }

 private slots:
  void init() {
    test::WriteJapaneseSettings(iniPath);
    prompter = test::FakePrompter();
    AppContext::instance().setLanguage("Japanese");
  }
  void cleanup() {
    if (form) {
      form->setSaveHandler([](DocumentWindow& d) { d.setSaved(true); return true; });
      prompter.answers.assign(40, Answer::No);
      form.reset();
    }
    QFile::remove(iniPath);
  }

  void startupAndNaming() {
    startForm();
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
    auto* windowMenu = form->findChild<QMenu*>("mnWindow");
    emit windowMenu->aboutToShow();
    QStringList entries;
    for (QAction* a : windowMenu->actions())
      if (a->objectName() == "windowEntry") entries << a->text();
    QCOMPARE(entries, QStringList{"&1 pcwav001"});

    form->action("FileNew1")->trigger();
    form->FileNewOpr1Execute();
    form->FileNewOpr1Execute();
    QCOMPARE(Captions(*form), (QStringList{"pcwav001", "pcwav002", "pcope001", "pcope002"}));
    auto* newest = qobject_cast<TfrmWave*>(form->documents().last());
    QCOMPARE(newest->docKind(), 1);
    QCOMPARE(form->activeDocument(), newest);
    QCOMPARE(newest->parentWidget()->size(), QSize(586, 336));
  }

  void thirtyWindowLimit() {
    startForm();
    while (form->documents().size() < TMainForm::kMaxDocuments) QVERIFY(form->FileNewMod1Execute());
    QVERIFY(prompter.shown.empty());
    QCOMPARE(form->FileNewMod1Execute(), nullptr);
    QCOMPARE(form->FileNewOpr1Execute(), nullptr);
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{ERRMSG(27), ERRMSG(27)}));
    QCOMPARE(form->documents().size(), TMainForm::kMaxDocuments);
    QCOMPARE(form->oprCount(), 0);  // a refused New does not use up a name

    form->mdiArea()->subWindowList().first()->close();
    QCoreApplication::processEvents();
    TfrmWave* again = form->FileNewMod1Execute();
    QVERIFY(again);
    QCOMPARE(again->caption(), QString("pcwav031"));
  }

  void documentClosePrompt() {
    startForm();
    auto* doc = qobject_cast<TfrmWave*>(form->documents().first());
    Draw(doc);
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->windowTitle().contains("[*]") && doc->isWindowModified());

    prompter.answers = {Answer::Cancel};
    doc->parentWidget()->close();
    QCOMPARE(form->documents().size(), 1);
    QCOMPARE(prompter.shown.back().message.prefix, std::string("pcwav001"));
    QCOMPARE(prompter.shown.back().message.id, IMFMSG(2));
    QCOMPARE(prompter.shown.back().buttons, Buttons::YesNoCancel);

    prompter.answers = {Answer::Yes};  // the save does not succeed: the window stays
    doc->parentWidget()->close();
    QCOMPARE(form->documents().size(), 1);

    prompter.answers = {Answer::No};
    doc->parentWidget()->close();
    QCoreApplication::processEvents();
    QCOMPARE(form->documents().size(), 0);
  }

  void mainWindowCloseWalk() {
    startForm();
    auto* first = qobject_cast<TfrmWave*>(form->documents().first());
    auto* second = form->FileNewMod1Execute();
    Draw(first);
    Draw(second);

    // No for the last document, Cancel for the first: nothing closes.
    prompter.answers = {Answer::No, Answer::Cancel};
    QVERIFY(!form->close());
    QCOMPARE(form->documents().size(), 2);
    QCOMPARE(prompter.shown.size(), size_t(2));
    QCOMPARE(prompter.shown[0].message.prefix, std::string("pcwav002"));
    QCOMPARE(prompter.shown[1].message.prefix, std::string("pcwav001"));

    // Yes, and the save does not happen: everything stays open.
    prompter.answers = {Answer::Yes};
    QVERIFY(!form->close());
    QCOMPARE(form->documents().size(), 2);
    QVERIFY(!second->isSaved());

    // Yes with a save that works, No for the other: the window closes, asking each once.
    int saves = 0;
    form->setSaveHandler([&](DocumentWindow& d) { ++saves; d.setSaved(true); return true; });
    prompter.shown.clear();
    prompter.answers = {Answer::Yes, Answer::No};
    QVERIFY(form->close());
    QCOMPARE(saves, 1);
    QCOMPARE(prompter.shown.size(), size_t(2));
  }

  void enablingFollowsDocumentCount() {
    startForm();
    QVERIFY(MenuEnabled(*form, "mnEdit"));
    // An empty waveform cannot be saved or sent.
    QVERIFY(!form->action("FileSave1")->isEnabled());
    QVERIFY(!form->action("mnTransSend")->isEnabled());
    Draw(qobject_cast<TfrmWave*>(form->documents().first()));
    QVERIFY(form->action("FileSave1")->isEnabled());

    form->findChild<QToolBar*>("tbzm")->setProperty("viewChecked", false);
    prompter.answers = {Answer::No};
    form->mdiArea()->subWindowList().first()->close();
    QCoreApplication::processEvents();
    for (const char* menu : {"mnEdit", "mnView", "mnWave", "mnWave2", "mnMath", "mnMath2"})
      QVERIFY2(!MenuEnabled(*form, menu), menu);
    for (const char* bar : {"tbzm", "tbms", "tbpl", "tbNor", "tbxy"})
      QVERIFY2(form->findChild<QToolBar*>(bar)->isHidden(), bar);
    QVERIFY(!form->findChild<QToolBar*>("tbfl")->isHidden());
    for (const char* name : {"EditCut1", "EditCopy1", "EditPaste1", "FileSave1", "EditUndo1",
                             "FileSaveAs1", "mnTransSend", "mnFileSaveUSB"})
      QVERIFY2(!form->action(name)->isEnabled(), name);

    form->FileNewMod1Execute();
    QVERIFY(MenuEnabled(*form, "mnMath"));
    QVERIFY(form->findChild<QToolBar*>("tbzm")->isHidden());  // its View item is unchecked
    QVERIFY(!form->findChild<QToolBar*>("tbms")->isHidden());
  }

  void settingsReadAtFirstShow() {
    writeIni("[Files]\nFile0=/data/one.awf\nFile2=/data/three.awf\n"
             "[ToolBar]\nmnViewToolBarZoom=0\n[View]\nLineDisp=0\nLanguage=English\n"
             "[Refresh]\nLimit=$10\n[Message]\nERRMSG27=Too many windows.\n");
    startForm();
    QCOMPARE(form->refreshLimit(), 16);
    QCOMPARE(AppContext::instance().language(), std::string("English"));
    QCOMPARE(AppContext::instance().text(ERRMSG(27)), QString("Too many windows."));
    QCOMPARE(AppContext::instance().text(ERRMSG(17)), QString("Message not found"));
    QVERIFY(!form->action("mnViewLine")->isChecked());
    QVERIFY(form->findChild<QToolBar*>("tbzm")->isHidden());
    QVERIFY(!form->action("mnViewToolbarZoom")->isChecked());
    QVERIFY(form->action("N1")->isVisible());
    QCOMPARE(form->action("mnFileLastFile1")->text(), QString("1(&1) one.awf"));
    QCOMPARE(form->action("mnFileLastFile1")->statusTip(), QString("/data/one.awf"));
    QVERIFY(!form->action("mnFileLastFile2")->isVisible());
    QCOMPARE(form->action("mnFileLastFile3")->text(), QString("3(&3) three.awf"));
  }

  void noRecentFilesKeepsSeparatorHidden() {
    writeIni("[Files]\nFile0=\nFile1=\n");
    startForm();
    QVERIFY(!form->action("N1")->isVisible());
    form->AddRecentFile("/x/a.awf");
    QVERIFY(form->action("N1")->isVisible());
  }

  void toolBarToggleIsRemembered() {
    startForm();
    form->action("mnViewToolbarZoom")->trigger();
    QVERIFY(form->findChild<QToolBar*>("tbzm")->isHidden());
    IniFile ini(iniPath.toStdString());
    QCOMPARE(ini.ReadString("ToolBar", "mnViewToolbarZoom", "?"), std::string("0"));
    form.reset();
    startForm();
    QVERIFY(form->findChild<QToolBar*>("tbzm")->isHidden());
    QVERIFY(!form->action("mnViewToolbarZoom")->isChecked());
  }

  void recentFilesWrittenOnClose() {
    startForm();
    form->AddRecentFile("/d/a.awf");
    form->AddRecentFile("/d/b.awf");
    QVERIFY(form->close());
    IniFile ini(iniPath.toStdString());
    QCOMPARE(ini.ReadString("Files", "File0", ""), std::string("/d/b.awf"));
    QCOMPARE(ini.ReadString("Files", "File1", ""), std::string("/d/a.awf"));
    QCOMPARE(ini.ReadString("Files", "File2", "none"), std::string("none"));
  }

  void unwritableSettingsDoNotBlockClosing() {
    QFile::remove(iniPath);
    QVERIFY(QDir().mkpath(iniPath));  // a folder where the file should be
    startForm();
    form->AddRecentFile("/d/a.awf");
    QVERIFY(form->close());
    QCOMPARE(prompter.texts.size(), size_t(1));
    QVERIFY(QString::fromStdString(prompter.texts[0]).contains(iniPath));
    QDir().rmdir(iniPath);
  }

  void closeUntouchedStartup() {
    startForm();
    form->CloseUntouchedStartup();
    QCoreApplication::processEvents();
    QVERIFY(form->documents().isEmpty());
    form.reset();
    startForm();
    Draw(qobject_cast<TfrmWave*>(form->documents().first()));
    form->CloseUntouchedStartup();
    QCoreApplication::processEvents();
    QCOMPARE(form->documents().size(), 1);
  }

  void openDocumentFromHandOverBuffer() {
    startForm();
    for (int i = 0; i < 3; ++i) form->loadSamples[size_t(i)] = 100 + i;
    auto* awd = qobject_cast<TfrmWave*>(form->OpenDocument(0, "/d/first.awd", 3));
    QCOMPARE(awd->caption(), QString("first"));
    QVERIFY(awd->fileName().isEmpty());  // saved under a new name later
    QCOMPARE(awd->doc().waveData[2], 102);
    QCOMPARE(awd->doc().blockNo[2], std::int16_t(-1));
    QCOMPARE(awd->doc().waveData[3], -1);
    QVERIFY(awd->isSaved());
    QVERIFY(form->action("FileSave1")->isEnabled());
    auto* awf = form->OpenDocument(0, "/d/Second.AWF", 1);
    QCOMPARE(awf->fileName(), QString("/d/Second.AWF"));
    auto* received = form->OpenDocument(0, "", 1);
    QCOMPARE(received->caption(), QString("pcwav004"));
    QCOMPARE(form->modCount(), 4);
  }

  void findOpenDocument() {
    startForm();
    auto* first = form->documents().first();
    first->setFileName("/d/a.awf");
    form->FileNewMod1Execute();
    QVERIFY(form->FindOpenDocument("/d/a.awf"));
    QCOMPARE(form->activeDocument(), first);
    QVERIFY(!form->FindOpenDocument("/d/A.awf"));
  }
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
