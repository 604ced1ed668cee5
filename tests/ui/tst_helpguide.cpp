// Help > Help opens the HTML user guide in the desktop's browser (here a URL handler stands
// in for the browser), or says that the help file is missing.
#include <QDesktopServices>
#include <QDir>
#include <QtTest>

#include "platform/HelpViewer.h"
#include "support/MainWindowFixture.h"
#include "support/NoFileDialog.h"

using namespace averoz;

class TestHelpGuide : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 public slots:
  void browse(const QUrl& url) { opened << url; }

 private:
  test::NoFileDialog chooser;
  QList<QUrl> opened;
  QString besideProgram = QCoreApplication::applicationDirPath() + "/help";

  void pressHelp() {
    form->action("mnHelpIndex")->trigger();
    QCoreApplication::processEvents();
  }

 private slots:
  void initTestCase() { QDesktopServices::setUrlHandler("file", this, "browse"); }
  void cleanupTestCase() { QDesktopServices::unsetUrlHandler("file"); }
  void init() {
    opened.clear();
    QDir(besideProgram).removeRecursively();
    Start(chooser);
  }
  void cleanup() {
    Stop();
    QDir(besideProgram).removeRecursively();
  }

  void missingGuideIsReported() {
    pressHelp();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(29)});
    QVERIFY(opened.isEmpty());
  }

  void guideBesideTheProgramOpensInTheBrowser() {
    QVERIFY(QDir().mkpath(besideProgram));
    test::WriteText((besideProgram + "/index.html").toStdString(), "<html></html>");
    pressHelp();
    QVERIFY(prompter.ids().empty());
    QCOMPARE(opened, QList<QUrl>{QUrl::fromLocalFile(QFileInfo(besideProgram + "/index.html")
                                                        .canonicalFilePath())});
  }

  void installedGuideIsFoundFromBin() {
    const QString prefix = QString::fromStdString(dir->path().string());
    QVERIFY(QDir().mkpath(prefix + "/bin"));
    QCOMPARE(FindUserGuide(prefix + "/bin"), QString());
    QVERIFY(QDir().mkpath(prefix + "/share/averoz/help"));
    test::WriteText((prefix + "/share/averoz/help/index.html").toStdString(), "<html></html>");
    QCOMPARE(FindUserGuide(prefix + "/bin"),
             QFileInfo(prefix + "/share/averoz/help/index.html").canonicalFilePath());
  }

  void shippedGuideLinksOnlyToItsOwnPages() {
    // Every page of the guide in the build tree exists, and every local link finds its page.
    const QDir guide(qEnvironmentVariable("AVEROZ_BIN_DIR") + "/help");
    const QStringList pages = guide.entryList({"*.html"});
    QVERIFY(pages.contains("index.html"));
    static const QRegularExpression link(R"(href="([^"#:]+)(#[^"]*)?")");
    for (const QString& page : pages) {
      QFile file(guide.filePath(page));
      QVERIFY(file.open(QIODevice::ReadOnly));
      const QString text = QString::fromUtf8(file.readAll());
      for (const auto& match : link.globalMatch(text))
        QVERIFY2(guide.exists(match.captured(1)), qPrintable(page + " -> " + match.captured(1)));
    }
  }
};

QTEST_MAIN(TestHelpGuide)
#include "tst_helpguide.moc"
