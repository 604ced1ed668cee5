// Trans > Send and Trans > Receive through the real main window and dialogs, offscreen, with
// the simulated GPIB driver library named in the settings file beside the test executable.
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QMessageBox>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <system_error>

#include "LanServer.h"
#include "PtySerial.h"
#include "core/comm/Protocol.h"
#include "core/files/FileHeaderSettings.h"
#include "core/files/PatternFile.h"
#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/comm/TfrmTransCfg.h"
#include "ui/comm/Tfrmreceiv.h"
#include "ui/comm/Tfrmtrans.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileServices.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"

#ifdef NQSIM_GPIB_LIBRARY
#include "support/NqsimGpib.h"
#endif

using namespace averoz;

namespace {

using Ids = std::vector<MessageId>;

// Cancels every file dialog, except that a save dialog chooses saveAs when it is set.
class ScriptedChooser : public FileChooser {
 public:
  int asked = 0;
  std::string saveAs;
  std::optional<std::string> Open(const OpenDialogRequest&) override {
    ++asked;
    return std::nullopt;
  }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override {
    ++asked;
    if (saveAs.empty()) return std::nullopt;
    return SaveDialogChoice{saveAs, 1};
  }
};

// Runs a script on the first modal dialog that appears while a command runs, then closes it
// if the script left it open. Gives up after a few seconds so that no test can hang.
class ModalScript : public QObject {
 public:
  explicit ModalScript(std::function<void(QDialog&)> script) : script_(std::move(script)) {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] { poll(); });
    timer_.start();
  }
  bool ran() const { return ran_; }
  QString title;

 private:
  void poll() {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    if (dialog) {
      timer_.stop();
      ran_ = true;
      title = dialog->windowTitle();
      script_(*dialog);
      if (dialog->isVisible()) dialog->reject();
    } else if (++polls_ > 1000) {
      timer_.stop();
    }
  }
  std::function<void(QDialog&)> script_;
  QTimer timer_;
  bool ran_ = false;
  int polls_ = 0;
};

// Closes every message box that comes up while it lives, keeping its text.
class BoxWatcher : public QObject {
 public:
  BoxWatcher() {
    timer_.setInterval(5);
    connect(&timer_, &QTimer::timeout, this, [this] {
      if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
        texts.push_back(box->text());
        if (seen) seen();
        box->accept();
      }
    });
    timer_.start();
  }
  QStringList texts;
  std::function<void()> seen;  // looks around while a box is up

 private:
  QTimer timer_;
};

template <class T>
T* Child(QWidget& dialog, const char* name) {
  return dialog.findChild<T*>(QLatin1String(name));
}

std::vector<std::int32_t> Ramp(int seed) {
  std::vector<std::int32_t> samples(kBlockWords);
  for (std::size_t i = 0; i < samples.size(); ++i)
    samples[i] = static_cast<std::int32_t>((i * 5 + std::size_t(seed) * 97) % 4096);
  return samples;
}

void WriteSettings(const QString& text) {
  QVERIFY(test::WriteJapaneseSettings(AppContext::besideExecutable(QStringLiteral(".INI")),
                                      text.toUtf8()));
}

}  // namespace

class TestTransfer : public QObject {
  Q_OBJECT

  std::unique_ptr<TMainForm> form;
  test::FakePrompter prompter;
  ScriptedChooser chooser;
#ifdef NQSIM_GPIB_LIBRARY
  std::unique_ptr<test::NqsimGpib> sim;
#endif

  // The start-up document, complete and saved, holding the ramp of seed.
  TfrmWave& SavedWave(int seed) {
    auto* wave = qobject_cast<TfrmWave*>(form->activeDocument());
    Q_ASSERT(wave);
    wave->doc().waveData = Ramp(seed);
    wave->setFileName(QStringLiteral("/tmp/sendrecv-test.awf"));
    wave->setSaved(true);
    return *wave;
  }

  // A main window as the program starts it, with the scripted prompter and chooser.
  void StartForm() {
    if (form)
      for (DocumentWindow* doc : form->documents()) doc->setSaved(true);
    form.reset();
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    FileServices::of(*form).setChooser(&chooser);
    form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() {
#ifndef NQSIM_GPIB_LIBRARY
    QSKIP("the instrument simulator is not part of this build");
#else
    sim = std::make_unique<test::NqsimGpib>(NQSIM_GPIB_LIBRARY);
    QVERIFY(sim->ok());
#endif
  }

  void init() {
#ifdef NQSIM_GPIB_LIBRARY
    sim->reset();
    WriteSettings(QStringLiteral("[GPIB]\nAddress=4\nLibrary=%1\n").arg(NQSIM_GPIB_LIBRARY));
#endif
    prompter = test::FakePrompter();
    chooser = ScriptedChooser();
    StartForm();
  }

  void cleanup() {
    if (form)
      for (DocumentWindow* doc : form->documents()) doc->setSaved(true);
    form.reset();
    QFile::remove(AppContext::besideExecutable(QStringLiteral(".INI")));
  }

#ifdef NQSIM_GPIB_LIBRARY
  void sendDialogControlsAndRoundTrip() {
    TfrmWave& wave = SavedWave(1);
    bool idleBefore = false;
    ModalScript script([&](QDialog& d) {
      auto* block = Child<QComboBox>(d, "cbblock");
      auto* method = Child<QComboBox>(d, "cbMethod");
      QCOMPARE(block->currentText(), QStringLiteral("0"));
      QCOMPARE(method->currentText(), QStringLiteral("GPIB"));
      QCOMPARE(Child<QPushButton>(d, "bnOK")->text(), QStringLiteral("Send"));
      QCOMPARE(Child<QPushButton>(d, "bnCancel")->text(), QStringLiteral("Cancel"));
      QCOMPARE(Child<QPushButton>(d, "bnAbort")->text(), QStringLiteral("Abort"));
      QVERIFY(Child<QLabel>(d, "imgPC") && Child<QLabel>(d, "imgPG"));
      idleBefore = Child<QPushButton>(d, "bnAbort")->isHidden() &&
                   Child<QLabel>(d, "lblinfo")->isHidden();
      block->setCurrentIndex(2);
      Child<QPushButton>(d, "bnOK")->click();
      // Back to idle, still open.
      QVERIFY(d.isVisible());
      QVERIFY(Child<QPushButton>(d, "bnAbort")->isHidden());
      QVERIFY(Child<QPushButton>(d, "bnOK")->isEnabled());
      QCOMPARE(Child<QProgressBar>(d, "pbaccess")->value(), 0);
      Child<QPushButton>(d, "bnCancel")->click();
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QCOMPARE(script.title, QStringLiteral("Send to NQ"));
    QVERIFY(idleBefore);
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QVERIFY(sim->memory(2) == BuildPayload(wave.doc().waveData));
    // The payload is dropped when the dialog closes; the memory is back at "0" next time.
    QVERIFY(Tfrmtrans::of(*form).transferPayload().empty());
    ModalScript again([&](QDialog& d) {
      QCOMPARE(Child<QComboBox>(d, "cbblock")->currentText(), QStringLiteral("0"));
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(again.ran());
  }

  // "Verify after sending" is off at first; pressed, it stays on in the settings file, and a
  // send then reads the memory back: a memory that stored the block wrong fails it, naming the
  // first word that differs.
  void verifyAfterSendingReadsTheMemoryBack() {
    TfrmWave& wave = SavedWave(3);
    const auto sent = BuildPayload(wave.doc().waveData);
    QVERIFY(sim->fault("corrupt_store") == 0);
    bool offAtFirst = false;
    ModalScript plain([&](QDialog& d) {
      auto* verify = Child<QCheckBox>(d, "cbVerify");
      QCOMPARE(verify->text(), QStringLiteral("Verify after sending"));
      offAtFirst = !verify->isChecked();
      Child<QPushButton>(d, "bnOK")->click();  // unverified: the fault goes unnoticed
      QTest::mouseClick(verify, Qt::LeftButton);
      Child<QPushButton>(d, "bnOK")->click();
      Child<QPushButton>(d, "bnCancel")->click();
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(plain.ran());
    QVERIFY(offAtFirst);
    QCOMPARE(prompter.ids(), (Ids{IMFMSG(14), IMFMSG(14), ERRMSG(21)}));
    QCOMPARE(prompter.shown[2].message.suffix,
             std::string("\nRead back, address 8192 differs from what was sent."));
    QVERIFY(AppContext::instance().settings().ReadBool("Trans", "VerifyAfterSend", false));

    // Kept for the next time the dialog opens; a sound memory passes.
    sim->fault("none");
    prompter = test::FakePrompter();
    bool stillOn = false;
    ModalScript again([&](QDialog& d) {
      stillOn = Child<QCheckBox>(d, "cbVerify")->isChecked();
      Child<QPushButton>(d, "bnOK")->click();
      Child<QPushButton>(d, "bnCancel")->click();
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(again.ran());
    QVERIFY(stillOn);
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QVERIFY(sim->memory(0) == sent);
  }

  // A new pattern is saved first (Save As), then goes as its file image, whole, behind a
  // header that announces the image's length.
  void patternSendSavesFirstAndStoresTheFileImage() {
    test::TempDir dir;
    chooser.saveAs = dir / "pattern1.ppg";
    form->action(QStringLiteral("FileNewPPG1"))->trigger();
    auto* ppg = qobject_cast<TfrmPpg*>(form->activeDocument());
    QVERIFY(ppg);
    for (int a = 0; a < kPatternLength; ++a) {
      ppg->doc().bit(0, a) = a & 1;      // CH1 a clock
      ppg->doc().bit(5, a) = a >= 8192;  // CH6 high in the second half
    }
    std::vector<std::uint8_t> opened;
    ModalScript script([&](QDialog& d) {
      opened = Tfrmtrans::of(*form).transferPayload();
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(1);
      Child<QPushButton>(d, "bnOK")->click();
    });
    QAction* send = form->action(QStringLiteral("mnTransSend"));
    QVERIFY(send->isEnabled());
    send->trigger();
    QVERIFY(script.ran());
    QCOMPARE(script.title, QStringLiteral("Send to NQ"));
    QCOMPARE(chooser.asked, 1);
    QCOMPARE(ppg->fileName(), QString::fromStdString(chooser.saveAs));
    QVERIFY(ppg->isSaved());
    QCOMPARE(prompter.ids(), (Ids{IMFMSG(11), IMFMSG(14)}));

    const std::vector<std::uint8_t> stored = sim->memory(1);
    QCOMPARE(stored.size(), std::size_t(70) + kBlockCount);
    QVERIFY(stored == opened);
    // The image of the document's bits under its file name, at the time the dialog opened
    // (year, month, day, hour, minute, second follow the 30 bytes of model, version and name).
    const LocalDateTime when{(stored[30] << 8) | stored[31], stored[32], stored[33],
                             stored[34], stored[35], stored[36]};
    QVERIFY(stored == BuildPatternImage(ppg->doc().bitData, chooser.saveAs,
                                        SaveHeaderSettings{}, when));
  }

  void receiveOpensNewDocuments() {
    const auto stored = BuildPayload(Ramp(2));
    sim->load(1, stored);
    ModalScript script([&](QDialog& d) {
      QCOMPARE(Child<QLabel>(d, "lblWave")->text(), QStringLiteral("Memory Select"));
      QCOMPARE(Child<QPushButton>(d, "bnOK")->text(), QStringLiteral("Receive"));
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(1);
      Child<QPushButton>(d, "bnOK")->click();
      // The dialog stays in front of the new window: the status bar says where it went.
      QCOMPARE(form->statusBar()->currentMessage(), QStringLiteral("Memory 1 received in pcwav002"));
      Child<QPushButton>(d, "bnOK")->click();
      QCOMPARE(form->statusBar()->currentMessage(), QStringLiteral("Memory 1 received in pcwav003"));
      QVERIFY(d.isVisible());  // stays open for the next memory
    });
    QAction* receive = form->action(QStringLiteral("mnTransReceive"));
    QVERIFY(receive);
    receive->trigger();
    QVERIFY(script.ran());
    QCOMPARE(script.title, QStringLiteral("Receive from NQ"));
    QVERIFY(prompter.shown.empty());
    // The untouched start-up document made way; two documents with consecutive counters.
    const QList<DocumentWindow*> docs = form->documents();
    QCOMPARE(docs.size(), 2);
    QCOMPARE(docs[0]->caption(), QStringLiteral("pcwav002"));
    QCOMPARE(docs[1]->caption(), QStringLiteral("pcwav003"));
    for (DocumentWindow* doc : docs) {
      auto* wave = qobject_cast<TfrmWave*>(doc);
      QVERIFY(wave);
      QCOMPARE(wave->docKind(), 0);
      QVERIFY(wave->fileName().isEmpty());
      QVERIFY(wave->doc().waveData == Ramp(2));
    }
  }

  void refusedIdentity() {
    QVERIFY(sim->fault("one_field_idn") == 0);
    SavedWave(3);
    ModalScript send([](QDialog& d) {
      Child<QPushButton>(d, "bnOK")->click();
      QVERIFY(Child<QPushButton>(d, "bnOK")->isEnabled());
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(send.ran());
    QCOMPARE(prompter.ids(), Ids{ERRMSG(20)});

    prompter.shown.clear();
    ModalScript receive([](QDialog& d) { Child<QPushButton>(d, "bnOK")->click(); });
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(receive.ran());
    QCOMPARE(prompter.ids(), (Ids{ERRMSG(20), ERRMSG(12)}));
    QCOMPARE(form->documentCount(), 1);
  }

  void abortIsReachableDuringTheBlock() {
    SavedWave(4);
    bool abortShown = false;
    ModalScript script([&](QDialog& d) {
      auto* abort = Child<QPushButton>(d, "bnAbort");
      auto* progress = Child<QProgressBar>(d, "pbaccess");
      QObject::connect(progress, &QProgressBar::valueChanged, &d, [&, abort](int value) {
        if (value != 10) return;
        d.reject();  // Escape does not end a running transfer
        abortShown = abort->isVisible() && abort->isEnabled() &&
                     !Child<QPushButton>(d, "bnOK")->isEnabled() &&
                     Child<QLabel>(d, "lblinfo")->isVisible();
        QTest::mouseClick(abort, Qt::LeftButton);
      });
      Child<QPushButton>(d, "bnOK")->click();
      QObject::disconnect(progress, nullptr, &d, nullptr);
      QVERIFY(d.isVisible());
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QVERIFY(abortShown);
    QCOMPARE(prompter.ids(), Ids{ERRMSG(21)});
    QVERIFY(sim->memory(0) == std::vector<std::uint8_t>(kBlockCount, 0));
  }

  void unsavedDocumentAsksForSaveAs() {
    TfrmWave& wave = SavedWave(5);
    wave.setSaved(false);
    ModalScript script([](QDialog&) {});
    form->RunCommand(QStringLiteral("mnTransSend"));
    QCOMPARE(prompter.ids(), Ids{IMFMSG(11)});
    QCOMPARE(chooser.asked, 1);  // Save As, cancelled: no send
    QCoreApplication::processEvents();
    QVERIFY(!script.ran());
  }

  void unconfiguredInterfaceOpensTheConfiguration() {
    WriteSettings(QStringLiteral("[GPIB]\nLibrary=%1\n").arg(NQSIM_GPIB_LIBRARY));
    SavedWave(6);
    ModalScript send([](QDialog&) {});
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(send.ran());
    QCOMPARE(send.title, QStringLiteral("Configure Interface"));
    ModalScript receive([](QDialog&) {});
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(receive.ran());
    QCOMPARE(receive.title, QStringLiteral("Configure Interface"));
    QCOMPARE(prompter.ids(), (Ids{IMFMSG(10), IMFMSG(10)}));
    QCOMPARE(sim->writeSizes().size(), std::size_t(0));
  }

  void receiveRefusedWithThirtyWindows() {
    while (form->documentCount() < TMainForm::kMaxDocuments) QVERIFY(form->FileNewMod1Execute());
    ModalScript script([](QDialog&) {});
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QCOMPARE(prompter.ids(), Ids{ERRMSG(27)});
    QCoreApplication::processEvents();
    QVERIFY(!script.ran());
  }

  void tailFillCancelledStopsTheSend() {
    TfrmWave& wave = SavedWave(7);
    std::fill(wave.doc().waveData.begin() + 10000, wave.doc().waveData.end(), -1);
    const std::vector<std::int32_t> before = wave.doc().waveData;
    ModalScript script([](QDialog& d) { d.reject(); });  // Set Parameters for the DC fill
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QVERIFY(script.title != QStringLiteral("Send to NQ"));
    QCOMPARE(prompter.ids(), Ids{IMFMSG(8)});
    QVERIFY(wave.doc().waveData == before);
    QCOMPARE(sim->writeSizes().size(), std::size_t(0));
  }

  // A received memory is held by no file: it counts as changed until saved, so closing it asks.
  void receivedDocumentAsksBeforeClosing() {
    sim->load(0, BuildPayload(Ramp(9)));
    ModalScript script([](QDialog& d) { Child<QPushButton>(d, "bnOK")->click(); });
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(script.ran());
    QCOMPARE(form->documentCount(), 1);
    DocumentWindow* doc = form->documents().front();
    QCOMPARE(doc->caption(), QStringLiteral("pcwav002"));
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->isWindowModified());  // the title's "*"
    QCOMPARE(doc->findChild<QLabel*>(QStringLiteral("lblEdit"))->text(), QStringLiteral("*"));

    prompter.answers = {Answer::Cancel};
    form->action(QStringLiteral("FileClose1"))->trigger();
    QCoreApplication::processEvents();
    QCOMPARE(prompter.ids(), Ids{IMFMSG(2)});
    QCOMPARE(prompter.shown[0].message.prefix, std::string("pcwav002"));
    QCOMPARE(form->documentCount(), 1);  // Cancel keeps it
  }

  // A memory whose words are no waveform codes (a pattern image, say) opens no document.
  void memoryWithAWordAbove4095OpensNothing() {
    std::vector<std::uint8_t> stored = BuildPayload(Ramp(10));
    stored[2 * 1234] = 0x10;  // 4096 at address 1234
    stored[2 * 1234 + 1] = 0x00;
    sim->load(1, stored);
    ModalScript script([](QDialog& d) {
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(1);
      Child<QPushButton>(d, "bnOK")->click();
    });
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(script.ran());
    QCOMPARE(prompter.ids(), (Ids{ERRMSG(16), ERRMSG(12)}));
    QVERIFY(prompter.shown[0].message.suffix.find("Address 1234 holds 4096") != std::string::npos);
    QCOMPARE(form->documentCount(), 1);
    QCOMPARE(form->documents().front()->caption(), QStringLiteral("pcwav001"));
  }

  // The final box of a send, confirmed or refused, finds the dialog without the status text
  // of the confirmation ("Setting up ..."): the transfer is over by then.
  void finalBoxFindsNoStaleStatusText() {
    form->setPrompter(nullptr);  // the real message boxes
    QVERIFY(sim->inject("ack_refused", 4) == 0);  // the second send's final acknowledgement
    SavedWave(13);
    QLabel* info = Tfrmtrans::of(*form).findChild<QLabel*>(QStringLiteral("lblinfo"));
    QStringList statusUnderBox;
    BoxWatcher boxes;
    boxes.seen = [&] { statusUnderBox << (info->isVisible() ? info->text() : QString()); };
    ModalScript script([](QDialog& d) {
      Child<QPushButton>(d, "bnOK")->click();
      Child<QPushButton>(d, "bnOK")->click();
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QCOMPARE(boxes.texts, (QStringList{AppContext::instance().text(IMFMSG(14)),
                                       AppContext::instance().text(ERRMSG(21))}));
    QCOMPARE(statusUnderBox, (QStringList{QString(), QString()}));
  }

  // The interface chosen in either dialog is the one both show after a restart; nothing
  // stored, or an interface the list does not have, leaves GPIB.
  void chosenInterfaceSurvivesARestart() {
    ModalScript choose([](QDialog& d) {
      auto* method = Child<QComboBox>(d, "cbMethod");
      method->setFocus();
      QTest::keyClick(method, Qt::Key_Down);
      QCOMPARE(method->currentText(), QStringLiteral("RS-232C"));
    });
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(choose.ran());
    QCOMPARE(AppContext::instance().settings().ReadInteger("Trans", "Interface", -1), 1);

    const auto shown = [this] {
      StartForm();
      SavedWave(14);
      QStringList texts;
      const auto method = [&](QDialog& d) { texts << Child<QComboBox>(d, "cbMethod")->currentText(); };
      ModalScript send(method);
      form->RunCommand(QStringLiteral("mnTransSend"));
      ModalScript receive(method);
      form->RunFileCommand(QStringLiteral("mnTransReceive"));
      return texts;
    };
    QCOMPARE(shown(), (QStringList{"RS-232C", "RS-232C"}));
    AppContext::instance().settings().WriteInteger("Trans", "Interface", 7);
    QCOMPARE(shown(), (QStringList{"GPIB", "GPIB"}));
  }

  // The driver's status goes under the message on a line of its own.
  void gpibErrorBoxShowsTheStatusOnItsOwnLine() {
    form->setPrompter(nullptr);  // the real message boxes
    QVERIFY(sim->fault("err_ibdev") == 0);
    SavedWave(11);
    BoxWatcher boxes;
    ModalScript script([](QDialog& d) { Child<QPushButton>(d, "bnOK")->click(); });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QCOMPARE(boxes.texts.size(), 1);
    QCOMPARE(boxes.texts[0].split(QLatin1Char('\n')),
             (QStringList{AppContext::instance().text(GPMSG(5)),
                          QStringLiteral("ibsta = $8000< ERR > iberr = 7< ENEB:No GPIB board > "
                                         "ibcntl = 0")}));
  }

  // The same dialogs over RS-232C: the Qt serial port on COM1, mapped to the simulator.
  void serialRoundTrip() {
    std::optional<nqsim::PtySerial> line;
    try {
      line.emplace();
    } catch (const std::system_error& e) {
      QSKIP(e.what());  // no pseudo-terminals here
    }
    // An identification line of exactly the 23 characters the serial read asks for, so that
    // no read has to wait for the port's time-out.
    line->setIdentity("NQSIM,NQ-2000,000,1.000");
    WriteSettings(QStringLiteral("[GPIB]\nAddress=4\n[RS]\nPort=0\nCOM1=%1\n")
                      .arg(QString::fromStdString(line->slavePath())));
    SerialTiming quick;
    quick.settle = std::chrono::milliseconds{1};
    quick.longTimeout = std::chrono::milliseconds{2000};
    Tfrmtrans::of(*form).setSerialTiming(quick);
    Tfrmreceiv::of(*form).setSerialTiming(quick);

    TfrmWave& wave = SavedWave(8);
    ModalScript send([](QDialog& d) {
      Child<QComboBox>(d, "cbMethod")->setCurrentIndex(1);
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(3);
      Child<QPushButton>(d, "bnOK")->click();
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(send.ran());
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QVERIFY(line->memory(3) == BuildPayload(wave.doc().waveData));

    ModalScript receive([](QDialog& d) {
      Child<QComboBox>(d, "cbMethod")->setCurrentIndex(1);
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(3);
      Child<QPushButton>(d, "bnOK")->click();
    });
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(receive.ran());
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QCOMPARE(form->documentCount(), 2);
    auto* received = qobject_cast<TfrmWave*>(form->documents().back());
    QVERIFY(received && received->doc().waveData == Ramp(8));
  }

  // Abort while a piece waits for the line: the instrument, on a line paced at 19200 bit/s,
  // stops taking bytes part-way through the block. The send waits with the line, window
  // events run, and Abort ends it there: no further piece goes out.
  void serialAbortWhileAPieceWaitsForTheLine() {
    std::optional<nqsim::PtySerial> line;
    try {
      line.emplace(19200);
    } catch (const std::system_error& e) {
      QSKIP(e.what());
    }
    line->setIdentity("NQSIM,NQ-2000,000,1.000");
    line->holdBlockAt(1000);
    WriteSettings(QStringLiteral("[GPIB]\nAddress=4\n[RS]\nPort=0\nRate=4\nCOM1=%1\n")
                      .arg(QString::fromStdString(line->slavePath())));
    SerialTiming quick;
    quick.settle = std::chrono::milliseconds{1};
    quick.longTimeout = std::chrono::milliseconds{2000};
    quick.drainStall = std::chrono::milliseconds{50};
    // Far beyond the test's own wait: only Abort can end this one.
    quick.transmitTimeout = std::chrono::milliseconds{30000};
    Tfrmtrans::of(*form).setSerialTiming(quick);

    SavedWave(12);
    int atAbort = -1, after = 0;
    ModalScript script([&](QDialog& d) {
      auto* abort = Child<QPushButton>(d, "bnAbort");
      auto* progress = Child<QProgressBar>(d, "pbaccess");
      QObject::connect(progress, &QProgressBar::valueChanged, &d, [&](int value) {
        if (atAbort >= 0 && value > 0) ++after;
      });
      // The window's events while the send runs: once the held line has kept the progress
      // still for a while, press Abort.
      QTimer events;
      int still = 0, last = -1;
      QObject::connect(&events, &QTimer::timeout, &d, [&, abort, progress] {
        if (atAbort >= 0 || !line->holding() || !abort->isVisible()) return;
        still = progress->value() == last ? still + 1 : 0;
        last = progress->value();
        if (still < 20) return;
        atAbort = last;
        QTest::mouseClick(abort, Qt::LeftButton);
      });
      events.start(5);
      Child<QComboBox>(d, "cbMethod")->setCurrentIndex(1);
      Child<QPushButton>(d, "bnOK")->click();
      events.stop();
      QObject::disconnect(progress, nullptr, &d, nullptr);
    });
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(script.ran());
    QVERIFY2(atAbort > 0, "the send never waited for the line");
    QVERIFY(atAbort < 200);
    QCOMPARE(after, 0);  // stopped at the waiting piece
    QCOMPARE(prompter.ids(), (Ids{IMFMSG(21), ERRMSG(21)}));
    line->release();
    QVERIFY(line->memory(0) == std::vector<std::uint8_t>(kBlockCount, 0));
  }

  // The same dialogs over the LAN, picked by its letter in the interface list: the simulator
  // on a loopback port named in the settings.
  void lanRoundTrip() {
    std::optional<nqsim::LanServer> server;
    try {
      server.emplace();
    } catch (const std::system_error& e) {
      QSKIP(e.what());  // no loopback sockets here
    }
    WriteSettings(QStringLiteral("[GPIB]\nAddress=4\n[TCPIP]\nIPAddress=127.0.0.1\nPortNo=%1\n")
                      .arg(server->port()));
    QStringList items;
    const auto pickLan = [&items](QDialog& d) {
      auto* method = Child<QComboBox>(d, "cbMethod");
      items.clear();
      for (int i = 0; i < method->count(); ++i) items << method->itemText(i);
      method->setFocus();
      QTest::keyClick(method, Qt::Key_L);
      Child<QComboBox>(d, "cbblock")->setCurrentIndex(1);
      QTest::mouseClick(Child<QPushButton>(d, "bnOK"), Qt::LeftButton);
    };
    TfrmWave& wave = SavedWave(9);
    ModalScript send(pickLan);
    form->RunCommand(QStringLiteral("mnTransSend"));
    QVERIFY(send.ran());
    QCOMPARE(items, QStringList({"GPIB", "RS-232C", "LAN"}));
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    const auto stored = server->with([](nqsim::Instrument& i) {
      return std::vector<std::uint8_t>(i.memory(1).begin(), i.memory(1).end());
    });
    QVERIFY(stored == BuildPayload(wave.doc().waveData));

    ModalScript receive(pickLan);
    form->RunFileCommand(QStringLiteral("mnTransReceive"));
    QVERIFY(receive.ran());
    QCOMPARE(prompter.ids(), Ids{IMFMSG(14)});
    QCOMPARE(form->documentCount(), 2);
    auto* received = qobject_cast<TfrmWave*>(form->documents().back());
    QVERIFY(received && received->doc().waveData == Ramp(9));
    QCOMPARE(server->connections(), 2);
  }
#endif
};

QTEST_MAIN(TestTransfer)
#include "tst_transfer.moc"
