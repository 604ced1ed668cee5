// A pattern window in the real main window offscreen: New PPG, the menus and tools that
// follow it, a generator through the palette and its dialog, a header press and the bit
// pen with Auto Invert, CH View's pair order, Copy and a Paste whose rows do not match,
// Undo, Save and reopening the file.
#include <QAction>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QtTest>
#include <array>
#include <functional>
#include <optional>

#include "core/files/PatternRead.h"
#include "core/view/ScrollRange.h"
#include "support/MainWindowFixture.h"
#include "support/TempDir.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/files/FileChooser.h"
#include "ui/files/FileCommands.h"
#include "ui/files/FileServices.h"
#include "ui/ppg/PpgChannelHeader.h"
#include "ui/ppg/PpgView.h"
#include "ui/ppg/TfrmPpg.h"
#include "ui/wave/Mousepad.h"

using namespace averoz;

namespace {

class SaveTo : public FileChooser {
 public:
  std::string path;
  std::optional<std::string> Open(const OpenDialogRequest&) override { return path; }
  std::optional<SaveDialogChoice> Run(const SaveDialogRequest&) override {
    return SaveDialogChoice{path, 1};
  }
};

std::string Bits(const PpgDoc& doc, int ch, int from, int n) {
  std::string s;
  for (int a = from; a < from + n; ++a) s += doc.bit(ch, a) ? '1' : '0';
  return s;
}

}  // namespace

class TestPpgWindow : public QObject, public test::MainWindowFixture {
  Q_OBJECT

 private:
  SaveTo chooser;

  TfrmPpg* NewPattern() {
    form->action("FileNewPPG1")->trigger();
    QCoreApplication::processEvents();
    return qobject_cast<TfrmPpg*>(form->activeDocument());
  }

  // Runs act on the next modal dialog named `name` once it shows.
  void OnDialog(const char* name, std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, this, [this, name, act] {
      auto* d = form->findChild<QDialog*>(QLatin1String(name));
      QVERIFY2(d && d->isVisible(), name);
      act(*d);
    });
  }

  QPoint PadPoint(TfrmPpg& w, int address, int row) {
    const PpgViewGeometry& g = w.view()->geom();
    return QPoint(g.ViewX(address) + 1, 20 + 41 * row);
  }

 private slots:
  void init() {
    Start(chooser);
    form->resize(1200, 800);
    QVERIFY(QTest::qWaitForWindowExposed(form.get()));
  }
  void cleanup() { Stop(); }


  void newPatternFollowsInTheMainWindow() {
    TfrmPpg* w = NewPattern();
    QVERIFY(w);
    QCOMPARE(w->caption(), QString("pcppg001"));
    QVERIFY(form->findChild<QMenu*>("mnWave2")->menuAction()->isVisible());
    QVERIFY(!form->findChild<QMenu*>("mnWave")->menuAction()->isVisible());
    QVERIFY(!form->action("PalleteSin1")->isEnabled());
    QVERIFY(form->action("PalletePpgautoinv1")->isEnabled());
    QVERIFY(!form->action("PalletePpgbitpen1")->isEnabled());  // 20 addresses per pixel
    QVERIFY(!form->action("PalletePpgHi1")->isEnabled());      // no selection yet
    QCOMPARE(form->findChild<QLineEdit*>("edzx")->text(), QString("20"));
    // The X cursors start at the thirds of the visible part of the pattern.
    const int third = RoundDiv(std::min(w->view()->geom().viewWidth, w->view()->geom().contentWidth()), 3);
    QCOMPARE(w->doc().csrX1, third * 20);
    QCOMPARE(form->findChild<QLineEdit*>("edX1")->text(), QString::number(third * 20));
    QVERIFY(!form->findChild<QWidget*>("pnX1ValP")->isHidden());
    // Back to the waveform: its tools return, the pattern's go.
    form->mdiArea()->activatePreviousSubWindow();
    QCoreApplication::processEvents();
    QVERIFY(form->action("PalleteSin1")->isEnabled());
    QVERIFY(!form->action("PalletePpgautoinv1")->isEnabled());
  }

  void generatorThroughThePaletteAndUndo() {
    TfrmPpg* w = NewPattern();
    // A press on the header of row 2 selects that whole row.
    QTest::mouseClick(w->findChild<QWidget*>("pn2"), Qt::LeftButton);
    QVERIFY(w->doc().rangeSelected);
    QCOMPARE(form->findChild<QLineEdit*>("edssY")->text(), QString("2"));
    QVERIFY(form->action("PalletePpgClk1")->isEnabled());
    OnDialog("frmppgparam", [](QDialog& d) {
      QLineEdit* cycl = d.findChild<QLineEdit*>("edCycl");
      cycl->selectAll();
      QTest::keyClicks(cycl, "4");
      QTest::keyClick(cycl, Qt::Key_Return);
      QTest::mouseClick(d.findChild<QPushButton*>("bnOK"), Qt::LeftButton);
    });
    form->action("PalletePpgClk1")->trigger();
    QCOMPARE(Bits(w->doc(), 1, 0, 8), std::string("11001100"));
    QCOMPARE(Bits(w->doc(), 0, 0, 8), std::string("00000000"));
    QVERIFY(w->windowTitle().contains("*") || !w->isSaved());
    QVERIFY(form->action("EditUndo1")->isEnabled());
    form->action("EditUndo1")->trigger();
    QCOMPARE(Bits(w->doc(), 1, 0, 8), std::string("00000000"));
    QVERIFY(!form->action("EditUndo1")->isEnabled());
  }

  void bitPenWithAutoInvertWritesThePair() {
    TfrmPpg* w = NewPattern();
    OnDialog("frmInv", [](QDialog& d) { QTest::mouseClick(d.findChild<QPushButton*>("bnOK"), Qt::LeftButton); });
    form->action("PalletePpgautoinv1")->trigger();
    QVERIFY(w->doc().autoInvert);
    QCOMPARE(Bits(w->doc(), 3, 0, 4), std::string("1111"));  // CH4 = NOT CH1
    form->action("ZoomMax1")->trigger();
    w->view()->FinishZoom();
    w->view()->hScrollBar()->setValue(0);  // back to the start of the pattern
    QVERIFY(form->action("PalletePpgbitpenh1")->isEnabled());
    form->action("PalletePpgbitpenh1")->trigger();
    QCOMPARE(int(w->doc().editMode), 5);
    QVERIFY(form->action("pmBitpenChange")->isVisible());
    form->action("pmBitpenChange")->trigger();  // "Reverse BitPen": High becomes Lo
    QCOMPARE(int(w->doc().editMode), 6);
    QVERIFY(form->action("PalletePpgbitpenl1")->isChecked());
    form->action("pmBitpenChange")->trigger();
    QCOMPARE(int(w->doc().editMode), 5);
    QWidget* pad = w->view()->mousepad();
    QTest::mouseClick(pad, Qt::LeftButton, {}, PadPoint(*w, 4, 1));  // row 2 = CH2
    QCOMPARE(int(w->doc().bit(1, 4)), 1);
    QCOMPARE(int(w->doc().bit(4, 4)), 0);  // CH5 is its inverse
    form->action("PalleteSelect1")->trigger();
    QVERIFY(!form->action("pmBitpenChange")->isVisible());
  }

  void pairViewCopyAndAMismatchedPaste() {
    TfrmPpg* w = NewPattern();
    form->action("PalletePpgDispPair1")->trigger();
    QCOMPARE(int(w->doc().chOrder[1]), 3);
    w->doc().SetSelection({0, 0}, {9, 1});  // CH1 and CH4
    form->action("EditCopy1")->trigger();
    QVERIFY(form->action("EditPaste1")->isEnabled());
    w->doc().SetSelection({20, 2}, {20, 2});
    form->action("EditPaste1")->trigger();
    QCOMPARE(prompter.ids().back(), ERRMSG(7));
    form->action("PalletePpgDispOrd1")->trigger();
    QCOMPARE(int(w->doc().chOrder[1]), 1);
    QVERIFY(!w->doc().rangeSelected);
  }

  void chViewFromAHeaderReordersTheRows() {
    TfrmPpg* w = NewPattern();
    w->doc().SetSelection({0, 0}, {9, 0});
    OnDialog("frmchdisp", [](QDialog& d) {
      QTest::mouseClick(d.findChild<QPushButton*>("bnpair"), Qt::LeftButton);
      QTest::mouseClick(d.findChild<QPushButton*>("bnOK"), Qt::LeftButton);
    });
    QTest::mouseClick(w->findChild<QWidget*>("pn3"), Qt::RightButton);
    const std::array<std::uint8_t, 6> pair{0, 3, 1, 4, 2, 5};
    QCOMPARE(w->doc().chOrder, pair);
    QVERIFY(!w->doc().rangeSelected);
    QCOMPARE(w->findChild<PpgChannelHeader*>("pn2")->caption(), QString("CH4"));
  }

  void changeLengthStartsTheViewOverAroundTheBits() {
    TfrmPpg* w = NewPattern();
    w->doc().SetSelection({0, 0}, {9, 0});
    form->action("mnMath2Invert")->trigger();
    form->action("ZoomMax1")->trigger();
    w->view()->FinishZoom();
    prompter.answers = {Answer::Cancel};
    form->action("mnMath2Len")->trigger();
    QCOMPARE(prompter.ids().back(), IMFMSG(1));
    QCOMPARE(form->findChild<QLineEdit*>("edzx")->text(), QString("0.04"));
    form->action("mnMath2Len")->trigger();  // OK
    QCOMPARE(form->findChild<QLineEdit*>("edzx")->text(), QString("20"));
    QCOMPARE(Bits(w->doc(), 0, 8, 3), std::string("110"));
    QVERIFY(!form->action("EditUndo1")->isEnabled());
    QVERIFY(!w->doc().rangeSelected);
  }

  void saveAndOpenAgain() {
    TfrmPpg* w = NewPattern();
    w->doc().SetSelection({0, 0}, {99, 0});
    form->action("mnMath2Invert")->trigger();
    chooser.path = (dir->path() / "saved.ppg").string();
    form->action("FileSave1")->trigger();
    QVERIFY(w->isSaved());
    QCOMPARE(w->caption(), QString("saved"));
    const PatternReadResult r = ReadPatternFile(chooser.path, AppContext::instance().settings());
    QVERIFY(r.ok());
    QCOMPARE(int(r.bits[99]), 1);
    QCOMPARE(int(r.bits[100]), 0);
    w->parentWidget()->close();
    QCoreApplication::processEvents();
    form->action("FileOpen1")->trigger();
    QCoreApplication::processEvents();
    auto* opened = qobject_cast<TfrmPpg*>(form->activeDocument());
    QVERIFY(opened);
    QCOMPARE(opened->caption(), QString("saved"));
    QVERIFY(opened->isSaved());
    QCOMPARE(Bits(opened->doc(), 0, 98, 3), std::string("110"));
  }
};

QTEST_MAIN(TestPpgWindow)
#include "tst_ppgwindow.moc"
