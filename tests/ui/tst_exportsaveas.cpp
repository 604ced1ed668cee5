// Save As through the desktop's own file dialog to the export formats: a waveform as WAV,
// a pattern as VCD. The user picks the file type in the dialog's type box and types a name.
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <sndfile.h>

#include <cmath>

#include "core/files/VcdExport.h"
#include "support/FakePrompter.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileCommands.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

class TestExportSaveAs : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  test::FakePrompter prompter;
  std::unique_ptr<test::TempDir> dir;
  QString iniPath = AppContext::besideExecutable(".INI");
  QStringList typesShown;

  // Answers the Save As dialog once it is up: the file type chosen with the keyboard in the
  // type box (typeSteps down from the first), the name put into the test's folder, Save
  // pressed. A dialog still open after a failed check is cancelled, so nothing waits on it.
  void answerDialog(int typeSteps, const std::string& name) {
    QTimer::singleShot(0, form.get(), [this, typeSteps, name] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      fillDialog(*dialog, typeSteps, name);
      if (dialog->isVisible()) dialog->reject();
    });
  }
  void fillDialog(QFileDialog& dialog, int typeSteps, const std::string& name) {
    auto* types = dialog.findChild<QComboBox*>("fileTypeCombo");
    auto* box = dialog.findChild<QDialogButtonBox*>("buttonBox");
    QVERIFY(types && box && box->button(QDialogButtonBox::Save));
    typesShown.clear();
    for (int i = 0; i < types->count(); ++i) typesShown << types->itemText(i);
    types->setFocus();
    for (int i = 0; i < typeSteps; ++i) QTest::keyClick(types, Qt::Key_Down);
    dialog.selectFile(QString::fromStdString(dir->file(name)));
    QTest::mouseClick(box->button(QDialogButtonBox::Save), Qt::LeftButton);
  }

 private slots:
  void init() {
    QFile::remove(iniPath);
    dir = std::make_unique<test::TempDir>();
    prompter = test::FakePrompter();
    AppContext::instance().setLanguage("Japanese");
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    InstallFileCommands(*form);
    form->show();
    QCoreApplication::processEvents();
  }
  void cleanup() {
    form->setSaveHandler([](DocumentWindow& d) { d.setSaved(true); return true; });
    form.reset();
    dir.reset();
    QFile::remove(iniPath);
  }

  void waveformAsWav() {
    QFile ini(iniPath);
    QVERIFY(ini.open(QIODevice::WriteOnly));
    ini.write("[Export]\nWavSampleRate=11025\n");
    ini.close();
    TfrmWave* doc = form->FileNewMod1Execute();
    for (int i = 0; i < 16384; ++i) {
      doc->doc().waveData[std::size_t(i)] = (i * 5) % 4096;
      doc->doc().blockNo[std::size_t(i)] = -1;
    }
    doc->doc().CommitEdit(0, 16383);
    const QString caption = doc->caption();

    answerDialog(2, "sound");
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(typesShown, (QStringList{"Binary Files(*.awf)", "CSV Files(*.csv)", "WAV Files(*.wav)"}));

    SF_INFO info{};
    SNDFILE* f = sf_open(dir->file("sound.wav").c_str(), SFM_READ, &info);
    QVERIFY2(f, sf_strerror(nullptr));
    std::vector<short> frames(std::size_t(info.frames));
    sf_read_short(f, frames.data(), info.frames);
    sf_close(f);
    QCOMPARE(info.samplerate, 11025);
    QCOMPARE(info.channels, 1);
    QCOMPARE(frames.size(), std::size_t(16384));
    for (int i = 0; i < 16384; ++i)
      QCOMPARE(int(std::lround((frames[std::size_t(i)] + 32768) * 4095.0 / 65535.0)), (i * 5) % 4096);

    // An export: the document keeps its name, stays modified and still has no file.
    QCOMPARE(doc->caption(), caption);
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->fileName().isEmpty());
  }

  void patternAsVcd() {
    TfrmPpg* doc = form->FileNewPPG1Execute();
    for (int a = 0; a < 16384; a += 3) doc->doc().bit(1, a) = 1;
    doc->doc().bit(5, 16383) = 1;
    doc->doc().CommitEdit(0, 16383);
    const QString caption = doc->caption();

    answerDialog(2, "logic.txt");
    prompter.answers = {Answer::Ok};  // the fixed extension
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(typesShown, (QStringList{"Binary Files(*.ppg)", "CSV Files(*.csv)", "VCD Files(*.vcd)"}));
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(30)});
    QCOMPARE(prompter.shown[0].message.suffix, std::string("( .vcd )"));

    QFile vcd(QString::fromStdString(dir->file("logic.vcd")));
    QVERIFY(vcd.open(QIODevice::ReadOnly));
    QCOMPARE(vcd.readAll().toStdString(), BuildVcd(doc->doc().bitData, *ParseVcdTimeStep("1us")));
    QVERIFY(!QFile::exists(QString::fromStdString(dir->file("logic.txt"))));
    QCOMPARE(doc->caption(), caption);
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->fileName().isEmpty());
  }
};

QTEST_MAIN(TestExportSaveAs)
#include "tst_exportsaveas.moc"
