// Waveforms ▸ "Equation…" offscreen, opened from its menu item: typing previews live, the
// error line points at a fault, the length follows the rules of Set Parameters, OK is one
// undo step, Cancel restores, and the expressions used are offered again.
#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "core/wave/WaveDocFixtures.h"
#include "support/MainWindowFixture.h"
#include "ui/wave/TfrmEquation.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/UpDown.h"

using namespace averoz;
using test::DrawTo;

class TestEquation : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  class NoFiles : public FileChooser {
    std::optional<std::string> Open(const OpenDialogRequest&) override { return {}; }
    std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override { return {}; }
  } chooser;
  bool shown = false;

  WaveDoc& doc() { return qobject_cast<TfrmWave*>(form->activeDocument())->doc(); }

  // Opens the dialog through its menu item and runs `act` on it; Cancel closes it should
  // `act` leave it open.
  void OpenAndRun(std::function<void(TfrmEquation&)> act) {
    shown = false;
    QTimer::singleShot(0, this, [this, act] {
      auto* dialog = form->findChild<TfrmEquation*>("frmEquation");
      QVERIFY(dialog && dialog->isVisible());
      shown = true;
      act(*dialog);
      if (dialog->isVisible()) Click(*dialog, "bnCancel");
    });
    form->findChild<QAction*>("mnWaveEq")->trigger();
    QVERIFY(shown);
  }

  static void Click(TfrmEquation& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }
  static QLineEdit* Expr(TfrmEquation& d) {
    return d.findChild<QComboBox*>("cboEquation")->lineEdit();
  }
  // Replaces the expression by typing it, key by key.
  static void Type(TfrmEquation& d, const QString& text) {
    Expr(d)->selectAll();
    QTest::keyClick(Expr(d), Qt::Key_Delete);
    QTest::keyClicks(Expr(d), text);
  }
  static QLineEdit* Len(TfrmEquation& d) { return d.findChild<QLineEdit*>("edEqLen"); }
  static void EnterLen(TfrmEquation& d, const QString& text) {
    Len(d)->setText(text);
    QTest::keyClick(Len(d), Qt::Key_Return);
  }
  static QString ErrorLine(TfrmEquation& d) { return d.findChild<QLabel*>("lblEqError")->text(); }

 private slots:
  void init() { Start(chooser); }  // a fresh settings file: no expressions used yet
  void cleanup() { Stop(); }

  void typingPreviewsAndOkWritesOneUnprotectedUndoStep() {
    QAction* item = form->findChild<QAction*>("mnWaveEq");
    QVERIFY(item);
    QCOMPARE(item->text(), QString("Equation…"));
    OpenAndRun([this](TfrmEquation& d) {
      QCOMPARE(d.windowTitle(), QString("Equation<Insert>"));
      QCOMPARE(d.findChild<QLabel*>("lblEqLen")->text(), QString("Data Length(8_16384)"));
      QCOMPARE(Len(d)->text(), QString("2048"));
      // The first expression is shown and previewed at once.
      QCOMPARE(Expr(d)->text(), TfrmEquation::kFirstExpression);
      QCOMPARE(doc().lastDrawn(), 2047);

      EnterLen(d, "12");
      Type(d, "mid + fs*rect(3*t)");
      QCOMPARE(doc().lastDrawn(), 11);
      QCOMPARE(doc().waveData[2], 1);
      QVERIFY(ErrorLine(d).isEmpty());
      Click(d, "bnOK");
      QVERIFY(!d.isVisible());
    });
    const std::vector<std::int32_t> expected = {4095, 4095, 1, 1, 4095, 4095, 1, 1, 4095, 4095, 1, 1};
    QCOMPARE(std::vector<std::int32_t>(doc().waveData.begin(), doc().waveData.begin() + 12),
             expected);
    QCOMPARE(doc().lastDrawn(), 11);
    QCOMPARE(doc().blockNo[0], kBlockFree);
    QCOMPARE(doc().blockCount, 0);
    QVERIFY(!doc().isSaved);

    form->findChild<QAction*>("EditUndo1")->trigger();
    QCOMPARE(doc().lastDrawn(), -1);
    QVERIFY(!doc().undoReady);
  }

  void errorLinePointsAtTheFaultAndOkRefuses() {
    OpenAndRun([this](TfrmEquation& d) {
      Type(d, "x + sin(2*");
      QCOMPARE(ErrorLine(d), QString("x + sin(2*\n          ^ position 11: "
                                     "Unexpected end of expression"));
      QCOMPARE(doc().lastDrawn(), -1);  // no preview of a broken expression
      Click(d, "bnOK");
      QVERIFY(d.isVisible());
      QCOMPARE(prompter.texts.size(), std::size_t(1));

      EnterLen(d, "8");
      Type(d, "sqrt(3 - x)");
      QCOMPARE(ErrorLine(d), QString("Sample x = 4 gives NaN"));
      Click(d, "bnOK");
      QVERIFY(d.isVisible());
      QCOMPARE(prompter.texts.back(), std::string("Sample x = 4 gives NaN"));

      Type(d, "sqrt(9 - x)");
      QVERIFY(ErrorLine(d).isEmpty());
      QCOMPARE(doc().waveData[5], 2);
      Click(d, "bnOK");
    });
    QCOMPARE(doc().lastDrawn(), 7);
    QCOMPARE(doc().waveData[0], 3);
  }

  void lengthFollowsTheRulesOfSetParameters() {
    DrawTo(doc(), 15999);  // room 384
    OpenAndRun([this](TfrmEquation& d) {
      QCOMPARE(d.findChild<QLabel*>("lblEqLen")->text(), QString("Data Length(8_384)"));
      QCOMPARE(Len(d)->text(), QString("384"));
      EnterLen(d, "20");
      QCOMPARE(doc().lastDrawn(), 16019);
      for (const char* bad : {"7", "385", "1x"}) {
        EnterLen(d, bad);
        QCOMPARE(prompter.ids().back(), ERRMSG(3));
        QCOMPARE(Len(d)->text(), QString("20"));
      }
      d.findChild<UpDown*>("udEqLen")->press(true);
      QCOMPARE(Len(d)->text(), QString("120"));
      QCOMPARE(doc().lastDrawn(), 16119);  // the preview follows the spin
    });
    QCOMPARE(doc().lastDrawn(), 15999);

    // Room 7: refused before the dialog opens, like the palette generators.
    DrawTo(doc(), 16376);
    prompter.shown.clear();
    form->findChild<QAction*>("mnWaveEq")->trigger();
    QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(1)});
    QVERIFY(!form->findChild<TfrmEquation*>("frmEquation")->isVisible());
  }

  void cancelRestoresTheDocumentAndSelectionExactly() {
    DrawTo(doc(), 999);
    doc().SetSelection(100, 199);
    const std::vector<std::int32_t> before = doc().waveData;
    const std::vector<std::int16_t> blocks = doc().blockNo;
    OpenAndRun([this](TfrmEquation& d) {
      QCOMPARE(d.windowTitle(), QString("Equation<Replace>"));
      QCOMPARE(Len(d)->text(), QString("100"));
      EnterLen(d, "300");
      Type(d, "4000");
      QCOMPARE(doc().waveData[350], 4000);
      QCOMPARE(doc().lastDrawn(), 1199);
      Click(d, "bnCancel");
    });
    QCOMPARE(doc().waveData, before);
    QCOMPARE(doc().blockNo, blocks);
    QCOMPARE(doc().selBegin, 100);
    QCOMPARE(doc().selEnd, 199);
    QVERIFY(doc().isSaved);
    QVERIFY(!doc().undoReady);
  }

  void usedExpressionsAreOfferedNewestFirst() {
    for (const char* text : {"x", "t*100", "x"}) {
      OpenAndRun([text](TfrmEquation& d) {
        EnterLen(d, "8");
        Type(d, text);
        Click(d, "bnOK");
      });
      form->findChild<QAction*>("EditUndo1")->trigger();
    }
    OpenAndRun([](TfrmEquation& d) {
      auto* box = d.findChild<QComboBox*>("cboEquation");
      QCOMPARE(box->currentText(), QString("x"));
      QCOMPARE(box->count(), 2);
      QCOMPARE(box->itemText(1), QString("t*100"));
    });
    QCOMPARE(AppContext::instance().settings().ReadString("Equation", "Expr1", ""),
             std::string("t*100"));
  }
};

QTEST_MAIN(TestEquation)
#include "tst_equation.moc"
