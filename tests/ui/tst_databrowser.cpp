// The data browser offscreen: filling from a waveform document, row updates and the stale
// mark by the refresh limit, the binding key, Save with its checks and undo, jump, the
// cursor marks and the debug gesture.
#include <QApplication>
#include <QFile>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QTableView>
#include <QToolButton>
#include <QWheelEvent>
#include <QtTest>
#include <set>

#include "core/wave/WaveDocFixtures.h"
#include "support/BrowserFixture.h"
#include "support/ToolBarInput.h"
#include "ui/app/AppContext.h"
#include "ui/app/BrowserModel.h"
#include "ui/app/TMainForm.h"
#include "ui/app/TfrmData.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/WaveViewHooks.h"

using namespace averoz;

class TestDataBrowser : public QObject, public test::BrowserFixture {
  Q_OBJECT

  // A shown main window with one document drawn 0..99, samples 10..19 protected block 1
  // (a triangle), browsed.
  TfrmWave* start(const QByteArray& ini = {}) {
    if (!openForm(ini)) return nullptr;
    TfrmWave* wave = form->FileNewMod1Execute();
    WaveDoc& doc = wave->doc();
    test::DrawTo(doc, 99);
    test::Protect(doc, 10, 19, 1);
    doc.blockCount = 1;
    doc.blockParams[1].kind = 2;
    QCoreApplication::processEvents();
    return wave;
  }
  // start(), then View > Data View.
  TfrmWave* startBrowsed() {
    TfrmWave* wave = start();
    form->action("mnViewData")->trigger();
    return wave;
  }
  // Cursor mode with the X cursors at x1 and x2, reported as the window reports a move.
  static void placeXCursors(TfrmWave& wave, int x1, int x2) {
    wave.SetCursorMode(true);
    wave.doc().csrX1 = x1;
    wave.doc().csrX2 = x2;
    wave.doc().NotifyCursorsChanged();
  }

  // The rows the table highlights, top to bottom.
  QList<int> highlighted() {
    std::set<int> rows;
    for (const QItemSelectionRange& r : browser().grid()->selectionModel()->selection())
      for (int row = r.top(); row <= r.bottom(); ++row) rows.insert(row);
    return QList<int>(rows.begin(), rows.end());
  }
  static QList<int> rows(int first, int last) {
    QList<int> r;
    for (int i = first; i <= last; ++i) r << i;
    return r;
  }
  // No row highlighted: at most the current cell is.
  bool noHighlight() {
    return browser().grid()->selectionBehavior() == QAbstractItemView::SelectItems &&
           browser().grid()->selectionModel()->selectedIndexes().size() <= 1;
  }
  void enter(const char* name, const QString& text) { test::TypeInto(*form, name, text); }
  void press(const char* button) {
    auto* b = form->findChild<QToolButton*>(button);
    QVERIFY2(b, button);
    b->click();
  }
  // One turn of the wheel over the table: 120 is one notch up.
  void wheel(int delta) {
    QWidget* viewport = browser().grid()->viewport();
    const QPointF pos(viewport->rect().center());
    QWheelEvent event(pos, viewport->mapToGlobal(pos), QPoint(), QPoint(0, delta), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(viewport, &event);
  }
  // A held key repeats as release and press, both marked as repeats.
  void repeatKey(Qt::Key key) {
    QKeyEvent up(QEvent::KeyRelease, key, Qt::NoModifier, QString(), true);
    QKeyEvent down(QEvent::KeyPress, key, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(browser().grid(), &up);
    QApplication::sendEvent(browser().grid(), &down);
  }

 private slots:
  void init() { initBrowserTest(); }
  void cleanup() { cleanupBrowserTest(); }

  void dataViewFillsTheTable() {
    TfrmWave* wave = start();
    QCOMPARE(form->activeDocument(), wave);
    form->RunCommand("DataBrows1");
    TfrmData& b = browser();
    QVERIFY(b.isVisible());
    QCOMPARE(b.windowTitle(), wave->caption());
    QCOMPARE(b.width(), TfrmData::kWaveWidth);
    QCOMPARE(b.model().rowCount(), 16385);
    QCOMPARE(b.model().columnCount(), 5);
    QCOMPARE(b.model().headerData(1, Qt::Horizontal).toString(), QString("Csr"));
    QCOMPARE(b.model().headerData(4, Qt::Horizontal).toString(), QString("kind"));
    QCOMPARE(b.model().headerData(1, Qt::Vertical).toString(), QString("0"));
    QCOMPARE(cell(6, 2), QString::number(test::CodeAt(5)));
    QCOMPARE(cell(6, 3), QString("-1"));
    QCOMPARE(cell(6, 4), QString("-"));
    QCOMPARE(cell(11, 3), QString("1"));
    QCOMPARE(cell(11, 4), QString("2"));
    QCOMPARE(cell(101, 2), QString("-1"));  // undrawn: block 0, kind of entry 0
    QCOMPARE(cell(101, 3), QString("0"));
    QCOMPARE(cell(101, 4), QString("10"));
    QCOMPARE(cell(16384, 0), QString("16383"));
    QVERIFY(b.grid()->isColumnHidden(4));
    QVERIFY(child<QStatusBar>("Stb")->isHidden());
    QVERIFY(!b.browserStale());
    QVERIFY(!child<QToolButton>("bnRefresh")->isVisible());
    QVERIFY(child<QPushButton>("bnsave")->isEnabled());
    QVERIFY(!child<QToolButton>("bnUndo")->isEnabled());
    QCOMPARE(b.browsedKey().size(), size_t(17));
    QCOMPARE(wave->doc().browserKey, b.browsedKey());
    // key "M" of the window fills too, with a new key
    const std::string first = b.browsedKey();
    waveViewHooks().fillBrowser(*wave);
    QVERIFY(b.browsedKey() > first);
    QCOMPARE(wave->doc().browserKey, b.browsedKey());
  }

  void editsUpdateRowsBelowTheLimitAndMarkStaleFromIt() {
    TfrmWave* wave = start("[Refresh]\nLimit=100\n");
    QCOMPARE(form->refreshLimit(), 100);
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    WaveDoc& doc = wave->doc();
    for (int i = 100; i < 150; ++i) doc.waveData[i] = 7, doc.blockNo[i] = kBlockFree;
    doc.CommitEdit(100, 149);
    QCOMPARE(cell(101, 2), QString("7"));
    QCOMPARE(cell(150, 2), QString("7"));
    QCOMPARE(cell(151, 2), QString("-1"));
    QVERIFY(!b.browserStale());
    QVERIFY(wave->view());  // the window still heard the change: it is modified
    QVERIFY(!doc.isSaved);

    // a fill of 200 addresses: the table stays as it was and is marked out of date
    for (int i = 0; i < 200; ++i) doc.waveData[i] = 9, doc.blockNo[i] = kBlockFree;
    doc.CommitEdit(0, 199);
    QVERIFY(b.browserStale());
    QCOMPARE(cell(1, 2), QString::number(test::CodeAt(0)));
    QCOMPARE(b.grid()->palette().color(QPalette::Base), QColor(255, 208, 162));
    QVERIFY(!child<QPushButton>("bnsave")->isEnabled());
    QVERIFY(child<QToolButton>("bnRefresh")->isVisible());
    QVERIFY(b.findChild<QTimer*>("tmanime")->isActive());
    QVERIFY(b.findChild<QAction*>("pmEditRefresh")->isVisible());

    b.EditRefresh1Execute();
    QVERIFY(!b.browserStale());
    QCOMPARE(cell(1, 2), QString("9"));
    QVERIFY(!b.findChild<QTimer*>("tmanime")->isActive());
    QVERIFY(!b.findChild<QAction*>("pmEditRefresh")->isVisible());
    QVERIFY(child<QPushButton>("bnsave")->isEnabled());
  }

  void noticesOfOtherDocumentsAreIgnored() {
    TfrmWave* a = start();
    TfrmWave* other = form->FileNewMod1Execute();
    test::DrawTo(other->doc(), 9);
    TfrmData& b = browser();
    b.FillBrowser(*a);
    const std::string keyA = b.browsedKey();
    b.FillBrowser(*other);  // Data View on another document rebinds the browser
    QVERIFY(b.browsedKey() != keyA);
    QCOMPARE(cell(11, 2), QString("-1"));

    a->doc().waveData[0] = 4000;
    a->doc().CommitEdit(0, 0);
    b.UpdateBrowserRows(*a, 0, 0);
    b.MarkBrowserStale(*a);
    QCOMPARE(cell(1, 2), QString::number(test::CodeAt(0)));
    QVERIFY(!b.browserStale());

    // closing the browsed document ends the binding
    other->setSaved(true);
    other->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(b.browsedKey().empty());
    QVERIFY(!b.isVisible());
  }

  void saveRefusesInvalidProtectedAndUndrawnInput() {
    TfrmWave* wave = start();
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    auto* edData = child<QLineEdit>("edData");
    auto* save = child<QPushButton>("bnsave");
    const WaveDoc before = wave->doc();

    wave->doc().SetSelection(5, 12);  // into protected block 1
    edData->setText("4096");
    save->click();
    edData->setText(" 100 ");
    save->click();
    wave->doc().SetSelection(50, 60);
    b.grid()->selectionModel()->select(  // the table alone selects the undrawn rows 102..103
        QItemSelection(b.model().index(102, 1), b.model().index(103, 4)),
        QItemSelectionModel::ClearAndSelect);
    edData->setText("100");
    save->click();
    QCOMPARE(prompter.ids(), (std::vector<MessageId>{ERRMSG(3), ERRMSG(2), ERRMSG(18)}));
    QVERIFY(confirmations.isEmpty());
    QVERIFY(wave->doc().waveData == before.waveData);
    QVERIFY(!b.browserUndoReady());
  }

  void saveWritesTheRangeAndUndoTakesItBack() {
    TfrmWave* wave = start();
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    WaveDoc& doc = wave->doc();
    doc.MarkSaved();
    doc.SetSelection(30, 34);
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("30"));
    QCOMPARE(child<QLineEdit>("edData")->text(), QString::number(test::CodeAt(30)));
    child<QLineEdit>("edData")->setText("100");

    confirmAnswer = false;
    child<QPushButton>("bnsave")->click();
    QCOMPARE(confirmations, QStringList{"X=30_34 を 100 に変更します。"});
    QCOMPARE(doc.waveData[30], test::CodeAt(30));

    confirmAnswer = true;
    child<QPushButton>("bnsave")->click();
    for (int i = 30; i <= 34; ++i) {
      QCOMPARE(doc.waveData[i], 100);
      QCOMPARE(doc.blockNo[i], kBlockFree);
      QCOMPARE(cell(i + 1, 2), QString("100"));
    }
    QCOMPARE(doc.waveData[35], test::CodeAt(35));
    QVERIFY(!doc.isSaved);  // a change from the browser must be saved like any other
    QVERIFY(b.browserUndoReady());
    QVERIFY(child<QToolButton>("bnUndo")->isEnabled());

    b.Editundo1Execute();
    for (int i = 30; i <= 34; ++i) {
      QCOMPARE(doc.waveData[i], test::CodeAt(i));
      QCOMPARE(cell(i + 1, 2), QString::number(test::CodeAt(i)));
    }
    QVERIFY(!doc.rangeSelected);
    QVERIFY(!b.browserUndoReady());
    QVERIFY(!child<QToolButton>("bnUndo")->isEnabled());

    // another language: the English confirmation, one row
    AppContext::instance().setLanguage("English");
    doc.SetSelection(40, 40);
    child<QLineEdit>("edData")->setText("5");
    child<QPushButton>("bnsave")->click();
    QCOMPARE(confirmations.last(), QString("Change X=40 to 5"));
    // any later row update drops the browser undo
    doc.CommitEdit(0, 0);
    QVERIFY(!b.browserUndoReady());
  }

  void jumpClampsAndRefusesText() {
    TfrmWave* wave = start();
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    b.resize(b.width(), 300);
    QCoreApplication::processEvents();
    auto* edJump = child<QLineEdit>("edJump");
    QTableView* grid = b.grid();
    edJump->setText("500");
    child<QPushButton>("bnJump")->click();
    QCOMPARE(grid->rowAt(0), 500);
    edJump->setText("-3");
    b.bnJumpClick();
    QCOMPARE(grid->rowAt(0), 1);
    edJump->setText("99999");
    b.bnJumpClick();
    QVERIFY(grid->viewport()->rect().intersects(grid->visualRect(b.model().index(16384, 1))));
    // a selection out of sight scrolls it into view, one row above it at the top
    wave->doc().SetSelection(80, 90);
    QCOMPARE(grid->rowAt(0), 80);
    QCOMPARE(grid->selectionBehavior(), QAbstractItemView::SelectRows);
    edJump->setText("12x");
    b.bnJumpClick();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
    QVERIFY(edJump->text().isEmpty());
  }

  void cursorMarksAndRowFollowing() {
    TfrmWave* wave = start();
    WaveDoc& doc = wave->doc();
    placeXCursors(*wave, 10, 99);
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    QCOMPARE(cell(11, 1), QString("X1"));
    QCOMPARE(cell(100, 1), QString("X2"));
    QCOMPARE(b.cursorRowX2(), 100);

    // pressing on the X1 row picks X1; moving down onto X2's row stops one row above it
    QTableView* grid = b.grid();
    grid->scrollTo(b.model().index(11, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(b.model().index(11, 1)).center());
    QCOMPARE(child<QLabel>("lblCursor")->text(), QString("X1"));
    b.FollowRow(100);
    QCOMPARE(doc.csrX1, 98);
    QCOMPARE(cell(99, 1), QString("X1"));
    QCOMPARE(cell(11, 1), QString());
    QCOMPARE(grid->currentIndex().row(), 99);
    QVERIFY(doc.xCursorOn);

    // the window moves a cursor: the marks follow
    doc.csrX2 = 200;
    doc.NotifyCursorsChanged();
    QCOMPARE(cell(100, 1), QString());
    QCOMPARE(cell(201, 1), QString("X2"));
    // cursors hidden: no marks
    wave->SetCursorMode(false);
    QCOMPARE(cell(201, 1), QString());
    QVERIFY(child<QLabel>("lblCursor")->text().isEmpty());

    // following without a mark selects that address (only inside the drawn part)
    b.FollowRow(21);
    QVERIFY(doc.rangeSelected);
    QCOMPARE(doc.selBegin, 20);
    QCOMPARE(doc.selEnd, 20);
    b.FollowRow(5000);
    QVERIFY(!doc.rangeSelected);
  }

  void arrowKeysMoveThePickedCursorUpToTheOther() {
    TfrmWave* wave = start();
    WaveDoc& doc = wave->doc();
    placeXCursors(*wave, 10, 12);
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    QTableView* grid = b.grid();
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(b.model().index(13, 1)).center());
    QCOMPARE(child<QLabel>("lblCursor")->text(), QString("X2"));
    QTest::keyClick(grid, Qt::Key_Up);
    QCOMPARE(doc.csrX2, 11);
    QTest::keyClick(grid, Qt::Key_Up);  // onto X1's row: X2 stays one below it
    QCOMPARE(doc.csrX2, 11);
    QCOMPARE(grid->currentIndex().row(), 12);
    QCOMPARE(cell(12, 1), QString("X2"));
    QCOMPARE(cell(11, 1), QString("X1"));
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("11"));
    QCOMPARE(child<QLineEdit>("edData")->text(), QString::number(test::CodeAt(11)));
  }

  // The selection commands and entries of the main window move the highlight; Save writes
  // the rows the document has selected, or only the current row without a selection.
  void highlightFollowsEntriesUndoAndResetAndSaveWritesIt() {
    WaveDoc& doc = startBrowsed()->doc();
    QVERIFY(browser().isVisible());

    form->action("EditSelectAll1")->trigger();
    QCOMPARE(highlighted(), rows(1, 100));
    enter("edss", "30");
    QCOMPARE(highlighted(), rows(31, 100));
    enter("edsdx", "5");
    QCOMPARE(highlighted(), rows(31, 35));
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("30"));
    saveValue("100");
    QCOMPARE(confirmations.last(), QString("X=30_34 を 100 に変更します。"));
    QCOMPARE(doc.waveData[29], test::CodeAt(29));
    QCOMPARE(doc.waveData[34], 100);
    QCOMPARE(doc.waveData[35], test::CodeAt(35));

    form->action("EditUndo1")->trigger();
    QVERIFY(!doc.rangeSelected);
    QVERIFY(noHighlight());
    QCOMPARE(cell(31, 2), QString::number(test::CodeAt(30)));

    form->action("EditSelectAll1")->trigger();
    press("bnselres");
    QVERIFY(noHighlight());
    saveValue("7");
    QCOMPARE(confirmations.last(), QString("X=0 を 7 に変更します。"));
    QCOMPARE(doc.waveData[0], 7);
    QCOMPARE(doc.waveData[1], test::CodeAt(1));
  }

  void highlightFollowsPasteCutFitToXAndClearAll() {
    WaveDoc& doc = startBrowsed()->doc();
    form->action("EditSelectAll1")->trigger();
    enter("edss", "40");
    enter("edse", "42");
    form->action("EditCopy1")->trigger();
    enter("edse", "40");  // an insertion point
    QCOMPARE(highlighted(), rows(41, 41));
    form->action("EditPaste1")->trigger();
    QCOMPARE(doc.selEnd, 42);
    QCOMPARE(highlighted(), rows(41, 43));
    QCOMPARE(cell(103, 2), QString::number(test::CodeAt(99)));  // the tail moved on

    form->action("EditCut1")->trigger();
    QVERIFY(!doc.rangeSelected);
    QVERIFY(noHighlight());

    form->action("EditSelectAll1")->trigger();
    enter("edss", "90");
    form->action("mnMathXfit")->trigger();
    QCOMPARE(doc.selEnd, doc.dataLen - 1);
    const QList<int> fitted = highlighted();
    QCOMPARE(fitted.size(), doc.dataLen - 90);
    QCOMPARE(fitted.front(), 91);

    form->action("EditClearAll1")->trigger();
    QVERIFY(noHighlight());
    QCOMPARE(cell(1, 2), QString("-1"));
  }

  // Switching the cursors on and off and typing a cursor position move the "X1"/"X2" marks.
  void marksFollowTheCursorButtonsAndEntries() {
    WaveDoc& doc = startBrowsed()->doc();
    auto marks = [this] {
      QStringList found;
      for (int row = 1; row < browser().model().rowCount(); ++row)
        if (!cell(row, 1).isEmpty()) found << QString("%1@%2").arg(cell(row, 1)).arg(row);
      return found;
    };
    QVERIFY(marks().isEmpty());
    press("bnselcsr");
    QVERIFY(doc.xCursorOn);
    QCOMPARE(marks(), QStringList({QString("X1@%1").arg(doc.csrX1 + 1),
                                   QString("X2@%1").arg(doc.csrX2 + 1)}));
    enter("edX1", "40");
    QCOMPARE(marks(), QStringList({"X1@41", QString("X2@%1").arg(doc.csrX2 + 1)}));
    press("bncx");  // X off, Y stays: still cursor mode
    QVERIFY(!doc.xCursorOn);
    QVERIFY(marks().isEmpty());
    press("bncx");
    QVERIFY(doc.xCursorOn);
    QCOMPARE(marks().size(), 2);
    press("bnseled");
    QVERIFY(marks().isEmpty());
  }

  // A picked cursor's row stays marked when the document's selection goes; a range the
  // mouse selected before does not linger for Save.
  void resetWhileMovingACursorKeepsOnlyItsRow() {
    TfrmWave* wave = startBrowsed();
    WaveDoc& doc = wave->doc();
    placeXCursors(*wave, 30, 99);
    QTableView* grid = browser().grid();
    grid->scrollTo(browser().model().index(31, 1), QAbstractItemView::PositionAtTop);
    const auto at = [&](int row) {
      return grid->visualRect(browser().model().index(row, 1)).center();
    };
    QTest::mousePress(grid->viewport(), Qt::LeftButton, {}, at(31));
    QTest::mouseMove(grid->viewport(), at(40));
    QTest::mouseRelease(grid->viewport(), Qt::LeftButton, {}, at(40));
    QCOMPARE(child<QLabel>("lblCursor")->text(), QString("X1"));
    QCOMPARE(doc.selEnd, 39);
    QCOMPARE(highlighted(), rows(31, 40));
    press("bnselres");
    QCOMPARE(highlighted(), rows(31, 31));
    saveValue("5");
    QCOMPARE(doc.waveData[30], 5);
    QCOMPARE(doc.waveData[31], test::CodeAt(31));
  }

  void wheelMovesTheCurrentRowAndTheSelectionFollows() {
    TfrmWave* wave = startBrowsed();
    WaveDoc& doc = wave->doc();
    QTableView* grid = browser().grid();
    clickRow(31);
    QCOMPARE(doc.selBegin, 30);
    wheel(-120);
    QTRY_COMPARE(doc.selBegin, 31);
    QCOMPARE(doc.selEnd, 31);
    QCOMPARE(grid->currentIndex().row(), 32);
    QCOMPARE(highlighted(), rows(32, 32));
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("31"));
    wheel(240);
    QTRY_COMPARE(doc.selBegin, 29);
    QCOMPARE(grid->currentIndex().row(), 30);
    wheel(60);  // half notches of a fine wheel add up
    wheel(60);
    QTRY_COMPARE(doc.selBegin, 28);
    QCOMPARE(doc.selEnd, 28);

    // a picked cursor rides on the wheel and stops beside the other one
    placeXCursors(*wave, 10, 15);
    clickRow(11);
    QCOMPARE(child<QLabel>("lblCursor")->text(), QString("X1"));
    wheel(-360);
    QTRY_COMPARE(doc.csrX1, 13);
    QCOMPARE(cell(14, 1), QString("X1"));
    wheel(-360);
    QTRY_COMPARE(grid->currentIndex().row(), 15);
    QCOMPARE(doc.csrX1, 14);
  }

  void heldArrowKeyMovesWhileItRepeats() {
    WaveDoc& doc = startBrowsed()->doc();
    QTableView* grid = browser().grid();
    clickRow(31);
    QTest::keyPress(grid, Qt::Key_Down);
    QCOMPARE(doc.selBegin, 31);
    for (int i = 0; i < 3; ++i) repeatKey(Qt::Key_Down);
    QCOMPARE(doc.selBegin, 34);
    QCOMPARE(doc.selEnd, 34);
    QCOMPARE(highlighted(), rows(35, 35));
    QTest::keyRelease(grid, Qt::Key_Down);
    QCOMPARE(grid->currentIndex().row(), 35);
    QCOMPARE(child<QLineEdit>("edJump")->text(), QString("34"));
    QCOMPARE(doc.selBegin, 34);
  }

  void debugGestureShowsTheKindColumnAtTheNextFill() {
    TfrmWave* wave = start();
    TfrmData& b = browser();
    b.FillBrowser(*wave);
    QTest::mouseClick(b.grid()->viewport(), Qt::RightButton,
                      Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier, QPoint(20, 20));
    QCOMPARE(prompter.texts, std::vector<std::string>{"Debug On!"});
    QVERIFY(b.debugMode());
    QVERIFY(b.grid()->isColumnHidden(4));
    b.FillBrowser(*wave);
    QVERIFY(!b.grid()->isColumnHidden(4));
    QCOMPARE(b.grid()->columnWidth(4), 50);
    QCOMPARE(b.width(), TfrmData::kDebugWaveWidth);
    QVERIFY(child<QStatusBar>("Stb")->isVisible());
    wave->doc().CommitEdit(3, 8);
    QCOMPARE(child<QStatusBar>("Stb")->currentMessage(), QString("3-8"));

    // closing the browser ends the binding
    b.close();
    QVERIFY(b.browsedKey().empty());
    wave->doc().waveData[0] = 1234;
    wave->doc().CommitEdit(0, 0);
    QCOMPARE(cell(1, 2), QString::number(test::CodeAt(0)));
  }
};

QTEST_MAIN(TestDataBrowser)
#include "tst_databrowser.moc"
