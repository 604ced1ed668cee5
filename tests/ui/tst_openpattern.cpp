// File > Open and the recent-file items with a ".ppg": the pattern is handed over to a new
// pattern document, a damaged file is refused with the wrong-format message.
#include <QDir>
#include <QFile>
#include <QtTest>
#include <optional>

#include "core/files/AtomicWrite.h"
#include "core/files/PatternFile.h"
#include "support/MainWindowFixture.h"
#include "support/PickOneChooser.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/DocumentWindow.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileCommands.h"
#include "ui/files/FileServices.h"

using namespace averoz;

namespace {

using test::PickOne;

std::vector<std::uint8_t> PatternImage() {
  std::vector<std::uint8_t> bits(6 * 16384, 0);
  bits[1 * 16384 + 3] = 1;      // CH2 at address 3
  bits[5 * 16384 + 16383] = 1;  // CH6 at the last address
  return BuildPatternImage(bits, "p.ppg", SaveHeaderSettings{}, LocalDateTime{});
}

int HighBits(const TMainForm& form) {
  int n = 0;
  for (const auto& channel : form.loadBits) n += int(std::count(channel.begin(), channel.end(), 1));
  return n;
}

}  // namespace

class TestOpenPattern : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  PickOne chooser;

  void openFromMenu(const std::string& path) {
    chooser.path = path;
    form->action("FileOpen1")->trigger();
    QCoreApplication::processEvents();
  }

 private slots:
  void init() { Start(chooser); }
  void cleanup() { Stop(); }


  void aSavedPatternIsHandedToANewPatternDocument() {
    const std::string path = dir->file("saved.PPG");
    WriteFileAtomic(path, PatternImage());
    const int opened = form->modCount();
    openFromMenu(path);
    QVERIFY(prompter.shown.empty());
    QVERIFY(prompter.texts.empty());
    QCOMPARE(form->loadBits[1][3], std::uint8_t(1));
    QCOMPARE(form->loadBits[5][16383], std::uint8_t(1));
    QCOMPARE(HighBits(*form), 2);
    QCOMPARE(form->modCount(), opened + 1);  // OpenDocument ran for it
  }

  // Not half-loaded: the hand-over buffer, the documents and the recent list stay as they were.
  void aDamagedPatternIsTheWrongFormatFromOpenAndFromTheRecentList() {
    std::vector<std::uint8_t> image = PatternImage();
    image[70 + 2 * 100 + 1] = 1;  // a data bit the CRC does not cover
    const std::string path = dir->file("damaged.ppg");
    WriteFileAtomic(path, image);

    openFromMenu(path);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(16)});
    QCOMPARE(HighBits(*form), 0);
    QCOMPARE(form->modCount(), 1);
    QCOMPARE(form->documentCount(), 1);
    QVERIFY(form->recentFiles().at(1).empty());

    // A waveform file from the recent list would be "no valid data"; a pattern file keeps its
    // own refusal.
    form->AddRecentFile(QString::fromStdString(path));
    form->action("mnFileLastFile1")->trigger();
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{ERRMSG(16), ERRMSG(16)}));
    QCOMPARE(HighBits(*form), 0);
    QCOMPARE(form->documentCount(), 1);
  }

  void anUnreadablePatternShowsTheSystemsReason() {
    const std::string path = dir->file("folder.ppg");
    QVERIFY(QDir().mkdir(QString::fromStdString(path)));
    openFromMenu(path);
    QVERIFY(prompter.shown.empty());
    QCOMPARE(prompter.texts.size(), std::size_t(1));
    QVERIFY(prompter.texts[0].find("folder.ppg") != std::string::npos);
  }
};

QTEST_MAIN(TestOpenPattern)
#include "tst_openpattern.moc"
