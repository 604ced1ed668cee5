// "Set Parameters" offscreen, driven through the main window's entry points: what each mode
// shows, the field checks with ERRMSG 3, Preview/Cancel, OK, the spin buttons.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <memory>

#include "support/FakePrompter.h"
#include "support/JapaneseSettings.h"
#include "ui/app/AppContext.h"
#include "ui/app/TMainForm.h"
#include "ui/wave/TfrmParam.h"
#include "ui/wave/TfrmWave.h"
#include "ui/wave/UpDown.h"
#include "ui/wave/WaveGenerateAction.h"

using namespace averoz;

namespace {

void DrawTo(WaveDoc& doc, int last) {
  for (int i = 0; i <= last; ++i) {
    doc.waveData[i] = i % 4096;
    doc.blockNo[i] = kBlockFree;
  }
}

}  // namespace

class TestTfrmParam : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<TMainForm> form;
  TfrmWave* wave = nullptr;
  test::FakePrompter prompter;

  WaveDoc& doc() { return wave->doc(); }

  // Runs `act` on the dialog once it is shown; the dialog is closed with Cancel afterwards
  // should `act` leave it open (also when one of its checks failed).
  void WhileShown(std::function<void(TfrmParam&)> act) {
    QTimer::singleShot(0, this, [this, act] {
      auto* dialog = form->findChild<TfrmParam*>("frmParam");
      QVERIFY(dialog && dialog->isVisible());
      act(*dialog);
      if (dialog->isVisible()) dialog->findChild<QPushButton*>("bnCancel")->click();
    });
  }

  static QLineEdit* ed(TfrmParam& d, const char* name) { return d.findChild<QLineEdit*>(name); }
  static void Click(TfrmParam& d, const char* name) { d.findChild<QPushButton*>(name)->click(); }
  static QString Label(TfrmParam& d, const char* name) {
    return d.findChild<QLabel*>(name)->text();
  }
  static bool Shown(TfrmParam& d, const char* name) {
    return d.findChild<QWidget*>(name)->isVisibleTo(&d);
  }
  // Types into a field and presses Enter, which checks it.
  static void Enter(TfrmParam& d, const char* name, const QString& text) {
    QLineEdit* e = ed(d, name);
    e->setText(text);
    QTest::keyClick(e, Qt::Key_Return);
  }

 private slots:
  void init() {
    test::WriteJapaneseSettings(AppContext::besideExecutable(".INI"));
    prompter = test::FakePrompter();
    AppContext::instance().setLanguage("Japanese");
    form = std::make_unique<TMainForm>();
    form->setPrompter(&prompter);
    wave = form->CreateStartupDocument();
    form->show();
    QCoreApplication::processEvents();
  }
  void cleanup() {
    form->setSaveHandler([](DocumentWindow& d) {
      d.setSaved(true);
      return true;
    });
    prompter.answers.assign(40, Answer::No);
    form.reset();
  }

  void generateShowsTheDefaultsAndOkWritesOneProtectedBlock() {
    WhileShown([](TfrmParam& d) {
      QCOMPARE(d.windowTitle(), QString("Set Parameters<Insert>"));
      QCOMPARE(Label(d, "lblDataPts"), QString("Data Length(8_16384)"));
      QCOMPARE(Label(d, "lblAmp"), QString("Amplitude(0_2048)"));
      QCOMPARE(Label(d, "lblOfs"), QString("Offset(-2048_2047)"));
      const char* names[] = {"edData", "edAmp", "edOfs", "edCycl", "edPhase", "edDamp", "edDuty"};
      const char* texts[] = {"2048", "2048", "0", "1", "0", "8", "50"};
      for (int i = 0; i < 7; ++i) QCOMPARE(ed(d, names[i])->text(), QString(texts[i]));
      QVERIFY(!d.findChild<QComboBox*>("cboWave")->isEnabled());
      QVERIFY(ed(d, "edData")->isEnabled());
      auto* prot = d.findChild<QCheckBox*>("chkProt");
      QVERIFY(prot->isVisibleTo(&d) && prot->isChecked());
      Click(d, "bnOK");
    });
    QCOMPARE(RunGenerate(*form, *wave, kSine), GenerateOutcome::Applied);
    QCOMPARE(doc().lastDrawn(), 2047);
    QCOMPARE(doc().waveData[512], 4095);
    QCOMPARE(doc().blockNo[2047], std::int16_t(1));
    QCOMPARE(doc().blockCount, 1);
    QVERIFY(doc().undoReady);
    QVERIFY(!doc().isSaved);
    QCOMPARE(form->findChild<TfrmParam*>("frmParam")->windowTitle(), QString("Set Parameters"));
  }

  void panelsFollowTheShape() {
    // pnAmp, pncyclph, pnDamp, pnDuty for each kind.
    const bool panels[10][4] = {{1, 1, 0, 0}, {1, 1, 0, 1}, {1, 1, 0, 0}, {1, 1, 0, 0},
                                {1, 1, 1, 0}, {1, 1, 1, 0}, {1, 1, 0, 0}, {1, 1, 0, 0},
                                {0, 0, 0, 0}, {1, 0, 0, 0}};
    for (int kind = 0; kind < 10; ++kind) {
      WhileShown([&](TfrmParam& d) {
        QCOMPARE(d.findChild<QComboBox*>("cboWave")->currentIndex(), kind);
        const char* names[] = {"pnAmp", "pncyclph", "pnDamp", "pnDuty"};
        for (int p = 0; p < 4; ++p) QCOMPARE(Shown(d, names[p]), panels[kind][p]);
        QVERIFY(Shown(d, "edData") && Shown(d, "edOfs"));
      });
      QCOMPARE(RunGenerate(*form, *wave, WaveKind(kind)), GenerateOutcome::Cancelled);
    }
  }

  void refusedEntriesAreReportedAndPutBack() {
    struct Case {
      const char* field;
      const char* typed;
      const char* kept;
    };
    const Case cases[] = {
        {"edAmp", "-", "2048"},      {"edAmp", "-5", "2048"},   {"edAmp", "2049", "2048"},
        {"edData", "7", "2048"},     {"edData", "16385", "2048"}, {"edOfs", "2048", "0"},
        {"edOfs", "1-", "0"},        {"edCycl", "0", "1"},      {"edPhase", "360.5", "0"},
        {"edDamp", "x", "8"},        {"edDuty", "101", "50"},
    };
    WhileShown([&](TfrmParam& d) {
      for (const Case& c : cases) {
        prompter.shown.clear();
        Enter(d, c.field, c.typed);
        QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
        QCOMPARE(ed(d, c.field)->text(), QString(c.kept));
      }
      // Accepted entries are normalised to whole samples and codes.
      prompter.shown.clear();
      Enter(d, "edData", " 100.4 ");
      Enter(d, "edOfs", "-12.5");
      QCOMPARE(ed(d, "edData")->text(), QString("100"));
      QCOMPARE(ed(d, "edOfs")->text(), QString("-13"));
      QVERIFY(prompter.shown.empty());
      QCoreApplication::processEvents();
      // A refused value typed and not yet checked does not reach the document through OK.
      ed(d, "edOfs")->setText("5000");
      Click(d, "bnOK");
      QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
      QVERIFY(d.isVisible());
      QCOMPARE(ed(d, "edOfs")->text(), QString("-13"));
      Click(d, "bnOK");
    });
    QCOMPARE(RunGenerate(*form, *wave, kDC), GenerateOutcome::Applied);
    QCOMPARE(doc().lastDrawn(), 99);
    QCOMPARE(doc().waveData[0], 2048 - 13);
  }

  void leavingARefusedFieldBringsTheFocusBack() {
    WhileShown([this](TfrmParam& d) {
      QApplication::setActiveWindow(&d);
      QLineEdit* amp = ed(d, "edAmp");
      amp->setFocus();
      QVERIFY(amp->hasFocus());
      amp->setText("9999");
      QTest::keyClick(amp, Qt::Key_Tab);
      QCOMPARE(prompter.ids(), std::vector<MessageId>{ERRMSG(3)});
      QCOMPARE(amp->text(), QString("2048"));
      QTRY_VERIFY(amp->hasFocus());
      // Cancel needs no valid field: leaving for it checks nothing.
      amp->setText("9999");
      d.findChild<QPushButton*>("bnCancel")->setFocus(Qt::MouseFocusReason);
      QCOMPARE(prompter.ids().size(), std::size_t(1));
    });
    QCOMPARE(RunGenerate(*form, *wave, kSine), GenerateOutcome::Cancelled);
  }

  void spinButtonsStepAndClamp() {
    WhileShown([](TfrmParam& d) {
      d.findChild<UpDown*>("udData")->press(false);
      QCOMPARE(ed(d, "edData")->text(), QString("1948"));
      d.findChild<UpDown*>("udAmp")->press(true);
      QCOMPARE(ed(d, "edAmp")->text(), QString("2048"));
      ed(d, "edOfs")->setText("2000");
      d.findChild<UpDown*>("udOfs")->press(true);
      QCOMPARE(ed(d, "edOfs")->text(), QString("2048"));
      d.findChild<UpDown*>("udCycl")->press(false);
      QCOMPARE(ed(d, "edCycl")->text(), QString("1"));  // below 0.01 comes back as 1
      ed(d, "edDuty")->setText("oops");
      d.findChild<UpDown*>("udDuty")->press(true);
      QCOMPARE(ed(d, "edDuty")->text(), QString("60"));  // from the last accepted "50"
    });
    RunGenerate(*form, *wave, kSquare);
  }

  void previewThenCancelRestoresTheDocument() {
    DrawTo(doc(), 999);
    doc().SetSelection(100, 199);
    const std::vector<std::int32_t> before = doc().waveData;
    const std::vector<std::int16_t> blocksBefore = doc().blockNo;
    WhileShown([this](TfrmParam& d) {
      QCOMPARE(d.windowTitle(), QString("Set Parameters<Replace>"));
      QCOMPARE(ed(d, "edData")->text(), QString("100"));
      Enter(d, "edData", "300");
      Enter(d, "edOfs", "100");
      Click(d, "bnpreview");
      QCOMPARE(doc().waveData[100], 2148);
      QCOMPARE(doc().waveData[399], 2148);
      QCOMPARE(doc().lastDrawn(), 1199);
      Enter(d, "edData", "8");
      Click(d, "bnpreview");
      QCOMPARE(doc().lastDrawn(), 907);  // the first preview is gone
      Click(d, "bnCancel");
    });
    QCOMPARE(RunGenerate(*form, *wave, kDC), GenerateOutcome::Cancelled);
    QVERIFY(doc().waveData == before);
    QVERIFY(doc().blockNo == blocksBefore);
    QCOMPARE(doc().blockCount, 0);
    QVERIFY(!doc().undoReady);
    QVERIFY(doc().isSaved);
    QCOMPARE(doc().selEnd, 199);
  }

  // At a range and at an insertion point the previewed block shows as the selection;
  // Cancel puts the selection's own end back.
  void previewShowsTheBlockAsTheSelection() {
    DrawTo(doc(), 999);
    wave->FormActivate();
    auto* edss = form->findChild<QLineEdit*>("edss");
    auto* edse = form->findChild<QLineEdit*>("edse");
    struct Case {
      int begin, end;
      const char* len;
      const char* previewEnd;
    };
    for (const Case& c : {Case{100, 199, "300", "399"}, Case{500, 500, "50", "549"}}) {
      doc().SetSelection(c.begin, c.end);
      WhileShown([&](TfrmParam& d) {
        Enter(d, "edData", c.len);
        Click(d, "bnpreview");
        QCOMPARE(edss->text(), QString::number(c.begin));
        QCOMPARE(edse->text(), QString(c.previewEnd));
        Click(d, "bnCancel");
      });
      QCOMPARE(RunGenerate(*form, *wave, kDC), GenerateOutcome::Cancelled);
      QCOMPARE(edss->text(), QString::number(c.begin));
      QCOMPARE(edse->text(), QString::number(c.end));
    }
  }

  void reEditShowsTheStoredParameters() {
    WhileShown([](TfrmParam& d) {
      Enter(d, "edData", "100");
      Enter(d, "edDuty", "25");
      Enter(d, "edCycl", "2.5");
      Click(d, "bnOK");
    });
    RunGenerate(*form, *wave, kSquare);
    WhileShown([](TfrmParam& d) {
      QCOMPARE(d.windowTitle(), QString("Set Parameters<Replace>"));
      QCOMPARE(d.findChild<QComboBox*>("cboWave")->currentIndex(), int(kSquare));
      QCOMPARE(ed(d, "edData")->text(), QString("100"));
      QCOMPARE(ed(d, "edDuty")->text(), QString("25"));
      QCOMPARE(ed(d, "edCycl")->text(), QString("2.5"));
      QVERIFY(Shown(d, "pnDuty"));
      Click(d, "bnOK");
    });
    QCOMPARE(RunReEditBlock(*form, *wave, 1), GenerateOutcome::Applied);
    QCOMPARE(doc().blockNo[0], std::int16_t(2));
    QCOMPARE(doc().blockParams[2].duty, 25.0);
  }

  void operandModeLetsTheShapeBeChosen() {
    std::vector<std::int32_t> operand(16384, 0);
    std::int32_t operandLen = 0;
    WhileShown([](TfrmParam& d) {
      auto* cbo = d.findChild<QComboBox*>("cboWave");
      QVERIFY(cbo->isEnabled());
      QVERIFY(!ed(d, "edData")->isEnabled());
      QVERIFY(!Shown(d, "chkProt"));
      QCOMPARE(Label(d, "lblDataPts"), QString("Data Length"));
      QCOMPARE(ed(d, "edData")->text(), QString("50"));
      cbo->setCurrentIndex(kDC);
      QVERIFY(!Shown(d, "pnAmp"));
      Enter(d, "edOfs", "-48");
      Click(d, "bnOK");
    });
    QVERIFY(RunOperandRequest(*form, operand, operandLen, 50, WaveScale{}));
    QCOMPARE(operandLen, 50);
    QCOMPARE(operand[49], 2000);
    QCOMPARE(operand[50], 0);
  }

  void fillModeAsksForTheTailLevel() {
    DrawTo(doc(), 9999);
    WhileShown([](TfrmParam& d) {
      QVERIFY(!d.findChild<QComboBox*>("cboWave")->isEnabled());
      QCOMPARE(d.findChild<QComboBox*>("cboWave")->currentText(), QString("DC"));
      QVERIFY(!ed(d, "edData")->isEnabled());
      QVERIFY(!Shown(d, "chkProt"));
      QCOMPARE(Label(d, "lblDataPts"), QString("Data Length(6384)"));
      QCOMPARE(d.windowTitle(), QString("Set Parameters"));
      Enter(d, "edOfs", "100");
      Click(d, "bnOK");
    });
    QVERIFY(RunCheckUndefinedTail(*form, *wave));
    QCOMPARE(prompter.ids(), std::vector<MessageId>{IMFMSG(8)});
    QCOMPARE(doc().lastDrawn(), 16383);
    QCOMPARE(doc().waveData[16383], 2148);
    // The level stays for the next fill.
    DrawTo(doc(), 9999);
    for (int i = 10000; i < 16384; ++i) doc().waveData[i] = kUndrawn, doc().blockNo[i] = 0;
    WhileShown([](TfrmParam& d) { QCOMPARE(ed(d, "edOfs")->text(), QString("100")); });
    QVERIFY(!RunCheckUndefinedTail(*form, *wave));
  }
};

QTEST_MAIN(TestTfrmParam)
#include "tst_tfrmparam.moc"
