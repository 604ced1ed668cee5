// File > Save To USB Memory through the real menu item and the real drive dialog, with the
// drive list injected: temporary folders are the sticks, the questions and the save dialog
// are scripted.
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTimer>
#include <QTreeView>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <functional>
#include <optional>

#include "core/files/UsbExport.h"
#include "core/files/WaveFile.h"
#include "support/MainWindowFixture.h"
#include "support/FakeDrives.h"
#include "support/TempDir.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileServices.h"
#include "ui/files/TfrmDrv.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

namespace fs = std::filesystem;
using test::FakeDrives;

// The save dialog answers from a queue; an empty queue cancels.
class SaveChooser : public FileChooser {
 public:
  std::deque<std::string> names;
  std::vector<SaveDialogRequest> requests;
  std::optional<std::string> Open(const OpenDialogRequest&) override { return std::nullopt; }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest& request) override {
    requests.push_back(request);
    if (names.empty()) return std::nullopt;
    SaveDialogChoice choice{names.front(), 1};
    names.pop_front();
    return choice;
  }
};

// What the drive dialog showed when it opened.
struct DialogSeen {
  QString title;
  QStringList items;
  QString folder;
  bool folderViewEnabled = true;
};

}  // namespace

class TestUsbExport : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  SaveChooser chooser;
  FakeDrives drives;
  std::vector<DialogSeen> seen;

  static std::string Root(const test::TempDir& stick) { return stick.path().string(); }
  static std::string Folder(const test::TempDir& stick, const char* kind) {
    return stick / (std::string("XJ/") + kind);
  }

  // The next drive dialog: note what it shows, then act on its widgets.
  void OnDriveDialog(std::function<void(TfrmDrv&)> act) {
    QTimer::singleShot(0, form.get(), [this, act] {
      auto* dialog = qobject_cast<TfrmDrv*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      auto* list = dialog->findChild<QListWidget*>("listDrv");
      DialogSeen s{dialog->windowTitle(), {}, dialog->shownFolder(),
                   dialog->findChild<QTreeView*>("DirectoryListBox1")->isEnabled()};
      for (int i = 0; i < list->count(); ++i) s.items << list->item(i)->text();
      seen.push_back(s);
      act(*dialog);
    });
  }
  static void Press(TfrmDrv& dialog, const char* button) {
    QTest::mouseClick(dialog.findChild<QPushButton*>(button), Qt::LeftButton);
  }
  static void ClickDrive(TfrmDrv& dialog, int row) {
    auto* list = dialog.findChild<QListWidget*>("listDrv");
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      list->visualItemRect(list->item(row)).center());
  }
  void ExpectOk() {
    OnDriveDialog([](TfrmDrv& d) { Press(d, "bnOK"); });
  }

  DocumentWindow* DrawnWave(int kind) {
    form->loadSamples.assign(16384, 2048);
    DocumentWindow* doc = form->OpenDocument(kind, {}, 16384);
    QCoreApplication::processEvents();
    return doc;
  }
  void Export() {
    QAction* item = form->action("mnFileSaveUSB");
    QVERIFY(item->isVisible() && item->isEnabled());
    item->trigger();
    QCoreApplication::processEvents();
  }

 private slots:
  void init() {
    Start(chooser);
    chooser = SaveChooser();
    drives.drives.clear();
    seen.clear();
    FileServices::of(*form).setDrives(&drives);
  }
  void cleanup() { Stop(); }

  void noDriveIsReportedAndNothingOpens() {
    DrawnWave(0);
    Export();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(33)});
    QVERIFY(seen.empty());
    QVERIFY(chooser.requests.empty());
    QCOMPARE(form->usbDrive(), std::string());
  }

  // One stick: the first export asks for the drive and the folder, the next one goes there
  // directly; an Operation document gets its own folder.
  void oneStickIsAskedForOnceAndTheFolderMade() {
    test::TempDir stick;
    drives.drives = {{Root(stick), "STICK"}};
    DocumentWindow* wave = DrawnWave(0);
    const std::string caption = wave->caption().toStdString();
    chooser.names = {Folder(stick, "MOD_WAV") + "/carrier"};
    ExpectOk();
    Export();

    QCOMPARE(int(seen.size()), 1);
    QCOMPARE(seen[0].title, QString("Select Drive"));
    QCOMPARE(seen[0].items, QStringList{QString::fromStdString(Root(stick)) + "  [STICK]"});
    QCOMPARE(seen[0].folder, QString::fromStdString(Root(stick)));
    QVERIFY(!seen[0].folderViewEnabled);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(19)});
    QCOMPARE(prompter.shown[0].message.prefix, Folder(stick, "MOD_WAV"));
    QCOMPARE(chooser.requests[0].fileName, Folder(stick, "MOD_WAV") + "/" + caption);
    QCOMPARE(test::ReadText(Folder(stick, "MOD_WAV") + "/carrier.awf").size(), kWaveFileSize);
    QCOMPARE(wave->fileName().toStdString(), Folder(stick, "MOD_WAV") + "/carrier.awf");
    QVERIFY(wave->isSaved());
    QCOMPARE(form->usbDrive(), Root(stick));

    DrawnWave(1);
    chooser.names = {Folder(stick, "OPE_WAV") + "/operation"};
    Export();
    QCOMPARE(int(seen.size()), 1);  // no dialog this time
    QVERIFY(fs::exists(Folder(stick, "OPE_WAV") + "/operation.ope"));
  }

  // Two sticks: the clicked one is taken and remembered, even after it has been pulled out;
  // then the folder cannot be made and nothing lands in the empty mount point.
  void twoSticksTheClickedOneIsRemembered() {
    test::TempDir first, second, third;
    drives.drives = {{Root(first), ""}, {Root(second), "B"}};
    TfrmPpg* pattern = form->FileNewPPG1Execute();
    QVERIFY(pattern);
    chooser.names = {Folder(second, "PPG_WAV") + "/clock"};
    QString folderAfterClick;
    OnDriveDialog([&](TfrmDrv& d) {
      ClickDrive(d, 1);
      folderAfterClick = d.shownFolder();
      Press(d, "bnOK");
    });
    Export();
    QCOMPARE(seen[0].items, (QStringList{QString::fromStdString(Root(first)),
                                         QString::fromStdString(Root(second)) + "  [B]"}));
    QCOMPARE(seen[0].folder, QString::fromStdString(Root(first)));
    QCOMPARE(folderAfterClick, QString::fromStdString(Root(second)));
    QVERIFY(fs::exists(Folder(second, "PPG_WAV") + "/clock.ppg"));
    QVERIFY(!fs::exists(Root(first) + "/XJ"));
    QCOMPARE(form->usbDrive(), Root(second));

    drives.drives = {{Root(first), ""}, {Root(third), ""}};
    prompter.shown.clear();
    Export();
    QCOMPARE(int(seen.size()), 1);
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{IMFMSG(19), ERRMSG(34)}));
    QCOMPARE(int(chooser.requests.size()), 1);
  }

  void cancelledDialogWritesNothingAndForgetsTheDrive() {
    test::TempDir stick, other;
    drives.drives = {{Root(stick), ""}};
    DrawnWave(0);
    form->usbDrive() = Root(other);  // a stick chosen earlier, now gone
    OnDriveDialog([](TfrmDrv& d) { Press(d, "bnCancel"); });
    Export();
    QCOMPARE(int(seen.size()), 1);
    QVERIFY(prompter.shown.empty());
    QVERIFY(chooser.requests.empty());
    QVERIFY(!fs::exists(Root(stick) + "/XJ"));
    QCOMPARE(form->usbDrive(), std::string());
  }

  // No writes nothing; a folder that cannot be made (a file where "XJ" belongs, which stops
  // root too) is reported.
  void folderQuestionNoAndCreationFailure() {
    test::TempDir stick;
    drives.drives = {{Root(stick), ""}};
    DocumentWindow* wave = DrawnWave(0);
    prompter.answers = {Answer::No};
    ExpectOk();
    Export();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(19)});
    QVERIFY(chooser.requests.empty());
    QVERIFY(!fs::exists(Root(stick) + "/XJ"));

    test::WriteText(Root(stick) + "/XJ", "a file");
    prompter.shown.clear();
    Export();
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{IMFMSG(19), ERRMSG(34)}));
    QVERIFY(chooser.requests.empty());
    QVERIFY(wave->fileName().isEmpty());
  }

  // No to the overwrite question: the save dialog opens again in the same folder (which
  // still exists, so no folder question), the old file stays.
  void declinedOverwriteReopensTheSaveDialog() {
    test::TempDir stick;
    drives.drives = {{Root(stick), ""}};
    fs::create_directories(Folder(stick, "MOD_WAV"));
    test::WriteText(Folder(stick, "MOD_WAV") + "/old.awf", "keep");
    DocumentWindow* wave = DrawnWave(0);
    const std::string caption = wave->caption().toStdString();
    chooser.names = {Folder(stick, "MOD_WAV") + "/old", Folder(stick, "MOD_WAV") + "/new"};
    prompter.answers = {Answer::No};
    ExpectOk();
    Export();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(23)});
    QCOMPARE(int(chooser.requests.size()), 2);
    QCOMPARE(chooser.requests[1].fileName, Folder(stick, "MOD_WAV") + "/" + caption);
    QCOMPARE(test::ReadText(Folder(stick, "MOD_WAV") + "/old.awf"), std::string("keep"));
    QVERIFY(fs::exists(Folder(stick, "MOD_WAV") + "/new.awf"));
    QCOMPARE(wave->caption(), QString("new"));
  }

  void closingTheLastDocumentForgetsTheDrive() {
    test::TempDir stick;
    drives.drives = {{Root(stick), ""}};
    fs::create_directories(Folder(stick, "MOD_WAV"));
    DrawnWave(0);
    ExpectOk();
    Export();  // the save dialog is cancelled: the drive is still remembered
    QCOMPARE(form->usbDrive(), Root(stick));

    const QList<DocumentWindow*> docs = form->documents();
    docs.back()->closeWithoutPrompt();
    QCoreApplication::processEvents();
    QCOMPARE(form->usbDrive(), Root(stick));  // one document is still open
    form->documents().front()->closeWithoutPrompt();
    QCoreApplication::processEvents();
    QVERIFY(form->documents().isEmpty());
    QCOMPARE(form->usbDrive(), std::string());

    DrawnWave(0);
    ExpectOk();
    Export();
    QCOMPARE(int(seen.size()), 2);  // the dialog asks again
  }
};

QTEST_MAIN(TestUsbExport)
#include "tst_usbexport.moc"
