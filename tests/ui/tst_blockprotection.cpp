// Protected blocks without Alt+click: "Edit Block…" in the graph's pop-up menu, Edit ▸
// Unprotect All, the status-bar notes that name the block under the pointer and say why a
// freehand or line gesture wrote nothing.
#include <QComboBox>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "core/wave/WaveDocFixtures.h"
#include "support/WaveWindowFixture.h"
#include "ui/app/AppContext.h"
#include "ui/wave/TfrmParam.h"
#include "ui/wave/TfrmResize.h"
#include "ui/wave/WaveView.h"

using namespace averoz;

namespace {

constexpr int kBlock = 3;

// Drawn 0..999, unprotected except block 3 (a Sine) over 400..499.
void DrawWithSineBlock(WaveDoc& doc) {
  test::DrawTo(doc, 999);
  test::Protect(doc, 400, 499, kBlock);
  TWaveParam& p = doc.blockParams[kBlock];
  p.kind = kSine;
  p.start = 400;
  p.len = 100;
  p.blockNo = kBlock;
  doc.blockCount = kBlock;
}

const char* const kProtectedRefusal =
    "block 3 (Sine) is protected (right-click: Edit Block…, or Edit ▸ Unprotect All)";

}  // namespace

class TestBlockProtection : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::WaveWindow> window;
  TfrmWave* wave = nullptr;
  QWidget* pad = nullptr;

  WaveDoc& doc() { return wave->doc(); }
  QPoint At(int index, int code) const {
    const ViewGeometry& g = wave->view()->geom();
    return {g.ViewX(index), g.ViewY(code)};
  }
  QString Note(const char* name) const {
    auto* note = window->form.findChild<QLabel*>(name);
    return note ? note->text() : QString();
  }
  void Hover(QPoint pos) {
    QMouseEvent move(QEvent::MouseMove, pos, pad->mapToGlobal(pos), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(pad, &move);
  }
  // Clicks the item of an open menu as the user does.
  static void Choose(QMenu* menu, const char* name) {
    QVERIFY(menu && menu->isVisible());
    QAction* item = menu->findChild<QAction*>(name);
    if (!item)
      for (QAction* a : menu->actions())
        if (a->objectName() == QLatin1String(name)) item = a;
    QVERIFY2(item && item->isVisible() && item->isEnabled(), name);
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
  }
  QMenu* Menu(const char* name) const { return window->form.findChild<QMenu*>(name); }
  // Opens a menu of the menu bar and clicks one of its items.
  void FromMenuBar(const char* menuName, const char* item) {
    QMenu* menu = Menu(menuName);
    menu->popup(window->form.mapToGlobal(QPoint(10, 10)));
    Choose(menu, item);
  }
  // Right-clicks the graph at (index, code) and chooses "Edit Block…"; `whileShown` runs
  // while the dialog it opens is up.
  void EditBlockAt(int index, std::function<void()> whileShown) {
    bool ran = false;
    QTimer shown;  // goes with this scope, so it never fires into a later test
    shown.setSingleShot(true);
    connect(&shown, &QTimer::timeout, this, [&] {
      whileShown();
      ran = true;
    });
    shown.start(0);
    QTest::mouseClick(pad, Qt::RightButton, {}, At(index, 1000));
    Choose(Menu("PopupMenu2"), "pmEditBlock");
    QVERIFY(ran);
  }

 private slots:
  void init() {
    AppContext::instance().setLanguage("Japanese");
    window = std::make_unique<test::WaveWindow>();
    wave = window->wave;
    QVERIFY(wave);
    window->form.show();
    QCoreApplication::processEvents();
    wave->FormActivate();
    pad = wave->findChild<QWidget*>("Mousepad");
    DrawWithSineBlock(doc());
    doc().CommitEdit(0, 999);
    doc().MarkSaved();
  }
  void cleanup() {
    window->form.setSaveHandler([](DocumentWindow& d) { d.setSaved(true); return true; });
    window.reset();
  }

  void popupItemComesLastAfterASeparator() {
    const QList<QAction*> items = Menu("PopupMenu2")->actions();
    QCOMPARE(items.last()->objectName(), QString("pmEditBlock"));
    QCOMPARE(items.last()->text(), QString("Edit Block…"));
    QVERIFY(items[items.size() - 2]->isSeparator());
    QCOMPARE(items[items.size() - 3]->objectName(), QString("pmResize"));
  }

  void editBlockOnAProtectedBlockOpensSetParameters() {
    EditBlockAt(450, [&] {
      auto* dialog = window->form.findChild<TfrmParam*>("frmParam");
      QVERIFY(dialog && dialog->isVisible());
      QCOMPARE(dialog->windowTitle(), QString("Set Parameters<Replace>"));
      QCOMPARE(dialog->findChild<QComboBox*>("cboWave")->currentText(), QString("Sine"));
      dialog->findChild<QPushButton*>("bnCancel")->click();
    });
    // The block's run is selected, as Alt+click leaves it.
    QVERIFY(doc().rangeSelected);
    QCOMPARE(doc().selBegin, 400);
    QCOMPARE(doc().selEnd, 499);
  }

  void editBlockOnUnprotectedSamplesOpensResize() {
    EditBlockAt(700, [&] {
      TfrmResize& dialog = TfrmResize::instance(window->form);
      QVERIFY(dialog.isVisible());
      QCOMPARE(dialog.windowTitle(), QString("Resize"));
      dialog.findChild<QPushButton*>("bnCancel")->click();
    });
    QCOMPARE(doc().selBegin, 500);  // the unprotected run right of the block
    QCOMPARE(doc().selEnd, 999);
  }

  void editBlockIsDisabledOnUndrawnSamples() {
    QTest::mouseClick(pad, Qt::RightButton, {}, At(3000, 1000));
    QMenu* popup = Menu("PopupMenu2");
    QVERIFY(popup->isVisible());
    QVERIFY(!window->form.action("pmEditBlock")->isEnabled());
    popup->close();
  }

  void unprotectAllIsOneUndoStep() {
    test::Protect(doc(), 600, 649, 2);
    const std::vector<std::int16_t> protectedBlocks = doc().blockNo;
    FromMenuBar("mnEdit", "mnEditUnprotectAll");
    for (int i : {400, 499, 600, 649}) QCOMPARE(doc().blockNo[i], kBlockFree);
    QCOMPARE(doc().blockNo[1000], kBlockNever);  // the undrawn tail stays undrawn
    QCOMPARE(doc().blockCount, kBlock);           // numbers are never given out again
    QVERIFY(doc().isSaved);                       // the samples did not change
    QVERIFY(window->form.action("EditUndo1")->isEnabled());

    FromMenuBar("mnEdit", "EditUndo1");
    QVERIFY(doc().blockNo == protectedBlocks);

    // Nothing protected: nothing to undo, and the status bar says why.
    FromMenuBar("mnEdit", "mnEditUnprotectAll");
    FromMenuBar("mnEdit", "mnEditUnprotectAll");
    QCOMPARE(window->prompter.statusText, std::string("Unprotect All: no block is protected"));
    FromMenuBar("mnEdit", "EditUndo1");  // undoes the first of the two: the block is back
    QCOMPARE(doc().blockNo[450], kBlock);

    // A pattern document has no blocks: neither item is offered.
    window->form.FileNewPPG1Execute();
    QVERIFY(!window->form.action("mnEditUnprotectAll")->isVisible());
    QVERIFY(!window->form.action("pmEditBlock")->isVisible());
  }

  void freehandRefusalsInTheStatusBar() {
    wave->SetEditMode(2);
    QTest::mousePress(pad, Qt::LeftButton, {}, At(450, 0));  // on the block: nothing
    QTest::mouseRelease(pad, Qt::LeftButton, {}, At(450, 0));
    QCOMPARE(Note("lblStrokeNote"), QString("Freehand: ") + kProtectedRefusal);
    QVERIFY(!doc().undoReady);

    QTest::mousePress(pad, Qt::LeftButton, {}, At(300, 0));  // a new press clears the note
    QCOMPARE(Note("lblStrokeNote"), QString());
    QTest::mouseMove(pad, At(350, 0));
    QTest::mouseMove(pad, At(460, 0));  // runs into the block: the stroke ends
    QTest::mouseRelease(pad, Qt::LeftButton, {}, At(460, 0));
    QCOMPARE(Note("lblStrokeNote"), QString("Freehand: ") + kProtectedRefusal);
    QCOMPARE(doc().waveData[399], test::CodeAt(399));
    QCOMPARE(doc().blockNo[450], kBlock);

    // Right of the last sample the view is empty: no room to draw.
    const ViewGeometry& g = wave->view()->geom();
    const QPoint beyond(g.contentWidth() - g.scrollX + 4, At(0, 2048).y());
    QVERIFY(beyond.x() < pad->width());
    QTest::mousePress(pad, Qt::LeftButton, {}, beyond);
    QTest::mouseRelease(pad, Qt::LeftButton, {}, beyond);
    QCOMPARE(Note("lblStrokeNote"), QString("Freehand: outside the waveform, no room to draw"));
    QCOMPARE(doc().lastDrawn(), 999);
  }

  void lineRefusalsInTheStatusBar() {
    wave->SetEditMode(3);
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(300, 0));
    QTest::mouseClick(pad, Qt::LeftButton, {}, At(700, 4095));  // across the block
    QVERIFY(!wave->lineTool().pending());
    QCOMPARE(Note("lblStrokeNote"), QString("Line: ") + kProtectedRefusal);
    QCOMPARE(doc().waveData[350], test::CodeAt(350));
    QVERIFY(!doc().undoReady);

    QTest::mouseClick(pad, Qt::LeftButton, {}, At(420, 0));  // a start on the block
    QVERIFY(!wave->lineTool().pending());
    QCOMPARE(Note("lblStrokeNote"), QString("Line: ") + kProtectedRefusal);
  }

  void blockUnderThePointer() {
    Hover(At(450, 1000));
    QCOMPARE(Note("lblBlockNote"), QString("Sine, block 3, protected"));
    Hover(At(200, 1000));
    QCOMPARE(Note("lblBlockNote"), QString("unprotected"));
    Hover(At(5000, 1000));
    QCOMPARE(Note("lblBlockNote"), QString("undrawn"));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(pad, &leave);
    QCOMPARE(Note("lblBlockNote"), QString());
  }
};

QTEST_MAIN(TestBlockProtection)
#include "tst_blockprotection.moc"
