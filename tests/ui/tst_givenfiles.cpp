// Files from outside the editor: the command line of the first start, and a second start of
// the real program that hands its files over the local socket to this test process, which
// holds the single-instance lock and serves the socket exactly as the editor does.
#include <QDialog>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include "core/app/IniFile.h"
#include "core/files/PatternFile.h"
#include "core/files/WaveFile.h"
#include "platform/InstanceChannel.h"
#include "platform/SingleInstance.h"
#include "support/MainWindowFixture.h"
#include "support/NoFileDialog.h"
#include "ui/files/GivenFiles.h"
#include "ui/files/PreviewDialog.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/TfrmWave.h"

using namespace averoz;

namespace {

class AcceptPreview : public PreviewDialog {
 public:
  int shown = 0;
  bool RunPreview(const std::vector<std::string>&) override { return ++shown, true; }
};

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
  QFile file(QString::fromStdString(path));
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(reinterpret_cast<const char*>(bytes.data()), qint64(bytes.size()));
}

// A socket file whose server is gone, as an editor that was killed leaves it.
void LeaveStaleSocket(const QString& path) {
  const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
  sockaddr_un address{};
  address.sun_family = AF_UNIX;
  const QByteArray native = path.toLocal8Bit();
  std::memcpy(address.sun_path, native.constData(), size_t(native.size()));
  QCOMPARE(::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address), 0);
  ::close(fd);
  QVERIFY(QFileInfo(path).exists());
}

}  // namespace

class TestGivenFiles : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  test::NoFileDialog chooser;
  AcceptPreview preview;
  QTemporaryDir runtime;
  std::string wavePath, patternPath;
  GivenFiles* given = nullptr;

  QStringList documentFiles() const {
    QStringList files;
    for (DocumentWindow* doc : form->documents()) files << doc->fileName();
    return files;
  }

  // Starts the real editor as a second instance and serves its hand-over while it runs.
  int secondStart(const QStringList& arguments, QByteArray* errors = nullptr) {
    QProcess editor;
    editor.setWorkingDirectory(QString::fromStdString(dir->path().string()));
    editor.start(qEnvironmentVariable("AVEROZ_BIN_DIR") + "/averoz", arguments);
    if (!editor.waitForStarted()) return -2;
    while (editor.state() != QProcess::NotRunning && !editor.waitForFinished(20))
      QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    if (errors) *errors = editor.readAllStandardError();
    return editor.exitStatus() == QProcess::NormalExit ? editor.exitCode() : -1;
  }

 private slots:
  void initTestCase() {
    // The lock and the socket of this test only, never a real editor's.
    QVERIFY(runtime.isValid());
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
  }

  void init() {
    Start(chooser);
    FileServices::of(*form).setPreview(&preview);
    preview.shown = 0;
    given = new GivenFiles(*form);
    wavePath = dir->file("a.awf");
    WriteBytes(wavePath, BuildWaveFileImage(std::vector<std::int32_t>(16384, 100),
                                            SaveHeaderSettings{}));
    patternPath = dir->file("b.ppg");
    WriteBytes(patternPath, BuildPatternImage(std::vector<std::uint8_t>(6 * 16384, 0), "b.ppg",
                                              SaveHeaderSettings{}, LocalDateTime{}));
  }
  void cleanup() { Stop(); }

  void secondStartHandsItsFilesToTheRunningEditor() {
    SingleInstance instance;
    QVERIFY(instance.acquire());
    LeaveStaleSocket(SingleInstance::socketPath());
    InstanceServer server;
    QVERIFY(server.listen(SingleInstance::socketPath()));
    given->serve(server);
    form->showMinimized();

    // Relative names are resolved in the second start's folder, not the editor's.
    QCOMPARE(secondStart({"a.awf", patternPath.c_str()}), 0);
    QCOMPARE(documentFiles(), QStringList({wavePath.c_str(), patternPath.c_str()}));
    QVERIFY(qobject_cast<TfrmWave*>(form->documents().at(0)));
    QVERIFY(qobject_cast<TfrmPpg*>(form->documents().at(1)));
    QVERIFY(!(form->windowState() & Qt::WindowMinimized));  // came to the front

    // The same file again only brings its window forward; no files: a silent exit 0.
    QByteArray errors;
    QCOMPARE(secondStart({wavePath.c_str()}), 0);
    QCOMPARE(secondStart({}, &errors), 0);
    QCOMPARE(errors, QByteArray());
    QCOMPARE(form->documents().size(), 2);
  }

  void handOverFailsWhenNobodyServesTheSocket() {
    LeaveStaleSocket(SingleInstance::socketPath());
    QVERIFY(!HandOverFiles(SingleInstance::socketPath(), {"/x.awf"}, 300));
    QFile::remove(SingleInstance::socketPath());
  }

  void commandLineFilesOpenAsFileOpenWould() {
    const std::string text = dir->file("c.csv");
    test::WriteText(text, "1\n2\n3\n");
    given->open({"/no/such.awf", text.c_str(), wavePath.c_str()}, false);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(17)});
    QCOMPARE(preview.shown, 1);  // the text import shows its preview first
    QCOMPARE(form->documents().size(), 2);
    QCOMPARE(form->documents().at(1)->fileName(), QString::fromStdString(wavePath));
  }

  void filesWaitWhileADialogIsOpen() {
    const int before = int(form->documents().size());
    QDialog dialog(form.get());
    dialog.setModal(true);
    dialog.show();
    given->open({wavePath.c_str()}, true);
    QCOMPARE(int(form->documents().size()), before);
    dialog.close();
    QTRY_COMPARE(documentFiles().last(), QString::fromStdString(wavePath));
  }

  void argumentsBecomeAbsolutePaths() {
    const QString cwd = QDir::currentPath();
    QCOMPARE(FilesFromArguments({"averoz", "-style", "a.awf", "--", "-b.ppg", "/d/c.ope"}),
             QStringList({cwd + "/a.awf", cwd + "/-b.ppg", "/d/c.ope"}));
  }
};

QTEST_MAIN(TestGivenFiles)
#include "tst_givenfiles.moc"
