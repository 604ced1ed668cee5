// The data browser on a pattern document in the real main window offscreen: key M and
// Data View fill the ten-column word table, the rows follow the pattern commands and the
// refresh limit, the marks follow the X cursors both ways, Save checks the typed word and
// asks before breaking the pair inversion, and the browser's Undo.
#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QToolButton>

#include "support/BrowserFixture.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/Mousepad.h"

using namespace averoz;

class TestDataBrowserPpg : public QObject, public test::BrowserFixture {
  Q_OBJECT

  // A shown main window with a new pattern document from File > New > PPG.
  TfrmPpg* start(const QByteArray& ini = {}) {
    if (!openForm(ini)) return nullptr;
    form->action("FileNewPPG1")->trigger();
    QCoreApplication::processEvents();
    return qobject_cast<TfrmPpg*>(form->activeDocument());
  }
  // Columns 2..9 of a row, joined by spaces.
  QString row(int r) {
    QStringList texts;
    for (int c = 2; c < BrowserModel::kPatternColumns; ++c) texts << cell(r, c);
    return texts.join(' ');
  }

 private slots:
  void init() { initBrowserTest(); }
  void cleanup() { cleanupBrowserTest(); }

  void keyMFillsTheWordTable() {
    TfrmPpg* w = start();
    QVERIFY(w);
    PpgDoc& doc = w->doc();
    doc.bit(0, 7) = doc.bit(2, 7) = 1;  // ch1 and ch3
    for (int ch = 0; ch < kPpgChannels; ++ch) doc.bit(ch, 8) = 1;
    QTest::keyClick(w, Qt::Key_M);
    TfrmData& b = browser();
    QVERIFY(b.isVisible());
    QCOMPARE(b.windowTitle(), w->caption());
    QCOMPARE(b.browsedKind(), 2);
    QCOMPARE(doc.browserKey, b.browsedKey());
    QCOMPARE(b.model().columnCount(), 10);
    QStringList headers;
    for (int c = 1; c < 10; ++c) headers << b.model().headerData(c, Qt::Horizontal).toString();
    QCOMPARE(headers.join(' '), QString("Csr ch6 ch5 ch4 ch3 ch2 ch1 Dec Hex"));
    QCOMPARE(b.model().rowCount(), 16385);
    QCOMPARE(row(8), QString("0 0 0 1 0 1 5 05"));
    QCOMPARE(row(9), QString("1 1 1 1 1 1 63 3F"));
    QCOMPARE(row(1), QString("0 0 0 0 0 0 0 00"));
    QVERIFY(!b.grid()->isColumnHidden(4));
    QCOMPARE(b.grid()->columnWidth(9), 25);
    QCOMPARE(b.width(), TfrmData::kPatternWidth);
    b.resize(200, b.height());
    QCOMPARE(b.width(), TfrmData::kPatternWidth);
    // The current row's six bits, channel 6 first.
    clickRow(9);
    QCOMPARE(child<QLineEdit>("edData")->text(), QString("111111"));
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("8"));
    QCOMPARE(doc.selBegin.x, 8);  // the row selects its address in all channels
    QCOMPARE(doc.selEnd, (PpgPoint{8, 5}));

    // Closing the browsed pattern window closes the browser.
    w->setSaved(true);
    w->parentWidget()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(b.browsedKey().empty());
    QVERIFY(!b.isVisible());
  }

  void rowsFollowCommandsAndTheRefreshLimit() {
    TfrmPpg* w = start("[Refresh]\nLimit=100\n");
    PpgDoc& doc = w->doc();
    form->action("mnViewData")->trigger();
    TfrmData& b = browser();
    QCOMPARE(doc.browserKey, b.browsedKey());

    // The selection highlights its addresses whatever its rows.
    doc.SetSelection({10, 2}, {13, 3});
    const QItemSelection highlight = b.grid()->selectionModel()->selection();
    QCOMPARE(highlight.size(), 1);
    QCOMPARE(highlight.front().top(), 11);
    QCOMPARE(highlight.front().bottom(), 14);
    QCOMPARE(highlight.front().right(), 9);
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("10"));
    form->action("mnMath2Invert")->trigger();  // ch3 and ch4 become 1 at 10..13
    QCOMPARE(row(11), QString("0 0 1 1 0 0 12 0C"));
    QCOMPARE(row(14), QString("0 0 1 1 0 0 12 0C"));
    QCOMPARE(row(15), QString("0 0 0 0 0 0 0 00"));
    QVERIFY(!b.browserStale());

    // Undo of all 16384 addresses is beyond the limit: the table waits for Refresh.
    form->action("EditUndo1")->trigger();
    QVERIFY(b.browserStale());
    QCOMPARE(row(11), QString("0 0 1 1 0 0 12 0C"));
    QVERIFY(!child<QPushButton>("bnsave")->isEnabled());
    b.EditRefresh1Execute();
    QVERIFY(!b.browserStale());
    QCOMPARE(row(11), QString("0 0 0 0 0 0 0 00"));
  }

  void marksFollowTheXCursorsBothWays() {
    TfrmPpg* w = start();
    PpgDoc& doc = w->doc();
    form->action("PalleteCursor1")->trigger();
    QVERIFY(doc.xCursorOn);
    form->action("DataBrows1")->trigger();
    TfrmData& b = browser();
    const int x1 = doc.csrX1, x2 = doc.csrX2;
    QCOMPARE(cell(x1 + 1, 1), QString("X1"));
    QCOMPARE(cell(x2 + 1, 1), QString("X2"));

    // A drag of X2 in the pattern view moves its mark.
    QWidget* pad = w->view()->mousepad();
    const QPoint grab(w->view()->cursorLine(2).left + 1, 50);
    const QPoint to(grab.x() + 30, 50);
    QMouseEvent hover(QEvent::MouseMove, grab, pad->mapToGlobal(grab), Qt::NoButton, {}, {});
    QApplication::sendEvent(pad, &hover);
    QTest::mousePress(pad, Qt::LeftButton, {}, grab);
    QMouseEvent drag(QEvent::MouseMove, to, pad->mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     {});
    QApplication::sendEvent(pad, &drag);
    QTest::mouseRelease(pad, Qt::LeftButton, {}, to);
    QVERIFY(doc.csrX2 > x2);
    QCOMPARE(cell(x2 + 1, 1), QString());
    QCOMPARE(cell(doc.csrX2 + 1, 1), QString("X2"));

    // X1 picked in the table and moved down: the document's cursor and its read-out follow.
    clickRow(x1 + 1);
    QCOMPARE(child<QLabel>("lblCursor")->text(), QString("X1"));
    QTest::keyClick(b.grid(), Qt::Key_Down);
    QCOMPARE(doc.csrX1, x1 + 1);
    QCOMPARE(cell(x1 + 2, 1), QString("X1"));
    QCOMPARE(cell(x1 + 1, 1), QString());
    QCOMPARE(form->findChild<QLineEdit*>("edX1")->text(), QString::number(x1 + 1));
  }

  void saveChecksTheWordAsksForPairsAndUndoes() {
    TfrmPpg* w = start();
    PpgDoc& doc = w->doc();
    form->action("DataBrows1")->trigger();
    TfrmData& b = browser();
    doc.SetSelection({20, 0}, {22, 0});

    // Not six binary digits: refused.
    for (const char* bad : {"12", "11001", "1100a1"}) saveValue(bad);
    QCOMPARE(prompter.ids(), std::vector<MessageId>(3, ERRMSG(3)));
    // Without pair mode a word that breaks a pair is written without a question.
    saveValue("110110");
    QCOMPARE(prompter.shown.size(), size_t(3));
    QCOMPARE(doc.Word(21), 54);

    // Pair mode on (the Invert window cancelled: no bits change).
    QTimer::singleShot(0, this, [this] {
      auto* d = form->findChild<QDialog*>("frmInv");
      QVERIFY(d && d->isVisible());
      d->reject();
    });
    form->action("mnMath2Pair")->trigger();
    QVERIFY(form->action("mnMath2Pair")->isChecked());
    doc.MarkSaved();
    doc.SetSelection({20, 0}, {22, 0});
    saveValue("111000");  // every channel differs from its pair: no question
    QCOMPARE(prompter.shown.size(), size_t(3));
    QCOMPARE(confirmations.last(), QString("X=20_22 を 111000 に変更します。"));
    for (int a = 20; a <= 22; ++a) QCOMPARE(doc.Word(a), 56);
    QCOMPARE(row(21), QString("1 1 1 0 0 0 56 38"));
    QVERIFY(!doc.isSaved);

    prompter.answers = {Answer::Cancel};
    saveValue("110110");
    QCOMPARE(prompter.ids().back(), IMFMSG(17));
    QCOMPARE(doc.Word(20), 56);
    prompter.answers = {Answer::Ok};
    saveValue("110110");
    QCOMPARE(prompter.ids().back(), IMFMSG(17));
    // Written as typed: the pair inversion is not applied.
    for (int a = 20; a <= 22; ++a) QCOMPARE(doc.Word(a), 54);
    QCOMPARE(doc.Word(23), 0);
    QCOMPARE(row(23), QString("1 1 0 1 1 0 54 36"));

    // The browser's Undo: the bits come back; "Dec" and "Hex" keep what Save wrote.
    QVERIFY(child<QToolButton>("bnUndo")->isEnabled());
    child<QToolButton>("bnUndo")->click();
    for (int a = 20; a <= 22; ++a) QCOMPARE(doc.Word(a), 56);
    QCOMPARE(row(21), QString("1 1 1 0 0 0 54 36"));
    QVERIFY(!doc.rangeSelected);
    QVERIFY(!b.browserUndoReady());
  }
};

QTEST_MAIN(TestDataBrowserPpg)
#include "tst_databrowser_ppg.moc"
