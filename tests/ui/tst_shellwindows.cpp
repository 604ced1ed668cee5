// The splash timeline, the About window's hidden revision, and the single instance.
#include <QLabel>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include "ui/app/Tfrmabout.h"
#include "ui/app/TfrmSplash.h"

using namespace averoz;

class TestShellWindows : public QObject {
  Q_OBJECT

 private slots:
  void splashTimeline() {
    auto* splash = new TfrmSplash;
    QPointer<TfrmSplash> alive(splash);
    splash->show();
    auto* version = splash->findChild<QLabel*>("lblVersion");
    auto* product = splash->findChild<QLabel*>("lblProduct");
    auto* shape = splash->findChild<QWidget*>("Shape1");
    QCOMPARE(version->text(), QString("Version 1.00"));
    const int fullHeight = shape->height();
    for (int i = 0; i < 5; ++i) splash->tmShowTimer();
    QCOMPARE(shape->height(), fullHeight - 5 * (fullHeight / 10));
    for (int i = 5; i < 14; ++i) splash->tmShowTimer();
    QVERIFY(version->isHidden());
    splash->tmShowTimer();  // tick 15
    QVERIFY(!version->isHidden());
    QVERIFY(product->isHidden());
    for (int i = 15; i < 18; ++i) splash->tmShowTimer();
    QVERIFY(!product->isHidden());
    for (int i = 18; i < 30; ++i) splash->tmShowTimer();
    QVERIFY(splash->isVisible());
    splash->tmShowTimer();  // tick 31 closes it
    QTRY_VERIFY(alive.isNull());
  }

  void aboutRevision() {
    QCOMPARE(Tfrmabout::RevisionText(QDateTime(QDate(2008, 10, 18), QTime(15, 30))),
             QString("0.081018.1530"));
    Tfrmabout about;
    about.show();
    auto* rev = about.findChild<QLabel*>("lblrev");
    auto* label2 = about.findChild<QLabel*>("Label2");
    QVERIFY(rev->text().startsWith("0."));
    QVERIFY(rev->isHidden() && label2->isHidden());
    QTest::mouseClick(about.findChild<QLabel*>("lblVersion"), Qt::LeftButton);
    QVERIFY(rev->isHidden());
    QTest::mouseClick(about.findChild<QLabel*>("lblVersion"), Qt::LeftButton, Qt::ControlModifier);
    QVERIFY(!rev->isHidden());
    QVERIFY(label2->isHidden());
    QTest::mouseClick(about.findChild<QLabel*>("ProgramIcon"), Qt::LeftButton,
                      Qt::ControlModifier | Qt::ShiftModifier);
    QVERIFY(!label2->isHidden());
  }

  // A second editor ends at once with status 0 and leaves the first running; a lock left by
  // a killed editor does not block the next start.
  void singleInstance() {
    const QString exe = qEnvironmentVariable("AVEROZ_BIN_DIR") + "/averoz";
    if (!QFileInfo::exists(exe)) QSKIP("averoz is not built");
    QTemporaryDir runtime;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert("XDG_RUNTIME_DIR", runtime.path());
    env.insert("QT_QPA_PLATFORM", "offscreen");
    auto start = [&](QProcess& p) {
      p.setProcessEnvironment(env);
      p.start(exe, {});
      QVERIFY(p.waitForStarted());
    };
    QProcess first;
    start(first);
    QTRY_VERIFY_WITH_TIMEOUT(QDir(runtime.path()).entryList({"EX_Mutex*"}, QDir::Files).size() == 1,
                             10000);
    QProcess second;
    start(second);
    QVERIFY(second.waitForFinished(10000));
    QCOMPARE(second.exitStatus(), QProcess::NormalExit);
    QCOMPARE(second.exitCode(), 0);
    QCOMPARE(second.readAllStandardError().trimmed(), QByteArray());
    QCOMPARE(first.state(), QProcess::Running);

    first.kill();
    QVERIFY(first.waitForFinished(10000));
    QProcess third;
    start(third);
    QVERIFY(!third.waitForFinished(1500));  // it runs: the stale lock was taken over
    third.kill();
    third.waitForFinished(10000);
  }
};

QTEST_MAIN(TestShellWindows)
#include "tst_shellwindows.moc"
