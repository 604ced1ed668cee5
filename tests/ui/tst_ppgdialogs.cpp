// The pattern dialogs offscreen, each run by its core command on a real pattern document
// with a scripted prompter: "Set Parameters" (Preveiw, OK, Cancel, field refusals, spins),
// "Math" (source refusals, count checks, Preview, OK), "Invert" (Change and its bevel) and
// "CH View" (Up, Down, Default, PairCH View).
#include <QComboBox>
#include <QEnterEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <string>

#include "core/ppg/AutoInvert.h"
#include "core/ppg/PpgCalcCommand.h"
#include "core/ppg/PpgGenerateCommand.h"
#include "support/FakePrompter.h"
#include "ui/ppg/BevelButton.h"
#include "ui/ppg/TfrmInv.h"
#include "ui/ppg/Tfrmchdisp.h"
#include "ui/ppg/Tfrmppgcalc.h"
#include "ui/ppg/Tfrmppgparam.h"
#include "ui/wave/UpDown.h"

using namespace averoz;

namespace {

// The bits of channel ch at from..from+n-1 as "0"/"1", lowest address first.
std::string Bits(const PpgDoc& doc, int ch, int from, int n) {
  std::string s;
  for (int a = from; a < from + n; ++a) s += doc.bit(ch, a) ? '1' : '0';
  return s;
}

void SetBits(PpgDoc& doc, int ch, int from, const std::string& bits) {
  for (std::size_t i = 0; i < bits.size(); ++i) doc.bit(ch, from + int(i)) = bits[i] == '1';
}

void Select(PpgDoc& doc, PpgPoint begin, PpgPoint end) {
  doc.rangeSelected = true;
  doc.SetSelection(begin, end);
}

template <typename W>
W* Find(QWidget& d, const char* name) {
  W* w = d.findChild<W*>(QLatin1String(name));
  if (!w) qFatal("no %s", name);
  return w;
}
QLineEdit* Ed(QWidget& d, const char* name) { return Find<QLineEdit>(d, name); }
QString Text(QWidget& d, const char* name) { return Ed(d, name)->text(); }
QString Caption(QWidget& d, const char* name) { return Find<QLabel>(d, name)->text(); }
bool Shown(QWidget& d, const char* name) { return Find<QWidget>(d, name)->isVisibleTo(&d); }
void Click(QWidget& d, const char* name) {
  QTest::mouseClick(Find<QPushButton>(d, name), Qt::LeftButton);
}

// Types over the field's text and presses Enter, which checks it.
void Enter(QWidget& d, const char* name, const QString& text) {
  QLineEdit* e = Ed(d, name);
  e->selectAll();
  QTest::keyClicks(e, text);
  QTest::keyClick(e, Qt::Key_Return);
}

// Makes the dialog the active window, so that focus moves as for a user.
void Activate(QDialog& d) {
  d.activateWindow();
  QVERIFY(QTest::qWaitForWindowActive(&d));
}

// A click on item `row` of a list, with Ctrl to add it to a multiple selection.
void ClickItem(QListWidget* list, int row, Qt::KeyboardModifiers mods = Qt::NoModifier) {
  QTest::mouseClick(list->viewport(), Qt::LeftButton, mods,
                    list->visualItemRect(list->item(row)).center());
}

QStringList Items(QListWidget* list) {
  QStringList items;
  for (int i = 0; i < list->count(); ++i) items << list->item(i)->text();
  return items;
}

}  // namespace

class TestPpgDialogs : public QObject {
  Q_OBJECT

 private:
  test::FakePrompter prompter;
  PpgDoc doc;
  PatternClip clip;

  // Runs `act` once the modal dialog is shown and closes it with Cancel should `act` leave it
  // open (also when one of its checks failed).
  void WhileShown(QDialog& dialog, std::function<void()> act) {
    QTimer::singleShot(0, this, [&dialog, act] {
      if (dialog.isVisible()) act();
      else QTest::qFail("the dialog is not shown", __FILE__, __LINE__);
      if (dialog.isVisible()) dialog.reject();
    });
  }

  // The one message shown since the last clear, with its suffix.
  void ExpectRefusal(MessageId id, const std::string& suffix = {}) {
    QCOMPARE(prompter.ids(), std::vector<MessageId>{id});
    QCOMPARE(prompter.shown[0].message.suffix, suffix);
    prompter.shown.clear();
  }

 private slots:
  void init() {
    prompter = test::FakePrompter();
    doc = PpgDoc();
    clip = PatternClip();
  }

  void paramPreviewThenCancelLeavesThePattern() {
    for (int a = 0; a < 300; ++a) doc.bit(0, a) = a % 3 == 0;
    SetBits(doc, 1, 100, "1111");
    Select(doc, {100, 0}, {100, 0});
    const PpgDoc before = doc;
    Tfrmppgparam dialog(nullptr, prompter);
    bool previewed = false;
    WhileShown(dialog, [&] {
      QCOMPARE(dialog.windowTitle(), QString("Set Parameters<Insert>"));
      auto* kind = Find<QComboBox>(dialog, "cboSelect");
      QVERIFY(!kind->isEnabled());
      QCOMPARE(kind->currentText(), QString("Clock"));
      QCOMPARE(Caption(dialog, "lblDataPts"), QString("Data Length(2_16284)"));
      QCOMPARE(Caption(dialog, "lblCycl"), QString("Cycles(2_16284)"));
      QCOMPARE(Text(dialog, "edData"), QString("2048"));
      QCOMPARE(Text(dialog, "edCycl"), QString("2"));
      QCOMPARE(Text(dialog, "edDuty"), QString("50"));
      QCOMPARE(Find<QPushButton>(dialog, "bnpreview")->text(), QString("Preveiw"));

      Enter(dialog, "edData", "10");
      Enter(dialog, "edCycl", "4");
      Click(dialog, "bnpreview");
      QCOMPARE(Bits(doc, 0, 100, 10), std::string("1100110011"));
      QCOMPARE(Bits(doc, 0, 110, 6), Bits(before, 0, 100, 6));  // the rest moved up by 10
      QCOMPARE(Bits(doc, 1, 100, 5), std::string("11110"));     // CH2 was not selected
      QCOMPARE(doc.selEnd.x, 109);                               // the block is shown selected
      // A second preview replaces the first.
      Enter(dialog, "edDuty", "25");
      Click(dialog, "bnpreview");
      QCOMPARE(Bits(doc, 0, 100, 10), std::string("1000100010"));
      previewed = true;
      Click(dialog, "bnCancel");
    });
    QCOMPARE(RunPpgGenerator(doc, PpgKind::Clock, dialog, clip, prompter), PpgOutcome::Cancelled);
    QVERIFY(previewed);
    QVERIFY(doc.bitData == before.bitData);
    QVERIFY(!doc.undoReady);
    QCOMPARE(doc.selEnd, before.selEnd);
    QVERIFY(prompter.shown.empty());
  }

  void paramOkInsertsACounterAndTheDialogResets() {
    Select(doc, {0, 0}, {0, 2});
    Tfrmppgparam dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      QVERIFY(Shown(dialog, "pnCycl"));
      QVERIFY(!Shown(dialog, "pnDuty"));
      Enter(dialog, "edData", "16");
      Enter(dialog, "edCycl", "4");
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgGenerator(doc, PpgKind::Counter, dialog, clip, prompter), PpgOutcome::Applied);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(3)});  // the tail is discarded
    QCOMPARE(Bits(doc, 0, 0, 16), std::string("0011001100110011"));
    QCOMPARE(Bits(doc, 1, 0, 16), std::string("0000111100001111"));
    QCOMPARE(Bits(doc, 2, 0, 16), std::string("0000000011111111"));
    QCOMPARE(doc.selEnd, (PpgPoint{15, 2}));
    QVERIFY(doc.undoReady && !doc.isSaved);
    QCOMPARE(dialog.windowTitle(), QString("Set Parameters"));

    // Overwrite disables the length; once closed it is enabled again.
    Select(doc, {20, 0}, {29, 0});
    WhileShown(dialog, [&] {
      QCOMPARE(dialog.windowTitle(), QString("Set Parameters<Overwrite>"));
      QVERIFY(!Ed(dialog, "edData")->isEnabled());
      QVERIFY(!Find<UpDown>(dialog, "udData")->isEnabled());
      QCOMPARE(Caption(dialog, "lblDataPts"), QString("Data Length"));
      QCOMPARE(Text(dialog, "edData"), QString("10"));
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgGenerator(doc, PpgKind::High, dialog, clip, prompter), PpgOutcome::Applied);
    QCOMPARE(Bits(doc, 0, 19, 12), std::string("011111111110"));
    QVERIFY(Ed(dialog, "edData")->isEnabled());
    QVERIFY(Find<UpDown>(dialog, "udData")->isEnabled());
  }

  void paramPanelsFollowTheKind() {
    clip.patClipLen = 4;
    clip.patClipRows = 1;
    // pnCycl, pnDuty, pnVal, pnrepeat
    const bool panels[6][4] = {{0, 0, 0, 0}, {0, 0, 0, 0}, {1, 1, 0, 0},
                               {1, 0, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    const char* names[] = {"pnCycl", "pnDuty", "pnVal", "pnrepeat"};
    const char* kinds[] = {"High", "Lo", "Clock", "Counter", "Value", "Clipboard"};
    Tfrmppgparam dialog(nullptr, prompter);
    for (int kind = 0; kind < 6; ++kind) {
      Select(doc, {50, 0}, {50, 0});
      WhileShown(dialog, [&] {
        QCOMPARE(Find<QComboBox>(dialog, "cboSelect")->currentText(), QString(kinds[kind]));
        for (int p = 0; p < 4; ++p) QCOMPARE(Shown(dialog, names[p]), panels[kind][p]);
        QVERIFY(Shown(dialog, "edData"));
      });
      QCOMPARE(RunPpgGenerator(doc, PpgKind(kind), dialog, clip, prompter),
               PpgOutcome::Cancelled);
    }
  }

  void paramValueRefusalsNameTheLimit() {
    Select(doc, {10, 0}, {19, 1});
    Tfrmppgparam dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      Activate(dialog);
      struct Case {
        const char* field;
        const char* typed;
        const char* suffix;
        const char* kept;
      };
      const Case cases[] = {{"edsetdec", "4", " (Max3) ", "00"},
                            {"edsetbin", "100", " (Max000011) ", "000000"},
                            {"edsethex", "A", " (Max03) ", "00"}};
      for (const Case& c : cases) {
        Enter(dialog, c.field, c.typed);
        ExpectRefusal(ERRMSG(3), c.suffix);
        QCOMPARE(Text(dialog, c.field), QString(c.kept));
        QTRY_VERIFY(Ed(dialog, c.field)->hasFocus());
      }
      // One base accepted shows the value in all three.
      Enter(dialog, "edsethex", "3");
      QCOMPARE(Text(dialog, "edsetbin"), QString("000011"));
      QCOMPARE(Text(dialog, "edsetdec"), QString("03"));
      QCOMPARE(Text(dialog, "edsethex"), QString("03"));
      Enter(dialog, "edsetdec", "2");
      QCOMPARE(Text(dialog, "edsetbin"), QString("000010"));
      QVERIFY(prompter.shown.empty());
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgGenerator(doc, PpgKind::Value, dialog, clip, prompter), PpgOutcome::Applied);
    QVERIFY(prompter.shown.empty());  // Overwrite asks nothing
    QCOMPARE(Bits(doc, 0, 9, 12), std::string("000000000000"));
    QCOMPARE(Bits(doc, 1, 9, 12), std::string("011111111110"));
  }

  void paramRefusedLengthsKeepTheDialogOpen() {
    Select(doc, {16000, 0}, {16000, 0});
    Tfrmppgparam dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      Activate(dialog);
      QCOMPARE(Text(dialog, "edData"), QString("384"));
      const char* typed[] = {"1", "385", "1e2", "-5"};
      for (const char* t : typed) {
        Enter(dialog, "edData", t);
        ExpectRefusal(ERRMSG(3));
        QCOMPARE(Text(dialog, "edData"), QString("384"));
      }
      // Leaving a refused period brings the focus back to it.
      QLineEdit* cycl = Ed(dialog, "edCycl");
      cycl->setFocus();
      QTRY_VERIFY(cycl->hasFocus());
      cycl->setText("1");
      QTest::keyClick(cycl, Qt::Key_Tab);
      ExpectRefusal(ERRMSG(3));
      QCOMPARE(cycl->text(), QString("2"));
      QTRY_VERIFY(cycl->hasFocus());
      // The spins step the accepted values; the duty snaps to whole addresses.
      Find<UpDown>(dialog, "udCycl")->press(true);
      QCOMPARE(cycl->text(), QString("3"));
      QCOMPARE(Text(dialog, "edDuty"), QString("66.667"));
      Find<UpDown>(dialog, "udDuty")->press(false);
      QCOMPARE(Text(dialog, "edDuty"), QString("33.333"));
      Find<UpDown>(dialog, "udData")->press(true);
      QCOMPARE(Text(dialog, "edData"), QString("384"));  // already the room
      Find<UpDown>(dialog, "udData")->press(false);
      QCOMPARE(Text(dialog, "edData"), QString("284"));
      // A length typed and not yet checked is checked by OK, which then stays open.
      Ed(dialog, "edData")->setText("99999");
      Click(dialog, "bnOK");
      ExpectRefusal(ERRMSG(3));
      QVERIFY(dialog.isVisible());
      QCOMPARE(Text(dialog, "edData"), QString("284"));
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgGenerator(doc, PpgKind::Clock, dialog, clip, prompter), PpgOutcome::Applied);
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(3)});
    QCOMPARE(Bits(doc, 0, 16000, 7), std::string("1001001"));
    QCOMPARE(doc.selEnd.x, 16283);
  }

  void paramClipboardRepeatsSetTheLength() {
    clip.patClipLen = 10;
    clip.patClipRows = 1;
    for (int i = 0; i < 10; ++i) clip.at(0, i) = i < 3;
    Select(doc, {0, 3}, {0, 3});
    Tfrmppgparam dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      QVERIFY(Ed(dialog, "edClip")->isReadOnly());
      QCOMPARE(Text(dialog, "edClip"), QString("10"));
      QCOMPARE(Caption(dialog, "lblDataPts"), QString("Data Length(1_16384)"));
      QCOMPARE(Caption(dialog, "lblRpt"), QString("Repeat Count(0_1638.4)"));
      QCOMPARE(Text(dialog, "edData"), QString("10"));
      QCOMPARE(Text(dialog, "edRpt"), QString("1"));
      Enter(dialog, "edRpt", "2.5");
      QCOMPARE(Text(dialog, "edData"), QString("25"));
      Enter(dialog, "edRpt", "1638.5");
      ExpectRefusal(ERRMSG(3));
      QCOMPARE(Text(dialog, "edRpt"), QString("2.5"));
      Find<UpDown>(dialog, "udData")->press(true);
      QCOMPARE(Text(dialog, "edRpt"), QString("12.5"));
      Find<UpDown>(dialog, "udRpt")->press(false);
      QCOMPARE(Text(dialog, "edRpt"), QString("11.5"));
      QCOMPARE(Text(dialog, "edData"), QString("115"));
      Click(dialog, "bnOK");
    });
    QCOMPARE(PastePattern(doc, dialog, clip, prompter, "CH"), PpgOutcome::Applied);
    std::string expected;
    for (int i = 0; i < 115; ++i) expected += i % 10 < 3 ? '1' : '0';
    QCOMPARE(Bits(doc, 3, 0, 115), expected);
    QCOMPARE(Bits(doc, 3, 115, 5), std::string("00000"));
  }

  void calcRefusalsKeepTheDialogOpen() {
    const PpgDoc before = doc;
    Tfrmppgcalc dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      Activate(dialog);
      QCOMPARE(dialog.windowTitle(), QString("Math"));
      auto* op = Find<QComboBox>(dialog, "cboCalc");
      auto* list = Find<QListWidget>(dialog, "listch");
      QCOMPARE(op->currentText(), QString("AND"));
      QCOMPARE(Items(list), (QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}));
      QVERIFY(list->selectedItems().isEmpty());  // no selection: the whole pattern
      QVERIFY(!Ed(dialog, "edData")->isEnabled());
      QCOMPARE(Text(dialog, "edData"), QString("16384"));
      QVERIFY(!Shown(dialog, "pnrotate"));

      struct Case {
        int op;
        std::vector<int> rows;
        MessageId refusal;
      };
      const Case cases[] = {{2, {0}, ERRMSG(9)}, {4, {}, ERRMSG(9)}, {5, {}, ERRMSG(10)},
                            {6, {}, ERRMSG(10)}, {0, {}, ERRMSG(11)}, {1, {}, ERRMSG(11)}};
      for (const Case& c : cases) {
        op->setCurrentIndex(c.op);
        list->clearSelection();
        for (int row : c.rows) ClickItem(list, row, Qt::ControlModifier);
        op->setFocus();  // anything but the list
        Click(dialog, "bnOK");
        ExpectRefusal(c.refusal);
        QVERIFY(dialog.isVisible());
        QTRY_VERIFY(list->hasFocus());
        Click(dialog, "bnPreview");
        ExpectRefusal(c.refusal);
      }

      // The count of Rotate and Shift.
      op->setCurrentIndex(5);
      QVERIFY(Shown(dialog, "pnrotate"));
      QCOMPARE(Caption(dialog, "lblRpt"), QString("Count(1_16384)"));
      QCOMPARE(Text(dialog, "edRot"), QString("1"));
      for (const char* typed : {"0", "16385", "x"}) {
        Enter(dialog, "edRot", typed);
        ExpectRefusal(ERRMSG(3));
        QCOMPARE(Text(dialog, "edRot"), QString("1"));
        QTRY_VERIFY(Ed(dialog, "edRot")->hasFocus());
      }
      Enter(dialog, "edRot", " 16380 ");
      QCOMPARE(Text(dialog, "edRot"), QString("16380"));
      Find<UpDown>(dialog, "udRot")->press(true);
      QCOMPARE(Text(dialog, "edRot"), QString("16384"));
      QVERIFY(prompter.shown.empty());
      Click(dialog, "bnCancel");
    });
    QCOMPARE(RunPpgCalc(doc, LogicOp::And, dialog, prompter), PpgOutcome::Cancelled);
    QVERIFY(doc.bitData == before.bitData);
    QVERIFY(!doc.undoReady);
  }

  void calcPreviewAndOkWriteTheTarget() {
    SetBits(doc, 0, 0, "1100");
    SetBits(doc, 1, 0, "1010");
    Select(doc, {0, 0}, {3, 1});
    Tfrmppgcalc dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      auto* list = Find<QListWidget>(dialog, "listch");
      QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
      QCOMPARE(list->selectedItems().size(), 2);  // the selected rows
      QCOMPARE(Text(dialog, "edData"), QString("4"));
      Find<QComboBox>(dialog, "cboDestch")->setCurrentIndex(2);
      Click(dialog, "bnPreview");
      QCOMPARE(Bits(doc, 2, 0, 5), std::string("10000"));
      QCOMPARE(doc.selBegin, (PpgPoint{0, 2}));  // the box shows the result's row
      Find<QComboBox>(dialog, "cboCalc")->setCurrentIndex(4);
      Click(dialog, "bnPreview");
      QCOMPARE(Bits(doc, 2, 0, 4), std::string("0110"));
      Find<QComboBox>(dialog, "cboCalc")->setCurrentIndex(3);
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgCalc(doc, LogicOp::And, dialog, prompter), PpgOutcome::Applied);
    QCOMPARE(Bits(doc, 2, 0, 5), std::string("11100"));
    QCOMPARE(doc.selBegin, (PpgPoint{0, 2}));  // the selection moved to the target's row
    QCOMPARE(doc.selEnd, (PpgPoint{3, 2}));
    QVERIFY(doc.undoReady);
  }

  void calcOneSourceOpsKeepOneAndRotateTakesTheDirection() {
    SetBits(doc, 0, 0, "10110");
    SetBits(doc, 1, 0, "11111");
    Select(doc, {0, 0}, {4, 1});
    Tfrmppgcalc dialog(nullptr, prompter);
    WhileShown(dialog, [&] {
      auto* list = Find<QListWidget>(dialog, "listch");
      // EQU and NOT take one source: of the two selected rows one stays.
      QCOMPARE(list->selectionMode(), QAbstractItemView::SingleSelection);
      QCOMPARE(list->selectedItems().size(), 1);
      QVERIFY(!Shown(dialog, "pnrotate"));
      ClickItem(list, 3);
      ClickItem(list, 0);
      QCOMPARE(list->selectedItems().size(), 1);
      auto* op = Find<QComboBox>(dialog, "cboCalc");
      op->setCurrentIndex(5);
      QCOMPARE(list->selectionMode(), QAbstractItemView::ExtendedSelection);
      QVERIFY(Shown(dialog, "pnrotate"));
      QVERIFY(Find<QRadioButton>(dialog, "rbleft")->isChecked());
      QCOMPARE(Find<QRadioButton>(dialog, "RadioButton1")->text(), QString("Right"));
      QTest::mouseClick(Find<QRadioButton>(dialog, "RadioButton1"), Qt::LeftButton);
      Click(dialog, "bnOK");
    });
    QCOMPARE(RunPpgCalc(doc, LogicOp::Equ, dialog, prompter), PpgOutcome::Applied);
    QCOMPARE(Bits(doc, 0, 0, 6), std::string("010110"));
    QCOMPARE(Bits(doc, 1, 0, 5), std::string("11111"));
  }

  void invertChangeFlipsTheRowAndOkDerivesThePairs() {
    SetBits(doc, 0, 0, "1010");
    SetBits(doc, 1, 0, "1100");
    SetBits(doc, 3, 0, "0011");
    InvertDirections directions{};
    TfrmInv dialog;
    WhileShown(dialog, [&] {
      QCOMPARE(dialog.windowTitle(), QString("Invert"));
      for (int k = 1; k <= 3; ++k) {
        const QByteArray n = QByteArray::number(k);
        QCOMPARE(Caption(dialog, "ar" + n), QString("->"));
        QCOMPARE(Find<QLabel>(dialog, "bar" + n)->text(), QString("____"));
        QCOMPARE(Find<QLabel>(dialog, "bar" + n)->x(), TfrmInv::kBarFirstX);
        QCOMPARE(Find<BevelButton>(dialog, "pninv" + n)->text(), QString("Change"));
      }
      auto* change = Find<BevelButton>(dialog, "pninv1");
      QCOMPARE(change->bevel(), BevelButton::Bevel::Flat);
      QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
      QCoreApplication::sendEvent(change, &enter);
      QCOMPARE(change->bevel(), BevelButton::Bevel::Raised);
      QCOMPARE(change->frameShadow(), QFrame::Raised);
      QTest::mousePress(change, Qt::LeftButton);
      QCOMPARE(change->bevel(), BevelButton::Bevel::Lowered);
      QCOMPARE(change->frameShadow(), QFrame::Sunken);
      QCOMPARE(Caption(dialog, "ar1"), QString("->"));  // a click is a release over it
      QTest::mouseRelease(change, Qt::LeftButton);
      QCOMPARE(change->bevel(), BevelButton::Bevel::Raised);
      QEvent leave(QEvent::Leave);
      QCoreApplication::sendEvent(change, &leave);
      QCOMPARE(change->bevel(), BevelButton::Bevel::Flat);
      QCOMPARE(change->lineWidth(), 0);

      QCOMPARE(Caption(dialog, "ar1"), QString("<-"));
      QCOMPARE(Find<QLabel>(dialog, "bar1")->x(), TfrmInv::kBarSecondX);
      QCOMPARE(Caption(dialog, "ar2"), QString("->"));
      Click(dialog, "bnOK");
    });
    QCOMPARE(SwitchAutoInvert(doc, true, dialog, directions), PpgOutcome::Applied);
    QCOMPARE(directions, (InvertDirections{true, false, false}));
    QCOMPARE(Bits(doc, 0, 0, 4), std::string("1100"));  // CH1 = NOT CH4
    QCOMPARE(Bits(doc, 3, 0, 4), std::string("0011"));
    QCOMPARE(Bits(doc, 4, 0, 4), std::string("0011"));  // CH5 = NOT CH2
    QCOMPARE(Bits(doc, 5, 0, 4), std::string("1111"));  // CH6 = NOT CH3

    // The window shows the directions again; Cancel keeps them and every bit.
    const PpgDoc before = doc;
    WhileShown(dialog, [&] {
      QCOMPARE(Caption(dialog, "ar1"), QString("<-"));
      QCOMPARE(Find<QLabel>(dialog, "bar1")->x(), TfrmInv::kBarSecondX);
      QTest::mouseClick(Find<BevelButton>(dialog, "pninv2"), Qt::LeftButton);
      QCOMPARE(Caption(dialog, "ar2"), QString("<-"));
      Click(dialog, "bnCancel");
    });
    QCOMPARE(SwitchAutoInvert(doc, true, dialog, directions), PpgOutcome::Cancelled);
    QCOMPARE(directions, (InvertDirections{true, false, false}));
    QVERIFY(doc.bitData == before.bitData);
    QVERIFY(doc.autoInvert);
  }

  void chViewReordersTheList() {
    Tfrmchdisp dialog;
    std::optional<ChannelOrder> order;
    WhileShown(dialog, [&] {
      QCOMPARE(dialog.windowTitle(), QString("CH View"));
      auto* list = Find<QListWidget>(dialog, "listch");
      QCOMPARE(Items(list), (QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}));
      QCOMPARE(list->currentRow(), 0);
      Click(dialog, "bnup");  // nothing above the top
      QCOMPARE(Items(list), (QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}));
      ClickItem(list, 2);
      Click(dialog, "bnup");
      QCOMPARE(Items(list), (QStringList{"CH1", "CH3", "CH2", "CH4", "CH5", "CH6"}));
      QCOMPARE(list->currentRow(), 1);  // the moved item stays selected
      Click(dialog, "bnup");
      QCOMPARE(Items(list), (QStringList{"CH3", "CH1", "CH2", "CH4", "CH5", "CH6"}));
      ClickItem(list, 5);
      Click(dialog, "bndown");  // nothing below the bottom
      ClickItem(list, 4);
      Click(dialog, "bndown");
      QCOMPARE(Items(list), (QStringList{"CH3", "CH1", "CH2", "CH4", "CH6", "CH5"}));
      Click(dialog, "bnOK");
    });
    order = dialog.Run(kNormalOrder);
    QCOMPARE(order, (ChannelOrder{2, 0, 1, 3, 5, 4}));

    WhileShown(dialog, [&] {
      auto* list = Find<QListWidget>(dialog, "listch");
      QCOMPARE(Items(list), (QStringList{"CH3", "CH1", "CH2", "CH4", "CH6", "CH5"}));
      Click(dialog, "bnpair");
      QCOMPARE(Items(list), (QStringList{"CH1", "CH4", "CH2", "CH5", "CH3", "CH6"}));
      Click(dialog, "bnOK");
    });
    QCOMPARE(dialog.Run(*order), std::optional<ChannelOrder>(kPairOrder));

    WhileShown(dialog, [&] {
      Click(dialog, "bnini");
      QCOMPARE(Items(Find<QListWidget>(dialog, "listch")),
               (QStringList{"CH1", "CH2", "CH3", "CH4", "CH5", "CH6"}));
      Click(dialog, "bnCancel");
    });
    QVERIFY(!dialog.Run(kPairOrder));
  }
};

QTEST_MAIN(TestPpgDialogs)
#include "tst_ppgdialogs.moc"
