// File > Open, the recent-file items, Save and Save As through the real main window and
// document windows, with the file dialogs, the preview and the fill dialog scripted.
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QGroupBox>
#include <QLabel>
#include <QMdiArea>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QWindow>
#include <QtTest>
#include <deque>
#include <filesystem>
#include <fstream>
#include <optional>

#include "core/files/AtomicWrite.h"
#include "core/files/OpenRules.h"
#include "core/files/WaveFile.h"
#include "core/wave/ParamDialog.h"
#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/DialogFilter.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileCommands.h"
#include "ui/files/FileServices.h"
#include "ui/files/PreviewDialog.h"
#include "ui/files/QtFileChooser.h"
#include "ui/files/Tfrmdatasel.h"
#include "ui/files/Tfrminfo.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

// Answers the open and save dialogs from queues; an empty queue cancels, so a flow that
// reopens its dialog always ends.
class ScriptedChooser : public FileChooser {
 public:
  std::deque<std::string> opens;
  std::deque<SaveDialogChoice> saves;
  std::vector<OpenDialogRequest> openRequests;
  std::vector<SaveDialogRequest> saveRequests;

  std::optional<std::string> Open(const OpenDialogRequest& request) override {
    openRequests.push_back(request);
    if (opens.empty()) return std::nullopt;
    std::string path = opens.front();
    opens.pop_front();
    return path;
  }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest& request) override {
    saveRequests.push_back(request);
    if (saves.empty()) return std::nullopt;
    SaveDialogChoice choice = saves.front();
    saves.pop_front();
    return choice;
  }
};

// Notes the pointer shape at every status-bar text and error box (-1: no busy pointer set).
class PointerWatchingPrompter : public test::FakePrompter {
 public:
  std::vector<int> pointerAtStatus, pointerAtText;
  void status(const std::string& text) override {
    pointerAtStatus.push_back(Pointer());
    FakePrompter::status(text);
  }
  void showText(const std::string& text, Icon icon) override {
    pointerAtText.push_back(Pointer());
    FakePrompter::showText(text, icon);
  }
  static int Pointer() {
    const QCursor* cursor = QGuiApplication::overrideCursor();
    return cursor ? int(cursor->shape()) : -1;
  }
};

// Bytes this process has read from files so far.
long long BytesRead() {
  std::ifstream io("/proc/self/io");
  std::string key;
  long long value = 0;
  while (io >> key >> value)
    if (key == "rchar:") return value;
  return -1;
}

class ScriptedPreview : public PreviewDialog {
 public:
  bool accept = true;
  std::vector<std::vector<std::string>> shown;
  bool RunPreview(const std::vector<std::string>& lines) override {
    shown.push_back(lines);
    return accept;
  }
};

// Set Parameters in fill mode: OK with a DC level, or Cancel.
class ScriptedFill : public ParamDialog {
 public:
  std::optional<std::int32_t> level = 1234;
  std::vector<ParamDialogSetup> setups;
  bool Run(const ParamDialogSetup& setup, ParamDialogHandler& handler) override {
    setups.push_back(setup);
    if (!level) return false;
    ParamChoice choice;
    choice.p = setup.shown;
    choice.p.ofs = *level;
    return handler.Accept(choice);
  }
};

// A file of 16384 words whose first count samples hold code; an undrawn sample is written
// as 4096, which ends the data.
void WriteWave(const std::string& path, std::int32_t code, int count = 16384) {
  std::vector<std::int32_t> samples(16384, -1);
  std::fill_n(samples.begin(), count, code);
  WriteFileAtomic(path, BuildWaveFileImage(samples, SaveHeaderSettings{}));
}

std::vector<std::int32_t> ReadBack(const std::string& path) {
  const WaveReadResult r = ReadWaveFile(path, 0, AppContext::instance().settings());
  return std::vector<std::int32_t>(r.samples.begin(), r.samples.begin() + std::max(r.count, 0));
}

void DrawAll(TfrmWave& doc, std::int32_t code, int count = 16384) {
  for (int i = 0; i < count; ++i) {
    doc.doc().waveData[std::size_t(i)] = code;
    doc.doc().blockNo[std::size_t(i)] = kBlockFree;
  }
  doc.doc().CommitEdit(0, 16383);
}

// The filter texts the file dialog shows in its file-type box.
QStringList FilterTexts(const QFileDialog& dialog) {
  const auto* combo = dialog.findChild<QComboBox*>("fileTypeCombo");
  QStringList texts;
  for (int i = 0; combo && i < combo->count(); ++i) texts << combo->itemText(i);
  return texts;
}

QStringList Captions(const TMainForm& form) {
  QStringList list;
  for (DocumentWindow* doc : form.documents()) list << doc->caption();
  return list;
}

}  // namespace

class TestFileCommands : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  PointerWatchingPrompter prompter;
  ScriptedChooser chooser;
  ScriptedPreview preview;
  ScriptedFill fill;
  std::unique_ptr<test::TempDir> dir;
  QString iniPath = AppContext::besideExecutable(".INI");

  std::string file(const std::string& name) const { return dir->file(name); }

  void writeIni(const QByteArray& text) { QVERIFY(test::WriteJapaneseSettings(iniPath, text)); }

  TfrmWave* active() const { return qobject_cast<TfrmWave*>(form->activeDocument()); }
  TfrmWave* startup() const { return qobject_cast<TfrmWave*>(form->documents().first()); }

  void open(const std::string& path) {
    chooser.opens.push_back(path);
    FileOpen1Execute(*form);
    QCoreApplication::processEvents();
  }
  void openRecent(int slot) {
    OpenRecentFile(*form, slot);
    QCoreApplication::processEvents();
  }
  // The start-up document drawn at 1000 throughout and saved as target; the file's bytes.
  std::string drawAndSaveStartupAs(const std::string& target) {
    DrawAll(*startup(), 1000);
    chooser.saves = {{target, 1}};
    SaveDocument(*form, *startup(), true);
    return test::ReadText(target);
  }
  std::vector<std::string> recent() const {
    return {form->recentFiles().at(1), form->recentFiles().at(2), form->recentFiles().at(3)};
  }

 private slots:
  void init() {
    test::WriteJapaneseSettings(iniPath);
    dir = std::make_unique<test::TempDir>();
    prompter = PointerWatchingPrompter();
    chooser = ScriptedChooser();
    preview = ScriptedPreview();
    fill = ScriptedFill();
    AppContext::instance().setLanguage("Japanese");
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    InstallFileCommands(*form);
    FileServices& services = FileServices::of(*form);
    services.setChooser(&chooser);
    services.setPreview(&preview);
    services.setFillDialog(&fill);
    form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
  }
  void cleanup() {
    form->setSaveHandler([](DocumentWindow& d) { d.setSaved(true); return true; });
    prompter.answers.assign(40, Answer::No);
    form.reset();
    dir.reset();
    QFile::remove(iniPath);
  }

  // ---- File > Open -------------------------------------------------------------------------

  void openDialogFilter() {
    FileOpen1Execute(*form);  // cancelled
    QCOMPARE(chooser.openRequests.size(), std::size_t(1));
    QCOMPARE(chooser.openRequests[0].filter,
             std::string("Binary Files(*.awf,*.awd)|*.awf;*.awd|CSV Files(*.csv)|*.csv|"
                         "All Files(*.*)|*.*"));
    QCOMPARE(chooser.openRequests[0].filterIndex, 1);
    QVERIFY(chooser.openRequests[0].fileName.empty());
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
    QCOMPARE(QtNameFilters(QString::fromStdString(OpenFilter())),
             (QStringList{"Binary Files(*.awf,*.awd) (*.awf *.awd)", "CSV Files(*.csv) (*.csv)",
                          "All Files(*.*) (*)"}));
  }

  void openAwfTwiceFrontsTheFirstAwdTwiceOpensTwo() {
    const std::string a = file("a.awf"), b = file("b.AWD");
    WriteWave(a, 100);
    WriteWave(b, 200, 50);
    open(a);
    // The untouched start-up document made way.
    QCOMPARE(Captions(*form), QStringList{"a"});
    TfrmWave* first = active();
    QCOMPARE(first->fileName(), QString::fromStdString(a));
    QCOMPARE(first->doc().waveData[16383], 100);
    QVERIFY(first->isSaved());

    open(b);
    open(b);
    QCOMPARE(Captions(*form), (QStringList{"a", "b", "b"}));
    QVERIFY(active()->fileName().isEmpty());  // an ".awd" document is saved under a new name
    QCOMPARE(active()->doc().lastDrawn(), 49);

    open(a);
    QCOMPARE(form->documents().size(), 3);
    QCOMPARE(active(), first);
    QCOMPARE(form->modCount(), 4);  // the start-up document and three opens
    QVERIFY(prompter.shown.empty());
  }

  void startupStaysWhenDrawnIn() {
    startup()->doc().waveData[0] = 5;
    startup()->doc().blockNo[0] = kBlockFree;
    const std::string a = file("a.awf");
    WriteWave(a, 1);
    open(a);
    QCOMPARE(Captions(*form), (QStringList{"pcwav001", "a"}));
  }

  void openRefusals_data() {
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("openMessage");
    QByteArray valid(reinterpret_cast<const char*>(BuildWaveFileImage(
                         std::vector<std::int32_t>(16384, 7), SaveHeaderSettings{}).data()),
                     32812);
    QByteArray noSize = valid;
    noSize.replace(37, 5, "ABCDE");
    QByteArray firstWordHigh = valid;
    firstWordHigh[44] = 0x10, firstWordHigh[45] = 0;
    QTest::newRow("short") << QByteArray("TORVEK") << "s.awf" << 16;
    QTest::newRow("cut short") << valid.left(1000) << "c.awd" << 16;
    QTest::newRow("size not digits") << noSize << "n.awf" << 12;
    QTest::newRow("first word above 4095") << firstWordHigh << "f.awf" << 12;
  }
  void openRefusals() {
    QFETCH(QByteArray, bytes);
    QFETCH(QString, name);
    QFETCH(int, openMessage);
    const std::string path = file(name.toStdString());
    test::WriteText(path, bytes.toStdString());
    open(path);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(openMessage)});
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
    QVERIFY(recent()[0].empty());

    // The recent-file item says "no valid data" for every refusal.
    form->AddRecentFile(QString::fromStdString(path));
    prompter.shown.clear();
    openRecent(1);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(12)});
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
  }

  void moreThan16384SamplesWarns() {
    const std::string path = file("long.awf");
    std::vector<std::uint8_t> bytes =
        BuildWaveFileImage(std::vector<std::int32_t>(16400, 9), SaveHeaderSettings{});
    std::copy_n("32846", 5, bytes.begin() + 37);  // 46 + 2 x 16400
    WriteFileAtomic(path, bytes);
    open(path);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(6)});
    QCOMPARE(active()->doc().lastDrawn(), 16383);
  }

  void thirtyDocumentsRefuseOpen() {
    while (form->documentCount() < TMainForm::kMaxDocuments) form->FileNewMod1Execute();
    const std::string a = file("a.awf");
    WriteWave(a, 1);
    chooser.opens.push_back(a);
    FileOpen1Execute(*form);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(27)});
    QVERIFY(chooser.openRequests.empty());

    // A recent file does not go past the limit either.
    form->AddRecentFile(QString::fromStdString(a));
    prompter.shown.clear();
    openRecent(1);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(27)});
    QCOMPARE(form->documentCount(), TMainForm::kMaxDocuments);
  }

  // ---- recent files ------------------------------------------------------------------------

  void recentFilesFollowTheOpens() {
    const std::string a = file("A.awd"), b = file("B.awd"), c = file("C.awd");
    for (const std::string& p : {a, b, c}) WriteWave(p, 3);
    open(a);
    open(b);
    open(c);
    QCOMPARE(recent(), (std::vector<std::string>{c, b, a}));
    QCOMPARE(form->action("mnFileLastFile1")->text(), QString("1(&1) C.awd"));
    QVERIFY(form->action("mnFileLastFile3")->isVisible());

    openRecent(2);  // B
    QCOMPARE(recent(), (std::vector<std::string>{b, c, a}));
    form->action("mnFileLastFile3")->trigger();  // A, through the menu item
    QCoreApplication::processEvents();
    QCOMPARE(recent(), (std::vector<std::string>{a, b, c}));
    QCOMPARE(form->documents().size(), 5);
  }

  void recentFileMissingOrOfAnotherKind() {
    const std::string gone = file("gone.awf"), ope = file("op.OPE");
    WriteWave(ope, 42);
    form->AddRecentFile(QString::fromStdString(gone));
    form->AddRecentFile(QString::fromStdString(ope));
    openRecent(2);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(17)});
    openRecent(1);
    QCOMPARE(active()->docKind(), 1);
    QCOMPARE(active()->caption(), QString("op"));
    QVERIFY(active()->fileName().isEmpty());
    QCOMPARE(RecentFileKind("x.ppg"), 2);
    QCOMPARE(RecentFileKind("x.mod"), 0);
    QCOMPARE(RecentFileKind("x"), 0);
  }

  // ---- text import -------------------------------------------------------------------------

  void importShowsPreviewAndStatus() {
    const std::string path = file("data.txt");
    test::WriteText(path, "Time,Value\n0,10\n1,9999\n2,x\n\n\n# end\n");
    prompter.answers = {Answer::Yes};
    open(path);
    QCOMPARE(preview.shown.size(), std::size_t(1));
    QCOMPARE(preview.shown[0], (std::vector<std::string>{"Time,Value", "0,10", "1,9999", "2,x", "",
                                                         ""}));
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(14)});
    Tfrminfo& status = FileServices::of(*form).statusWindow();
    QVERIFY(status.isVisible());
    // After the count: 9999 was limited to 4095; the header, two empty lines and the
    // comment were skipped.
    QCOMPARE(status.text(), QString("無効なデータです。値０としました。 (4行2列→アドレス:5)\n"
                                    "5個のデータを読み込みました。\n"
                                    "0～4095 に制限した値: 1個、読み飛ばした行: 4行"));
    QCOMPARE(Captions(*form), QStringList{"data"});
    QVERIFY(active()->fileName().isEmpty());
    // The invalid cell at address 5 is past the last valid one: the count is 5.
    const std::vector<std::int32_t> want{0, 1, 2, 10, 4095};
    for (std::size_t i = 0; i < want.size(); ++i) QCOMPARE(active()->doc().waveData[i], want[i]);
    QCOMPARE(active()->doc().lastDrawn(), 4);
    QVERIFY(recent()[0].empty());  // only binary files enter the list
  }

  void importStops_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("previewOk");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("message");  // -1: a box with the reader's text
    QTest::newRow("preview cancelled") << "1\n2\n" << false << 0 << 0;
    QTest::newRow("No to the question") << "1\nbad\n3,z\n" << true << int(Answer::No) << 12;
    QTest::newRow("no data line") << "header\n\n" << true << 0 << 12;
    QTest::newRow("a cell with no number") << "1\n-\n" << true << 0 << -1;
  }
  void importStops() {
    QFETCH(QString, text);
    QFETCH(bool, previewOk);
    QFETCH(int, answer);
    QFETCH(int, message);
    const std::string path = file("in.csv");
    test::WriteText(path, text.toStdString());
    preview.accept = previewOk;
    prompter.answers = {Answer(answer)};
    open(path);
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
    std::vector<MessageId> shown = prompter.ids();
    std::erase(shown, ERRMSG(14));
    if (message > 0) QCOMPARE(shown, std::vector<MessageId>{ERRMSG(message)});
    if (message == 0) QVERIFY(shown.empty());
    if (message < 0) QCOMPARE(prompter.texts.size(), std::size_t(1));
  }

  // A file that is no text, picked in "All Files", is the wrong format: no preview, no import.
  void openRefusesAFileThatIsNoText_data() {
    QTest::addColumn<QString>("path");
    QTest::newRow("this program") << QCoreApplication::applicationFilePath();
    QTest::newRow("digits around a NUL") << QString();
  }
  void openRefusesAFileThatIsNoText() {
    QFETCH(QString, path);
    if (path.isEmpty()) {
      path = QString::fromStdString(file("data.bin"));
      test::WriteText(path.toStdString(), std::string("100\r\n\0\x01\x02\r\n200\r\n", 12));
    }
    chooser.opens.push_back(path.toStdString());
    form->action("FileOpen1")->trigger();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(16)});
    QVERIFY(preview.shown.empty());
    QVERIFY(!FileServices::of(*form).statusWindow().isVisible());
    QCOMPARE(Captions(*form), QStringList{"pcwav001"});
  }

  // Six lines are shown from the head of the file; the rest of a long file is never read.
  void previewReadsOnlyTheHead() {
    const std::string path = file("long.csv");
    std::string text;
    for (int i = 0; i < 1 << 20; ++i) text += "4095\r\n";
    test::WriteText(path, text);
    preview.accept = false;
    chooser.opens.push_back(path);
    const long long before = BytesRead();
    form->action("FileOpen1")->trigger();
    const long long read = BytesRead() - before;
    QCOMPARE(preview.shown.size(), std::size_t(1));
    QCOMPARE(preview.shown[0], std::vector<std::string>(6, "4095"));
    QVERIFY2(before >= 0 && read < 1 << 20, QByteArray::number(read));
  }

  // The status window stays on top; the question about a bad line must stand above it, be
  // the active modal box and take the keyboard, or the editor looks hung.
  void importQuestionStandsAboveTheStatusWindow() {
    form->setPrompter(nullptr);  // the real message boxes
    const std::string path = file("bad.csv");
    test::WriteText(path, "10\r\n20,x\r\n30\r\n");
    preview.accept = true;
    Tfrminfo& status = FileServices::of(*form).statusWindow();
    // What the user sees while the question is up; the box is always answered so that a
    // failure cannot hang the test.
    struct Seen {
      QString text;
      bool statusShown = false, aboveStatus = false, active = false, answeredByKeys = false;
    };
    std::optional<Seen> seen;
    QTimer driver;
    connect(&driver, &QTimer::timeout, this, [&] {
      auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
      if (!box) return;
      if (seen) return box->reject();  // an unexpected later box
      seen = Seen{box->text(), status.isVisible(),
                  box->windowHandle()->transientParent() == status.windowHandle(),
                  QApplication::activeWindow() == box};
      // Tab to Yes and press it with the space bar.
      QAbstractButton* yes = box->button(QMessageBox::Yes);
      for (int i = 0; i < 4 && QApplication::focusWidget() != yes; ++i)
        if (QWidget* focus = QApplication::focusWidget(); focus && box->isAncestorOf(focus))
          QTest::keyClick(focus, Qt::Key_Tab);
      seen->answeredByKeys = QApplication::focusWidget() == yes;
      if (seen->answeredByKeys)
        QTest::keyClick(yes, Qt::Key_Space);
      else
        yes->click();
    });
    driver.start(10);
    chooser.opens.push_back(path);
    form->action("FileOpen1")->trigger();
    driver.stop();
    form->setPrompter(&prompter);
    QVERIFY(seen);
    QCOMPARE(seen->text, AppContext::instance().text(ERRMSG(14)));
    QVERIFY(seen->statusShown);
    QVERIFY(seen->aboveStatus);
    QVERIFY(seen->active);
    QVERIFY(seen->answeredByKeys);
    QCOMPARE(Captions(*form), QStringList{"bad"});
    QCOMPARE(active()->doc().lastDrawn(), 2);
    QCOMPARE(active()->doc().waveData[2], 30);
    QVERIFY(status.isVisible());
    QVERIFY(status.text().contains("2行2列→アドレス:4"));
  }

  // ---- Save As and Save --------------------------------------------------------------------

  void saveAsLoopsUntilDone() {
    TfrmWave* doc = startup();
    DrawAll(*doc, 2048);
    const std::string taken = file("taken.awf");
    WriteWave(taken, 1);
    chooser.saves = {{file("x.txt"), 1}, {file("taken"), 1}};
    // Cancel at the fixed extension, No at the overwrite question, then the dialog cancels.
    prompter.answers = {Answer::Cancel, Answer::No};
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(chooser.saveRequests.size(), std::size_t(3));
    QCOMPARE(chooser.saveRequests[0].filter,
             std::string("Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv|"
                         "WAV Files(*.wav)|*.wav"));
    QCOMPARE(chooser.saveRequests[0].fileName, std::string("pcwav001"));
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{ERRMSG(30), ERRMSG(23)}));
    QCOMPARE(prompter.shown[0].message.suffix, std::string("( .awf )"));
    QCOMPARE(prompter.shown[1].message.prefix, taken);
    QCOMPARE(prompter.shown[1].message.suffix, std::string("\r\n上書きしますか？"));
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->fileName().isEmpty());
    QCOMPARE(doc->caption(), QString("pcwav001"));
    QCOMPARE(ReadBack(taken), std::vector<std::int32_t>(16384, 1));
    QVERIFY(!QFile::exists(QString::fromStdString(file("x.awf"))));
    QVERIFY(recent()[0].empty());

    // OK at the fixed extension writes the kind's extension.
    prompter.shown.clear();
    chooser.saves = {{file("x.txt"), 1}};
    prompter.answers = {Answer::Ok};
    QVERIFY(SaveDocument(*form, *doc, true));
    const std::string written = file("x.awf");
    QCOMPARE(ReadBack(written), std::vector<std::int32_t>(16384, 2048));
    QVERIFY(doc->isSaved());
    QCOMPARE(doc->fileName(), QString::fromStdString(written));
    QCOMPARE(doc->caption(), QString("x"));
    QCOMPARE(recent()[0], written);
    QCOMPARE(prompter.statusText, std::string("保存しました。"));

    // Save goes to the document's file without a dialog.
    doc->doc().waveData[0] = 0;
    doc->doc().CommitEdit(0, 0);
    form->action("FileSave1")->trigger();
    QCOMPARE(chooser.saveRequests.size(), std::size_t(4));
    QCOMPARE(ReadBack(written)[0], 0);
    QVERIFY(doc->isSaved());
  }

  void saveFillsTheUndrawnTailFirst() {
    TfrmWave* doc = startup();
    DrawAll(*doc, 300, 100);
    chooser.saves = {{file("tail"), 1}};
    QVERIFY(SaveDocument(*form, *doc, false));  // no file yet: Save is Save As
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(8)});
    QCOMPARE(fill.setups.size(), std::size_t(1));
    QCOMPARE(fill.setups[0].mode, ParamMode::Fill);
    QCOMPARE(fill.setups[0].room, 16384 - 100);
    const std::vector<std::int32_t> back = ReadBack(file("tail.awf"));
    QCOMPARE(back.size(), std::size_t(16384));
    QCOMPARE(back[99], 300);
    QCOMPARE(back[100], 1234);
    QCOMPARE(back[16383], 1234);
    QVERIFY(doc->doc().undoReady);  // the fill is one undo step

    // Cancel in the fill dialog writes nothing and asks for no name.
    TfrmWave* other = form->FileNewMod1Execute();
    DrawAll(*other, 5, 10);
    fill.level.reset();
    const std::size_t dialogs = chooser.saveRequests.size();
    QVERIFY(!SaveDocument(*form, *other, true));
    QCOMPARE(chooser.saveRequests.size(), dialogs);
    QCOMPARE(other->doc().lastDrawn(), 9);
    QVERIFY(!other->isSaved());
  }

  void failedWriteKeepsEverything() {
    TfrmWave* doc = startup();
    const std::string target = file("old.awf");
    const std::string oldBytes = drawAndSaveStartupAs(target);
    QVERIFY(doc->isSaved());

    // A version that does not fit its one-digit field makes every write fail.
    writeIni("[Save]\nFileVersion0=12\n");
    doc->doc().waveData[5] = 0;
    doc->doc().CommitEdit(5, 5);
    prompter.statusText.clear();
    const std::vector<std::string> recentBefore = recent();
    QVERIFY(!SaveDocument(*form, *doc, false));
    QCOMPARE(prompter.texts.size(), std::size_t(1));
    QVERIFY(QString::fromStdString(prompter.texts[0]).contains("FileVersion0"));
    QVERIFY(!doc->isSaved());
    QCOMPARE(test::ReadText(target), oldBytes);
    QCOMPARE(recent(), recentBefore);
    QVERIFY(prompter.statusText.empty());
    QCOMPARE(doc->fileName(), QString::fromStdString(target));

    // Save As to a new name fails alike: the name is not taken over, the caption is.
    chooser.saves = {{file("new.awf"), 1}};
    QVERIFY(!SaveDocument(*form, *doc, true));
    QCOMPARE(doc->fileName(), QString::fromStdString(target));
    QVERIFY(!QFile::exists(QString::fromStdString(file("new.awf"))));
    QCOMPARE(recent(), recentBefore);

    // The close prompt's Yes goes through the same save: closing is refused.
    prompter.answers = {Answer::Yes};
    QVERIFY(!form->close());
    QCOMPARE(form->documentCount(), 1);
  }

  void csvExportLeavesTheDocumentUnsaved() {
    TfrmWave* doc = startup();
    DrawAll(*doc, 77);
    chooser.saves = {{file("wave.txt"), 2}};
    QVERIFY(!SaveDocument(*form, *doc, true));
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(30)});
    QCOMPARE(prompter.shown[0].message.suffix, std::string("( .csv )"));
    const std::string csv = test::ReadText(file("wave.csv"));
    QCOMPARE(csv.size(), std::size_t(16384 * 4));
    QCOMPARE(csv.substr(0, 8), std::string("77\r\n77\r\n"));
    QCOMPARE(prompter.statusText, std::string("保存しました。"));
    QVERIFY(!doc->isSaved());
    QVERIFY(doc->fileName().isEmpty());
    QCOMPARE(doc->caption(), QString("pcwav001"));
    QVERIFY(recent()[0].empty());

    // Closing asks; Yes saves, which asks for a name again; cancelling it keeps all open.
    prompter.shown.clear();
    prompter.answers = {Answer::Yes};
    QVERIFY(!form->close());
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(2)});
    QCOMPARE(chooser.saveRequests.size(), std::size_t(2));
    QCOMPARE(form->documentCount(), 1);
  }

  // Renaming over a file needs only the folder's permission: a file the user made read-only
  // is refused with the system's reason, for root too, and the document stays unsaved.
  void saveRefusesAReadOnlyFile() {
    TfrmWave* doc = startup();
    const std::string target = file("ro.awf");
    const std::string oldBytes = drawAndSaveStartupAs(target);
    QVERIFY(doc->isSaved());
    namespace fs = std::filesystem;
    const fs::perms readOnly = fs::perms::owner_read | fs::perms::group_read;
    fs::permissions(target, readOnly);

    doc->doc().waveData[5] = 0;
    doc->doc().CommitEdit(5, 5);
    prompter.statusText.clear();
    form->action("FileSave1")->trigger();  // File > Save
    chooser.saves = {{target, 1}};
    prompter.answers = {Answer::Yes};  // overwrite it
    form->action("FileSaveAs1")->trigger();  // File > Save As onto it
    const std::string reason = "Cannot write file \"" + target + "\". Permission denied";
    QCOMPARE(prompter.texts, (std::vector<std::string>{reason, reason}));
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(23)});
    QVERIFY(!doc->isSaved());
    QCOMPARE(doc->fileName(), QString::fromStdString(target));
    QVERIFY(prompter.statusText.empty());
    QCOMPARE(test::ReadText(target), oldBytes);
    QCOMPARE(fs::status(target).permissions() & fs::perms::all, readOnly);
  }

  // A document opened through a symbolic link saves into the file the link names; the link
  // stays a link and no file is left beside it.
  void saveWritesThroughASymbolicLink() {
    namespace fs = std::filesystem;
    fs::create_directory(file("data"));
    fs::create_directory(file("links"));
    const std::string real = file("data/real.awf"), link = file("links/wave.awf");
    WriteWave(real, 100);
    fs::create_symlink("../data/real.awf", link);
    chooser.opens.push_back(link);
    form->action("FileOpen1")->trigger();
    TfrmWave* doc = active();
    QCOMPARE(doc->fileName(), QString::fromStdString(link));

    DrawAll(*doc, 200);
    form->action("FileSave1")->trigger();
    QVERIFY(doc->isSaved());
    QVERIFY(fs::is_symlink(link));
    QCOMPARE(fs::read_symlink(link), fs::path("../data/real.awf"));
    QCOMPARE(ReadBack(real), std::vector<std::int32_t>(16384, 200));

    // Save As onto the link asks about the existing file and writes through the link too.
    DrawAll(*doc, 300);
    chooser.saves = {{link, 1}};
    prompter.answers = {Answer::Yes};
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(23)});
    QVERIFY(doc->isSaved());
    QVERIFY(fs::is_symlink(link));
    QCOMPARE(ReadBack(real), std::vector<std::int32_t>(16384, 300));
    QCOMPARE(std::distance(fs::directory_iterator(file("links")), fs::directory_iterator()), 1);
    QCOMPARE(std::distance(fs::directory_iterator(file("data")), fs::directory_iterator()), 1);
    QVERIFY(prompter.texts.empty());
  }

  // The pointer is busy while the CSV export writes and is reset afterwards, also when the
  // write fails (before the error box).
  void csvExportShowsTheBusyPointer() {
    TfrmWave* doc = startup();
    DrawAll(*doc, 5);
    chooser.saves = {{file("wave.csv"), 2}};
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(prompter.statusText, std::string("保存しました。"));
    QCOMPARE(prompter.pointerAtStatus, std::vector<int>{int(Qt::WaitCursor)});
    QCOMPARE(PointerWatchingPrompter::Pointer(), -1);

    std::filesystem::permissions(file("wave.csv"), std::filesystem::perms::owner_read);
    chooser.saves = {{file("wave.csv"), 2}};
    prompter.answers = {Answer::Yes};
    form->action("FileSaveAs1")->trigger();
    QCOMPARE(prompter.texts.size(), std::size_t(1));
    QCOMPARE(prompter.pointerAtText, std::vector<int>{-1});
    QCOMPARE(PointerWatchingPrompter::Pointer(), -1);
  }

  // ---- the desktop's file dialogs ----------------------------------------------------------

  void qtChooserDialogs() {
    QtFileChooser qt(form.get());
    const std::string existing = file("old.csv");
    test::WriteText(existing, "1\r\n");
    // The dialog shows the filters and the proposed name; the user picks an existing CSV
    // file, which the dialog must not question (the save command asks itself).
    QTimer::singleShot(0, form.get(), [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      // Each filter shows its caption once; the dialog filters by the caption's patterns.
      QCOMPARE(FilterTexts(*dialog), (QStringList{"Binary Files(*.awf)", "CSV Files(*.csv)"}));
      QCOMPARE(dialog->findChild<QComboBox*>("fileTypeCombo")->currentText(),
               QString("CSV Files(*.csv)"));
      QCOMPARE(dialog->findChild<QFileSystemModel*>()->nameFilters(), QStringList{"*.csv"});
      QVERIFY(dialog->testOption(QFileDialog::DontConfirmOverwrite));
      QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
      dialog->selectFile(QString::fromStdString(existing));
      static_cast<QDialog*>(dialog)->accept();  // the file dialog's own accept checks the name
    });
    const std::optional<SaveDialogChoice> saved = qt.Run(
        {"Binary Files(*.awf)|*.awf|CSV Files(*.csv)|*.csv", 2, file("proposed")});
    QVERIFY(saved);
    QCOMPARE(saved->fileName, existing);
    QCOMPARE(saved->filterIndex, 2);

    QTimer::singleShot(0, form.get(), [&] {
      auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
      QVERIFY(dialog);
      QCOMPARE(dialog->fileMode(), QFileDialog::ExistingFile);
      QCOMPARE(FilterTexts(*dialog), (QStringList{"Binary Files(*.awf,*.awd)", "CSV Files(*.csv)",
                                                  "All Files(*.*)"}));
      QCOMPARE(dialog->findChild<QFileSystemModel*>()->nameFilters(),
               (QStringList{"*.awf", "*.awd"}));
      dialog->reject();
    });
    QVERIFY(!qt.Open({OpenFilter(), 1, {}}));
  }

  // ---- the preview and status windows ------------------------------------------------------

  void previewWindow() {
    Tfrmdatasel dialog(form.get());
    QCOMPARE(dialog.windowTitle(), QString("Preview"));
    auto* mePrev = dialog.findChild<QPlainTextEdit*>("mePrev");
    QVERIFY(mePrev && mePrev->isReadOnly());
    QVERIFY(!mePrev->parentWidget()->isEnabled());
    QCOMPARE(dialog.findChild<QLabel*>("Label1")->text(), QString("Preview"));
    auto* rgsel = dialog.findChild<QGroupBox*>("rgsel");
    auto* rgfmt = dialog.findChild<QGroupBox*>("rgfmt");
    QVERIFY(rgsel && rgfmt && !rgsel->isEnabled() && !rgfmt->isEnabled());
    QStringList items;
    for (auto* radio : rgsel->findChildren<QRadioButton*>()) items << radio->text();
    QCOMPARE(items, (QStringList{"Modulataion", "Operation", "PPG"}));

    QTimer::singleShot(0, &dialog, [&] {
      QCOMPARE(mePrev->toPlainText(), QString("1\n2\n3\n4\n5\n6"));
      dialog.findChild<QPushButton*>("bnOK")->click();
    });
    QVERIFY(dialog.RunPreview({"1", "2", "3", "4", "5", "6", "7"}));
    QVERIFY(rgsel->findChildren<QRadioButton*>().first()->isChecked());
    QVERIFY(rgsel->isHidden() && rgfmt->isHidden());
    QTimer::singleShot(0, &dialog, [&] { dialog.findChild<QPushButton*>("bnCancel")->click(); });
    QVERIFY(!dialog.RunPreview({"x"}));
  }

  void statusWindow() {
    Tfrminfo status(form.get());
    QCOMPARE(status.windowTitle(), QString("Status"));
    QVERIFY(status.windowFlags() & Qt::WindowStaysOnTopHint);
    status.Clear();
    QVERIFY(status.isVisible());
    QVERIFY(status.findChild<QPlainTextEdit*>("mestatus")->font().families().contains(
        "MS UI Gothic"));
    status.SetProgressMax(9);
    status.SetProgress(4);
    QCOMPARE(status.findChild<QProgressBar*>("pbaccess")->value(), 4);
    status.Append(Message{IMFMSG(7), "12", {}});
    QCOMPARE(status.text(), QString("12個のデータを読み込みました。"));
    status.findChild<QPushButton*>("bnOK")->click();
    QVERIFY(!status.isVisible());
    QVERIFY(status.text().isEmpty());  // closing clears the memo
  }
};

QTEST_MAIN(TestFileCommands)
#include "tst_filecommands.moc"
